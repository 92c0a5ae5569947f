// AdHocSettingsPage.cpp - see AdHocSettingsPage.h.
#include "monitor/editor/AdHocSettingsPage.h"

#include <string>

#include "monitor/editor/SecurityModePage.h"
#include "monitor/editor/portable/NetworkSettings.h"
#include "monitor/res/resource.h"
#include "monitor/ui/Controls.h"

namespace {

// A combo box's height here is its dropped list's.
constexpr Placement kLayout[] = {
    {IDC_ADHOC_CHANNEL, 200, 58, 80, 220},
    {IDC_ADHOC_NETWORK_MODE, 200, 92, 150, 80},
};

}  // namespace

CAdHocSettingsPage::CAdHocSettingsPage(IMonitorHost& host, WLAN_PROFILE& record)
    : CEditorPage(IDD_ADHOC_SETTINGS, host, record, IDB_ADHOC_SETTINGS) {}

std::span<const Placement> CAdHocSettingsPage::Layout() const { return kLayout; }

void CAdHocSettingsPage::OnInitPage() {
    const ui::ComboBox channel(Handle(), IDC_ADHOC_CHANNEL);
    for (uint32_t c = 1; c <= editor::ChannelCount; ++c) channel.Add(std::to_string(c).c_str());
    // A value the lists do not hold leaves them without a selection and the record as it was.
    if (const auto index = editor::ChannelIndex(Record())) channel.Select(int(*index));
    const ui::ComboBox mode(Handle(), IDC_ADHOC_NETWORK_MODE);
    for (const char* entry : editor::NetworkModeEntries) mode.Add(entry);
    if (const auto index = editor::NetworkModeIndex(Record())) mode.Select(int(*index));
}

bool CAdHocSettingsPage::OnPageCommand(int id, int code, HWND) {
    if (code != CBN_SELCHANGE) return false;
    if (id == IDC_ADHOC_CHANNEL) {
        const int index = ui::ComboBox(Handle(), id).Selected();
        if (index >= 0) editor::SelectChannelIndex(Record(), size_t(index));
        return true;
    }
    if (id == IDC_ADHOC_NETWORK_MODE) {
        const int index = ui::ComboBox(Handle(), id).Selected();
        if (index >= 0) editor::SelectNetworkModeIndex(Record(), size_t(index));
        return true;
    }
    return false;
}

void CAdHocSettingsPage::OnNext() { Forward(std::make_unique<CSecurityModePage>(Host(), Record())); }
