// SkinButton.h - an owner-drawn push button made of a normal and a pressed bitmap.
#pragma once

#include "monitor/ui/Control.h"
#include "monitor/ui/Gdi.h"

class CSkinButton : public CControl {
public:
    bool SetBitmaps(int normalId, int pressedId);
    HBITMAP Normal() const { return normal_.get(); }
    HBITMAP Pressed() const { return pressed_.get(); }

    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CBitmapHandle normal_;
    CBitmapHandle pressed_;
};
