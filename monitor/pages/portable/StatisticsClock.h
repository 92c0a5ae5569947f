// StatisticsClock.h - Up Time and Total Up Time of the Statistics view, in whole counter ticks.
//
// The application state shares the connection start, the last statistics read and the excluded
// ticks as the low 32 bits of the performance counter; at this machine's 10 MHz counter those wrap
// every 7 minutes 9 seconds, on faster counters within seconds. The page keeps the whole values
// here and follows what other writers (start-up, the connect worker) put in the shared ones.
#pragma once

#include <cstdint>

namespace linkinfo {

struct UpTimes {
    uint64_t upSeconds = 0;
    uint64_t totalSeconds = 0;
};

// The latest counter value at or before `now` whose low 32 bits are `low`.
uint64_t WidenCounter(uint32_t low, uint64_t now);

class StatisticsClock {
public:
    struct Shared {
        uint32_t connectionStart = 0;
        uint32_t lastRead = 0;  // 0: no statistics read since the last reset
        uint32_t offset = 0;    // ticks left out of Up Time
    };

    // Takes over each shared value another writer changed since the last Follow or Publish: a new
    // connection start is widened at `now` (exact while it is less than 2^32 ticks old).
    void Follow(const Shared& shared, uint64_t now);
    // The link is down: the connection starts now; nothing left out, nothing read yet.
    void Restart(uint64_t now);
    // The switch to the statistics, and Refresh: Up Time counts from the last read on.
    void ExcludeUntilLastRead();
    // The times at `now`, in whole seconds; `now` becomes the last read.
    UpTimes Read(uint64_t now, uint64_t frequency);
    // The values to store back in the application state (then taken as seen).
    Shared Publish();
    // What the last Follow or Publish took as the shared values.
    Shared Seen() const { return seen_; }

private:
    uint64_t start_ = 0;
    uint64_t lastRead_ = 0;
    uint64_t offset_ = 0;
    Shared seen_;
    bool following_ = false;
};

}  // namespace linkinfo
