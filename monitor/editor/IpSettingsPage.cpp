// IpSettingsPage.cpp - see IpSettingsPage.h.
#include "monitor/editor/IpSettingsPage.h"

#include "monitor/editor/WirelessModePage.h"
#include "monitor/editor/portable/IpSettings.h"
#include "monitor/res/resource.h"
#include "monitor/ui/Controls.h"
#include "monitor/ui/MessageBox.h"

namespace {

// Pixels in the page; the background paints each label at the same height.
constexpr Placement kLayout[] = {
    {IDC_IP_DHCP, 28, 48, 16, 16},
    {IDC_IP_STATIC, 28, 72, 16, 16},
    {IDC_IP_ADDRESS, 200, 100, 150, 22},
    {IDC_IP_MASK, 200, 126, 150, 22},
    {IDC_IP_GATEWAY, 200, 152, 150, 22},
    {IDC_IP_DNS1, 200, 178, 150, 22},
    {IDC_IP_DNS2, 200, 204, 150, 22},
};

// The address fields and the record field each edits.
struct AddressField {
    int id;
    uint32_t WLAN_PROFILE::*field;
    editor::AddressField kind;
};
constexpr AddressField kFields[] = {
    {IDC_IP_ADDRESS, &WLAN_PROFILE::IpAddr, editor::AddressField::IpAddress},
    {IDC_IP_MASK, &WLAN_PROFILE::IpMask, editor::AddressField::SubnetMask},
    {IDC_IP_GATEWAY, &WLAN_PROFILE::IpGate, editor::AddressField::Gateway},
    {IDC_IP_DNS1, &WLAN_PROFILE::IpDns1, editor::AddressField::Dns1},
    {IDC_IP_DNS2, &WLAN_PROFILE::IpDns2, editor::AddressField::Dns2},
};

}  // namespace

CIpSettingsPage::CIpSettingsPage(IMonitorHost& host, WLAN_PROFILE& record)
    : CEditorPage(IDD_IP_SETTINGS, host, record, IDB_IP_SETTINGS) {}

CIpSettingsPage::~CIpSettingsPage() {
    Destroy();
    for (HFONT font : orphanedFonts_) DeleteObject(font);
}

std::span<const Placement> CIpSettingsPage::Layout() const { return kLayout; }

void CIpSettingsPage::OnDestroy() {
    // Wine's address field makes a font for its four parts and never deletes it, one per field
    // each time this page is made. A font the parts use that is neither the page's nor one the
    // field names as its own is that one; it goes once the fields are gone. (Windows' field
    // takes the page's font: nothing to do there.)
    const HFONT pageFont = reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
    for (const AddressField& f : kFields) {
        HWND field = Item(f.id);
        HWND part = field ? GetWindow(field, GW_CHILD) : nullptr;
        const HFONT font = part ? reinterpret_cast<HFONT>(SendMessageA(part, WM_GETFONT, 0, 0)) : nullptr;
        const HFONT own = reinterpret_cast<HFONT>(SendMessageA(field, WM_GETFONT, 0, 0));
        if (font && font != pageFont && font != own && GetObjectType(font) == OBJ_FONT) orphanedFonts_.push_back(font);
    }
}

void CIpSettingsPage::OnInitPage() {
    const WLAN_PROFILE& record = Record();
    filling_ = true;
    for (const AddressField& f : kFields) {
        const ui::IpField field(Handle(), f.id);
        const bool mask = f.kind == editor::AddressField::SubnetMask;
        field.SetRange(0, mask ? 0 : 1, mask ? 255 : 223);
        for (int octet = 1; octet < 4; ++octet) field.SetRange(octet, 0, 255);
        field.SetAddress(record.*f.field);
    }
    const bool dhcp = record.DhcpEnabled == 1;
    if (record.DhcpEnabled <= 1) ui::CheckRadio(Handle(), {IDC_IP_DHCP, IDC_IP_STATIC}, dhcp ? IDC_IP_DHCP : IDC_IP_STATIC);
    EnableAddresses(!dhcp);
    filling_ = false;
    addressEdited_ = false;
}

void CIpSettingsPage::EnableAddresses(bool enable) {
    for (const AddressField& f : kFields) {
        if (!enable) ui::IpField(Handle(), f.id).Clear();
        EnableItem(f.id, enable);
    }
}

void CIpSettingsPage::ChooseDhcp(bool dhcp) {
    Record().DhcpEnabled = dhcp ? 1 : 0;
    filling_ = dhcp;  // emptying the fields keeps the addresses last typed in the record
    EnableAddresses(!dhcp);
    filling_ = false;
}

void CIpSettingsPage::StoreField(int id) {
    if (filling_) return;
    for (const AddressField& f : kFields) {
        if (f.id != id) continue;
        const ui::IpField field(Handle(), id);
        // Only the address counts a blank field as 0.0.0.0; the others keep what they held.
        if (field.Blank() && f.kind != editor::AddressField::IpAddress) return;
        Record().*f.field = field.Address();
        if (f.kind == editor::AddressField::IpAddress) addressEdited_ = true;
    }
}

void CIpSettingsPage::OfferDefaultMask() {
    if (!addressEdited_) return;
    addressEdited_ = false;
    const auto octets = editor::Octets(ui::IpField(Handle(), IDC_IP_ADDRESS).Address());
    if (const auto mask = editor::DefaultMask(octets[0])) {
        ui::IpField(Handle(), IDC_IP_MASK).SetAddress(*mask);
        Record().IpMask = *mask;
    }
}

bool CIpSettingsPage::OnPageButtonClicked(int id) {
    if (id != IDC_IP_DHCP && id != IDC_IP_STATIC) return false;
    ChooseDhcp(id == IDC_IP_DHCP);
    return true;
}

bool CIpSettingsPage::OnPageCommand(int id, int code, HWND) {
    switch (id) {
    case IDC_IP_ADDRESS:
    case IDC_IP_MASK:
    case IDC_IP_GATEWAY:
    case IDC_IP_DNS1:
    case IDC_IP_DNS2:
        if (code == EN_CHANGE) StoreField(id);
        if (code == EN_SETFOCUS && id == IDC_IP_MASK) OfferDefaultMask();
        return true;
    default:
        return false;
    }
}

void CIpSettingsPage::OnNext() {
    if (IsItemChecked(IDC_IP_STATIC)) {
        const uint32_t address = ui::IpField(Handle(), IDC_IP_ADDRESS).Address();
        const uint32_t mask = ui::IpField(Handle(), IDC_IP_MASK).Address();
        const editor::AddressFault fault = editor::CheckStaticAddress(address, mask);
        if (fault != editor::AddressFault::None) {
            ui::Message(Handle(), editor::AddressFaultMessage(fault));
            return;
        }
    }
    Forward(std::make_unique<CWirelessModePage>(Host(), Record()));
}
