// ProfileValues.cpp - see ProfileValues.h.
#include "adapter/ProfileValues.h"

namespace profile {

void WriteValues(const CRegKey& key, const WLAN_PROFILE& p) {
    for (const ValueSpec& entry : Values()) {
        if (entry.staticOnly && p.DhcpEnabled != 0) continue;
        key.Set(entry.name, entry.kind == ValueKind::Dword ? REG_DWORD : REG_SZ, FieldOf(p, entry), entry.width);
    }
}

bool ReadValue(const CRegKey& key, const ValueSpec& entry, WLAN_PROFILE& p) {
    BYTE data[NameWidth];  // the widest field
    DWORD size = entry.width, type = REG_NONE;
    if (key.Query(entry.name, data, size, &type) != ERROR_SUCCESS) return false;
    return TakeValue(p, entry, type, data, size);
}

}  // namespace profile
