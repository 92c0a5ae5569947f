// SkinButton.h - an owner-drawn push button made of a normal and a pressed bitmap.
//
// The system's button takes the focus and Space; this one also takes Enter while it has the
// focus, draws the focus mark over its bitmap, and keeps the word its bitmap shows as its text.
#pragma once

#include "monitor/ui/Control.h"
#include "monitor/ui/Gdi.h"

class CSkinButton : public CControl {
public:
    // `caption`, when given, becomes the window text: the word the new bitmaps show.
    bool SetBitmaps(int normalId, int pressedId, const char* caption = nullptr);
    HBITMAP Normal() const { return normal_.get(); }
    HBITMAP Pressed() const { return pressed_.get(); }
    // The last drawing showed the focus mark.
    bool FocusMarkDrawn() const { return focusMarkDrawn_; }

    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CBitmapHandle normal_;
    CBitmapHandle pressed_;
    bool focusMarkDrawn_ = false;
};
