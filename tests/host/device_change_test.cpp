// The frame's reactions to device-change broadcasts and the watcher's comparison.
#include <gtest/gtest.h>

#include "monitor/core/portable/DeviceChange.h"
#include "monitor/core/portable/ZeroControlWatch.h"

using device::Action;

TEST(DeviceChange, ReactsToTheConnectionStatusResult) {
    struct Case {
        const char* what;
        device::Flags before;
        std::optional<int32_t> result;
        device::Flags after;
        Action action;
    };
    const Case cases[] = {
        {"4 while bound: adapter lost", {1, 0, true}, 4, {0, -1, false}, Action::AdapterLost},
        {"4 while unbound, guard idle: bind again", {0, -1, false}, 4, {2, 2, false}, Action::Rebind},
        {"4 while unbound, rebind already tried", {0, 2, false}, 4, {2, 2, false}, Action::None},
        {"5: unbind and bind again", {1, 2, true}, 5, {2, 2, false}, Action::Rebind},
        {"0: adapter present", {0, 2, false}, 0, {1, -1, false}, Action::None},
        {"other result keeps the state", {1, 2, true}, 13, {1, -1, true}, Action::None},
        {"other event, adapter present: only the pause", {1, 0, true}, std::nullopt, {1, -1, true},
         Action::None},
        {"other event while lost: lost again", {0, -1, false}, std::nullopt, {0, -1, false},
         Action::AdapterLost},
        {"initial state -1 is left alone", {-1, 0, true}, std::nullopt, {-1, 0, true}, Action::None},
    };
    for (const Case& c : cases) {
        const device::Decision d = device::Decide(c.before, c.result);
        EXPECT_EQ(d.action, c.action) << c.what;
        EXPECT_EQ(d.flags.deviceState, c.after.deviceState) << c.what;
        EXPECT_EQ(d.flags.reconnectGuard, c.after.reconnectGuard) << c.what;
        EXPECT_EQ(d.flags.adapterBound, c.after.adapterBound) << c.what;
    }
}

TEST(ZeroControlWatch, IdleUntilKnownThenReportsChanges) {
    EXPECT_FALSE(zerocontrol::ShouldAsk(2));
    EXPECT_TRUE(zerocontrol::ShouldAsk(0));
    EXPECT_EQ(zerocontrol::Compare(2, 1), zerocontrol::Change::None);
    EXPECT_EQ(zerocontrol::Compare(0, 0), zerocontrol::Change::None);
    EXPECT_EQ(zerocontrol::Compare(0, 1), zerocontrol::Change::TookOver);
    EXPECT_EQ(zerocontrol::Compare(1, 0), zerocontrol::Change::GaveBack);
    EXPECT_EQ(zerocontrol::Compare(1, 1), zerocontrol::Change::None);
}
