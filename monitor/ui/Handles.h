// Handles.h - small owners for kernel handles and image lists, beside the GDI ones of Gdi.h.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

// Owns one handle and lets it go through `Traits::Close` once, unless `Traits::Valid` says it is none.
template <typename Handle, typename Traits>
class CUniqueHandle {
public:
    CUniqueHandle() = default;
    explicit CUniqueHandle(Handle h) : handle_(h) {}
    CUniqueHandle(const CUniqueHandle&) = delete;
    CUniqueHandle& operator=(const CUniqueHandle&) = delete;
    CUniqueHandle(CUniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    CUniqueHandle& operator=(CUniqueHandle&& other) noexcept {
        Reset(std::exchange(other.handle_, Handle{}));
        return *this;
    }
    ~CUniqueHandle() { Reset(); }

    void Reset(Handle h = Handle{}) {
        if (Traits::Valid(handle_)) Traits::Close(handle_);
        handle_ = h;
    }
    Handle Release() { return std::exchange(handle_, Handle{}); }
    Handle get() const { return handle_; }
    explicit operator bool() const { return Traits::Valid(handle_); }

private:
    Handle handle_{};
};

// CreateFile fails with INVALID_HANDLE_VALUE, the other creators with null: neither is closed.
struct KernelHandleTraits {
    static bool Valid(HANDLE h) { return h && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};

struct ImageListTraits {
    static bool Valid(HIMAGELIST list) { return list != nullptr; }
    static void Close(HIMAGELIST list) { ImageList_Destroy(list); }
};

// An event, thread, process, mutex or file.
using CHandle = CUniqueHandle<HANDLE, KernelHandleTraits>;
// An image list. A list view destroys the lists it still shows when it goes (unless
// LVS_SHAREIMAGELISTS): the owner takes it back from the view first.
using CImageListHandle = CUniqueHandle<HIMAGELIST, ImageListTraits>;
