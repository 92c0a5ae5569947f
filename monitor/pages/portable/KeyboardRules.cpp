// KeyboardRules.cpp - see KeyboardRules.h.
#include "monitor/pages/portable/KeyboardRules.h"

#include "monitor/pages/portable/TabTable.h"
#include "monitor/res/resource.h"

namespace keyboard {
namespace {

// The editor's pages (the tabs' keys are in the tab table); every page with Next and Back; the
// summary's forward button is Save, not Next.
constexpr PageKeys kEditorPages[] = {
    // page, F5, the list, Enter on its row, Delete on its row, Alt+N, Alt+B
    {IDD_AVAILABLE_NETWORKS, IDC_NETWORKS_REFRESH, IDC_NETWORKS_LIST, IDC_NETWORKS_CONNECT, 0, 0, 0},
    {IDD_IP_SETTINGS, 0, 0, 0, 0, IDC_NEXT, IDC_BACK},
    {IDD_WIRELESS_MODE, 0, 0, 0, 0, IDC_NEXT, IDC_BACK},
    {IDD_ADHOC_SETTINGS, 0, 0, 0, 0, IDC_NEXT, IDC_BACK},
    {IDD_SECURITY_MODE, 0, 0, 0, 0, IDC_NEXT, IDC_BACK},
    {IDD_WEP, 0, 0, 0, 0, IDC_NEXT, IDC_BACK},
    {IDD_WPA_PERSONAL, 0, 0, 0, 0, IDC_NEXT, IDC_BACK},
    {IDD_WPA2_PERSONAL, 0, 0, 0, 0, IDC_NEXT, IDC_BACK},
    {IDD_WPA_ENTERPRISE, 0, 0, 0, 0, IDC_NEXT, IDC_BACK},
    {IDD_RADIUS, 0, 0, 0, 0, IDC_NEXT, IDC_BACK},
    {IDD_PROFILE_SUMMARY, 0, 0, 0, 0, 0, IDC_BACK},
};

Command Click(int control) { return control ? Command{Act::Click, control} : Command{}; }

}  // namespace

const PageKeys* KeysOf(int page) {
    if (const tabs::Tab* tab = tabs::Find(page)) return &tab->keys;
    for (const PageKeys& keys : kEditorPages)
        if (keys.page == page) return &keys;
    return nullptr;
}

int NeighbourTab(int tab, bool backwards) {
    const std::span<const tabs::Tab> all = tabs::All();
    const int count = int(all.size());
    const tabs::Tab* at = tabs::Find(tab);
    if (!at) return all[0].Page();
    return all[size_t((tabs::IndexOf(*at) + (backwards ? count - 1 : 1)) % count)].Page();
}

Command ForKey(const Key& key, const Place& place) {
    if (key.code == Tab && key.ctrl && !key.alt) {
        if (!place.tabsShown) return {};
        return {Act::SwitchTab, NeighbourTab(place.tab, key.shift)};
    }
    const PageKeys* keys = KeysOf(place.page);
    if (!keys) return {};
    if (key.alt) {
        if (key.ctrl) return {};  // AltGr types characters
        if (key.code == LetterN) return Click(keys->next);
        if (key.code == LetterB) return Click(keys->back);
        return {};
    }
    if (key.ctrl || key.shift) return {};
    const bool onRow = keys->list != 0 && place.focus == keys->list && place.rowSelected;
    switch (key.code) {
    case F5:
        return Click(keys->refresh);
    case Enter:
        return onRow ? Click(keys->rowAction) : Command{};
    case Delete:
        return onRow ? Click(keys->remove) : Command{};
    default:
        return {};
    }
}

}  // namespace keyboard
