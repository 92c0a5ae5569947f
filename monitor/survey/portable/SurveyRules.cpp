// SurveyRules.cpp - see SurveyRules.h.
#include "monitor/survey/portable/SurveyRules.h"

#include <cstring>
#include <optional>

#include "adapter/portable/ProfileKinds.h"
#include "monitor/editor/portable/AvailableNetworks.h"

namespace survey {
namespace {

using profile::Security, profile::Stored;

template <size_t N>
void Clear(char (&field)[N]) {
    std::memset(field, 0, N);
}

template <size_t N>
void SetText(char (&field)[N], std::string_view text) {
    Clear(field);
    std::memcpy(field, text.data(), text.size() < N ? text.size() : N - 1);
}

uint32_t ChannelNumber(std::string_view text) {
    uint32_t channel = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        channel = channel * 10 + uint32_t(c - '0');
    }
    return channel;
}

}  // namespace

Icon RowIcon(const scan::Entry& entry) {
    if (entry.infrastructureMode != 1) return AdhocCell;
    return entry.privacy != 0 ? ProtectedNetwork : OpenNetwork;
}

std::string RowSummary(const scan::Entry& entry) {
    std::string text = "\n   SSID:";
    text.append(entry.ssid);
    text += "   \n";
    text += entry.infrastructureMode == 1 ? "   Infrastructure   \n" : "   Ad-Hoc   \n";
    text += "   " + scan::ListSecurityText(entry) + "   \n";
    text += "   MAC:" + scan::MacText(entry.mac) + "   \n";
    return text;
}

std::vector<scan::Entry> ListedEntries(const uint8_t* list, size_t size) {
    std::vector<scan::Entry> entries;
    for (const scan::Entry& entry : scan::ScanList(list, size))
        if (!entry.ssid.empty()) entries.push_back(entry);
    return entries;
}

std::string CellText(Cell cell, const scan::Entry& entry) {
    switch (cell) {
    case Cell::Ssid: return std::string(entry.ssid);
    case Cell::Channel: return scan::ChannelText(entry);
    case Cell::Signal: return scan::SignalText(entry.rssi);
    case Cell::Security: return editor::NetworkSecurityText(entry);
    case Cell::Mac: return scan::MacText(entry.mac);
    }
    return {};
}

std::vector<Row> ListRows(const uint8_t* list, size_t size) {
    std::vector<Row> rows;
    for (const scan::Entry& entry : ListedEntries(list, size))
        rows.push_back({CellText(Cell::Ssid, entry), CellText(Cell::Channel, entry), CellText(Cell::Signal, entry),
                        RowSummary(entry), RowIcon(entry)});
    return rows;
}

std::vector<std::string> DetailLines(const scan::Entry& entry) {
    return {std::string(entry.ssid), entry.infrastructureMode != 0 ? "Infrastructure" : "Ad Hoc", scan::ChannelText(entry),
            scan::DetailsSecurityText(entry), scan::MacText(entry.mac)};
}

Lookup FillForConnect(const uint8_t* list, size_t size, const RowCells& cells, WLAN_PROFILE& record) {
    const std::optional<scan::Entry> entry = scan::FindEntry(scan::ScanList(list, size), cells.ssid, cells.channel, cells.signal);
    if (!entry) return Lookup::NoEntry;
    const std::optional<scan::SecurityKinds> kinds =
        entry->privacy != 0 ? scan::FindSecurityElement(*entry) : std::nullopt;
    // No pre-shared key opens such a network: the passphrase dialog could never connect.
    if (kinds && kinds->authentication == scan::AuthenticationDot1x) return Lookup::Enterprise;

    const scan::ProfileSecurity security = scan::SecurityForProfile(*entry);
    using profile::Association;
    const bool infrastructure = entry->infrastructureMode != 0;
    record.AssociationMode = Stored(infrastructure ? Association::Infrastructure : Association::AdhocJoin);
    SetText(record.SSID, cells.ssid);
    record.Channel = ChannelNumber(cells.channel);
    record.SecurityMode = security.securityMode;
    record.EncryptionLevel = security.encryptionLevel;
    record.DhcpEnabled = 1;
    record.TxRate = 54;
    record.DefaultKeyId = 0;
    record.AuthentMode = Stored(profile::WepAuth::Open);
    // An earlier network's secrets would otherwise travel with this one (Save To Profile).
    record.IsPassPhrase = 0;
    Clear(record.PassPhrase);
    for (auto& key : record.WEPKey) Clear(key);
    Clear(record.LoginName);
    Clear(record.LoginPassword);
    Clear(record.UserCertHash);
    Clear(record.ServerName);
    return Lookup::Filled;
}

void PreferWpa2ForAes(WLAN_PROFILE& record) {
    if (profile::SecurityOf(record) == Security::WpaPersonal && profile::LevelOf(record) == profile::Level::Aes)
        record.SecurityMode = Stored(Security::Wpa2Personal);
}

bool AsksAboutStaticAddress(int32_t statusResult, const NETWORK_STATUS& status, bool linkUp) {
    return statusResult == 0 && status.DhcpEnabled == 0 && linkUp && status.IpAddress[0] != '\0';
}

void TakeDhcp(WLAN_PROFILE& record) {
    record.DhcpEnabled = 1;
    record.IpAddr = record.IpMask = record.IpGate = record.IpDns1 = 0;
}

void KeepStaticAddresses(WLAN_PROFILE& record, uint32_t address, uint32_t mask, uint32_t gateway, uint32_t dns) {
    record.DhcpEnabled = 0;
    record.IpAddr = address;
    record.IpMask = mask;
    record.IpGate = gateway;
    record.IpDns1 = dns;
}

}  // namespace survey
