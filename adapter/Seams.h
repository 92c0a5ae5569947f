// Seams.h - the few platform calls tests may replace; the product uses the real ones.
#pragma once

#include <cstdint>

namespace seams {

struct Platform {
    void (*sleep)(uint32_t ms);
};

// Current platform calls (real by default).
const Platform& Current();
// Tests only: replace them; returns the previous set.
Platform Replace(const Platform& platform);

inline void SleepMs(uint32_t ms) { Current().sleep(ms); }

}  // namespace seams
