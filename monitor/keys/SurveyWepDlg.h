// SurveyWepDlg.h - the WEP key of a surveyed network (template IDD_SURVEY_WEP).
#pragma once

#include "monitor/keys/SurveyKeyDlg.h"
#include "monitor/skin/MaskEdit.h"

class CSurveyWepDlg : public CSurveyKeyDlg {
public:
    CSurveyWepDlg(WLAN_PROFILE& record, const RECT& over, HWND covered);

protected:
    std::span<const Placement> Layout() const override;
    void InitControls() override;
    bool OnControlCommand(int id, int code) override;
    void OnConnect() override;
    int FirstFocus() const override;

private:
    // The key field's masks for the record's key length, and its text.
    void ShowKey(const std::string& text);

    CMaskEdit key_;
};
