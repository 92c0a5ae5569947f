// DriverLink.cpp - binding the adapter through nvxapi, OID pass-through, presence and instance lookup.
#include "adapter/DriverLink.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "adapter/RegKey.h"
#include "adapter/Seams.h"
#include "adapter/nvx/nvxapi.h"
#include "adapter/portable/DeviceNames.h"
#include "adapter/wifiapi.h"

namespace driverlink {
namespace {

// Written only by the presence probe and the instance lookup, which callers run from one thread.
const char* g_targetComponentId = "";
char g_adapterInstanceId[InstanceIdWidth];

constexpr DWORD DeviceListSize = 65535;

}  // namespace

const char* TargetComponentId() { return g_targetComponentId; }
const char* AdapterInstanceId() { return g_adapterInstanceId; }

bool AdapterPresent() {
    seams::SleepMs(500);
    std::vector<char> names(DeviceListSize, 0);
    QueryDosDeviceA(nullptr, names.data(), DeviceListSize);
    if (!ListHasNameWithPrefix(names.data(), names.size(), DeviceInterfacePrefix)) return false;
    g_targetComponentId = AdapterComponentId;
    return true;
}

bool ForEachAdapterInstance(const std::function<bool()>& onMatch) {
    CRegKey classKey;
    if (classKey.Open(HKEY_LOCAL_MACHINE, NetworkClassKey, KEY_READ) != ERROR_SUCCESS) return false;
    bool matched = false;
    for (DWORD index = 0;; ++index) {
        char name[InstanceIdWidth + 1] = {};
        DWORD nameLength = sizeof name;
        const LONG rc = RegEnumKeyExA(classKey.get(), index, name, &nameLength, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS) break;
        if (rc != ERROR_SUCCESS) continue;  // a name too long to read is skipped
        CRegKey instance;
        instance.Open(classKey.get(), name, KEY_READ);
        char componentId[InstanceIdWidth + 1] = {};
        DWORD size = InstanceIdWidth;
        if (instance.get()) instance.Query("ComponentId", componentId, size);
        if (!EqualsIgnoreCase(componentId, g_targetComponentId)) continue;
        matched = true;
        std::memset(g_adapterInstanceId, 0, sizeof g_adapterInstanceId);
        size = InstanceIdWidth - 1;  // keep the last byte as the terminator
        instance.Query("NetCfgInstanceId", g_adapterInstanceId, size);
        if (!onMatch()) break;
    }
    return matched;
}

int32_t QueryOid(uint32_t oid, void* buffer, uint32_t length, uint32_t& returned) {
    returned = 0;
    return nvxIssueQueryOid(oid, buffer, length, &returned);
}

}  // namespace driverlink

extern "C" {

int32_t __cdecl ConnectToAdapter(void) {
    const char* patterns[1] = {driverlink::HardwareIdPattern};
    return nvxConnectByHardwareId(patterns, 1, 0, 0);
}

int32_t __cdecl DisconnectToAdapter(void) {
    nvxDisconnect();
    return 0;
}

int32_t __cdecl GetOid(uint32_t oid, void* buffer, uint32_t length) {
    uint32_t returned = 0;  // callers rely on the fixed sizes of the OIDs, not on this
    return driverlink::QueryOid(oid, buffer, length, returned);
}

int32_t __cdecl SetOid(uint32_t oid, const void* buffer, uint32_t length) {
    return nvxIssueSetOid(oid, buffer, length);
}

}  // extern "C"
