// MaskEdit.cpp - keystrokes and pastes filtered through the mask rules.
#include "monitor/skin/MaskEdit.h"

#include <vector>

#include "monitor/skin/portable/MaskRules.h"

std::string CMaskEdit::Text() const {
    const int length = GetWindowTextLengthA(Handle());
    std::vector<char> text(size_t(length) + 1, 0);
    GetWindowTextA(Handle(), text.data(), length + 1);
    return std::string(text.data());
}

size_t CMaskEdit::Caret() const {
    DWORD start = 0, end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start;
}

void CMaskEdit::Apply(const std::string& text, size_t caret) {
    // WM_SETTEXT makes the edit send EN_CHANGE, so the parent hears of every change.
    SetWindowTextA(Handle(), text.c_str());
    SendMessageA(Handle(), EM_SETSEL, caret, caret);
}

LRESULT CMaskEdit::OnChar(WPARAM wParam, LPARAM lParam) {
    const char c = char(wParam);
    const std::string text = Text();
    if (text.size() != mask.size() || literalTemplate.size() != mask.size()) return Default(WM_CHAR, wParam, lParam);
    mask::Edit edit{false, text, 0};
    if (c == '\b')
        edit = mask::Backspace(mask, literalTemplate, text, Caret());
    else if (c >= ' ')
        edit = mask::TypeChar(mask, text, Caret(), c);
    else
        return Default(WM_CHAR, wParam, lParam);  // Enter, Tab, Ctrl+C and the like
    if (!edit.accepted) {
        MessageBeep(MB_OK);
        return 0;
    }
    Apply(edit.text, edit.caret);
    return 0;
}

LRESULT CMaskEdit::OnPaste() {
    std::string input;
    if (OpenClipboard(Handle())) {
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            if (const char* p = static_cast<const char*>(GlobalLock(data))) {
                input.assign(p, strnlen(p, 256));
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    const mask::Edit edit = mask::Paste(mask, Text(), Caret(), input);
    if (!edit.accepted) {
        MessageBeep(MB_OK);
        return 0;
    }
    Apply(edit.text, edit.caret);
    return 0;
}

LRESULT CMaskEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!Masking()) return Default(message, wParam, lParam);
    switch (message) {
    case WM_CHAR:
        return OnChar(wParam, lParam);
    case WM_KEYDOWN:
        if (wParam == VK_DELETE) {
            const mask::Edit edit = mask::DeleteAt(mask, literalTemplate, Text(), Caret());
            if (edit.accepted) Apply(edit.text, edit.caret);
            return 0;
        }
        break;
    case WM_PASTE:
        return OnPaste();
    case WM_CUT:
    case WM_CLEAR:
        return 0;  // removing characters would break the template's shape
    default:
        break;
    }
    return Default(message, wParam, lParam);
}
