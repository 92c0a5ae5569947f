// KeyboardRules.h - what a key does in the monitor window: switching the tabs, a list row's Enter
// and Delete, F5 for Refresh, and the profile editor's Next and Back. A key this table leaves
// alone goes on to the dialog manager (Tab, Escape, Space, and Enter anywhere else).
#pragma once

#include <cstdint>

namespace keyboard {

// The platform's virtual-key codes of the keys named here; a letter's code is its capital.
inline constexpr uint32_t Tab = 0x09;
inline constexpr uint32_t Enter = 0x0D;
inline constexpr uint32_t Delete = 0x2E;
inline constexpr uint32_t F5 = 0x74;
inline constexpr uint32_t LetterN = 'N';
inline constexpr uint32_t LetterB = 'B';

struct Key {
    uint32_t code = 0;  // the virtual key, or with `alt` the letter typed, as a capital
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// Where the key was pressed.
struct Place {
    // The template id of the page shown: IDD_LINK_INFO, IDD_SITE_SURVEY, IDD_PROFILES or an editor page's.
    int page = 0;
    int focus = 0;             // the id of the page's control that has the focus; 0 for none
    bool rowSelected = false;  // that control is a list with a selected row
    bool tabsShown = false;    // the tab buttons are there (no profile editor is open)
    int tab = 0;               // the current tab: IDD_LINK_INFO, IDD_SITE_SURVEY or IDD_PROFILES
};

enum class Act { None, SwitchTab, Click };

struct Command {
    Act act = Act::None;
    int target = 0;  // SwitchTab: the page to show; Click: the control of the page shown
    bool operator==(const Command&) const = default;
};

// The controls of a page that keys stand for; 0 where the page has none.
struct PageKeys {
    int page;
    int refresh;    // F5
    int list;       // the list whose selected row Enter and Delete act on
    int rowAction;  // Enter on that row: what a double click on it does
    int remove;     // Delete on that row
    int next;       // Alt+N
    int back;       // Alt+B
};

// The page's entry, or null for a page without keys of its own.
const PageKeys* KeysOf(int page);

// The tab after `tab` in the order of the tab buttons (Link Information, Site Survey, Profiles),
// or before it, both round.
int NeighbourTab(int tab, bool backwards);

// The command for `key` at `place`; Act::None leaves the key to the dialog manager. The window
// carries out a Click only when that control is shown and enabled, as a click on it would.
Command ForKey(const Key& key, const Place& place);

}  // namespace keyboard
