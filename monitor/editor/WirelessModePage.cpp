// WirelessModePage.cpp - see WirelessModePage.h.
#include "monitor/editor/WirelessModePage.h"

#include <cstring>
#include <string>

#include "monitor/editor/AdHocSettingsPage.h"
#include "monitor/editor/SecurityModePage.h"
#include "monitor/editor/portable/NetworkSettings.h"
#include "monitor/res/resource.h"
#include "monitor/ui/Controls.h"

namespace {

constexpr Placement kLayout[] = {
    {IDC_MODE_INFRASTRUCTURE, 28, 56, 16, 16},
    {IDC_MODE_ADHOC, 28, 106, 16, 16},
    {IDC_MODE_SSID, 200, 166, 220, 22},
};

enum Slot { SecuritySlot, AdHocSlot };

}  // namespace

CWirelessModePage::CWirelessModePage(IMonitorHost& host, WLAN_PROFILE& record)
    : CEditorPage(IDD_WIRELESS_MODE, host, record, IDB_WIRELESS_MODE) {}

std::span<const Placement> CWirelessModePage::Layout() const { return kLayout; }

void CWirelessModePage::OnInitPage() {
    const ui::Edit ssid(Handle(), IDC_MODE_SSID);
    ssid.Limit(int(editor::SsidMost));
    ssid.SetText(std::string(Record().SSID, strnlen(Record().SSID, editor::SsidMost)));
    // Setting the radio does not click it: a stored 2 stays 2 until the user chooses.
    ui::CheckRadio(Handle(), {IDC_MODE_INFRASTRUCTURE, IDC_MODE_ADHOC},
                   editor::IsInfrastructure(Record()) ? IDC_MODE_INFRASTRUCTURE : IDC_MODE_ADHOC);
}

bool CWirelessModePage::OnPageButtonClicked(int id) {
    if (id != IDC_MODE_INFRASTRUCTURE && id != IDC_MODE_ADHOC) return false;
    editor::SetInfrastructure(Record(), id == IDC_MODE_INFRASTRUCTURE);
    return true;
}

bool CWirelessModePage::OnPageCommand(int id, int code, HWND) {
    switch (id) {
    case IDC_MODE_SSID:
        if (code == EN_CHANGE) editor::SetSsid(Record(), ui::Edit(Handle(), IDC_MODE_SSID).Text());
        return true;
    default:
        return false;
    }
}

void CWirelessModePage::OnNext() {
    if (IsItemChecked(IDC_MODE_INFRASTRUCTURE))
        Forward(std::make_unique<CSecurityModePage>(Host(), Record()), SecuritySlot);
    else
        Forward(std::make_unique<CAdHocSettingsPage>(Host(), Record()), AdHocSlot);
}
