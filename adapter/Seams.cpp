// Seams.cpp - the real platform calls behind the seams.
#include "adapter/Seams.h"

#include <windows.h>

namespace seams {
namespace {

void RealSleep(uint32_t ms) { ::Sleep(ms); }

Platform& Table() {
    static Platform platform{&RealSleep};
    return platform;
}

}  // namespace

const Platform& Current() { return Table(); }

Platform Replace(const Platform& platform) {
    Platform previous = Table();
    Table() = platform;
    return previous;
}

}  // namespace seams
