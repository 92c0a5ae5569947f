// SkinStatic.h - a clickable bitmap static with normal, hover and pressed pictures.
//
// With WS_TABSTOP in its template it is also a button of the keyboard: it takes the focus from
// Tab, shows a focus mark while it has it (once the keyboard is in use, as the system's buttons
// do), and Space or Enter click it. Its window text is its caption, for screen readers and UI
// automation; the static itself would read a text as the name of a bitmap resource.
#pragma once

#include "monitor/ui/Control.h"
#include "monitor/ui/Gdi.h"

class CSkinStatic : public CControl {
public:
    enum class Look { Normal, Hover, Pressed };

    // A negative hover or pressed id uses the normal bitmap in its place.
    bool SetBitmaps(int normalId, int hoverId, int pressedId);
    // The window text that names the button (the word its bitmaps show).
    void SetCaption(const char* caption);
    // Back to the normal bitmap (the parent's mouse moves call this).
    void Reset() { Show(Look::Normal); }
    Look Shown() const { return shown_; }
    // The focus mark is drawn now.
    bool FocusMarkShown() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Show(Look look);
    // The click as the mouse gives it: the parent's command with the control's id and handle.
    void Click();
    LRESULT Paint(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyDown(WPARAM key, LPARAM flags);
    LRESULT OnKeyUp(WPARAM key, LPARAM flags);

    CBitmapHandle normal_;
    CBitmapHandle hover_;
    CBitmapHandle pressed_;
    Look shown_ = Look::Normal;
    bool spaceDown_ = false;  // Space went down on this control; its release clicks
};

