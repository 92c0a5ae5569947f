// SkinCursor.h - the hand cursor (resource 163) shown over bitmap buttons.
#pragma once

#include <windows.h>

inline bool ShowHandCursor() {
    HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(163));
    if (!hand) return false;
    SetCursor(hand);
    return true;
}
