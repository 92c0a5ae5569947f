// The tray's balloons about the link: which poll sequences show which balloon, and their texts.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "monitor/core/portable/LinkNotices.h"

namespace notice {
// Failure messages name the balloons.
void PrintTo(Kind kind, std::ostream* out) {
    *out << (kind == Kind::None ? "none" : kind == Kind::Connected ? "connected" : "lost");
}
}  // namespace notice

using notice::Kind;
using tray::LinkView;

namespace {

// One poll: what it saw and whether the balloons were on.
struct Poll {
    LinkView view;
    const char* ssid = "";
    bool handed = false;
    bool connecting = false;
    bool enabled = true;
    bool read = true;  // the status read back whole
};

constexpr LinkView Up = LinkView::Connected;
constexpr LinkView Down = LinkView::Scanning;
constexpr LinkView Off = LinkView::Disabled;

std::vector<Kind> Shown(const std::vector<Poll>& polls) {
    notice::LinkNotices notices;
    std::vector<Kind> shown;
    for (const Poll& p : polls) {
        shown.push_back(notices.Next({p.view, p.ssid, 70, p.read, p.handed, p.connecting}, p.enabled).kind);
    }
    return shown;
}

}  // namespace

TEST(LinkNotices, OneBalloonPerChangeOfTheLink) {
    constexpr Kind N = Kind::None, C = Kind::Connected, L = Kind::Lost;
    struct Case {
        const char* what;
        std::vector<Poll> polls;
        std::vector<Kind> shown;
    };
    const Case cases[] = {
        {"comes up once, unchanged polls show nothing",
         {{Down}, {Down}, {Up, "Cafe"}, {Up, "Cafe"}, {Up, "Cafe"}},
         {N, N, C, N, N}},
        {"connected at the first poll", {{Up, "Cafe"}, {Up, "Cafe"}}, {C, N}},
        {"an established link lost, once", {{Up, "Cafe"}, {Down}, {Down}, {Down}}, {C, L, N, N}},
        {"the adapter gone counts as lost", {{Up, "Cafe"}, {Off}, {Off}}, {C, L, N}},
        {"never up: nothing to lose", {{Down}, {Off}, {Down}}, {N, N, N}},
        {"lost and back", {{Up, "Cafe"}, {Down}, {Up, "Cafe"}, {Down}}, {C, L, C, L}},
        {"another network between two polls", {{Up, "Cafe"}, {Up, "Harbour"}, {Up, "Harbour"}}, {C, C, N}},
        {"the user's own reconnection is no loss",
         {{Up, "Cafe"}, {Down, "", false, true}, {Down, "", false, true}, {Up, "Harbour", false, true}},
         {C, N, N, C}},
        {"a failed connection of the user's: nothing",
         {{Up, "Cafe"}, {Down, "", false, true}, {Down}, {Down}},
         {C, N, N, N}},
        {"the service's links are not announced",
         {{Up, "Cafe", true}, {Down, "", true}, {Up, "Cafe", true}},
         {N, N, N}},
        {"handed over while up: no loss when taken back down",
         {{Up, "Cafe"}, {Down, "", true}, {Down}, {Down}},
         {C, N, N, N}},
        {"handed over and taken back up: the link is announced",
         {{Up, "Cafe"}, {Down, "", true}, {Up, "Cafe"}, {Up, "Cafe"}},
         {C, N, C, N}},
        {"a link that drops between a poll's reads: no news, then the loss",
         {{Up, "Cafe"}, {Up, "", false, false, true, false}, {Down}},
         {C, N, L}},
        {"a half-read status never announces a link", {{Down}, {Up, "", false, false, true, false}, {Down}}, {N, N, N}},
        {"turned off: nothing shown",
         {{Up, "Cafe", false, false, false}, {Down, "", false, false, false}, {Up, "Cafe", false, false, false}},
         {N, N, N}},
        {"turned on while up: nothing until the next change",
         {{Up, "Cafe", false, false, false}, {Up, "Cafe"}, {Up, "Cafe"}, {Down}},
         {N, N, N, L}},
        {"turned off just for the loss: the link still followed",
         {{Up, "Cafe"}, {Down, "", false, false, false}, {Down}, {Up, "Cafe"}},
         {C, N, N, C}},
    };
    for (const Case& c : cases) EXPECT_EQ(Shown(c.polls), c.shown) << c.what;
}

TEST(LinkNotices, BalloonTextsNameTheNetworkAndTheSignal) {
    struct Case {
        std::string ssid;
        int percent;
        const char* connectedTitle;
        const char* connectedText;
        const char* lostText;
    };
    const Case cases[] = {
        {"Corner Cafe", 78, "Connected to Corner Cafe", "Signal strength: 78%", "No longer connected to Corner Cafe"},
        {"Lighthouse", 0, "Connected to Lighthouse", "Signal strength: 0%", "No longer connected to Lighthouse"},
        {"Evil\x1b[2J\x7f", 100, "Connected to Evil?[2J?", "Signal strength: 100%", "No longer connected to Evil?[2J?"},
        {"", 50, "Connected to (no name)", "Signal strength: 50%", "No longer connected to (no name)"},
        {std::string(32, 'W'), 55, nullptr, "Signal strength: 55%", nullptr},
    };
    for (const Case& c : cases) {
        notice::LinkNotices notices;
        const notice::Balloon up = notices.Next({Up, c.ssid, c.percent, true, false, false}, true);
        const notice::Balloon lost = notices.Next({Down, "", 0, true, false, false}, true);
        EXPECT_EQ(up.kind, Kind::Connected) << c.ssid;
        EXPECT_EQ(up.title, c.connectedTitle ? c.connectedTitle : "Connected to " + c.ssid);
        EXPECT_EQ(up.text, c.connectedText);
        EXPECT_EQ(lost.kind, Kind::Lost) << c.ssid;
        EXPECT_EQ(lost.title, "Wireless connection lost");
        EXPECT_EQ(lost.text, c.lostText ? c.lostText : "No longer connected to " + c.ssid);
        EXPECT_LT(up.title.size(), notice::TitleCapacity) << "fits the record's title field";
    }
}

TEST(LinkNotices, StatusShowsTheLinkWhenConnectedWithItsBssidRead) {
    struct Case {
        const char* what;
        uint8_t mediaState;
        uint8_t bssidLast;
        bool shows;
    };
    const Case cases[] = {
        {"connected, BSSID read", 0, 0x0B, true},
        {"disconnected by the time of the status read", 1, 0x0B, false},
        {"the BSSID query failed (the network left)", 0, 0, false},
    };
    for (const Case& c : cases) {
        NETWORK_STATUS status{};
        status.MediaState = c.mediaState;
        status.Bssid[5] = c.bssidLast;
        EXPECT_EQ(notice::StatusShowsLink(status), c.shows) << c.what;
    }
}

TEST(LinkNotices, StoredChoiceIsOnUnlessAStoredDwordSaysZero) {
    struct Case {
        const char* what;
        bool found, isDword;
        uint32_t value;
        bool on;
    };
    const Case cases[] = {
        {"absent (older versions never wrote it)", false, false, 0, true},
        {"1", true, true, 1, true},
        {"0", true, true, 0, false},
        {"another non-zero number", true, true, 7, true},
        {"not a DWORD (a text \"0\")", true, false, 0, true},
    };
    for (const Case& c : cases) EXPECT_EQ(notice::ChoiceFromStored(c.found, c.isDword, c.value), c.on) << c.what;
}
