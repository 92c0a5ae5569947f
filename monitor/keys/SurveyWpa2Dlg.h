// SurveyWpa2Dlg.h - the WPA2-Personal passphrase of a surveyed network (template IDD_SURVEY_WPA2).
#pragma once

#include "monitor/keys/SurveyKeyDlg.h"

class CSurveyWpa2Dlg : public CSurveyKeyDlg {
public:
    CSurveyWpa2Dlg(WLAN_PROFILE& record, const RECT& over, HWND covered);

protected:
    std::span<const Placement> Layout() const override;
    void InitControls() override;
    bool OnControlCommand(int, int) override { return false; }
    void OnConnect() override;
    int FirstFocus() const override;
};
