// The monitor window's keys: which key does what on which page.
#include <gtest/gtest.h>

#include "monitor/pages/portable/KeyboardRules.h"
#include "monitor/res/resource.h"

using keyboard::Act;
using keyboard::Command;
using keyboard::ForKey;
using keyboard::Key;
using keyboard::Place;

namespace {

Key Plain(uint32_t code) { return Key{code, false, false, false}; }
Key Ctrl(uint32_t code, bool shift = false) { return Key{code, true, shift, false}; }
Key Alt(uint32_t letter) { return Key{letter, false, false, true}; }

Place Tab(int page, int focus = 0, bool rowSelected = false) { return Place{page, focus, rowSelected, true, page}; }
Place Editor(int page, int focus = 0, bool rowSelected = false) { return Place{page, focus, rowSelected, false, IDD_PROFILES}; }

Command Click(int id) { return Command{Act::Click, id}; }
Command Switch(int page) { return Command{Act::SwitchTab, page}; }
const Command None{};

}  // namespace

TEST(KeyboardRules, CtrlTabSwitchesTheTabsRoundAndOnlyWhileTheyAreShown) {
    struct Case {
        Key key;
        Place place;
        Command command;
    };
    const Case cases[] = {
        {Ctrl(keyboard::Tab), Tab(IDD_LINK_INFO), Switch(IDD_SITE_SURVEY)},
        {Ctrl(keyboard::Tab), Tab(IDD_SITE_SURVEY, IDC_SURVEY_LIST, true), Switch(IDD_PROFILES)},
        {Ctrl(keyboard::Tab), Tab(IDD_PROFILES), Switch(IDD_LINK_INFO)},
        {Ctrl(keyboard::Tab, true), Tab(IDD_LINK_INFO), Switch(IDD_PROFILES)},
        {Ctrl(keyboard::Tab, true), Tab(IDD_PROFILES), Switch(IDD_SITE_SURVEY)},
        {Ctrl(keyboard::Tab, true), Tab(IDD_SITE_SURVEY), Switch(IDD_LINK_INFO)},
        // The editor hides the tabs: Ctrl+Tab is the dialog manager's, which moves as Tab does.
        {Ctrl(keyboard::Tab), Editor(IDD_IP_SETTINGS), None},
        {Ctrl(keyboard::Tab), Editor(IDD_AVAILABLE_NETWORKS), None},
        // Tab alone, and Ctrl+Alt+Tab, are not the window's.
        {Plain(keyboard::Tab), Tab(IDD_LINK_INFO), None},
        {Key{keyboard::Tab, false, true, false}, Tab(IDD_LINK_INFO), None},
        {Key{keyboard::Tab, true, false, true}, Tab(IDD_LINK_INFO), None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ForKey(c.key, c.place), c.command) << "page " << c.place.page << " shift " << c.key.shift;
}

TEST(KeyboardRules, EnterOnASelectedRowDoesWhatADoubleClickDoesAndNothingElse) {
    struct Case {
        Place place;
        Command command;
    };
    const Case cases[] = {
        {Tab(IDD_SITE_SURVEY, IDC_SURVEY_LIST, true), Click(IDC_SURVEY_CONNECT)},
        {Tab(IDD_PROFILES, IDC_PROFILE_LIST, true), Click(IDC_PROFILE_CONNECT)},
        {Editor(IDD_AVAILABLE_NETWORKS, IDC_NETWORKS_LIST, true), Click(IDC_NETWORKS_CONNECT)},
        // No row selected, or the focus elsewhere: the hidden default button takes Enter.
        {Tab(IDD_SITE_SURVEY, IDC_SURVEY_LIST, false), None},
        {Tab(IDD_SITE_SURVEY, IDC_SURVEY_REFRESH, true), None},
        {Tab(IDD_PROFILES, 0, true), None},
        {Tab(IDD_LINK_INFO, IDC_MORE_INFO, false), None},
        {Editor(IDD_IP_SETTINGS, IDC_IP_ADDRESS, false), None},
        {Editor(IDD_WPA2_PERSONAL, IDC_PSK_PASSPHRASE, false), None},
        {Editor(IDD_PROFILE_SUMMARY, IDC_SUMMARY_LIST, true), None},
        {Editor(IDD_PROFILE_DONE, IDC_DONE_CONNECT, false), None},
    };
    for (const Case& c : cases) EXPECT_EQ(ForKey(Plain(keyboard::Enter), c.place), c.command) << c.place.page;
    // Enter with a modifier is not Enter.
    EXPECT_EQ(ForKey(Ctrl(keyboard::Enter), Tab(IDD_SITE_SURVEY, IDC_SURVEY_LIST, true)), None);
    EXPECT_EQ(ForKey(Key{keyboard::Enter, false, true, false}, Tab(IDD_PROFILES, IDC_PROFILE_LIST, true)), None);
}

TEST(KeyboardRules, F5IsRefreshWhereAPageHasOneWhateverHasTheFocus) {
    struct Case {
        Place place;
        Command command;
    };
    const Case cases[] = {
        {Tab(IDD_SITE_SURVEY), Click(IDC_SURVEY_REFRESH)},
        {Tab(IDD_SITE_SURVEY, IDC_SURVEY_LIST, true), Click(IDC_SURVEY_REFRESH)},
        {Tab(IDD_LINK_INFO, IDC_STATISTICS), Click(IDC_STATS_REFRESH)},
        {Editor(IDD_AVAILABLE_NETWORKS, IDC_NETWORKS_LIST, false), Click(IDC_NETWORKS_REFRESH)},
        {Tab(IDD_PROFILES, IDC_PROFILE_LIST, true), None},
        {Editor(IDD_IP_SETTINGS), None},
        {Editor(IDD_PROFILE_SUMMARY), None},
        {Editor(IDD_PROFILE_DONE), None},
    };
    for (const Case& c : cases) EXPECT_EQ(ForKey(Plain(keyboard::F5), c.place), c.command) << c.place.page;
    EXPECT_EQ(ForKey(Ctrl(keyboard::F5), Tab(IDD_SITE_SURVEY)), None);
}

TEST(KeyboardRules, DeleteActsOnlyOnTheProfilesListsSelectedRow) {
    struct Case {
        Place place;
        Command command;
    };
    const Case cases[] = {
        {Tab(IDD_PROFILES, IDC_PROFILE_LIST, true), Click(IDC_PROFILE_DELETE)},
        {Tab(IDD_PROFILES, IDC_PROFILE_LIST, false), None},
        {Tab(IDD_PROFILES, IDC_PROFILE_EDIT, true), None},
        {Tab(IDD_SITE_SURVEY, IDC_SURVEY_LIST, true), None},
        {Editor(IDD_AVAILABLE_NETWORKS, IDC_NETWORKS_LIST, true), None},
        {Editor(IDD_WIRELESS_MODE, IDC_MODE_SSID, false), None},  // an edit keeps its Delete
    };
    for (const Case& c : cases) EXPECT_EQ(ForKey(Plain(keyboard::Delete), c.place), c.command) << c.place.page;
}

TEST(KeyboardRules, AltNAndAltBAreTheEditorsNextAndBack) {
    struct Case {
        int page;
        Command next, back;
    };
    const Case cases[] = {
        {IDD_IP_SETTINGS, Click(IDC_NEXT), Click(IDC_BACK)},
        {IDD_WIRELESS_MODE, Click(IDC_NEXT), Click(IDC_BACK)},
        {IDD_ADHOC_SETTINGS, Click(IDC_NEXT), Click(IDC_BACK)},
        {IDD_SECURITY_MODE, Click(IDC_NEXT), Click(IDC_BACK)},
        {IDD_WEP, Click(IDC_NEXT), Click(IDC_BACK)},
        {IDD_WPA_PERSONAL, Click(IDC_NEXT), Click(IDC_BACK)},
        {IDD_WPA2_PERSONAL, Click(IDC_NEXT), Click(IDC_BACK)},
        {IDD_WPA_ENTERPRISE, Click(IDC_NEXT), Click(IDC_BACK)},
        {IDD_RADIUS, Click(IDC_NEXT), Click(IDC_BACK)},
        // The summary's forward button saves, and the final page's connects: no Alt+N there.
        {IDD_PROFILE_SUMMARY, None, Click(IDC_BACK)},
        {IDD_PROFILE_DONE, None, None},
        {IDD_AVAILABLE_NETWORKS, None, None},
        {IDD_SITE_SURVEY, None, None},
        {IDD_PROFILES, None, None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ForKey(Alt(keyboard::LetterN), Editor(c.page, IDC_IP_ADDRESS)), c.next) << c.page;
        EXPECT_EQ(ForKey(Alt(keyboard::LetterB), Editor(c.page, IDC_IP_ADDRESS)), c.back) << c.page;
    }
    // AltGr (Ctrl+Alt) types a character; N and B alone are text.
    EXPECT_EQ(ForKey(Key{keyboard::LetterN, true, false, true}, Editor(IDD_IP_SETTINGS)), None);
    EXPECT_EQ(ForKey(Plain(keyboard::LetterN), Editor(IDD_IP_SETTINGS)), None);
    EXPECT_EQ(ForKey(Plain(keyboard::LetterB), Editor(IDD_WIRELESS_MODE, IDC_MODE_SSID)), None);
    EXPECT_EQ(ForKey(Alt('X'), Editor(IDD_IP_SETTINGS)), None);
}

TEST(KeyboardRules, TheTabsFollowTheirButtonsOrder) {
    EXPECT_EQ(keyboard::NeighbourTab(IDD_LINK_INFO, false), IDD_SITE_SURVEY);
    EXPECT_EQ(keyboard::NeighbourTab(IDD_PROFILES, false), IDD_LINK_INFO);
    EXPECT_EQ(keyboard::NeighbourTab(IDD_LINK_INFO, true), IDD_PROFILES);
    EXPECT_EQ(keyboard::NeighbourTab(0, false), IDD_LINK_INFO);  // no known tab: the first
    EXPECT_EQ(keyboard::KeysOf(IDD_ABOUT), nullptr);
}
