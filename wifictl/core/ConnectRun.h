// ConnectRun.h - the connect worker's sequence for one command-line connect, with a wait for the link.
#pragma once

#include <cstdint>
#include <functional>

#include "adapter/wifiapi.h"

namespace wifictl {

// The adapter library and the clock, as the sequence uses them.
struct ConnectOps {
    std::function<int32_t()> disconnect;
    std::function<int32_t(const WLAN_PROFILE&)> connectToNetwork;
    std::function<int32_t(uint32_t*)> connectionStatus;
    std::function<void(uint32_t)> sleepMs;
    std::function<uint64_t()> nowMs;
};

enum class ConnectOutcome {
    LinkUp,
    Refused,  // ConnectToNetwork stopped early: bad SSID or credentials refused
    TimedOut
};

// Between Disconnect and ConnectToNetwork, as the monitor's worker waits.
inline constexpr uint32_t SettleMs = 1500;
inline constexpr uint32_t PollMs = 250;

// Disconnect, wait 1500 ms, ConnectToNetwork, then poll the media state until
// it reads connected or `timeoutMs` has passed. A failed status query counts
// as a link that is not up.
ConnectOutcome RunConnect(const ConnectOps& ops, const WLAN_PROFILE& profile, uint32_t timeoutMs);

}  // namespace wifictl
