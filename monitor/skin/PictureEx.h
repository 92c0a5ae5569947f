// PictureEx.h - a picture control that plays an animated GIF from the resources.
// The class name, its My* methods and their trailing `int = -1` parameters are the fixed interface
// of the control library the pages were written against: keep them as they are.
#pragma once

#include <cstdint>
#include <vector>

#include "monitor/ui/Control.h"

namespace Gdiplus {
class Bitmap;
}

class CPictureEx : public CControl {
public:
    CPictureEx();
    ~CPictureEx() override;

    // Loads GIF resource `id` of resource type `type` ("Gif"); stops what played. False on failure.
    bool Load(int id, const char* type);
    // Starts playing (or shows the single frame) of what was loaded.
    bool Draw();
    void Stop();
    bool IsPlaying() const { return playing_; }

    unsigned FrameCount() const { return unsigned(delaysMs_.size()); }
    unsigned CurrentFrame() const { return frame_; }
    unsigned DelayMs(unsigned frame) const { return frame < delaysMs_.size() ? delaysMs_[frame] : 0; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    void NextFrame();
    void Unload();

    Gdiplus::Bitmap* image_ = nullptr;  // owned
    std::vector<uint8_t> data_;         // the GIF bytes the image reads from
    std::vector<unsigned> delaysMs_;
    unsigned frame_ = 0;
    bool playing_ = false;
};
