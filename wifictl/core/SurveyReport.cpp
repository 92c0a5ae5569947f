// SurveyReport.cpp - see SurveyReport.h.
#include "wifictl/core/SurveyReport.h"

#include <cstdio>
#include <optional>

#include "adapter/portable/ProfileKinds.h"
#include "adapter/portable/RadioUnits.h"
#include "adapter/portable/ScanList.h"
#include "wifictl/core/Json.h"
#include "wifictl/core/TerminalText.h"

namespace wifictl {
namespace {

constexpr uint8_t IeRsn = 48;
constexpr uint8_t IeVendor = 221;
constexpr size_t FixedFieldsSize = 12;

// Which generations of WPA the entry's elements offer, each parsed by the survey's own parsers.
struct Offered {
    std::optional<scan::SecurityKinds> wpa, rsn;
};

Offered OfferedSecurity(const scan::Entry& entry) {
    Offered offered;
    const std::span<const uint8_t> e = entry.elements;
    size_t at = FixedFieldsSize;
    while (at + 2 <= e.size()) {
        const size_t size = size_t(e[at + 1]) + 2;
        if (at + size > e.size()) break;  // the walk never reads past the entry's elements
        if (e[at] == IeVendor && !offered.wpa) offered.wpa = scan::ParseWpaElement(e.data() + at, size);
        if (e[at] == IeRsn && !offered.rsn) offered.rsn = scan::ParseRsnElement(e.data() + at, size);
        at += size;
    }
    return offered;
}

std::string SecurityLabel(const scan::Entry& entry) {
    if (entry.privacy == 0) return "open";
    const Offered o = OfferedSecurity(entry);
    if (!o.wpa && !o.rsn) return "WEP";
    const scan::SecurityKinds& k = o.rsn ? *o.rsn : *o.wpa;
    std::string label = o.wpa && o.rsn ? "WPA/WPA2" : o.rsn ? "WPA2" : "WPA";
    label += k.authentication == scan::AuthenticationPreShared ? "-Personal" : "-Enterprise";
    const bool tkip = k.cipher == profile::Stored(profile::Level::Tkip);
    label += std::string(" ") + (tkip ? profile::TkipText : profile::AesText);
    return label;
}

std::string Padded(std::string text, size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string RightAligned(const std::string& text, size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

}  // namespace

std::vector<SurveyRow> SurveyRows(const uint8_t* list, size_t size) {
    std::vector<SurveyRow> rows;
    for (const scan::Entry& entry : scan::ScanList(list, size)) {
        SurveyRow row;
        row.ssid = PrintableText(entry.ssid);
        row.ssidBytes = std::string(entry.ssid);
        row.channel = radio::ChannelFromKhz(entry.dsConfigKhz);
        row.rssi = entry.rssi;
        row.signalPercent = radio::SignalPercent(entry.rssi);
        row.security = SecurityLabel(entry);
        row.adhoc = entry.infrastructureMode == 0;
        row.mac = scan::MacText(entry.mac);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string FormatSurvey(const std::vector<SurveyRow>& rows) {
    std::string out = Padded("SSID", 33) + " CH  Signal  " + Padded("Security", 23) + Padded("Type", 16) + "MAC\n";
    for (const SurveyRow& r : rows) {
        const std::string channel = r.channel >= 1 && r.channel <= 14 ? std::to_string(r.channel) : "?";
        out += Padded(r.ssid.empty() ? "(hidden)" : r.ssid, 33) + RightAligned(channel, 3) +
               RightAligned(std::to_string(r.signalPercent) + "%", 8) + "  " + Padded(r.security, 23) +
               Padded(r.adhoc ? "ad hoc" : "infrastructure", 16) + r.mac + "\n";
    }
    return out;
}

std::string FormatSurveyJson(const std::vector<SurveyRow>& rows) {
    std::string out = "{\"networks\":[";
    for (size_t i = 0; i < rows.size(); ++i) {
        const SurveyRow& r = rows[i];
        JsonObject o;
        o.String("ssid", r.ssidBytes).String("bssid", r.mac);
        if (r.channel >= 1 && r.channel <= 14) o.Number("channel", r.channel);
        else o.Null("channel");
        o.Number("signal_percent", r.signalPercent)
            .Number("rssi_dbm", r.rssi)
            .String("security", r.security)
            .String("network_type", r.adhoc ? "ad hoc" : "infrastructure");
        out += (i ? "," : "") + o.Text();
    }
    return out + "]}\n";
}

}  // namespace wifictl
