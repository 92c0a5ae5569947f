// Placement.h - where a skinned template's controls lie, in pixels.
//
// The artwork is drawn in pixels and its painted labels must meet the controls beside them
// whatever the dialog font: a dialog unit is 13/8 pixels high on Windows XP at 96 DPI and
// 12/8 under Wine. So a skinned template keeps only ids, classes, styles and tab order; its
// page places every control from a table like this at initialisation, and its background's
// SVG paints the labels at the same pixel coordinates.
#pragma once

#include <windows.h>

#include <span>

struct Placement {
    int id;
    int x, y, width, height;  // in the dialog's client pixels
};

// Moves and sizes each control of `dialog` named in `table`; ids the template lacks are skipped.
inline void ApplyPlacement(HWND dialog, std::span<const Placement> table) {
    for (const Placement& p : table) {
        if (HWND control = GetDlgItem(dialog, p.id))
            SetWindowPos(control, nullptr, p.x, p.y, p.width, p.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
