// SecurityModes.cpp - see SecurityModes.h.
#include "monitor/editor/portable/SecurityModes.h"

#include "adapter/portable/ProfileKinds.h"

namespace editor {
namespace {

using profile::Security;

constexpr SecurityEntry Entry(Security security, SecurityPage next) {
    return {profile::NameOf(security), profile::Stored(security), next};
}

constexpr SecurityEntry kEntries[] = {
    Entry(Security::Disabled, SecurityPage::Summary),
    Entry(Security::Wep, SecurityPage::Wep),
    Entry(Security::WpaPersonal, SecurityPage::WpaPersonal),
    Entry(Security::Wpa2Personal, SecurityPage::Wpa2Personal),
    Entry(Security::WpaEnterprise, SecurityPage::WpaEnterprise),
    Entry(Security::Radius, SecurityPage::Radius),
};
constexpr size_t AdhocEntryCount = 2;  // Disabled and WEP: an ad hoc cell has no WPA or 802.1X

}  // namespace

std::span<const SecurityEntry> SecurityEntries(const WLAN_PROFILE& profile) {
    return std::span<const SecurityEntry>(kEntries, profile::IsAdhoc(profile) ? AdhocEntryCount : std::size(kEntries));
}

size_t OpenSecurityIndex(WLAN_PROFILE& profile) {
    const std::span<const SecurityEntry> entries = SecurityEntries(profile);
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].securityMode == profile.SecurityMode) return i;
    profile.SecurityMode = profile::Stored(Security::Disabled);
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
