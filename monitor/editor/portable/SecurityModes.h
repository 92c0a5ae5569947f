// SecurityModes.h - the security-mode page's list: entries, the SecurityMode each stands for, the page it leads to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "adapter/wifiapi.h"

namespace editor {

enum class SecurityPage { Summary, Wep, WpaPersonal, Wpa2Personal, WpaEnterprise, Radius };

struct SecurityEntry {
    const char* text;
    uint32_t securityMode;  // stored, as the kind table numbers it
    SecurityPage next;  // where Next goes with this entry selected
};

// The entries the list offers: "Disabled" and "WEP" for an ad hoc profile, all six otherwise.
std::span<const SecurityEntry> SecurityEntries(const WLAN_PROFILE& profile);

// The page opens: the index of the entry standing for SecurityMode. A mode the
// list does not offer (Disabled, WPA2 with 802.1X, a number no kind has, or a WPA
// or RADIUS mode of an ad hoc profile) selects "Disabled" and stores Disabled.
size_t OpenSecurityIndex(WLAN_PROFILE& profile);

// The selection changed: SecurityMode of that entry. An index the list does not offer changes nothing.
void SelectSecurityIndex(WLAN_PROFILE& profile, size_t index);

// Next with `index` selected; an index the list does not offer goes to the summary.
SecurityPage NextSecurityPage(const WLAN_PROFILE& profile, size_t index);

}  // namespace editor
