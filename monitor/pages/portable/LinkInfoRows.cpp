// LinkInfoRows.cpp - see LinkInfoRows.h.
#include "monitor/pages/portable/LinkInfoRows.h"

#include <cstdio>
#include <cstring>

#include "adapter/portable/LinkRecords.h"
#include "monitor/ui/portable/AddressOrder.h"

namespace linkinfo {

namespace {

// The record's text fields need not hold their NUL.
template <size_t N>
std::string FieldText(const char (&field)[N]) {
    const void* nul = std::memchr(field, 0, N);
    return std::string(field, nul ? static_cast<const char*>(nul) - field : N);
}

std::string MacText(const uint8_t (&mac)[6]) {
    char text[18];
    std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
    return text;
}

uint32_t AddressOf(const char* text) { return address::ParseDotted(text).value_or(0); }

}  // namespace

std::string SecurityText(uint32_t authMode, uint32_t encryption) {
    switch (authMode) {
    case 0:
    case 1:
    case 2: return encryption != 0 ? "WEP" : "Disable";
    case 3: return "WPA-Enterprise";
    case 4: return "WPA-Personal";
    case 6: return "WPA2-Enterprise";
    case 7: return "WPA2-Personal";
    default: return "";
    }
}

std::string AuthenticationText(uint32_t authMode, uint32_t encryption) {
    static const char* const kShared[] = {"Open System", "Shared Key", "Auto"};
    if (authMode <= 2) return kShared[authMode];
    if (encryption == 2) return "TKIP";
    if (encryption == 3) return "AES";
    return SecurityText(authMode, encryption);
}

InformationRows BuildInformationRows(const NETWORK_STATUS* s) {
    InformationRows rows;
    if (!s) {
        rows.left[0] = "Scanning...";
        rows.right[0] = rows.right[1] = "0.0.0.0";
        return rows;
    }
    rows.left = {"Connected",
                 FieldText(s->Ssid),
                 s->InfrastructureMode == 1 ? "Infrastructure" : "Ad Hoc",
                 std::to_string(s->LinkSpeed) + " Mbps",
                 s->Channel > 15 ? std::string() : std::to_string(s->Channel),
                 SecurityText(s->AuthMode, s->Encryption),
                 AuthenticationText(s->AuthMode, s->Encryption)};
    rows.right = {FieldText(s->IpAddress),    FieldText(s->SubnetMask),
                  FieldText(s->Gateway),      FieldText(s->DhcpServer),
                  !HasAddressing(*s) ? "" : s->DhcpEnabled ? "Enabled" : "Disabled", MacText(s->MacAddress)};
    return rows;
}

InformationRows InformationRowsFor(bool linkUp, int32_t statusResult, const NETWORK_STATUS& status) {
    const linkstatus::StatusParts parts =
        linkUp ? linkstatus::ReadParts(statusResult, status) : linkstatus::StatusParts{};
    if (!parts.link) return BuildInformationRows(nullptr);
    if (parts.addresses) return BuildInformationRows(&status);
    NETWORK_STATUS wireless = status;
    for (char* text : {wireless.IpAddress, wireless.SubnetMask, wireless.Gateway, wireless.DhcpServer}) text[0] = 0;
    return BuildInformationRows(&wireless);
}

bool HasAddressing(const NETWORK_STATUS& s) { return !FieldText(s.IpAddress).empty(); }

void TakeLinkAddressing(const NETWORK_STATUS& s, WLAN_PROFILE& profile) {
    if (!HasAddressing(s)) return;
    profile.DhcpEnabled = s.DhcpEnabled;
    if (s.DhcpEnabled != 0) return;
    profile.IpAddr = AddressOf(FieldText(s.IpAddress).c_str());
    profile.IpMask = AddressOf(FieldText(s.SubnetMask).c_str());
    profile.IpGate = AddressOf(FieldText(s.Gateway).c_str());
    profile.IpDns1 = AddressOf(FieldText(s.DhcpServer).c_str());
}

}  // namespace linkinfo
