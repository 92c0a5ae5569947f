// The automatic choice among known networks, as a table of situations.
#include <gtest/gtest.h>

#include <vector>

#include "monitor/core/portable/AutoChoice.h"

using namespace autochoice;
using profile::Association;

namespace {

constexpr uint64_t kNow = 1'000'000;

Candidate Seen(const char* name, int signal, Association association = Association::Infrastructure) {
    return Candidate{name, association, true, signal, std::nullopt};
}

Candidate Unseen(const char* name) { return Candidate{name, Association::Infrastructure, false, 0, std::nullopt}; }

Candidate FailedAgo(Candidate c, uint64_t ago) {
    c.failedAtMs = kNow - ago;
    return c;
}

Situation NoLinkFor(uint64_t ms) {
    Situation s;
    s.nowMs = kNow;
    s.noLinkSinceMs = kNow - ms;
    return s;
}

template <typename Change>
Situation With(Change change) {
    Situation s = NoLinkFor(NoLinkWaitMs);
    change(s);
    return s;
}

}  // namespace

TEST(AutoChoice, ConnectsToTheMostPreferredKnownNetworkInRangeOnlyWhenItMay) {
    const Decision stay{};
    auto connect = [](const char* name) { return Decision{Act::Connect, name}; };
    const std::vector<Candidate> homeGoneOfficeHere{Unseen("Home"), Seen("Office", 60), Seen("Cafe", 90)};
    struct Case {
        const char* name;
        Situation situation;
        std::vector<Candidate> candidates;
        Decision expected;
    } cases[] = {
        {"the first in order that is in range", NoLinkFor(NoLinkWaitMs), homeGoneOfficeHere, connect("Office")},
        {"order, not signal", NoLinkFor(30000), {Seen("Cafe", 40), Seen("Office", 95)}, connect("Cafe")},
        {"not before 10 s without a link", NoLinkFor(NoLinkWaitMs - 1), homeGoneOfficeHere, stay},
        {"no link time known yet", With([](Situation& s) { s.noLinkSinceMs.reset(); }), homeGoneOfficeHere, stay},
        {"a link that is up, or came back", With([](Situation& s) { s.linkUp = true; }), homeGoneOfficeHere, stay},
        {"turned off", With([](Situation& s) { s.enabled = false; }), homeGoneOfficeHere, stay},
        {"the system's service has the adapter", With([](Situation& s) { s.adapterOurs = false; }),
         homeGoneOfficeHere, stay},
        {"a key dialog, the editor or a question is open", With([](Situation& s) { s.userBusy = true; }),
         homeGoneOfficeHere, stay},
        {"a connect is under way", With([](Situation& s) { s.connecting = true; }), homeGoneOfficeHere, stay},
        {"the user's own choice holds until its link is lost",
         With([](Situation& s) { s.userChoiceHolds = true; }), homeGoneOfficeHere, stay},
        {"nothing known in range", NoLinkFor(60000), {Unseen("Home"), Unseen("Office")}, stay},
        {"below the signal floor", NoLinkFor(60000), {Seen("Home", SignalFloorPercent - 1), Seen("Office", 50)},
         connect("Office")},
        {"at the signal floor", NoLinkFor(60000), {Seen("Home", SignalFloorPercent)}, connect("Home")},
        {"a failure rests the profile for 2 minutes", NoLinkFor(60000),
         {FailedAgo(Seen("Home", 80), AfterFailureWaitMs - 1), Seen("Office", 50)}, connect("Office")},
        {"and no longer", NoLinkFor(60000), {FailedAgo(Seen("Home", 80), AfterFailureWaitMs), Seen("Office", 50)},
         connect("Home")},
        {"every one resting", NoLinkFor(60000), {FailedAgo(Seen("Home", 80), 1000)}, stay},
        {"an ad hoc cell in range is joined", NoLinkFor(60000), {Seen("Party", 50, Association::AdhocJoin)},
         connect("Party")},
        {"an ad hoc profile that starts its own cell is never chosen", NoLinkFor(60000),
         {Seen("Party", 50, Association::AdhocOnChannel), Seen("Office", 30)}, connect("Office")},
        {"a clock behind the drop", With([](Situation& s) { s.nowMs = *s.noLinkSinceMs - 1; }), homeGoneOfficeHere,
         stay},
    };
    for (const Case& c : cases) EXPECT_EQ(Decide(c.situation, c.candidates), c.expected) << c.name;
}
