// ConnectRun.cpp - see ConnectRun.h.
#include "wifictl/core/ConnectRun.h"

namespace wifictl {

ConnectOutcome RunConnect(const ConnectOps& ops, const WLAN_PROFILE& profile, uint32_t timeoutMs) {
    ops.disconnect();  // its result does not matter: the adapter may have had no network
    ops.sleepMs(SettleMs);
    if (ops.connectToNetwork(profile) != 0) return ConnectOutcome::Refused;
    const uint64_t start = ops.nowMs();
    for (;;) {
        uint32_t state = 1;  // disconnected unless the adapter says otherwise
        if (ops.connectionStatus(&state) == 0 && state == 0) return ConnectOutcome::LinkUp;
        const uint64_t elapsed = ops.nowMs() - start;
        if (elapsed >= timeoutMs) return ConnectOutcome::TimedOut;
        const uint64_t left = timeoutMs - elapsed;
        ops.sleepMs(uint32_t(left < PollMs ? left : PollMs));
    }
}

}  // namespace wifictl
