// SurveyKeyDlg.h - what the three key dialogs of a surveyed network share: lying over the monitor
// window and hiding it, the rounded shape, Connect and Cancel, the security combo and its flag.
#pragma once

#include <span>
#include <string>

#include "adapter/wifiapi.h"
#include "monitor/keys/portable/KeyDialogRules.h"
#include "monitor/skin/SkinDialog.h"
#include "monitor/skin/SkinStatic.h"

class CSurveyKeyDlg : public CSkinDialog {
public:
    // Set after the modal run ended with Cancel because the user picked another security kind:
    // the record's SecurityMode names the dialog to open next.
    bool SecurityChanged() const { return securityChanged_ != 0; }
    keydialog::Kind Kind() const { return kind_; }

protected:
    // `record` is completed in place (not owned); the dialog lies over `over`, the monitor
    // window's screen rectangle, and hides `covered` (the monitor window) while it is open.
    CSurveyKeyDlg(int templateId, int backgroundId, keydialog::Kind kind, int securityComboId, WLAN_PROFILE& record,
                  const RECT& over, HWND covered);
    // The window's title (the taskbar shows it; the skin has no caption bar): "Wireless Security - <kind>".
    static std::string Title(keydialog::Kind kind);

    WLAN_PROFILE& Record() const { return record_; }
    // The passphrase typed in `editId` when the passphrase rule takes it; otherwise says why,
    // empties the field for another try and gives it the focus.
    bool TakePassphrase(int editId, std::string& text) const;
    // The dialog's own controls: their pixels, their initialisation, their commands, Connect.
    virtual std::span<const Placement> Layout() const = 0;
    virtual void InitControls() = 0;
    virtual bool OnControlCommand(int id, int code) = 0;
    virtual void OnConnect() = 0;
    // The control that takes the focus first.
    virtual int FirstFocus() const = 0;

private:
    bool OnInitDialog() final;
    bool OnCommand(int id, int code, HWND control) final;
    void OnSecurityKind();

    const int backgroundId_;
    const keydialog::Kind kind_;
    const int securityComboId_;
    WLAN_PROFILE& record_;
    const RECT over_;
    HWND covered_;  // not owned
    int securityChanged_ = 0;
    CSkinStatic connect_;
    CSkinStatic cancel_;
};
