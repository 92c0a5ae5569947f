// The adapter library exports its functions by their plain names.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(Exports, EveryExportIsFoundByItsUndecoratedName) {
    HMODULE dll = LoadLibraryA("wifiapi.dll");
    ASSERT_NE(dll, nullptr) << GetLastError();
    const char* names[] = {"ConnectToAdapter", "DisconnectToAdapter", "GetOid",          "SetOid",
                           "ReadProfile",      "WriteProfile",        "DeleteProfile",   "SetCurrentProfile",
                           "GetCurrentProfile", "IsInternetOk",
                           "ExportProfile", "ImportProfile",
                           "ConnectToNetwork", "Disconnect", "GetConnectionStatus",
                           "GetSignalInfo", "GetLinkQualityIndex", "GetNetworkStatus", "GetNetworkStatistics",
                           "ScanSiteInfo", "GetSiteInfo",
                           "SetNetIPInfo", "GetNetIPInfo",
                           "IsWindowsZeroControlEnabled", "EnableWindowsZeroControl",
                           "GeneratePassPhrase", "nwepgen"};
    static_assert(sizeof names / sizeof names[0] == 27, "every export of the library");
    for (const char* name : names) {
        EXPECT_NE(GetProcAddress(dll, name), nullptr) << name;
        EXPECT_EQ(GetProcAddress(dll, ("_" + std::string(name)).c_str()), nullptr) << name << " is decorated";
    }
    FreeLibrary(dll);
}

TEST(Exports, DllCallsReachTheSimulatedAdapter) {
    HMODULE dll = LoadLibraryA("wifiapi.dll");
    ASSERT_NE(dll, nullptr);
    using Fn = int32_t(__cdecl*)(void);
    auto connect = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(dll, "ConnectToAdapter")));
    ASSERT_NE(connect, nullptr);
    EXPECT_EQ(connect(), 0);
    FreeLibrary(dll);
}
