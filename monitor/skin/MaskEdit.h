// MaskEdit.h - an edit control that takes hexadecimal pairs in a fixed template ("PP:PP:...").
#pragma once

#include <string>

#include "monitor/ui/Control.h"

class CMaskEdit : public CControl {
public:
    // Filled by the dialogs before they set the window text to `initialText`.
    std::string mask;             // 'P' takes one hexadecimal digit; other characters are kept
    std::string literalTemplate;  // what an empty position shows ("__:__:...")
    std::string initialText;
    std::string validText;  // a second copy of the initial text
    int useMask = 1;
    int allowFreeText = 0;
    int keyInProgress = 0;

    std::string Text() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool Masking() const { return useMask != 0 && allowFreeText == 0 && !mask.empty(); }
    size_t Caret() const;
    void Apply(const std::string& text, size_t caret);
    LRESULT OnChar(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaste();
};
