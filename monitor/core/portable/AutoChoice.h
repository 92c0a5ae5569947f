// AutoChoice.h - which stored network to connect to by itself when the link has gone: the most
// preferred profile whose network the latest scan saw strongly enough, never while the user is
// choosing or a link is up, and not the same failed profile again for a while.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "adapter/portable/ProfileKinds.h"

namespace autochoice {

inline constexpr uint64_t NoLinkWaitMs = 10000;          // the link has been gone this long
inline constexpr uint64_t AfterFailureWaitMs = 120000;   // a profile whose connect failed rests this long
inline constexpr int SignalFloorPercent = 20;

// A stored profile, in the user's order of preference, with what the latest scan saw of its network.
struct Candidate {
    std::string profile;
    profile::Association association = profile::Association::Infrastructure;
    bool inScan = false;
    int signalPercent = 0;
    std::optional<uint64_t> failedAtMs;  // its last automatic or manual connect that brought no link
};

struct Situation {
    bool enabled = true;       // "Switch Networks Automatically"
    bool adapterOurs = true;   // not handed to the system's wireless service
    bool linkUp = false;
    bool connecting = false;   // a connect worker runs
    bool userBusy = false;     // a key dialog, the editor or a question box is open
    bool userChoiceHolds = false;  // a profile picked by hand whose link has not been lost since
    uint64_t nowMs = 0;
    // Since when there has been no link (the drop, or the start-up bind and its first scan); none
    // while unknown.
    std::optional<uint64_t> noLinkSinceMs;
};

enum class Act { Stay, Connect };

struct Decision {
    Act act = Act::Stay;
    std::string profile;  // Connect: the profile to apply
    bool operator==(const Decision&) const = default;
};

Decision Decide(const Situation& situation, std::span<const Candidate> inPreferenceOrder);

}  // namespace autochoice
