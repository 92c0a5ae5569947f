// Gdi.h - small owners for GDI objects and device contexts.
#pragma once

#include <windows.h>

#include <utility>

// Owns one GDI object (bitmap, font, brush, region) and deletes it.
template <typename Handle>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(Handle h) : handle_(h) {}
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept {
        Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    ~CGdiObject() { Reset(); }

    void Reset(Handle h = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = h;
    }
    Handle Release() { return std::exchange(handle_, nullptr); }
    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    Handle handle_ = nullptr;
};

using CBitmapHandle = CGdiObject<HBITMAP>;
using CFontHandle = CGdiObject<HFONT>;
using CBrushHandle = CGdiObject<HBRUSH>;
using CRegionHandle = CGdiObject<HRGN>;

// Selects an object into a DC for the length of a scope.
class CSelectObject {
public:
    CSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~CSelectObject() { SelectObject(dc_, previous_); }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory DC compatible with another, deleted at scope end.
class CMemoryDC {
public:
    explicit CMemoryDC(HDC reference) : dc_(CreateCompatibleDC(reference)) {}
    ~CMemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// BeginPaint/EndPaint.
class CPaintDC {
public:
    explicit CPaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~CPaintDC() { EndPaint(window_, &paint_); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    HDC get() const { return dc_; }
    const PAINTSTRUCT& paint() const { return paint_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Copies `width` x `height` pixels of a bitmap to (x, y) of a DC.
inline void BlitBitmap(HDC dc, int x, int y, int width, int height, HBITMAP bitmap, int sourceX = 0, int sourceY = 0) {
    CMemoryDC memory(dc);
    CSelectObject select(memory.get(), bitmap);
    BitBlt(dc, x, y, width, height, memory.get(), sourceX, sourceY, SRCCOPY);
}

inline SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObject(bitmap, sizeof info, &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}
