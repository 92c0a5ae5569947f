// ProfileNameDlg.h - the name prompt (template IDD_PROFILE_NAME): the name of a new profile, or Cancel.
#pragma once

#include <string>

#include "monitor/ui/Dialog.h"

class CProfileNameDlg : public CDialog {
public:
    explicit CProfileNameDlg(HWND owner);

    // The text the edit held when the dialog ended (every change of the edit is copied here).
    const std::string& Name() const { return name_; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    // OK with an empty edit is Cancel; a name the profile store refuses keeps the dialog open.
    void OnOK() override;

private:
    std::string name_;
};
