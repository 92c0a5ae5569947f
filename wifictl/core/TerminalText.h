// TerminalText.h - stored and scanned texts made safe to print on a terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wifictl {

// Control characters (below 0x20, and 0x7F) become '?': an SSID or a profile
// name with ESC [2J in it must not clear or recolour the user's terminal.
std::string PrintableText(std::string_view text);

// The same for a fixed-width field that may lack its NUL.
std::string PrintableField(const char* field, size_t width);

}  // namespace wifictl
