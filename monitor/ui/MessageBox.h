// MessageBox.h - the program's message boxes: one caption, the icon and buttons the caller names.
#pragma once

#include <windows.h>

namespace ui {

inline constexpr const char* MessageCaption = "Velmora Wireless Network Monitor";

// MB_OK, MB_YESNO | MB_ICONQUESTION, ...; returns the button pressed (IDOK, IDYES, ...).
inline int Message(HWND owner, const char* text, UINT type = MB_OK) {
    return MessageBoxA(owner, text, MessageCaption, type);
}

}  // namespace ui
