// ZeroConfigControl.cpp - handing the adapter to the OS wireless service (WZCSVC) and taking it back.
#include <windows.h>

#include <string>

#include "adapter/DriverLink.h"
#include "adapter/RegKey.h"
#include "adapter/Seams.h"
#include "adapter/ServiceControl.h"
#include "adapter/portable/ZeroConfigValues.h"
#include "adapter/wifiapi.h"

namespace {

// Process-wide, unguarded: the monitor calls these from one thread at a time.
DWORD g_controlFlags = 0;
DWORD g_layoutVersion = 0;
zeroconfig::ServicePack g_servicePack;

// The service reads its interface keys at start; give it time either side of the write.
constexpr uint32_t SettleMs = 3000;

std::string InterfaceKey() { return std::string(zeroconfig::InterfacesKey) + driverlink::AdapterInstanceId(); }

void DetectServicePack() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!seams::Current().getVersionExA(&version)) return;  // keep what we knew
    zeroconfig::DetectServicePack(version.szCSDVersion, sizeof version.szCSDVersion, g_servicePack);
}

void WriteValues() {
    CRegKey key;
    if (key.Create(HKEY_LOCAL_MACHINE, InterfaceKey().c_str(), KEY_WRITE) != ERROR_SUCCESS) return;
    key.SetDword(zeroconfig::ControlFlagsValue, g_controlFlags);
    key.SetDword(zeroconfig::LayoutVersionValue, g_layoutVersion);
}

// Values are only rewritten while the service is stopped; a service that did
// not stop is left alone, unwritten and running.
void ApplyToInstance() {
    if (service::QueryState(zeroconfig::ServiceName) != service::State::Running) return;
    if (!service::StopAndWait(zeroconfig::ServiceName)) return;
    seams::SleepMs(SettleMs);
    WriteValues();
    seams::SleepMs(SettleMs);
    service::StartAndWait(zeroconfig::ServiceName);
}

}  // namespace

extern "C" {

int32_t __cdecl IsWindowsZeroControlEnabled(void) {
    if (!driverlink::AdapterPresent()) return 0;
    if (!driverlink::ForEachAdapterInstance([] { return false; })) return 0;  // stop at the first match
    if (driverlink::AdapterInstanceId()[0] == 0) return 0;
    CRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, InterfaceKey().c_str(), KEY_READ) != ERROR_SUCCESS) return 0;
    key.QueryDword(zeroconfig::ControlFlagsValue, g_controlFlags);  // unreadable keeps the last value
    key.QueryDword(zeroconfig::LayoutVersionValue, g_layoutVersion);
    return zeroconfig::IsManaged(g_controlFlags) ? 1 : 0;
}

int32_t __cdecl EnableWindowsZeroControl(int32_t enable) {
    DetectServicePack();
    if (const auto values = zeroconfig::ValuesFor(g_servicePack, enable != 0)) {
        g_controlFlags = values->controlFlags;
        g_layoutVersion = values->layoutVersion;
    }
    if (!driverlink::AdapterPresent()) return 0;
    driverlink::ForEachAdapterInstance([] {
        ApplyToInstance();
        return true;  // every matching instance
    });
    return 0;
}

}  // extern "C"
