// MaskRules.h - the text rules of the masked key field: hex digits in the pairs, literals kept.
#pragma once

#include <cstddef>
#include <string>

namespace mask {

// Mask characters: 'P' takes one hexadecimal digit; anything else is a literal
// kept from the template (":" separators).
bool IsDigitPosition(const std::string& mask, size_t at);

// Next position at or after `from` that takes a digit, or npos.
size_t NextDigitPosition(const std::string& mask, size_t from);
// Last digit position before `from`, or npos.
size_t PreviousDigitPosition(const std::string& mask, size_t from);

struct Edit {
    bool accepted;
    std::string text;
    size_t caret;
};

// Types `c` at `caret` over `text` (which follows `literal`'s shape): a hex
// digit replaces the next digit position, upper-cased; anything else is refused.
Edit TypeChar(const std::string& mask, const std::string& text, size_t caret, char c);
// Backspace: the previous digit position goes back to the template's character.
Edit Backspace(const std::string& mask, const std::string& literal, const std::string& text, size_t caret);
// Delete: the digit position at or after the caret goes back to the template's character.
Edit DeleteAt(const std::string& mask, const std::string& literal, const std::string& text, size_t caret);
// Pastes `input` from `caret`, taking its hex digits and skipping separators; refuses anything else.
Edit Paste(const std::string& mask, const std::string& text, size_t caret, const std::string& input);

// The key digits of a masked text: every ":" removed.
std::string Digits(const std::string& text);

}  // namespace mask
