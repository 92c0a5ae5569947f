// TabPage.h - a page of the monitor window's tabs: what it does when its tab is switched to, and
// when another one is.
#pragma once

#include "monitor/skin/SkinDialog.h"

class CTabPage : public CSkinDialog {
public:
    using CSkinDialog::CSkinDialog;

    // Before the page shows as the current tab: its timers start.
    virtual void OnTabShowing() {}
    // Once it shows.
    virtual void OnTabShown() {}
    // Another tab is switched to; `byButton`: by a tab button or its keys, not by a page.
    virtual void OnTabHiding(bool /*byButton*/) {}
};
