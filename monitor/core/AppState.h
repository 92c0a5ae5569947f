// AppState.h - the monitor's process-wide state, shared by the frame, the pages and the worker threads.
#pragma once

#include <atomic>
#include <cstdint>

#include "adapter/wifiapi.h"

// Values one thread writes and another reads are atomic; the rest belong to the user-interface thread.
struct AppState {
    std::atomic<int32_t> deviceState{-1};  // 0 adapter lost, 1 present, 2 to be bound again
    std::atomic<uint8_t> adapterBound{0};
    std::atomic<uint8_t> linkUp{0};
    // Connect requests so far, and the last one whose worker has asked the adapter to connect.
    std::atomic<uint32_t> connectRequests{0};
    std::atomic<uint32_t> connectIssued{0};
    std::atomic<const uint8_t*> currentSurvey{nullptr};  // the scan buffer filled last; not owned
    WLAN_PROFILE* currentProfile = nullptr;              // read from CurProfile; owned by the supervisor
    // The whole performance counter: its low 32 bits wrap every few minutes (at 10 MHz every
    // 7 minutes 9 seconds), and Up Time must stay right for days.
    std::atomic<uint64_t> counterFrequency{0};
    std::atomic<uint64_t> connectionStart{0};
    std::atomic<uint64_t> lastStatisticsRead{0};  // 0: none since the last reset
    std::atomic<uint64_t> statisticsOffset{0};
    std::atomic<uint32_t> baselinePacketsReceived{0};
    std::atomic<uint32_t> baselinePacketsTransmitted{0};
    std::atomic<uint32_t> baselineBytesReceived{0};
    std::atomic<uint32_t> baselineBytesTransmitted{0};
    char inUseProfileName[128] = {};
    int32_t defaultProfilePresent = 1;
    // -1 idle, 2 a rebind was attempted. Idle from the start, so that an adapter plugged in after
    // the start is bound at its first arrival.
    int32_t reconnectGuard = -1;
    std::atomic<int32_t> zeroControlState{2};  // 2: not known until the monitor window opens
    int32_t firstStart = 0;

    bool IsFirstRun() const { return firstStart == 1 || defaultProfilePresent == 0; }

    void StoreBaselines(const NETWORK_STATISTICS& s) {
        baselinePacketsReceived = s.PacketsReceived;
        baselinePacketsTransmitted = s.PacketsTransmitted;
        baselineBytesReceived = uint32_t(s.BytesReceived);
        baselineBytesTransmitted = uint32_t(s.BytesTransmitted);
    }
};

// Windows XP flag: 1 from program load until the start-up reads the version.
bool IsWindowsXpFlag();
void SetWindowsXpFlag(bool xp);
// The adapter description passed to the adapter library, by the Windows XP flag.
const char* AdapterDescription();
// The performance counter.
uint64_t CounterNow();
