// PictureEx.cpp - GIF decoding and frame timing through GDI+ (part of Windows XP).
#include "monitor/skin/PictureEx.h"

// GDI+'s headers want min/max and the full COM declarations.
#include <objidl.h>
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include "monitor/ui/Gdi.h"

namespace {

constexpr UINT_PTR kFrameTimer = 1;
constexpr unsigned kDefaultDelayMs = 100;  // frames that give no delay

// GDI+ is started once for the process and left running: shutting it down while
// windows may still paint is unsafe.
bool GdiplusReady() {
    static const bool ready = [] {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    return ready;
}

IStream* StreamOver(const std::vector<uint8_t>& bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory) return nullptr;
    void* p = GlobalLock(memory);
    CopyMemory(p, bytes.data(), bytes.size());
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(memory, TRUE, &stream) != S_OK) {
        GlobalFree(memory);
        return nullptr;
    }
    return stream;
}

}  // namespace

CPictureEx::CPictureEx() = default;

CPictureEx::~CPictureEx() {
    Stop();
    Unload();
}

void CPictureEx::Unload() {
    delete image_;
    image_ = nullptr;
    data_.clear();
    delaysMs_.clear();
    frame_ = 0;
}

bool CPictureEx::Load(int id, const char* type) {
    Stop();
    Unload();
    if (!GdiplusReady()) return false;
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const DWORD size = found ? SizeofResource(module, found) : 0;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes || size == 0) return false;
    data_.assign(static_cast<const uint8_t*>(bytes), static_cast<const uint8_t*>(bytes) + size);

    IStream* stream = StreamOver(data_);
    if (!stream) return false;
    image_ = Gdiplus::Bitmap::FromStream(stream);
    stream->Release();
    if (!image_ || image_->GetLastStatus() != Gdiplus::Ok) {
        Unload();
        return false;
    }
    GUID dimension = Gdiplus::FrameDimensionTime;
    UINT frames = image_->GetFrameCount(&dimension);
    if (frames == 0) frames = 1;
    delaysMs_.assign(frames, kDefaultDelayMs);
    // Frame delays come in hundredths of a second, one LONG per frame.
    const UINT itemSize = image_->GetPropertyItemSize(PropertyTagFrameDelay);
    if (itemSize >= sizeof(Gdiplus::PropertyItem)) {
        std::vector<uint8_t> buffer(itemSize);
        auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
        if (image_->GetPropertyItem(PropertyTagFrameDelay, itemSize, item) == Gdiplus::Ok) {
            const UINT count = std::min<UINT>(frames, UINT(item->length / sizeof(LONG)));
            const auto* delays = static_cast<const LONG*>(item->value);
            for (UINT i = 0; i < count; ++i)
                if (delays[i] > 0) delaysMs_[i] = unsigned(delays[i]) * 10;
        }
    }
    // The template's size in dialog units differs by font: the control takes its image's size.
    if (Handle())
        SetWindowPos(Handle(), nullptr, 0, 0, int(image_->GetWidth()), int(image_->GetHeight()),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

bool CPictureEx::Draw() {
    if (!image_) return false;
    frame_ = 0;
    playing_ = true;
    if (delaysMs_.size() > 1) SetTimer(Handle(), kFrameTimer, delaysMs_[0], nullptr);
    InvalidateRect(Handle(), nullptr, TRUE);
    return true;
}

void CPictureEx::Stop() {
    if (playing_ && Handle()) KillTimer(Handle(), kFrameTimer);
    playing_ = false;
}

void CPictureEx::NextFrame() {
    if (!image_ || delaysMs_.size() < 2) return;
    frame_ = (frame_ + 1) % unsigned(delaysMs_.size());
    SetTimer(Handle(), kFrameTimer, delaysMs_[frame_], nullptr);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CPictureEx::Paint() {
    CPaintDC paint(Handle());
    if (!image_ || !playing_) return;
    GUID dimension = Gdiplus::FrameDimensionTime;
    image_->SelectActiveFrame(&dimension, frame_);
    Gdiplus::Graphics graphics(paint.get());
    graphics.DrawImage(image_, 0, 0, int(image_->GetWidth()), int(image_->GetHeight()));
}

LRESULT CPictureEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kFrameTimer) {
            NextFrame();
            return 0;
        }
        break;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_DESTROY:
        Stop();
        break;
    default:
        break;
    }
    return Default(message, wParam, lParam);
}
