// KeyText.h - WEP key bytes as the hexadecimal texts of WLAN_PROFILE, and their "00:11:..." display form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Two upper-case hexadecimal digits per byte, high nibble first.
std::string BytesToHexText(const uint8_t* bytes, size_t count);

// Pads `text` with "0" and shows its first digits as (digits + 1) / 2 pairs joined by ":".
std::string FormatWepKeyText(std::string_view text, size_t digits);
