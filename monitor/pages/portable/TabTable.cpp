// TabTable.cpp - see TabTable.h.
#include "monitor/pages/portable/TabTable.h"

namespace tabs {

std::span<const Tab> All() { return kTabs; }

const Tab* Find(int page) {
    for (const Tab& tab : kTabs)
        if (tab.Page() == page) return &tab;
    return nullptr;
}

const Tab* FindButton(int button) {
    for (const Tab& tab : kTabs)
        if (tab.button == button) return &tab;
    return nullptr;
}

int IndexOf(const Tab& tab) { return int(&tab - kTabs); }

}  // namespace tabs
