// dhcpcsvc_double.cpp - a DHCP client library that hands every notification to the test program.
//
// It keeps no state of its own, since the library under test frees it after
// each call: the calls go to exports of the program that loaded it.
#include <windows.h>

namespace {

using NotifyRecorder = DWORD(__cdecl*)(LPWSTR serverName, LPWSTR adapterName, BOOL isNewIpAddress, DWORD ipIndex,
                                       DWORD ipAddress, DWORD subnetMask, int dhcpAction);
using LoadRecorder = void(__cdecl*)();

template <typename Fn>
Fn ProgramExport(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(nullptr), name)));
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        if (auto loaded = ProgramExport<LoadRecorder>("DhcpDoubleLoaded")) loaded();
    return TRUE;
}

// Lets a test make sure it is this library, not the system's, that "dhcpcsvc" loads.
int __cdecl DhcpDoubleMarker() { return 1; }

DWORD WINAPI DhcpNotifyConfigChange(LPWSTR serverName, LPWSTR adapterName, BOOL isNewIpAddress, DWORD ipIndex,
                                    DWORD ipAddress, DWORD subnetMask, int dhcpAction) {
    auto record = ProgramExport<NotifyRecorder>("DhcpDoubleNotify");
    if (!record) return ERROR_CALL_NOT_IMPLEMENTED;
    return record(serverName, adapterName, isNewIpAddress, ipIndex, ipAddress, subnetMask, dhcpAction);
}

}  // extern "C"
