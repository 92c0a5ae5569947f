// LinkReport.cpp - see LinkReport.h.
#include "wifictl/core/LinkReport.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/RadioUnits.h"
#include "adapter/portable/ScanList.h"

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

}  // namespace

std::string ResultText(int32_t result) {
    if (result >= -9999 && result <= 9999) return std::to_string(result);
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", unsigned(result));
    return text;
}

std::string PrintableSsid(const char* ssid, size_t length) {
    std::string out(ssid, length);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return out;
}

std::string FormatStatus(const LinkView& link) {
    std::string out;
    const bool connected = link.connectionResult == 0 && link.connectionState == 0;
    if (link.connectionResult != 0)
        out += Line("State", "unknown (the adapter answered " + ResultText(link.connectionResult) + ")");
    else
        out += Line("State", connected ? "connected" : "disconnected");
    if (connected && link.statusResult != 0)
        out += Line("Details", "not available (the adapter answered " + ResultText(link.statusResult) + ")");
    const NETWORK_STATUS& s = link.status;
    if (connected && link.statusResult == 0) {
        const std::string ssid = Text(s.Ssid, sizeof s.Ssid);
        out += Line("SSID", "\"" + PrintableSsid(ssid.data(), ssid.size()) + "\"");
        out += Line("BSSID", Mac(s.Bssid));
        out += Line("Network type", s.InfrastructureMode == 0 ? "ad hoc" : "infrastructure");
        out += Line("Channel", s.Channel >= 1 && s.Channel <= 14 ? std::to_string(s.Channel) : "unknown");
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
    const std::string ip = Text(s.IpAddress, sizeof s.IpAddress);
    if (link.statusResult == 0 && !ip.empty()) {
        out += Line("IP address", ip + (s.DhcpEnabled ? " (DHCP)" : " (static)"));
        out += Line("Subnet mask", Text(s.SubnetMask, sizeof s.SubnetMask));
        out += Line("Gateway", Text(s.Gateway, sizeof s.Gateway));
        if (s.DhcpEnabled) out += Line("DHCP server", Text(s.DhcpServer, sizeof s.DhcpServer));
    }
    if (link.haveMac) out += Line("MAC address", Mac(link.mac));
    const uint16_t* v = link.statistics.DriverVersion;
    out += Line("Driver version", std::to_string(v[0]) + "." + std::to_string(v[1]) + "." + std::to_string(v[2]) +
                                      "." + std::to_string(v[3]));
    return out;
}

}  // namespace wifictl
