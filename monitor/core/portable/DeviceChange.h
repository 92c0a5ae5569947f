// DeviceChange.h - the frame's reaction to a device-change broadcast, as a decision over the shared state.
#pragma once

#include <cstdint>
#include <optional>

namespace device {

inline constexpr uint32_t NodesChanged = 7;  // DBT_DEVNODES_CHANGED

enum State : int32_t { Lost = 0, Present = 1, Rebind = 2 };
inline constexpr int32_t GuardIdle = -1;
inline constexpr int32_t GuardRebindTried = 2;

struct Flags {
    int32_t deviceState;
    int32_t reconnectGuard;
    bool adapterBound;
};

enum class Action { None, AdapterLost, Rebind };

struct Decision {
    Flags flags;  // the state after the broadcast (before a rebind runs)
    Action action;
};

// `statusResult` is GetConnectionStatus's result, asked only for the nodes-changed event.
Decision Decide(const Flags& before, std::optional<int32_t> statusResult);

}  // namespace device
