// AboutDlg.h - the About dialog (template IDD_ABOUT, not skinned): the monitor's and the driver's versions.
#pragma once

#include "monitor/ui/Dialog.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(HWND owner);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
};
