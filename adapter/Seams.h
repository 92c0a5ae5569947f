// Seams.h - the few platform calls tests may replace; the product uses the real ones.
#pragma once

#include <windows.h>
#include <iphlpapi.h>

#include <cstdint>

namespace seams {

// Wine reports Linux interface names as adapter descriptions and cannot renew
// leases, so the IP Helper calls go through here.
struct Platform {
    void (*sleep)(uint32_t ms);
    DWORD(WINAPI* getAdaptersInfo)(PIP_ADAPTER_INFO info, PULONG size);
    DWORD(WINAPI* getPerAdapterInfo)(ULONG index, PIP_PER_ADAPTER_INFO info, PULONG size);
    DWORD(WINAPI* ipReleaseAddress)(PIP_ADAPTER_INDEX_MAP adapter);
    DWORD(WINAPI* ipRenewAddress)(PIP_ADAPTER_INDEX_MAP adapter);
    // Bounded service polls measure their time here, so tests can run a
    // refusing service's 20 s out without waiting for it.
    uint32_t (*tickMs)();
    // A process reads its version once at start: tests give the service-pack texts here.
    BOOL(WINAPI* getVersionExA)(LPOSVERSIONINFOA info);
    // The adapter lock's bounded wait: tests see it time out without sitting through it.
    DWORD(WINAPI* waitForObject)(HANDLE handle, DWORD ms);
};

// Current platform calls (real by default).
const Platform& Current();
// Tests only: replace them; returns the previous set.
Platform Replace(const Platform& platform);

inline void SleepMs(uint32_t ms) { Current().sleep(ms); }

}  // namespace seams
