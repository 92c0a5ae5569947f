// MaskRules.cpp - see MaskRules.h.
#include "monitor/skin/portable/MaskRules.h"

#include <cctype>

namespace mask {
namespace {

bool IsHex(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }
char Upper(char c) { return char(std::toupper(static_cast<unsigned char>(c))); }

}  // namespace

bool IsDigitPosition(const std::string& m, size_t at) { return at < m.size() && m[at] == 'P'; }

size_t NextDigitPosition(const std::string& m, size_t from) {
    for (size_t i = from; i < m.size(); ++i)
        if (m[i] == 'P') return i;
    return std::string::npos;
}

size_t PreviousDigitPosition(const std::string& m, size_t from) {
    for (size_t i = from < m.size() ? from : m.size(); i > 0; --i)
        if (m[i - 1] == 'P') return i - 1;
    return std::string::npos;
}

Edit TypeChar(const std::string& m, const std::string& text, size_t caret, char c) {
    const size_t at = NextDigitPosition(m, caret);
    if (!IsHex(c) || at == std::string::npos || text.size() != m.size()) return {false, text, caret};
    std::string out = text;
    out[at] = Upper(c);
    const size_t next = NextDigitPosition(m, at + 1);
    return {true, out, next == std::string::npos ? at + 1 : next};
}

Edit Backspace(const std::string& m, const std::string& literal, const std::string& text, size_t caret) {
    const size_t at = PreviousDigitPosition(m, caret);
    if (at == std::string::npos || text.size() != m.size() || literal.size() != m.size()) return {false, text, caret};
    std::string out = text;
    out[at] = literal[at];
    return {true, out, at};
}

Edit DeleteAt(const std::string& m, const std::string& literal, const std::string& text, size_t caret) {
    const size_t at = NextDigitPosition(m, caret);
    if (at == std::string::npos || text.size() != m.size() || literal.size() != m.size()) return {false, text, caret};
    std::string out = text;
    out[at] = literal[at];
    return {true, out, caret};
}

Edit Paste(const std::string& m, const std::string& text, size_t caret, const std::string& input) {
    Edit e{true, text, caret};
    for (char c : input) {
        if (c == ':' || c == ' ' || c == '-') continue;
        Edit next = TypeChar(m, e.text, e.caret, c);
        if (!next.accepted) return {false, text, caret};
        e = next;
    }
    return e;
}

std::string Digits(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != ':') out.push_back(c);
    return out;
}

}  // namespace mask
