// AvailableNetworks.cpp - see AvailableNetworks.h.
#include "monitor/editor/portable/AvailableNetworks.h"

#include <span>

#include "adapter/portable/ProfileKinds.h"

namespace editor {

std::string NetworkSecurityText(const scan::Entry& entry) {
    using profile::Security;
    switch (Security(scan::SecurityForProfile(entry).securityMode)) {
    case Security::Disabled:
        return "No";
    case Security::Wep:
        return "WEP";
    case Security::WpaPersonal:
    case Security::WpaEnterprise:
    case Security::Wpa2Personal:
    case Security::Wpa2Enterprise:
    case Security::Radius:
        break;
    }
    return "WPA";
}

bool AnnouncesWpa2Only(const scan::Entry& entry) {
    constexpr size_t FixedFields = 12;
    constexpr uint8_t Vendor = 221, Rsn = 48;
    bool wpa = false, rsn = false;
    const std::span<const uint8_t> elements = entry.elements;
    // Each element is bounded by the area: a length past its end ends the walk.
    for (size_t at = FixedFields; at + 2 <= elements.size();) {
        const size_t size = size_t(elements[at + 1]) + 2;
        if (at + size > elements.size()) break;
        if (elements[at] == Vendor && scan::ParseWpaElement(&elements[at], size)) wpa = true;
        if (elements[at] == Rsn && scan::ParseRsnElement(&elements[at], size)) rsn = true;
        at += size;
    }
    return rsn && !wpa;
}

}  // namespace editor
