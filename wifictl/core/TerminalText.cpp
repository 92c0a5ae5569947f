// TerminalText.cpp - see TerminalText.h.
#include "wifictl/core/TerminalText.h"

#include "adapter/portable/Bytes.h"

namespace wifictl {

std::string PrintableText(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return out;
}

std::string PrintableField(const char* field, size_t width) {
    return PrintableText(std::string_view(field, BoundedLength(field, width)));
}

}  // namespace wifictl
