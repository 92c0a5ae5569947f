// SkinMeter.cpp - painting of the stepped meter.
#include "monitor/skin/SkinMeter.h"

#include "monitor/res/resource.h"

#include <commctrl.h>

#include "monitor/skin/portable/MeterRules.h"

void CSkinMeter::OnAttached() {
    const LONG_PTR exStyle = GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
    SetWindowLongPtrA(Handle(), GWL_EXSTYLE, exStyle & ~LONG_PTR(0x20028));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    SendMessageA(Handle(), PBM_SETRANGE32, 0, 100);
    SendMessageA(Handle(), PBM_SETPOS, 100, 0);
    bar_.Reset(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_METER_BAR)));
}

int CSkinMeter::Position() const { return int(SendMessageA(Handle(), PBM_GETPOS, 0, 0)); }

int CSkinMeter::ShownColumns() const {
    PBRANGE range{};
    SendMessageA(Handle(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    return meter::Columns(Position(), range.iLow, range.iHigh);
}

void CSkinMeter::Paint() {
    CPaintDC paint(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    CBrushHandle brush(CreateSolidBrush(back_));
    FillRect(paint.get(), &client, brush.get());
    const int columns = ShownColumns();
    if (columns > 0 && bar_) BlitBitmap(paint.get(), client.left, client.top, columns, BitmapSize(bar_.get()).cy, bar_.get());
}

LRESULT CSkinMeter::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case PBM_SETPOS: {
        const LRESULT previous = Default(message, wParam, lParam);
        InvalidateRect(Handle(), nullptr, FALSE);
        return previous;
    }
    default:
        return Default(message, wParam, lParam);
    }
}
