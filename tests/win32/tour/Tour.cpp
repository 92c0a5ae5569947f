// Tour.cpp - see Tour.h.
#include "tests/win32/tour/Tour.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace tour {
namespace {

// The whole screen as a 24-bit BMP file (the run's script makes PNG files and the sheet of them).
bool SaveScreen(const std::string& path) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP shot = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool saved = false;
    if (shot) {
        HGDIOBJ old = SelectObject(memory, shot);
        BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        GdiFlush();
        const DWORD stride = DWORD((width * 3 + 3) & ~3), size = stride * DWORD(height);
        const DWORD headers = DWORD(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
        const BITMAPFILEHEADER file{0x4D42, headers + size, 0, 0, headers};
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            saved = std::fwrite(&file, sizeof file, 1, f) == 1 &&
                    std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, f) == 1 &&
                    std::fwrite(bits, 1, size, f) == size;
            saved = std::fclose(f) == 0 && saved;
        }
        SelectObject(memory, old);
        DeleteObject(shot);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

}  // namespace

Tour::Tour(std::string folder) : folder_(std::move(folder)) { CreateDirectoryA(folder_.c_str(), nullptr); }

bool Tour::Step(const std::string& name, const std::function<void()>& body) {
    if (failed_) return false;
    step_ = name;
    SCOPED_TRACE("tour step \"" + name + "\"");
    const DWORD start = GetTickCount();
    const int before = taken_;
    body();
    const DWORD took = GetTickCount() - start;
    failed_ = ::testing::Test::HasFailure();
    if (failed_) {
        const std::string picture = Picture("FAILED");
        ADD_FAILURE() << "the tour stopped at step \"" << name << "\"; what the screen showed: " << picture;
        return false;
    }
    if (taken_ == before) Picture();
    std::printf("  step %-24s %5lu ms\n", name.c_str(), took);
    return true;
}

std::string Tour::Picture(const std::string& detail) {
    ++taken_;
    char number[8];
    std::snprintf(number, sizeof number, "%02d-", taken_);
    std::string name = step_;
    if (!detail.empty()) name += "-" + detail;
    for (char& c : name)
        if (c == ' ') c = '-';
    const std::string path = folder_ + "\\" + number + name;
    EXPECT_TRUE(SaveScreen(path + ".bmp")) << "the picture " << path;
    return path;
}

bool WaitFor(DWORD ms, const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= ms) return done();
        Sleep(50);
    }
    return true;
}

}  // namespace tour
