// Platform.cpp - the real calls behind the monitor's seams.
#include "monitor/core/Platform.h"

namespace monitor_platform {
namespace {

void RealSleep(uint32_t ms) { ::Sleep(ms); }

Platform& Table() {
    static Platform platform{&RealSleep, &::Shell_NotifyIconA, DefaultProbeHost};
    return platform;
}

}  // namespace

const Platform& Current() { return Table(); }

Platform Replace(const Platform& platform) {
    Platform previous = Table();
    Table() = platform;
    return previous;
}

}  // namespace monitor_platform
