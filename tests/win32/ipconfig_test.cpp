// SetNetIPInfo / GetNetIPInfo against Wine's registry, a staged IP Helper adapter list and our DHCP client library.
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "adapter/Seams.h"
#include "adapter/portable/IpTexts.h"
#include "adapter/wifiapi.h"
#include "tests/win32/support/TestSupport.h"

using namespace testing_support;

namespace {

constexpr const char* kAdapter = WIFIAPI_ADAPTER_XP;
constexpr const char* kNameFirst = "{5E1A0000-0000-4000-8000-00000000000A}";
constexpr const char* kNameLast = "{5E1A0000-0000-4000-8000-00000000000B}";
constexpr const char* kNameOther = "{5E1A0000-0000-4000-8000-00000000000C}";

struct FakeAdapter {
    std::string description;
    std::string name;
    DWORD comboIndex;
    DWORD index;
    std::string ip, mask, gateway;
    UINT dhcp;
    std::vector<std::string> dns;
};

// What the fakes and the DHCP library saw, in order.
std::vector<std::string> g_events;
std::vector<FakeAdapter> g_adapters;
DWORD g_listResult = ERROR_SUCCESS;
std::vector<ULONG> g_perAdapterIndexes;

std::string Narrow(const wchar_t* text) {
    std::string out;
    for (; text && *text; ++text) out += *text < 128 ? char(*text) : '?';
    return out;
}

std::string DottedOf(DWORD address) { return ipconfig::Dotted(address).text; }

template <size_t N>
void Put(char (&field)[N], const std::string& text) {
    std::snprintf(field, N, "%s", text.c_str());
}

DWORD WINAPI FakeGetAdaptersInfo(PIP_ADAPTER_INFO info, PULONG size) {
    if (g_listResult != ERROR_SUCCESS) return g_listResult;
    if (g_adapters.empty()) return ERROR_NO_DATA;
    const ULONG needed = ULONG(g_adapters.size() * sizeof(IP_ADAPTER_INFO));
    if (!info || *size < needed) {
        *size = needed;
        return ERROR_BUFFER_OVERFLOW;
    }
    std::memset(info, 0, needed);
    for (size_t i = 0; i < g_adapters.size(); ++i) {
        const FakeAdapter& a = g_adapters[i];
        IP_ADAPTER_INFO& e = info[i];
        e.Next = i + 1 < g_adapters.size() ? &info[i + 1] : nullptr;
        e.ComboIndex = a.comboIndex;
        e.Index = a.index;
        Put(e.AdapterName, a.name);
        Put(e.Description, a.description);
        Put(e.IpAddressList.IpAddress.String, a.ip);
        Put(e.IpAddressList.IpMask.String, a.mask);
        Put(e.GatewayList.IpAddress.String, a.gateway);
        e.DhcpEnabled = a.dhcp;
    }
    return ERROR_SUCCESS;
}

DWORD WINAPI FakeGetPerAdapterInfo(ULONG index, PIP_PER_ADAPTER_INFO info, PULONG size) {
    const FakeAdapter* adapter = nullptr;
    for (const FakeAdapter& a : g_adapters)
        if (a.index == index) adapter = &a;
    if (!adapter) return ERROR_INVALID_PARAMETER;
    const size_t extra = adapter->dns.size() > 1 ? adapter->dns.size() - 1 : 0;
    const ULONG needed = ULONG(sizeof(IP_PER_ADAPTER_INFO) + extra * sizeof(IP_ADDR_STRING));
    if (!info || *size < needed) {
        *size = needed;
        return ERROR_BUFFER_OVERFLOW;
    }
    g_perAdapterIndexes.push_back(index);
    std::memset(info, 0, needed);
    auto* more = reinterpret_cast<IP_ADDR_STRING*>(info + 1);
    IP_ADDR_STRING* entry = &info->DnsServerList;
    for (size_t i = 0; i < adapter->dns.size(); ++i) {
        if (i > 0) {
            entry->Next = &more[i - 1];
            entry = entry->Next;
        }
        Put(entry->IpAddress.String, adapter->dns[i]);
    }
    return ERROR_SUCCESS;
}

DWORD WINAPI FakeRelease(PIP_ADAPTER_INDEX_MAP map) {
    g_events.push_back("release " + std::to_string(map->Index) + " " + Narrow(map->Name));
    return ERROR_SUCCESS;
}
DWORD WINAPI FakeRenew(PIP_ADAPTER_INDEX_MAP map) {
    g_events.push_back("renew " + std::to_string(map->Index) + " " + Narrow(map->Name));
    return ERROR_SUCCESS;
}
void FakeSleep(uint32_t ms) { g_events.push_back("sleep " + std::to_string(ms)); }

struct Value {
    bool exists = false;
    DWORD type = 0;
    std::string bytes;
};

Value Read(const char* adapterName, const char* value) {
    Value v;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, (std::string(ipconfig::InterfacesKey) + adapterName).c_str(), 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
        return v;
    char data[256];
    DWORD size = sizeof data;
    if (RegQueryValueExA(key, value, nullptr, &v.type, reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS) {
        v.exists = true;
        v.bytes.assign(data, size);
    }
    RegCloseKey(key);
    return v;
}

uint32_t Addr(const char* dotted) { return inet_addr(dotted); }

std::string DwordBytes(DWORD v) { return std::string(reinterpret_cast<const char*>(&v), 4); }

class IpConfigTest : public ::testing::Test {
protected:
    void SetUp() override {
        seams::Platform fakes = seams::Current();
        fakes.sleep = &FakeSleep;
        fakes.getAdaptersInfo = &FakeGetAdaptersInfo;
        fakes.getPerAdapterInfo = &FakeGetPerAdapterInfo;
        fakes.ipReleaseAddress = &FakeRelease;
        fakes.ipRenewAddress = &FakeRenew;
        previous_ = seams::Replace(fakes);

        ASSERT_TRUE(testing_support::UseDhcpClientDouble());
        HMODULE dhcp = LoadLibraryA("dhcpcsvc");
        ASSERT_NE(dhcp, nullptr);
        const bool ours = GetProcAddress(dhcp, "DhcpDoubleMarker") != nullptr;
        FreeLibrary(dhcp);
        ASSERT_TRUE(ours) << "the system's dhcpcsvc would be reached";

        g_events.clear();
        g_perAdapterIndexes.clear();
        g_listResult = ERROR_SUCCESS;
        g_adapters = {
            {"eth0", "{00000001-0000-0000-0000-4E6574446576}", 2, 2, "172.17.0.2", "255.255.0.0", "172.17.0.1", 1,
             {"172.17.0.1"}},
            {kAdapter, kNameFirst, 7, 17, "10.0.0.5", "255.0.0.0", "10.0.0.1", 1, {"10.0.0.1", "8.8.4.4"}},
            {WIFIAPI_ADAPTER_OTHER, kNameOther, 8, 18, "0.0.0.0", "0.0.0.0", "", 1, {}},
            {std::string(kAdapter) + " - Packet Scheduler Miniport", kNameLast, 9, 19, "192.168.7.20",
             "255.255.255.0", "192.168.7.1", 0, {"192.168.7.1"}},
        };
        for (const char* name : {kNameFirst, kNameLast, kNameOther}) {
            const std::string path = std::string(ipconfig::InterfacesKey) + name;
            DeleteTree(path.c_str());
            HKEY key;
            ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                      nullptr),
                      ERROR_SUCCESS);
            RegSetValueExA(key, "NameServer", 0, REG_SZ, reinterpret_cast<const BYTE*>("9.9.9.9"), 8);
            RegCloseKey(key);
        }
    }
    void TearDown() override {
        seams::Replace(previous_);
        SetDllDirectoryA(nullptr);
        for (const char* name : {kNameFirst, kNameLast, kNameOther})
            DeleteTree((std::string(ipconfig::InterfacesKey) + name).c_str());
    }

    seams::Platform previous_{};
};

}  // namespace

// Called by our dhcpcsvc: its loads and its notifications land in the event list.
extern "C" __declspec(dllexport) void __cdecl DhcpDoubleLoaded() { g_events.push_back("load"); }
extern "C" __declspec(dllexport) DWORD __cdecl DhcpDoubleNotify(LPWSTR server, LPWSTR adapter, BOOL isNew,
                                                                DWORD index, DWORD address, DWORD mask, int action) {
    g_events.push_back("notify " + (server ? Narrow(server) : std::string("null")) + " " + Narrow(adapter) + " new=" +
                       std::to_string(isNew) + " index=" + std::to_string(index) + " " + DottedOf(address) + " " +
                       DottedOf(mask) + " action=" + std::to_string(action));
    return 0;
}

TEST_F(IpConfigTest, StaticProfileWritesTheInterfaceValuesAndNotifiesTheStaticAddress) {
    struct Case {
        const char* what;
        const char *gate, *dns1, *dns2;
        std::string gatewayBytes, nameServerBytes;
    } cases[] = {
        {"all set", "192.168.1.1", "192.168.1.1", "8.8.8.8", std::string("192.168.1.1\0\0", 13),
         std::string("192.168.1.1,8.8.8.8\0", 20)},
        {"no gateway", "0.0.0.0", "192.168.1.1", "0.0.0.0", std::string("\0\0", 2), std::string("192.168.1.1\0", 12)},
        {"second DNS only", "192.168.1.1", "0.0.0.0", "8.8.8.8", std::string("192.168.1.1\0\0", 13), ""},
        {"longest texts", "255.255.255.254", "255.255.255.253", "255.255.255.252",
         std::string("255.255.255.254\0\0", 17), std::string("255.255.255.253,255.255.255.252\0", 32)},
    };
    for (const Case& c : cases) {
        g_events.clear();
        WLAN_PROFILE p{};
        p.DhcpEnabled = 0;
        p.IpAddr = Addr("192.168.1.10");
        p.IpMask = Addr("255.255.255.0");
        p.IpGate = Addr(c.gate);
        p.IpDns1 = Addr(c.dns1);
        p.IpDns2 = Addr(c.dns2);
        EXPECT_EQ(SetNetIPInfo(kAdapter, &p), 1) << c.what;

        const Value enable = Read(kNameLast, "EnableDHCP");
        EXPECT_EQ(enable.type, DWORD(REG_DWORD)) << c.what;
        EXPECT_EQ(enable.bytes, DwordBytes(0)) << c.what;
        const Value ip = Read(kNameLast, "IPAddress"), mask = Read(kNameLast, "SubnetMask");
        const Value gateway = Read(kNameLast, "DefaultGateway"), nameServer = Read(kNameLast, "NameServer");
        EXPECT_EQ(ip.type, DWORD(REG_MULTI_SZ)) << c.what;
        EXPECT_EQ(ip.bytes, std::string("192.168.1.10\0\0", 14)) << c.what;
        EXPECT_EQ(mask.type, DWORD(REG_MULTI_SZ)) << c.what;
        EXPECT_EQ(mask.bytes, std::string("255.255.255.0\0\0", 15)) << c.what;
        EXPECT_EQ(gateway.type, DWORD(REG_MULTI_SZ)) << c.what;
        EXPECT_EQ(gateway.bytes, c.gatewayBytes) << c.what;
        EXPECT_TRUE(nameServer.exists) << c.what;
        EXPECT_EQ(nameServer.type, DWORD(REG_SZ)) << c.what;
        // Written without its NUL; the registry (Wine's as NT's) then counts the NUL that follows in memory.
        EXPECT_EQ(nameServer.bytes, c.nameServerBytes) << c.what;

        EXPECT_EQ(g_events, (std::vector<std::string>{
                                "load", "notify null " + std::string(kNameLast) +
                                            " new=1 index=0 192.168.1.10 255.255.255.0 action=2"}))
            << c.what << ": no release, no renew, no waits";
        EXPECT_EQ(GetModuleHandleA("dhcpcsvc.dll"), nullptr) << "released after the call";
    }
    EXPECT_FALSE(Read(kNameFirst, "IPAddress").exists) << "only the last matching adapter is configured";
    EXPECT_FALSE(Read(kNameOther, "IPAddress").exists);
}

TEST_F(IpConfigTest, DhcpProfileWritesZeroAddressesThenReleasesNotifiesAndRenews) {
    WLAN_PROFILE p{};
    p.DhcpEnabled = 1;
    p.IpAddr = Addr("192.168.1.10");  // stale static values are not written
    p.IpMask = Addr("255.255.255.0");
    p.IpGate = Addr("192.168.1.1");
    p.IpDns1 = Addr("192.168.1.1");
    for (int round = 0; round < 2; ++round) {
        g_events.clear();
        EXPECT_EQ(SetNetIPInfo(kAdapter, &p), 1);
        const std::string name = kNameLast;
        EXPECT_EQ(g_events, (std::vector<std::string>{"release 9 " + name, "sleep 100", "load",
                                                      "notify null " + name + " new=0 index=0 0.0.0.0 0.0.0.0 action=1",
                                                      "sleep 300", "renew 9 " + name}))
            << "round " << round << ": loaded again on every call";
        EXPECT_EQ(GetModuleHandleA("dhcpcsvc.dll"), nullptr);
    }
    EXPECT_EQ(Read(kNameLast, "EnableDHCP").bytes, DwordBytes(1));
    EXPECT_EQ(Read(kNameLast, "IPAddress").bytes, std::string("0.0.0.0\0\0", 9));
    EXPECT_EQ(Read(kNameLast, "SubnetMask").bytes, std::string("0.0.0.0\0\0", 9));
    EXPECT_EQ(Read(kNameLast, "DefaultGateway").bytes, std::string("\0\0", 2));
    const Value nameServer = Read(kNameLast, "NameServer");
    EXPECT_EQ(nameServer.type, DWORD(REG_SZ));
    EXPECT_EQ(nameServer.bytes, "") << "the old 9.9.9.9 is replaced by an empty text";
}

TEST_F(IpConfigTest, NoMatchingAdapterWritesAndNotifiesNothing) {
    WLAN_PROFILE p{};
    p.DhcpEnabled = 1;
    struct Case {
        const char* what;
        const char* description;
        DWORD listResult;
    } cases[] = {
        {"description absent", "Adapter that is not there", ERROR_SUCCESS},
        {"different case", "ondaline notebook adapter with kzv", ERROR_SUCCESS},
        {"list unreadable", kAdapter, ERROR_NOT_SUPPORTED},
    };
    for (const Case& c : cases) {
        g_listResult = c.listResult;
        EXPECT_EQ(SetNetIPInfo(c.description, &p), 1) << c.what;
        EXPECT_TRUE(g_events.empty()) << c.what;
        for (const char* name : {kNameFirst, kNameLast, kNameOther})
            EXPECT_FALSE(Read(name, "EnableDHCP").exists) << c.what;
    }
    g_listResult = ERROR_SUCCESS;
    g_adapters.clear();
    EXPECT_EQ(SetNetIPInfo(kAdapter, &p), 1) << "no adapters at all";
    EXPECT_TRUE(g_events.empty());
}

TEST_F(IpConfigTest, MissingInterfaceKeyStillRunsTheDhcpSteps) {
    DeleteTree((std::string(ipconfig::InterfacesKey) + kNameLast).c_str());
    WLAN_PROFILE p{};
    p.DhcpEnabled = 1;
    EXPECT_EQ(SetNetIPInfo(kAdapter, &p), 1);
    EXPECT_FALSE(Read(kNameLast, "EnableDHCP").exists) << "the key is opened, never created";
    ASSERT_EQ(g_events.size(), 6u);
    EXPECT_EQ(g_events.front(), "release 9 " + std::string(kNameLast));
    EXPECT_EQ(g_events.back(), "renew 9 " + std::string(kNameLast));
}

TEST_F(IpConfigTest, GetNetIPInfoCopiesTheAdaptersAddressesLastMatchWinning) {
    WLAN_PROFILE p{};
    std::memset(&p, 0xEE, sizeof p);
    ASSERT_EQ(GetNetIPInfo(kAdapter, &p), 1);
    EXPECT_EQ(DottedOf(p.IpAddr), "192.168.7.20");
    EXPECT_EQ(DottedOf(p.IpMask), "255.255.255.0");
    EXPECT_EQ(DottedOf(p.IpGate), "192.168.7.1");
    EXPECT_EQ(DottedOf(p.IpDns1), "192.168.7.1");
    EXPECT_EQ(DottedOf(p.IpDns2), "8.8.4.4") << "the last adapter has one DNS server: the earlier match's second stays";
    EXPECT_EQ(p.DhcpEnabled, 0u);
    EXPECT_EQ(g_perAdapterIndexes, (std::vector<ULONG>{17, 19})) << "asked by Index, in list order";
    EXPECT_EQ(static_cast<unsigned char>(p.SSID[0]), 0xEEu) << "other fields untouched";

    g_adapters.resize(2);  // only the first match now
    ASSERT_EQ(GetNetIPInfo(kAdapter, &p), 1);
    EXPECT_EQ(DottedOf(p.IpAddr), "10.0.0.5");
    EXPECT_EQ(DottedOf(p.IpGate), "10.0.0.1");
    EXPECT_EQ(DottedOf(p.IpDns1), "10.0.0.1");
    EXPECT_EQ(DottedOf(p.IpDns2), "8.8.4.4");
    EXPECT_EQ(p.DhcpEnabled, 1u);
}

TEST_F(IpConfigTest, GetNetIPInfoLeavesTheRecordWhenNothingMatchesOrTheListFails) {
    WLAN_PROFILE p{};
    std::memset(&p, 0x5A, sizeof p);
    const WLAN_PROFILE before = p;
    EXPECT_EQ(GetNetIPInfo("Adapter that is not there", &p), 1);
    EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
    g_listResult = ERROR_NOT_SUPPORTED;
    EXPECT_EQ(GetNetIPInfo(kAdapter, &p), 0);
    EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
    g_listResult = ERROR_SUCCESS;
    g_adapters.clear();
    EXPECT_EQ(GetNetIPInfo(kAdapter, &p), 0) << "an empty list cannot be read either";
    EXPECT_TRUE(g_perAdapterIndexes.empty());
}
