// WindowShape.h - the rounded shape of the monitor window and of the dialogs that lie over it.
#pragma once

#include <windows.h>

// A width x height rectangle with corners of radius 10: two overlapping rectangles and a circle
// of diameter 20 in each corner. The window owns the region afterwards.
inline void ApplyRoundedShape(HWND window, int width, int height) {
    constexpr int d = 20, r = 10;
    HRGN region = CreateRectRgn(r, 0, width - r, height);
    auto add = [&](HRGN part) {
        CombineRgn(region, region, part, RGN_OR);
        DeleteObject(part);
    };
    add(CreateRectRgn(0, r, width, height - r));
    add(CreateEllipticRgn(0, 0, d, d));
    add(CreateEllipticRgn(width - d, height - d, width, height));
    add(CreateEllipticRgn(width - d, 0, width, d));
    add(CreateEllipticRgn(0, height - d, d, height));
    SetWindowRgn(window, region, TRUE);
}
