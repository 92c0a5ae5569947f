// AutoChoice.cpp - see AutoChoice.h.
#include "monitor/core/portable/AutoChoice.h"

namespace autochoice {
namespace {

bool Quiet(const Situation& s) {
    if (!s.enabled || !s.adapterOurs) return false;
    // Never away from a link that is up, nor across what the user is doing.
    if (s.linkUp || s.connecting || s.userBusy || s.userChoiceHolds) return false;
    return s.noLinkSinceMs && s.nowMs >= *s.noLinkSinceMs && s.nowMs - *s.noLinkSinceMs >= NoLinkWaitMs;
}

bool Eligible(const Candidate& c, uint64_t nowMs) {
    // An ad hoc profile that would start a cell of its own is no network in range.
    if (c.association == profile::Association::AdhocOnChannel) return false;
    if (!c.inScan || c.signalPercent < SignalFloorPercent) return false;
    return !c.failedAtMs || nowMs < *c.failedAtMs || nowMs - *c.failedAtMs >= AfterFailureWaitMs;
}

}  // namespace

Decision Decide(const Situation& situation, std::span<const Candidate> inPreferenceOrder) {
    if (!Quiet(situation)) return {};
    for (const Candidate& c : inPreferenceOrder)
        if (Eligible(c, situation.nowMs)) return {Act::Connect, c.profile};
    return {};
}

}  // namespace autochoice
