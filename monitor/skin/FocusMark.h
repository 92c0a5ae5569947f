// FocusMark.h - the keyboard focus mark of the bitmap buttons.
#pragma once

#include <windows.h>

// The mark lies this far inside the button, so that the artwork's outline stays whole.
inline constexpr int kFocusMarkInset = 3;

// The window's focus marks are shown: the system hides them until the keyboard is used in the
// window (or always shows them, by the user's setting), and so do we.
inline bool FocusMarksWanted(HWND control) {
    return (SendMessageA(control, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

// The system's dotted focus rectangle inside `box`.
inline void DrawFocusMark(HDC dc, RECT box) {
    InflateRect(&box, -kFocusMarkInset, -kFocusMarkInset);
    if (box.right <= box.left || box.bottom <= box.top) return;
    // Its dots invert what lies below them, on dark and light artwork alike, with a black and white
    // pattern whatever colours the DC holds.
    const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &box);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
}
