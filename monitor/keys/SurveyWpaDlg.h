// SurveyWpaDlg.h - the WPA-Personal passphrase of a surveyed network (template IDD_SURVEY_WPA).
#pragma once

#include "monitor/keys/SurveyKeyDlg.h"

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
