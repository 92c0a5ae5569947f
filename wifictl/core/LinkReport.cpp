// LinkReport.cpp - see LinkReport.h.
#include "wifictl/core/LinkReport.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/RadioUnits.h"
#include "adapter/portable/ScanList.h"
#include "wifictl/core/Json.h"
#include "wifictl/core/TerminalText.h"

namespace wifictl {
namespace {

std::string Line(const char* label, const std::string& value) {
    std::string line = std::string(label) + ":";
    line.append(line.size() < 16 ? 16 - line.size() : 1, ' ');
    return line + value + "\n";
}

std::string Text(const char* field, size_t width) { return std::string(field, BoundedLength(field, width)); }

const char* EncryptionName(uint32_t e) {
    switch (e) {
    case 1: return "WEP";
    case 2: return "TKIP";
    case 3: return "AES";
    default: return "none";
    }
}

std::string AuthenticationName(uint32_t mode) {
    switch (mode) {
    case 0: return "open system";
    case 1: return "shared key";
    case 2: return "auto";
    case 3: return "WPA";
    case 4: return "WPA-PSK";
    case 6: return "WPA2";
    case 7: return "WPA2-PSK";
    default: return "mode " + std::to_string(mode);
    }
}

std::string Mac(const uint8_t* bytes) {
    std::array<uint8_t, 6> mac;
    std::copy(bytes, bytes + 6, mac.begin());
    return scan::MacText(mac);
}

bool Connected(const LinkView& link) { return link.connectionResult == 0 && link.connectionState == 0; }

bool KnownChannel(uint32_t channel) { return channel >= 1 && channel <= 14; }

std::string DriverVersion(const LinkView& link) {
    const uint16_t* v = link.statistics.DriverVersion;
    return std::to_string(v[0]) + "." + std::to_string(v[1]) + "." + std::to_string(v[2]) + "." + std::to_string(v[3]);
}

std::string LinkJson(const LinkView& link) {
    const NETWORK_STATUS& s = link.status;
    const NETWORK_STATISTICS& st = link.statistics;
    JsonObject o;
    o.String("ssid", Text(s.Ssid, sizeof s.Ssid))
        .String("bssid", Mac(s.Bssid))
        .String("network_type", s.InfrastructureMode == 0 ? "ad hoc" : "infrastructure");
    if (KnownChannel(s.Channel)) o.Number("channel", s.Channel);
    else o.Null("channel");
    o.Number("link_speed_mbps", s.LinkSpeed)
        .Number("signal_dbm", link.signal.Rssi)
        .Number("signal_percent", radio::SignalPercent(link.signal.Rssi))
        .Number("quality_class", link.qualityIndex)
        .String("encryption", EncryptionName(s.Encryption))
        .String("authentication", AuthenticationName(s.AuthMode))
        .Number("transmit_rate_mbps", st.TransmitRate)
        .Number("receive_rate_mbps", st.ReceiveRate)
        .Number("packets_sent", st.PacketsTransmitted)
        .Number("packets_received", st.PacketsReceived)
        .Number("bytes_sent", int64_t(st.BytesTransmitted))
        .Number("bytes_received", int64_t(st.BytesReceived))
        .Number("noise_dbm", st.NoiseLevel);
    return o.Text();
}

std::string AddressesJson(const NETWORK_STATUS& s) {
    JsonObject o;
    o.String("address", Text(s.IpAddress, sizeof s.IpAddress))
        .String("subnet_mask", Text(s.SubnetMask, sizeof s.SubnetMask))
        .String("gateway", Text(s.Gateway, sizeof s.Gateway))
        .Bool("dhcp", s.DhcpEnabled != 0);
    if (s.DhcpEnabled) o.String("dhcp_server", Text(s.DhcpServer, sizeof s.DhcpServer));
    else o.Null("dhcp_server");
    return o.Text();
}

}  // namespace

std::string ResultText(int32_t result) {
    if (result >= -9999 && result <= 9999) return std::to_string(result);
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", unsigned(result));
    return text;
}

std::string FormatStatus(const LinkView& link) {
    std::string out;
    const bool connected = Connected(link);
    const StatusParts parts = ReadParts(link);
    if (link.connectionResult != 0)
        out += Line("State", "unknown (the adapter answered " + ResultText(link.connectionResult) + ")");
    else
        out += Line("State", connected ? "connected" : "disconnected");
    if (connected && !parts.link)
        out += Line("Details", "not available (the adapter answered " + ResultText(link.statusResult) + ")");
    const NETWORK_STATUS& s = link.status;
    if (connected && parts.link) {
        out += Line("SSID", "\"" + PrintableField(s.Ssid, sizeof s.Ssid) + "\"");
        out += Line("BSSID", Mac(s.Bssid));
        out += Line("Network type", s.InfrastructureMode == 0 ? "ad hoc" : "infrastructure");
        out += Line("Channel", KnownChannel(s.Channel) ? std::to_string(s.Channel) : "unknown");
        out += Line("Link speed", std::to_string(s.LinkSpeed) + " Mbps");
        out += Line("Signal", std::to_string(link.signal.Rssi) + " dBm (" +
                                  std::to_string(radio::SignalPercent(link.signal.Rssi)) + "%, quality class " +
                                  std::to_string(link.qualityIndex) + " of 0-3)");
        out += Line("Encryption", EncryptionName(s.Encryption));
        out += Line("Authentication", AuthenticationName(s.AuthMode));
        const NETWORK_STATISTICS& st = link.statistics;
        out += Line("Rates", "transmit " + std::to_string(st.TransmitRate) + " Mbps, receive " +
                                 std::to_string(st.ReceiveRate) + " Mbps");
        out += Line("Packets", "sent " + std::to_string(st.PacketsTransmitted) + ", received " +
                                   std::to_string(st.PacketsReceived));
        out += Line("Bytes", "sent " + std::to_string(st.BytesTransmitted) + ", received " +
                                 std::to_string(st.BytesReceived));
        out += Line("Noise", std::to_string(st.NoiseLevel) + " dBm");
    }
    if (parts.link && !parts.addresses)
        out += Line("IP address", "not available (the IP Helper answered " + ResultText(link.statusResult) + ")");
    const std::string ip = Text(s.IpAddress, sizeof s.IpAddress);
    if (parts.addresses && !ip.empty()) {
        out += Line("IP address", ip + (s.DhcpEnabled ? " (DHCP)" : " (static)"));
        out += Line("Subnet mask", Text(s.SubnetMask, sizeof s.SubnetMask));
        out += Line("Gateway", Text(s.Gateway, sizeof s.Gateway));
        if (s.DhcpEnabled) out += Line("DHCP server", Text(s.DhcpServer, sizeof s.DhcpServer));
    }
    if (link.haveMac) out += Line("MAC address", Mac(link.mac));
    out += Line("Driver version", DriverVersion(link));
    return out;
}

std::string FormatStatusJson(const LinkView& link) {
    const bool connected = Connected(link);
    const StatusParts parts = ReadParts(link);
    JsonObject o;
    o.String("state", link.connectionResult != 0 ? "unknown" : connected ? "connected" : "disconnected");
    if (link.connectionResult != 0) o.String("state_error", ResultText(link.connectionResult));
    else o.Null("state_error");
    if (connected && parts.link) o.Raw("link", LinkJson(link));
    else o.Null("link");
    if (connected && !parts.link) o.String("link_error", ResultText(link.statusResult));
    else o.Null("link_error");
    if (parts.addresses && link.status.IpAddress[0] != 0) o.Raw("ip", AddressesJson(link.status));
    else o.Null("ip");
    if (parts.link && !parts.addresses) o.String("ip_error", ResultText(link.statusResult));
    else o.Null("ip_error");
    if (link.haveMac) o.String("mac_address", Mac(link.mac));
    else o.Null("mac_address");
    o.String("driver_version", DriverVersion(link));
    return o.Text() + "\n";
}

}  // namespace wifictl
