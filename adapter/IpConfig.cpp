// IpConfig.cpp - SetNetIPInfo / GetNetIPInfo: the adapter's TCP/IP interface values and the DHCP client.
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <cstring>
#include <string>
#include <vector>

#include "adapter/RegKey.h"
#include "adapter/Seams.h"
#include "adapter/portable/Bytes.h"
#include "adapter/portable/IpTexts.h"
#include "adapter/wifiapi.h"

namespace {

// A list whose Next pointers loop would otherwise hold the caller for ever.
constexpr unsigned MaxAdapters = 256;
constexpr unsigned SizeRetries = 3;
constexpr int NotifyNameWidth = 256;

enum DhcpAction : int { DhcpActionFromServer = 1, DhcpActionStatic = 2 };

using DhcpNotifyConfigChangeFn = DWORD(WINAPI*)(LPWSTR serverName, LPWSTR adapterName, BOOL isNewIpAddress,
                                                DWORD ipIndex, DWORD ipAddress, DWORD subnetMask, int dhcpAction);

// Reads the IP Helper's adapter list, size first; empty when it cannot be read.
std::vector<uint8_t> ReadAdapterList() {
    ULONG size = 0;
    DWORD rc = seams::Current().getAdaptersInfo(nullptr, &size);
    for (unsigned attempt = 0; attempt < SizeRetries && rc == ERROR_BUFFER_OVERFLOW && size != 0; ++attempt) {
        std::vector<uint8_t> buffer(size);
        rc = seams::Current().getAdaptersInfo(reinterpret_cast<PIP_ADAPTER_INFO>(buffer.data()), &size);
        if (rc == ERROR_SUCCESS) return buffer;
    }
    return {};
}

const IP_ADAPTER_INFO* Head(const std::vector<uint8_t>& list) {
    return list.size() >= sizeof(IP_ADAPTER_INFO) ? reinterpret_cast<const IP_ADAPTER_INFO*>(list.data()) : nullptr;
}

bool Matches(const IP_ADAPTER_INFO& adapter, const char* description) {
    return ipconfig::DescriptionContains(adapter.Description, sizeof adapter.Description, description);
}

std::string BoundedText(const char* field, size_t width) { return std::string(field, BoundedLength(field, width)); }

// The platform's dotted-text parser, on a field that may lack its NUL.
uint32_t ParsedAddress(const IP_ADDR_STRING& entry) {
    return inet_addr(BoundedText(entry.IpAddress.String, sizeof entry.IpAddress.String).c_str());
}
uint32_t ParsedMask(const IP_ADDR_STRING& entry) {
    return inet_addr(BoundedText(entry.IpMask.String, sizeof entry.IpMask.String).c_str());
}

// Converts with the system code page into `out` (`width` characters), always terminated.
void Widen(const std::string& text, wchar_t* out, int width) {
    const int length = int(text.size() < size_t(width - 1) ? text.size() : size_t(width - 1));
    const int written = length ? MultiByteToWideChar(CP_ACP, 0, text.data(), length, out, width - 1) : 0;
    out[written > 0 ? written : 0] = 0;
}

// Loaded by name on every call and released again, as the DHCP client may be absent.
void NotifyDhcpClient(const std::string& adapterName, BOOL isNewAddress, DWORD address, DWORD mask, int action) {
    HMODULE dhcp = LoadLibraryA("dhcpcsvc");
    if (!dhcp) return;
    auto notify = reinterpret_cast<DhcpNotifyConfigChangeFn>(
        reinterpret_cast<void*>(GetProcAddress(dhcp, "DhcpNotifyConfigChange")));
    if (notify) {
        wchar_t name[NotifyNameWidth];
        Widen(adapterName, name, NotifyNameWidth);
        notify(nullptr, name, isNewAddress, 0, address, mask, action);  // the outcome is not reported
    }
    FreeLibrary(dhcp);
}

void WriteInterfaceValues(const std::string& adapterName, const ipconfig::InterfaceTexts& t) {
    CRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, (ipconfig::InterfacesKey + adapterName).c_str(), KEY_WRITE) != ERROR_SUCCESS)
        return;
    const auto ip = ipconfig::MultiSzBytes(t.ipAddress);
    const auto mask = ipconfig::MultiSzBytes(t.subnetMask);
    const auto gateway = ipconfig::MultiSzBytes(t.defaultGateway);
    // Stop at the first write that fails.
    if (key.SetDword("EnableDHCP", t.enableDhcp) != ERROR_SUCCESS) return;
    if (key.Set("IPAddress", REG_MULTI_SZ, ip.data(), DWORD(ip.size())) != ERROR_SUCCESS) return;
    if (key.Set("SubnetMask", REG_MULTI_SZ, mask.data(), DWORD(mask.size())) != ERROR_SUCCESS) return;
    if (key.Set("DefaultGateway", REG_MULTI_SZ, gateway.data(), DWORD(gateway.size())) != ERROR_SUCCESS) return;
    key.Set("NameServer", REG_SZ, t.nameServer, ipconfig::TextByteCountWithoutNul(t.nameServer, sizeof t.nameServer));
}

}  // namespace

extern "C" {

int32_t __cdecl SetNetIPInfo(const char* adapterDescription, const WLAN_PROFILE* profile) {
    if (!adapterDescription || !profile) return 1;
    const WLAN_PROFILE p = *profile;

    const std::vector<uint8_t> list = ReadAdapterList();
    bool found = false;
    std::string adapterName;
    DWORD comboIndex = 0;
    unsigned seen = 0;
    for (const IP_ADAPTER_INFO* a = Head(list); a && seen < MaxAdapters; a = a->Next, ++seen) {
        if (!Matches(*a, adapterDescription)) continue;  // the last match counts
        found = true;
        adapterName = BoundedText(a->AdapterName, sizeof a->AdapterName);
        comboIndex = a->ComboIndex;
    }
    if (!found) return 1;

    WriteInterfaceValues(adapterName, ipconfig::BuildInterfaceTexts(p));

    if (p.DhcpEnabled == 0) {
        NotifyDhcpClient(adapterName, TRUE, p.IpAddr, p.IpMask, DhcpActionStatic);
        return 1;
    }
    IP_ADAPTER_INDEX_MAP map{};
    map.Index = comboIndex;
    Widen(adapterName, map.Name, MAX_ADAPTER_NAME);
    seams::Current().ipReleaseAddress(&map);
    seams::SleepMs(100);
    NotifyDhcpClient(adapterName, FALSE, 0, 0, DhcpActionFromServer);
    seams::SleepMs(300);
    seams::Current().ipRenewAddress(&map);
    return 1;
}

int32_t __cdecl GetNetIPInfo(const char* adapterDescription, WLAN_PROFILE* profile) {
    const std::vector<uint8_t> list = ReadAdapterList();
    if (list.empty()) return 0;
    if (!adapterDescription || !profile) return 1;
    unsigned seen = 0;
    for (const IP_ADAPTER_INFO* a = Head(list); a && seen < MaxAdapters; a = a->Next, ++seen) {
        if (!Matches(*a, adapterDescription)) continue;  // in list order: the last match wins
        profile->IpAddr = ParsedAddress(a->IpAddressList);
        profile->IpMask = ParsedMask(a->IpAddressList);
        profile->IpGate = ParsedAddress(a->GatewayList);

        ULONG size = 0;
        if (seams::Current().getPerAdapterInfo(a->Index, nullptr, &size) == ERROR_BUFFER_OVERFLOW &&
            size >= sizeof(IP_PER_ADAPTER_INFO)) {
            std::vector<uint8_t> buffer(size);
            auto* info = reinterpret_cast<PIP_PER_ADAPTER_INFO>(buffer.data());
            if (seams::Current().getPerAdapterInfo(a->Index, info, &size) == ERROR_SUCCESS) {
                profile->IpDns1 = ParsedAddress(info->DnsServerList);
                if (info->DnsServerList.Next) profile->IpDns2 = ParsedAddress(*info->DnsServerList.Next);
            }
        }
        profile->DhcpEnabled = a->DhcpEnabled;
    }
    return 1;
}

}  // extern "C"
