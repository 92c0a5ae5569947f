// StatisticsClock.cpp - see StatisticsClock.h.
#include "monitor/pages/portable/StatisticsClock.h"

namespace linkinfo {

uint64_t WidenCounter(uint32_t low, uint64_t now) {
    const uint32_t behind = uint32_t(now) - low;  // modulo 2^32
    return behind <= now ? now - behind : 0;
}

void StatisticsClock::Follow(const Shared& shared, uint64_t now) {
    if (!following_ || shared.connectionStart != seen_.connectionStart)
        start_ = WidenCounter(shared.connectionStart, now);
    if (shared.lastRead != seen_.lastRead) lastRead_ = shared.lastRead ? WidenCounter(shared.lastRead, now) : 0;
    if (shared.offset != seen_.offset) offset_ = shared.offset;
    seen_ = shared;
    following_ = true;
}

void StatisticsClock::Restart(uint64_t now) {
    start_ = now;
    offset_ = 0;
    lastRead_ = 0;
}

void StatisticsClock::ExcludeUntilLastRead() {
    if (lastRead_ != 0) offset_ = lastRead_ > start_ ? lastRead_ - start_ : 0;
}

UpTimes StatisticsClock::Read(uint64_t now, uint64_t frequency) {
    lastRead_ = now;
    if (frequency == 0 || now < start_) return {};
    const uint64_t total = now - start_;
    const uint64_t up = total > offset_ ? total - offset_ : 0;
    return {up / frequency, total / frequency};
}

StatisticsClock::Shared StatisticsClock::Publish() {
    seen_ = {uint32_t(start_), uint32_t(lastRead_), uint32_t(offset_)};
    following_ = true;
    return seen_;
}

}  // namespace linkinfo
