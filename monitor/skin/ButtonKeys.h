// ButtonKeys.h - what the bitmap buttons ask of the dialog manager for the Enter key.
#pragma once

#include <windows.h>

// WM_GETDLGCODE's message (its lParam) is Enter: the key going down, which clicks the focused
// button, or the character it is translated to. The button takes both from the dialog manager:
// the key so that the hidden default button does not swallow it, the character so that the
// manager does not look for a mnemonic from a button its click has just hidden (Wine's search
// then never ends).
inline bool IsEnterMessage(LPARAM getDlgCodeMessage) {
    const auto* key = reinterpret_cast<const MSG*>(getDlgCodeMessage);
    return key && ((key->message == WM_KEYDOWN && key->wParam == VK_RETURN) ||
                   (key->message == WM_CHAR && key->wParam == '\r'));
}
