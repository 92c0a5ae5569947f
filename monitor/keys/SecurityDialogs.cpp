// SecurityDialogs.cpp - the key dialogs in turn, as the user changes the security kind in them.
#include "monitor/keys/SecurityDialogs.h"

#include <memory>

#include "monitor/keys/SurveyWepDlg.h"
#include "monitor/keys/SurveyWpa2Dlg.h"
#include "monitor/keys/SurveyWpaDlg.h"

namespace {

std::unique_ptr<CSurveyKeyDlg> DialogFor(WLAN_PROFILE& record, const RECT& over, HWND monitor) {
    switch (keydialog::KindOfSecurityMode(record.SecurityMode)) {
    case keydialog::Wep: return std::make_unique<CSurveyWepDlg>(record, over, monitor);
    case keydialog::WpaPersonal: return std::make_unique<CSurveyWpaDlg>(record, over, monitor);
    case keydialog::Wpa2Personal: return std::make_unique<CSurveyWpa2Dlg>(record, over, monitor);
    default: return nullptr;
    }
}

}  // namespace

bool AskNetworkKey(IMonitorHost& host, WLAN_PROFILE& record) {
    HWND monitor = host.Window();
    for (;;) {
        // Taken anew for each dialog: it covers the window where the window is now.
        RECT over{};
        GetWindowRect(monitor, &over);
        std::unique_ptr<CSurveyKeyDlg> dialog = DialogFor(record, over, monitor);
        if (!dialog) {
            ShowWindow(monitor, SW_SHOW);
            return true;
        }
        const INT_PTR end = dialog->DoModal();
        ShowWindow(monitor, SW_SHOW);
        SetForegroundWindow(monitor);
        if (end == IDOK) return true;
        if (!dialog->SecurityChanged()) return false;
    }
}
