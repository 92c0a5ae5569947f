// SkinDialog.h - a dialog drawn on a background bitmap, with see-through labels and dragging.
#pragma once

#include <span>
#include <vector>

#include "monitor/ui/Dialog.h"
#include "monitor/ui/Gdi.h"
#include "monitor/ui/Placement.h"

class CSkinStatic;

class CSkinDialog : public CDialog {
public:
    CSkinDialog(int templateId, HWND parent);

    // Loads the background; false (and no background) when the bitmap is missing. The window
    // region covers the whole window and follows its size from then on.
    bool SetBackground(int bitmapId);
    bool HasBackground() const { return backgroundPresent_; }
    HBITMAP Background() const { return background_.get(); }

    // Drags on this dialog move `host` (a page moves the monitor window); null: the dialog itself.
    void SetDragHost(HWND host) { dragHost_ = host; }
    // Skin statics that a mouse move over the dialog resets to their normal bitmap.
    void TrackSkinStatic(CSkinStatic* control) { statics_.push_back(control); }
    bool Dragging() const { return dragging_; }

    // Sets a see-through label's text and repaints the background behind it, so that no part of
    // a longer earlier text stays visible.
    void SetLabelText(int id, const char* text) const;
    // Places the template's controls in pixels (see Placement.h).
    void Place(std::span<const Placement> table) const { ApplyPlacement(Handle(), table); }

protected:
    bool OnEraseBackground(HDC dc) override;
    HBRUSH OnControlColor(HDC dc, HWND control, UINT message) override;
    bool OnLButtonDown(POINT at, WPARAM keys) override;
    bool OnMouseMove(POINT at, WPARAM keys) override;
    bool OnLButtonUp(POINT at, WPARAM keys) override;
    bool OnCaptureChanged(HWND newCapture) override;
    bool OnSize(int width, int height) override;

    bool transparentStatics_ = true;

private:
    void ApplyWholeRegion() const;
    void EndDrag();

    HBRUSH nullBrush_;  // stock, not owned
    bool backgroundOwned_ = false;
    bool backgroundPresent_ = false;
    CBitmapHandle background_;
    HWND dragHost_ = nullptr;  // not owned
    bool dragging_ = false;
    POINT dragCursor_{};      // screen position of the press
    POINT dragHostOrigin_{};  // where the dragged window was then
    std::vector<CSkinStatic*> statics_;  // not owned
};
