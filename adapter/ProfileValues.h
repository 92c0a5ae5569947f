// ProfileValues.h - a record's values in an open profile subkey: written as the store keeps them,
// read by the one rule every reader shares.
#pragma once

#include "adapter/RegKey.h"
#include "adapter/portable/ProfileLayout.h"
#include "adapter/wifiapi.h"

namespace profile {

// Every value in the table's order, texts with their whole field width; the static addresses
// only when DhcpEnabled is 0, so earlier ones stay. Failures of single writes are ignored.
void WriteValues(const CRegKey& key, const WLAN_PROFILE& p);

// One stored value into its field by TakeValue's rule; false, and the field as it was, when
// the value is missing, too large or of another type.
bool ReadValue(const CRegKey& key, const ValueSpec& entry, WLAN_PROFILE& p);

}  // namespace profile
