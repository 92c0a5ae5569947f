// PageGeometry.h - where the monitor window's pages and dialogs lie, in pixels.
#pragma once

namespace geometry {

struct Rect {
    int x, y, width, height;
};

// The monitor window and the rounded shape of its corners.
inline constexpr int WindowWidth = 581;
inline constexpr int WindowHeight = 437;
inline constexpr int CornerRadius = 10;

// The three tab pages fill the window below the tab rail.
inline constexpr Rect TabPage{0, 135, WindowWidth, WindowHeight - 135};
// Pages of the profile editor and the first-run page.
inline constexpr Rect EditorPage{4, 134, 574, 271};
// The editor's final page covers the window.
inline constexpr Rect FinalPage{0, 0, 578, 405};
// The key dialogs lie over the window with their own rounded shape.
inline constexpr int KeyDialogWidth = 581;
inline constexpr int KeyDialogHeight = 422;
// Their rows of controls (row 0 at the top), each beside a label painted at x 70 with its
// baseline 15 pixels below the row's top; Connect and Cancel at the panel's foot.
inline constexpr Rect KeyDialogRow(int row) { return Rect{220, 176 + 40 * row, 260, 22}; }
inline constexpr int KeyDialogDropHeight = 120;  // a combo box's height with its open list
inline constexpr Rect KeyDialogConnect{336, 350, 105, 23};
inline constexpr Rect KeyDialogCancel{446, 350, 105, 23};

// The monitor window's own controls.
inline constexpr Rect TabButton(int index) { return Rect{16 + index * 134, 103, 130, 30}; }
inline constexpr Rect CloseControl{551, 10, 20, 20};

}  // namespace geometry
