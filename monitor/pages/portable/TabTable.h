// TabTable.h - the monitor window's tabs, in the order of their buttons: the page each shows, its
// button and the button's bitmaps, and the keys of its page. The window and the keyboard rules read
// it; a new tab is a row here, its page class and its place in the window's list of pages.
#pragma once

#include <cstddef>
#include <span>

#include "monitor/pages/portable/KeyboardRules.h"
#include "monitor/res/resource.h"

namespace tabs {

struct Tab {
    keyboard::PageKeys keys;  // keys.page: the template id of the page the tab shows
    int button;               // the tab button's control id
    int bitmapOn, bitmapOff;  // the button while its tab is shown, and while another is
    int Page() const { return keys.page; }
};

inline constexpr Tab kTabs[] = {
    // page, F5, the list, Enter on its row, Delete on its row, Alt+N, Alt+B; button; bitmaps
    {{IDD_LINK_INFO, IDC_STATS_REFRESH, 0, 0, 0, 0, 0}, IDC_TAB_LINK, IDB_TAB_LINK_ON, IDB_TAB_LINK_OFF},
    {{IDD_SITE_SURVEY, IDC_SURVEY_REFRESH, IDC_SURVEY_LIST, IDC_SURVEY_CONNECT, 0, 0, 0},
     IDC_TAB_SURVEY,
     IDB_TAB_SURVEY_ON,
     IDB_TAB_SURVEY_OFF},
    {{IDD_PROFILES, 0, IDC_PROFILE_LIST, IDC_PROFILE_CONNECT, IDC_PROFILE_DELETE, 0, 0},
     IDC_TAB_PROFILES,
     IDB_TAB_PROFILES_ON,
     IDB_TAB_PROFILES_OFF},
};
inline constexpr size_t Count = sizeof kTabs / sizeof kTabs[0];

std::span<const Tab> All();
// The row of the tab that shows `page`, or null for a page that is no tab.
const Tab* Find(int page);
// The row of the tab button `button`, or null.
const Tab* FindButton(int button);
// The row's place in the order of the buttons.
int IndexOf(const Tab& tab);

}  // namespace tabs
