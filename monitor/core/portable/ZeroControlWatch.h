// ZeroControlWatch.h - what one pass of the Zero Configuration watcher does with the service's answer.
#pragma once

#include <cstdint>

namespace zerocontrol {

inline constexpr int32_t Unknown = 2;  // the monitor window has not been opened yet

enum class Change {
    None,      // nothing to do this pass
    TookOver,  // the service manages the adapter now
    GaveBack,  // the service handed the adapter back
};

inline bool ShouldAsk(int32_t state) { return state != Unknown; }

inline Change Compare(int32_t state, int32_t answer) {
    if (state == Unknown || answer == state) return Change::None;
    return answer != 0 ? Change::TookOver : Change::GaveBack;
}

}  // namespace zerocontrol
