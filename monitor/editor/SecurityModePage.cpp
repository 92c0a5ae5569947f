// SecurityModePage.cpp - see SecurityModePage.h.
#include "monitor/editor/SecurityModePage.h"

#include "monitor/editor/ProfileSummaryPage.h"
#include "monitor/editor/RadiusPage.h"
#include "monitor/editor/WepPage.h"
#include "monitor/editor/Wpa2PersonalPage.h"
#include "monitor/editor/WpaEnterprisePage.h"
#include "monitor/editor/WpaPersonalPage.h"
#include "monitor/editor/portable/SecurityModes.h"
#include "monitor/res/resource.h"
#include "monitor/ui/Controls.h"

namespace {

constexpr Placement kLayout[] = {
    {IDC_SECURITY_MODE, 200, 58, 180, 160},
};

std::unique_ptr<CEditorPage> MakeSecurityPage(editor::SecurityPage page, IMonitorHost& host, WLAN_PROFILE& record) {
    switch (page) {
    case editor::SecurityPage::Wep:
        return std::make_unique<CWepPage>(host, record);
    case editor::SecurityPage::WpaPersonal:
        return std::make_unique<CWpaPersonalPage>(host, record);
    case editor::SecurityPage::Wpa2Personal:
        return std::make_unique<CWpa2PersonalPage>(host, record);
    case editor::SecurityPage::WpaEnterprise:
        return std::make_unique<CWpaEnterprisePage>(host, record);
    case editor::SecurityPage::Radius:
        return std::make_unique<CRadiusPage>(host, record);
    case editor::SecurityPage::Summary:
        break;
    }
    return std::make_unique<CProfileSummaryPage>(host, record);
}

}  // namespace

CSecurityModePage::CSecurityModePage(IMonitorHost& host, WLAN_PROFILE& record)
    : CEditorPage(IDD_SECURITY_MODE, host, record, IDB_SECURITY_MODE) {}

std::span<const Placement> CSecurityModePage::Layout() const { return kLayout; }

void CSecurityModePage::OnInitPage() {
    const ui::ComboBox list(Handle(), IDC_SECURITY_MODE);
    for (const editor::SecurityEntry& entry : editor::SecurityEntries(Record())) list.Add(entry.text);
    list.Select(int(editor::OpenSecurityIndex(Record())));
    SetFocus(list.Handle());
}

bool CSecurityModePage::OnPageCommand(int id, int code, HWND) {
    if (id != IDC_SECURITY_MODE || code != CBN_SELCHANGE) return false;
    const int index = ui::ComboBox(Handle(), id).Selected();
    if (index >= 0) editor::SelectSecurityIndex(Record(), size_t(index));
    return true;
}

void CSecurityModePage::OnNext() {
    const int index = ui::ComboBox(Handle(), IDC_SECURITY_MODE).Selected();
    const editor::SecurityPage next = editor::NextSecurityPage(Record(), index < 0 ? size_t(-1) : size_t(index));
    // One successor slot per page the list leads to.
    Forward(MakeSecurityPage(next, Host(), Record()), int(next));
}
