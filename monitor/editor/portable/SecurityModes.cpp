// SecurityModes.cpp - see SecurityModes.h.
#include "monitor/editor/portable/SecurityModes.h"

namespace editor {
namespace {

constexpr SecurityEntry kEntries[] = {
    {"Disabled", 0, SecurityPage::Summary},
    {"WEP", 1, SecurityPage::Wep},
    {"WPA-Personal", 2, SecurityPage::WpaPersonal},
    {"WPA2-Personal", 4, SecurityPage::Wpa2Personal},
    {"WPA-Enterprise", 3, SecurityPage::WpaEnterprise},
    {"RADIUS", 6, SecurityPage::Radius},
};
constexpr size_t AdhocEntryCount = 2;

}  // namespace

bool IsAdhoc(const WLAN_PROFILE& profile) { return profile.AssociationMode == 0 || profile.AssociationMode == 2; }

std::span<const SecurityEntry> SecurityEntries(const WLAN_PROFILE& profile) {
    return std::span<const SecurityEntry>(kEntries, IsAdhoc(profile) ? AdhocEntryCount : std::size(kEntries));
}

size_t OpenSecurityIndex(WLAN_PROFILE& profile) {
    const std::span<const SecurityEntry> entries = SecurityEntries(profile);
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].securityMode == profile.SecurityMode) return i;
    profile.SecurityMode = 0;
    return 0;
}

void SelectSecurityIndex(WLAN_PROFILE& profile, size_t index) {
    const std::span<const SecurityEntry> entries = SecurityEntries(profile);
    if (index < entries.size()) profile.SecurityMode = entries[index].securityMode;
}

SecurityPage NextSecurityPage(const WLAN_PROFILE& profile, size_t index) {
    const std::span<const SecurityEntry> entries = SecurityEntries(profile);
    return index < entries.size() ? entries[index].next : SecurityPage::Summary;
}

}  // namespace editor
