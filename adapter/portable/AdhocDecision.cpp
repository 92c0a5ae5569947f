// AdhocDecision.cpp - see AdhocDecision.h.
#include "adapter/portable/AdhocDecision.h"

#include <string_view>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/ProfileKinds.h"
#include "adapter/portable/RadioUnits.h"
#include "adapter/portable/ScanList.h"

namespace adhoc {

void DecideAssociationMode(WLAN_PROFILE& profile, const uint8_t* list, size_t size) {
    using profile::Association, profile::Stored;
    profile.AssociationMode = Stored(Association::AdhocOnChannel);
    // Equal bytes are equal texts in any code page, so a byte comparison is multibyte-safe.
    const std::string_view ssid(profile.SSID, BoundedLength(profile.SSID, sizeof profile.SSID));
    for (const scan::Entry& entry : scan::ScanList(list, size, scan::NoEntryLimit)) {
        if (entry.infrastructureMode == 0 && entry.ssid == ssid &&
            radio::ChannelFromKhz(entry.dsConfigKhz) == profile.Channel) {
            profile.AssociationMode = Stored(Association::AdhocJoin);
            return;
        }
    }
}

}  // namespace adhoc
