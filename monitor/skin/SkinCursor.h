// SkinCursor.h - the hand cursor (IDCUR_HAND) shown over bitmap buttons.
#pragma once

#include <windows.h>

#include "monitor/res/resource.h"

inline bool ShowHandCursor() {
    HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDCUR_HAND));
    if (!hand) return false;
    SetCursor(hand);
    return true;
}
