// Platform.h - the few platform calls the monitor's tests replace; the program uses the real ones.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdint>

namespace monitor_platform {

struct Platform {
    // The fixed waits (bind, connect worker, device change): `cancel` (may be null) ends a wait
    // early; true when it did. Tests record the waits instead of sleeping through them.
    bool (*wait)(uint32_t ms, HANDLE cancel);
    // The notification area belongs to the shell, which a test process has not got.
    BOOL(WINAPI* notifyIcon)(DWORD operation, PNOTIFYICONDATAA data);
    // The Internet host the probe sends its echo request to.
    const char* probeHost;
};

inline constexpr const char* DefaultProbeHost = "one.one.one.one";

const Platform& Current();
// Tests only: replace the calls; returns the previous set.
Platform Replace(const Platform& platform);

inline void SleepMs(uint32_t ms) { Current().wait(ms, nullptr); }
// Waits `ms` unless `cancel` is signalled first; true when cancelled.
inline bool WaitOrCancel(uint32_t ms, HANDLE cancel) { return Current().wait(ms, cancel); }

}  // namespace monitor_platform
