// LinkStatusView.cpp - see LinkStatusView.h.
#include "monitor/pages/portable/LinkStatusView.h"

#include "adapter/portable/ProfileKinds.h"
#include "monitor/res/resource.h"

namespace linkinfo {

namespace {

constexpr Visibility Shown(bool show) { return show ? Visibility::Show : Visibility::Hide; }

// Whether the view draws `next`: always once after the compare flag was cleared, otherwise only
// when it differs from what is shown. Restarting an animation that shows the same is a flicker.
bool TakeState(StatusMemory& memory, const ShownState& next) {
    if (!memory.compare)
        memory.compare = true;
    else if (next == memory.shown)
        return false;
    memory.shown = next;
    return true;
}

StatusView NotBound(StatusMemory& memory) {
    StatusView v;
    v.background = IDB_LINK_NOT_BOUND;  // carries the words itself: no headline, no sentence
    v.moreInfo = v.statistics = v.saveToProfile = v.refresh = Visibility::Hide;
    v.headline = v.sentence = v.internetPicture = Visibility::Hide;
    v.apPicture = Visibility::Show;
    v.adhocPicture = Visibility::Hide;
    if (TakeState(memory, ShownState{})) {
        v.redraw = true;
        v.apAnimation = IDR_GIF_NO_LINK;
    }
    return v;
}

}  // namespace

StatusView DecideStatus(const StatusInput& in, StatusMemory& memory) {
    if (!in.adapterBound) return NotBound(memory);

    StatusView v;
    const bool infrastructure = in.infrastructureMode != 0;
    v.apPicture = Shown(infrastructure);
    v.adhocPicture = Shown(!infrastructure);
    if (in.linkUp) {
        v.startProbe = infrastructure;
        v.background = infrastructure ? IDB_LINK_INFRA_UP : IDB_LINK_ADHOC_UP;
        v.internetPicture = Shown(infrastructure);
        v.moreInfo = Visibility::Show;
    } else {
        v.background = infrastructure ? IDB_LINK_INFRA_DOWN : IDB_LINK_ADHOC_DOWN;
        v.internetPicture = Visibility::Hide;
        v.moreInfo = Visibility::Hide;
    }

    const ShownState next{int32_t(in.infrastructureMode), in.linkUp ? 1 : 0, in.internetState};
    if (!TakeState(memory, next)) return v;
    v.redraw = true;
    v.headline = v.sentence = Visibility::Show;
    v.headlineText = infrastructure ? HeadlineInfrastructure : HeadlineAdhoc;
    const int animation = in.linkUp ? IDR_GIF_LINK_UP : IDR_GIF_NO_LINK;
    (infrastructure ? v.apAnimation : v.adhocAnimation) = animation;
    if (!in.linkUp) {
        v.sentenceText = infrastructure ? SentenceNoAccessPoint : SentenceNoAdhoc;
    } else if (!infrastructure) {
        v.sentenceText = SentenceAdhocJoined;
    } else if (in.internetState == 1) {
        v.internetAnimation = IDR_GIF_INTERNET_UP;
        v.sentenceText = SentenceInternet;
    } else {
        v.internetAnimation = IDR_GIF_INTERNET_DOWN;
        v.sentenceText = SentenceNoInternet;
    }
    return v;
}

PendingView DecidePending(uint32_t associationMode) {
    if (!profile::IsAdhoc(profile::Association(associationMode)))
        return {true, IDB_LINK_INFRA_DOWN, IDR_GIF_NO_LINK, HeadlineInfrastructure, SentenceNoAccessPoint};
    return {false, IDB_LINK_ADHOC_DOWN, IDR_GIF_NO_LINK, HeadlineAdhoc, SentenceNoAdhoc};
}

bool PendingLinkUp(PendingWatch& watch, uint32_t connectIssued, bool linkUp) {
    if (!linkUp) {
        watch.sawDown = true;
        return false;
    }
    // Request numbers wrap after four thousand million connects: compare by distance.
    return watch.sawDown && int32_t(connectIssued - watch.requestsAtStart) > 0;
}

}  // namespace linkinfo
