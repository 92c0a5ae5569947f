// SkinDialog.h - a dialog drawn on a background bitmap, with see-through labels and dragging.
#pragma once

#include <vector>

#include "monitor/ui/Dialog.h"
#include "monitor/ui/Gdi.h"

class CSkinStatic;

class CSkinDialog : public CDialog {
public:
    // The pages lie this far below the monitor window's top.
    static constexpr int PageTopOffset = 135;

    CSkinDialog(int templateId, HWND parent);

    // Loads the background; false (and no background) when the bitmap is missing.
    bool SetBackground(int bitmapId);
    bool HasBackground() const { return backgroundPresent_; }
    HBITMAP Background() const { return background_.get(); }

    // Pages drag the window that hosts them; `offsetY` is where the page lies in it.
    void DragWindow(HWND target, int offsetY) {
        dragTarget_ = target;
        dragOffsetY_ = offsetY;
    }
    // Skin statics that a mouse move over the dialog resets to their normal bitmap.
    void TrackSkinStatic(CSkinStatic* control) { statics_.push_back(control); }
    bool Dragging() const { return dragging_; }

protected:
    bool OnEraseBackground(HDC dc) override;
    HBRUSH OnControlColor(HDC dc, HWND control, UINT message) override;
    bool OnLButtonDown(POINT at, WPARAM keys) override;
    bool OnMouseMove(POINT at, WPARAM keys) override;
    bool OnLButtonUp(POINT at, WPARAM keys) override;

    bool transparentStatics_ = true;

private:
    HBRUSH nullBrush_;  // stock, not owned
    bool backgroundOwned_ = false;
    bool backgroundPresent_ = false;
    CBitmapHandle background_;
    HWND dragTarget_ = nullptr;  // not owned; null: the dialog itself
    int dragOffsetY_ = 0;
    bool dragging_ = false;
    POINT dragStart_{};
    std::vector<CSkinStatic*> statics_;  // not owned
};
