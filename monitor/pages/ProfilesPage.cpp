// ProfilesPage.cpp - the page's frame: the profile list read from the registry.
#include "monitor/pages/ProfilesPage.h"

#include <string>

#include "adapter/RegKey.h"
#include "adapter/portable/ProfileLayout.h"
#include "monitor/pages/portable/ProfileNames.h"
#include "monitor/res/resource.h"

namespace {

// Pixels in the page (see monitor/ui/Placement.h).
constexpr Placement kLayout[] = {
    {IDC_PROFILE_LIST, 18, 16, 255, 196},
    {IDC_PROFILE_DETAILS, 296, 16, 266, 196},
    {IDC_PROFILE_CONNECT, 18, 228, 84, 23},
    {IDC_PROFILE_NEW, 108, 228, 84, 23},
    {IDC_PROFILE_EDIT, 198, 228, 84, 23},
    {IDC_PROFILE_IMPORT, 298, 228, 84, 23},
    {IDC_PROFILE_EXPORT, 388, 228, 84, 23},
    {IDC_PROFILE_DELETE, 478, 228, 84, 23},
    {IDC_ENTER_SINK, 0, 0, 1, 1},
};

}  // namespace

CProfilesPage::CProfilesPage(IMonitorHost& host) : CSkinDialog(IDD_PROFILES, nullptr), host_(host) {}

bool CProfilesPage::OnInitDialog() {
    SetDragHost(host_.Window());
    Place(kLayout);
    list_.Attach(Handle(), IDC_PROFILE_LIST);
    details_.Attach(Handle(), IDC_PROFILE_DETAILS);
    const int ids[6] = {IDC_PROFILE_CONNECT, IDC_PROFILE_NEW,    IDC_PROFILE_EDIT,
                        IDC_PROFILE_IMPORT,  IDC_PROFILE_EXPORT, IDC_PROFILE_DELETE};
    for (int i = 0; i < 6; ++i) {
        buttons_[i].Attach(Handle(), ids[i]);
        TrackSkinStatic(&buttons_[i]);
    }
    SetBackground(IDB_PROFILES_PAGE);
    list_.MyInsertColumn(0, "Profile", 0, 110);
    list_.MyInsertColumn(1, "SSID", 0, 110);
    list_.MySetBackColor(RGB(255, 255, 255));
    details_.MySetFont(14, 0, false, false, "Arial");
    details_.MySetLineSpace(-1);
    return true;
}

bool CProfilesPage::OnCommand(int id, int, HWND) { return id == IDC_ENTER_SINK; }

void CProfilesPage::Reload() {
    list_.MyDeleteAllItems();
    CRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, profile::KeyPath, KEY_READ) != ERROR_SUCCESS) return;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        const std::string shown = profiles::ShownName(name);
        const int row = list_.MyInsertItem(int(i), shown.c_str(), "", 0);
        CRegKey subkey;
        char ssid[129] = {};
        DWORD size = 128;
        if (row >= 0 && subkey.Open(key.get(), name, KEY_READ) == ERROR_SUCCESS) subkey.Query("SSID", ssid, size);
        if (row >= 0) list_.MySetItemText(row, 1, ssid, -1, -1);
    }
}
