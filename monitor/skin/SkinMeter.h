// SkinMeter.h - a progress control drawn as the stepped 88-column bar (bitmap IDB_METER_BAR).
#pragma once

#include "monitor/ui/Control.h"
#include "monitor/ui/Gdi.h"

class CSkinMeter : public CControl {
public:
    void SetBackColor(COLORREF colour) { back_ = colour; }
    int Position() const;
    // Columns of the bar the current position shows.
    int ShownColumns() const;

protected:
    void OnAttached() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    CBitmapHandle bar_;
    COLORREF back_ = RGB(0, 0, 0);
};
