// SurveyWpaDlg.h - the WPA-Personal passphrase of a surveyed network (template 319).
#pragma once

#include "monitor/pages/SurveyKeyDlg.h"

class CSurveyWpaDlg : public CSurveyKeyDlg {
public:
    CSurveyWpaDlg(WLAN_PROFILE& record, const RECT& over, HWND covered);

protected:
    std::span<const Placement> Layout() const override;
    void InitControls() override;
    bool OnControlCommand(int, int) override { return false; }
    void OnConnect() override;
    int FirstFocus() const override;
};
