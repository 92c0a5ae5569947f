// LinkStatusView.h - what the Link Information page's status view shows for the link's state, and
// what it shows while a connection is pending.
#pragma once

#include <cstdint>

namespace linkinfo {

inline constexpr const char* HeadlineInfrastructure = "Infrastructure Mode";
inline constexpr const char* HeadlineAdhoc = "AdHoc Mode";
inline constexpr const char* SentenceNoAccessPoint = "Cannot associate with the Access Point";
inline constexpr const char* SentenceNoAdhoc = "Ad-Hoc network not found";
inline constexpr const char* SentenceInternet = "You have successfully connected to the access point and the Internet";
inline constexpr const char* SentenceNoInternet = "You are connected to the access point, but the Internet canot be found";
inline constexpr const char* SentenceAdhocJoined = "You have successfully joined the Ad-Hoc network";

// The (infrastructure mode, link up, Internet state) the status view last displayed; -1: unknown.
struct ShownState {
    int32_t mode = -1, link = -1, internet = -1;
    bool operator==(const ShownState&) const = default;
};

// What the status view remembers between refreshes.
struct StatusMemory {
    ShownState shown;
    bool compare = true;  // false: the next refresh draws even an unchanged state
};

struct StatusInput {
    bool adapterBound;
    bool linkUp;                  // the application's link-up flag
    uint32_t infrastructureMode;  // of the status record; 0 ad hoc
    int32_t internetState;        // the probe's last answer
};

enum class Visibility : uint8_t { Leave, Show, Hide };

// One refresh of the status view. Animations are GIF resource ids, 0 for none; texts are null
// where they stay as they are.
struct StatusView {
    int background = 0;
    bool startProbe = false;
    Visibility apPicture = Visibility::Leave, adhocPicture = Visibility::Leave, internetPicture = Visibility::Leave;
    Visibility moreInfo = Visibility::Leave, statistics = Visibility::Leave, saveToProfile = Visibility::Leave;
    Visibility refresh = Visibility::Leave, headline = Visibility::Leave, sentence = Visibility::Leave;
    // The state changed (or the compare flag was clear): pictures and texts are drawn anew.
    bool redraw = false;
    int apAnimation = 0, adhocAnimation = 0, internetAnimation = 0;
    const char* headlineText = nullptr;
    const char* sentenceText = nullptr;
};

// Decides a status refresh and updates `memory` (shown state, compare flag).
StatusView DecideStatus(const StatusInput& input, StatusMemory& memory);

// The connection-pending display: the new link is not up yet.
struct PendingView {
    bool infrastructure;  // the access-point picture, else the ad hoc peer picture
    int background;
    int animation;
    const char* headlineText;
    const char* sentenceText;
};

// By the profile's AssociationMode: either ad hoc mode, or anything else as infrastructure.
PendingView DecidePending(uint32_t associationMode);

// While a connection is pending the page looks often and ends the pending display as soon as the
// new link is up, not only when the connect worker has ended: once the worker of a request made
// after the display began has asked the adapter to connect, and after the link was seen down since
// the display began (an "up" seen before that is the old link's).
struct PendingWatch {
    uint32_t requestsAtStart = 0;  // connect requests when the display began
    bool sawDown = false;
};
inline constexpr unsigned PendingPollMs = 250;
bool PendingLinkUp(PendingWatch& watch, uint32_t connectIssued, bool linkUp);

}  // namespace linkinfo
