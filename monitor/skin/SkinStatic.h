// SkinStatic.h - a clickable bitmap static with normal, hover and pressed pictures.
#pragma once

#include "monitor/ui/Control.h"
#include "monitor/ui/Gdi.h"

class CSkinStatic : public CControl {
public:
    enum class Look { Normal, Hover, Pressed };

    // A negative hover or pressed id uses the normal bitmap in its place.
    bool SetBitmaps(int normalId, int hoverId, int pressedId);
    // Back to the normal bitmap (the parent's mouse moves call this).
    void Reset() { Show(Look::Normal); }
    Look Shown() const { return shown_; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Show(Look look);

    CBitmapHandle normal_;
    CBitmapHandle hover_;
    CBitmapHandle pressed_;
    Look shown_ = Look::Normal;
};
