// Platform.cpp - the real calls behind the monitor's seams.
#include "monitor/core/Platform.h"

namespace monitor_platform {
namespace {

bool RealWait(uint32_t ms, HANDLE cancel) {
    if (!cancel) {
        ::Sleep(ms);
        return false;
    }
    return WaitForSingleObject(cancel, ms) == WAIT_OBJECT_0;
}

Platform& Table() {
    static Platform platform{&RealWait, &::Shell_NotifyIconA, DefaultProbeHost};
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
