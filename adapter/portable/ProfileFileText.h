// ProfileFileText.h - the texts of the profile export file: section, limits, value to text and back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace profilefile {

inline constexpr const char* Section = "WLAN Profile";
inline constexpr const char* NameKey = "ProfileName";
inline constexpr const char* TemplateProfile = "Default";  // gives the value names and types on import
inline constexpr uint32_t ValueNameChars = 128;
inline constexpr uint32_t ExportDataBytes = 260;
inline constexpr uint32_t ImportTextChars = 128;  // 127 characters and the NUL

// The text a registry value is exported as: a REG_DWORD as unsigned decimal,
// anything else as its bytes up to the first zero byte (or the end of the data).
std::string ExportText(bool isDword, const uint8_t* data, size_t size);

// Leading blanks, an optional sign, then leading decimal digits; 0 when there are
// none. Negative numbers give their two's complement, so both the file's own
// unsigned texts and signed ones come back; out of range saturates.
uint32_t ParseDwordText(std::string_view text);

}  // namespace profilefile
