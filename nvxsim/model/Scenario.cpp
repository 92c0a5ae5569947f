// Scenario.cpp - the default radio environment and the scenario file parser.
#include "nvxsim/model/Scenario.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

namespace nvxsim {
namespace {

struct SecurityEntry {
    const char* name;
    Security security;
};
constexpr SecurityEntry kSecurities[] = {
    {"open", Security::Open},          {"wep", Security::Wep},           {"wpa-tkip", Security::WpaTkip},
    {"wpa-aes", Security::WpaAes},     {"wpa2-ccmp", Security::Wpa2Ccmp}, {"wpa-mixed", Security::WpaMixed},
    {"wpa-eap", Security::WpaEap},     {"wpa2-eap", Security::Wpa2Eap},  {"8021x-wep", Security::DynamicWep},
};

Network MakeNetwork(const char* ssid, Mac bssid, uint32_t channel, int32_t rssi, Security security) {
    Network n;
    n.ssid = ssid;
    n.bssid = bssid;
    n.channel = channel;
    n.rssi = rssi;
    n.security = security;
    return n;
}

// One line split into its keyword and key=value fields.
struct Line {
    std::string keyword;
    std::map<std::string, std::string> fields;
};

class LineParser {
public:
    explicit LineParser(std::string_view text) : text_(text) {}

    bool Parse(Line& line, std::string& error) {
        SkipBlanks();
        line.keyword = Word();
        while (SkipBlanks(), at_ < text_.size()) {
            std::string key = Word();
            if (key.empty() || at_ >= text_.size() || text_[at_] != '=') {
                error = "expected key=value after '" + line.keyword + "'";
                return false;
            }
            ++at_;
            std::string value;
            if (!Value(value, error)) return false;
            if (!line.fields.emplace(key, value).second) {
                error = "duplicate key '" + key + "'";
                return false;
            }
        }
        return true;
    }

private:
    void SkipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
    }
    std::string Word() {
        size_t start = at_;
        while (at_ < text_.size() && text_[at_] != ' ' && text_[at_] != '\t' && text_[at_] != '=') ++at_;
        return std::string(text_.substr(start, at_ - start));
    }
    bool Value(std::string& value, std::string& error) {
        if (at_ < text_.size() && text_[at_] == '"') {
            for (++at_; at_ < text_.size(); ++at_) {
                char c = text_[at_];
                if (c == '"') {
                    ++at_;
                    if (at_ < text_.size() && text_[at_] != ' ' && text_[at_] != '\t') {
                        error = "text after closing quote";
                        return false;
                    }
                    return true;
                }
                if (c == '\\') {
                    if (++at_ >= text_.size() || (text_[at_] != '"' && text_[at_] != '\\')) {
                        error = "only \\\" and \\\\ may be escaped";
                        return false;
                    }
                    c = text_[at_];
                }
                value.push_back(c);
            }
            error = "unterminated quoted text";
            return false;
        }
        size_t start = at_;
        while (at_ < text_.size() && text_[at_] != ' ' && text_[at_] != '\t') ++at_;
        value = std::string(text_.substr(start, at_ - start));
        if (value.empty()) {
            error = "empty value";
            return false;
        }
        return true;
    }

    std::string_view text_;
    size_t at_ = 0;
};

std::optional<long long> ParseInt(const std::string& text, long long low, long long high) {
    long long v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < low || v > high) return std::nullopt;
    return v;
}

bool ParseMac(const std::string& text, Mac& mac) {
    if (text.size() != 17) return false;
    for (size_t i = 0; i < 6; ++i) {
        if (i > 0 && text[i * 3 - 1] != ':') return false;
        unsigned v = 0;
        auto [end, ec] = std::from_chars(text.data() + i * 3, text.data() + i * 3 + 2, v, 16);
        if (ec != std::errc() || end != text.data() + i * 3 + 2) return false;
        mac[i] = uint8_t(v);
    }
    return true;
}

bool IsHex(const std::string& text) {
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return false;
    return true;
}

// "8", "0.5", "12.25": seconds with at most three decimals, up to a day; in milliseconds.
std::optional<uint32_t> ParseSeconds(std::string_view text) {
    const size_t dot = text.find('.');
    const std::string whole(text.substr(0, dot));
    std::string fraction = dot == std::string_view::npos ? "" : std::string(text.substr(dot + 1));
    if (whole.empty() || fraction.size() > 3 || (dot != std::string_view::npos && fraction.empty())) return std::nullopt;
    const auto seconds = ParseInt(whole, 0, 86400);
    fraction.resize(3, '0');
    const auto ms = ParseInt(fraction, 0, 999);
    if (!seconds || !ms || (*seconds == 86400 && *ms > 0)) return std::nullopt;
    return uint32_t(*seconds * 1000 + *ms);
}

class ScenarioBuilder {
public:
    bool Apply(const Line& line, std::string& error) {
        fields_ = &line.fields;
        bool ok = false;
        if (line.keyword == "adapter") {
            AdapterChange change;
            ok = !sawAdapter_ ? AdapterLine(change, error) : (error = "second 'adapter' line", false);
            if (ok) ApplyChange(change, scenario_.adapter);
            sawAdapter_ = true;
        } else if (line.keyword == "timing") {
            ok = TimingLine(error);
        } else if (line.keyword == "network") {
            Network n;
            ok = NetworkLine(n, error);
            if (ok) scenario_.networks.push_back(n);
        } else if (line.keyword == "gone") {
            error = "'gone' needs a time: at SECONDS gone ssid=...";
            return false;
        } else {
            error = "unknown keyword '" + line.keyword + "'";
            return false;
        }
        return CheckUsed(line, ok, error);
    }

    // `at SECONDS ITEM`: an adapter, network or gone line applied that long after loading.
    bool ApplyTimed(uint32_t atMs, const Line& line, std::string& error) {
        fields_ = &line.fields;
        TimedItem item;
        item.atMs = atMs;
        bool ok = false;
        if (line.keyword == "adapter") {
            item.kind = TimedItem::Kind::Adapter;
            ok = AdapterLine(item.adapter, error);
        } else if (line.keyword == "network") {
            item.kind = TimedItem::Kind::Network;
            ok = NetworkLine(item.network, error);
        } else if (line.keyword == "gone") {
            item.kind = TimedItem::Kind::Gone;
            const std::string* ssid = Get("ssid");
            ok = !ssid ? (error = "gone needs ssid=", false)
                       : ssid->size() > 32 ? (error = "ssid longer than 32 characters", false) : true;
            if (ok) item.ssid = *ssid;
        } else {
            error = "only adapter, network and gone lines can be timed";
            return false;
        }
        if (!CheckUsed(line, ok, error)) return false;
        auto& timeline = scenario_.timeline;
        const auto after = std::upper_bound(timeline.begin(), timeline.end(), atMs,
                                            [](uint32_t at, const TimedItem& t) { return at < t.atMs; });
        timeline.insert(after, item);
        return true;
    }

    Scenario& scenario() { return scenario_; }

private:
    bool CheckUsed(const Line& line, bool ok, std::string& error) {
        if (ok) {
            for (const auto& [key, value] : line.fields)
                if (!used_.count(key)) {
                    error = "unknown key '" + key + "' for '" + line.keyword + "'";
                    return false;
                }
        }
        used_.clear();
        return ok;
    }

    static void ApplyChange(const AdapterChange& c, Adapter& a) {
        if (c.present) a.present = *c.present;
        if (c.hardwareId) a.hardwareId = *c.hardwareId;
        if (c.mac) a.mac = *c.mac;
        if (c.driverVersion) a.driverVersion = *c.driverVersion;
        if (c.noise) a.noise = *c.noise;
    }

    const std::string* Get(const char* key) {
        auto it = fields_->find(key);
        if (it == fields_->end()) return nullptr;
        used_.emplace(key, true);
        return &it->second;
    }
    bool Int(const char* key, long long low, long long high, long long& out, std::string& error) {
        const std::string* v = Get(key);
        if (!v) return true;
        auto n = ParseInt(*v, low, high);
        if (!n) {
            error = std::string(key) + " must be a whole number from " + std::to_string(low) + " to " + std::to_string(high);
            return false;
        }
        out = *n;
        return true;
    }

    bool AdapterLine(AdapterChange& a, std::string& error) {
        if (const std::string* v = Get("present")) {
            if (*v != "yes" && *v != "no") return error = "present must be yes or no", false;
            a.present = *v == "yes";
        }
        if (const std::string* v = Get("hardware-id")) a.hardwareId = *v;
        if (const std::string* v = Get("mac")) {
            Mac mac;
            if (!ParseMac(*v, mac)) return error = "mac must look like 00:11:22:33:44:55", false;
            a.mac = mac;
        }
        if (const std::string* v = Get("driver")) {
            unsigned parts[4];
            int n = 0;
            const char* p = v->data();
            const char* end = v->data() + v->size();
            for (; n < 4; ++n) {
                auto [next, ec] = std::from_chars(p, end, parts[n]);
                if (ec != std::errc() || parts[n] > 65535) break;
                p = next;
                if (n < 3 && (p == end || *p++ != '.')) break;
            }
            if (n != 4 || p != end) return error = "driver must look like 5.3.0.41", false;
            std::array<uint16_t, 4> version{};
            for (int i = 0; i < 4; ++i) version[size_t(i)] = uint16_t(parts[i]);
            a.driverVersion = version;
        }
        if (fields_->count("noise")) {
            long long noise = 0;
            if (!Int("noise", -120, 0, noise, error)) return false;
            a.noise = int32_t(noise);
        }
        return true;
    }

    bool TimingLine(std::string& error) {
        long long associate = scenario_.associateDelayMs, scan = scenario_.scanTimeMs,
                  background = scenario_.backgroundScanMs, set = scenario_.setDelayMs;
        if (!Int("associate-ms", 0, 60000, associate, error) || !Int("scan-ms", 0, 60000, scan, error) ||
            !Int("background-scan-ms", 0, 600000, background, error) || !Int("set-ms", 0, 1000, set, error))
            return false;
        scenario_.associateDelayMs = uint32_t(associate);
        scenario_.scanTimeMs = uint32_t(scan);
        scenario_.backgroundScanMs = uint32_t(background);
        scenario_.setDelayMs = uint32_t(set);
        return true;
    }

    bool NetworkLine(Network& n, std::string& error) {
        const std::string* ssid = Get("ssid");
        if (!ssid) return error = "network needs ssid=", false;
        if (ssid->size() > 32) return error = "ssid longer than 32 characters", false;
        n.ssid = *ssid;
        const std::string* bssid = Get("bssid");
        if (!bssid || !ParseMac(*bssid, n.bssid)) return error = "network needs bssid=00:11:22:33:44:55", false;
        long long channel = n.channel, rssi = n.rssi, rate = n.rateMbps;
        if (!Int("channel", 1, 14, channel, error) || !Int("rssi", -120, 0, rssi, error) ||
            !Int("rate", 1, 600, rate, error))
            return false;
        n.channel = uint32_t(channel);
        n.rssi = int32_t(rssi);
        n.rateMbps = uint32_t(rate);
        if (const std::string* v = Get("mode")) {
            if (*v != "infrastructure" && *v != "adhoc") return error = "mode must be infrastructure or adhoc", false;
            n.adhoc = *v == "adhoc";
        }
        if (const std::string* v = Get("security")) {
            bool known = false;
            for (const auto& s : kSecurities)
                if (*v == s.name) n.security = s.security, known = true;
            if (!known) return error = "unknown security '" + *v + "'", false;
        }
        if (const std::string* v = Get("wep-key")) n.wepKey = *v;
        if (const std::string* v = Get("passphrase")) n.passphrase = *v;
        if (const std::string* v = Get("identity")) n.identity = *v;
        if (const std::string* v = Get("password")) n.password = *v;
        if (const std::string* v = Get("certificate")) n.certificate = *v;
        return CheckCredentials(n, error);
    }

    static bool CheckCredentials(const Network& n, std::string& error) {
        switch (n.security) {
        case Security::Open:
            return true;
        case Security::Wep:
            if ((n.wepKey.size() != 10 && n.wepKey.size() != 26) || !IsHex(n.wepKey))
                return error = "wep needs wep-key= of 10 or 26 hexadecimal digits", false;
            return true;
        case Security::WpaTkip:
        case Security::WpaAes:
        case Security::Wpa2Ccmp:
        case Security::WpaMixed:
            if (n.passphrase.size() < 8 || n.passphrase.size() > 63)
                return error = "pre-shared key modes need passphrase= of 8 to 63 characters", false;
            return true;
        case Security::WpaEap:
        case Security::Wpa2Eap:
        case Security::DynamicWep:
            if (n.identity.empty() || (n.password.empty() == n.certificate.empty()))
                return error = "802.1X modes need identity= and either password= or certificate=", false;
            return true;
        }
        return false;
    }

    Scenario scenario_;
    const std::map<std::string, std::string>* fields_ = nullptr;
    std::map<std::string, bool> used_;
    bool sawAdapter_ = false;
};

}  // namespace

const char* SecurityName(Security security) {
    for (const auto& s : kSecurities)
        if (s.security == security) return s.name;
    return "?";
}

Scenario DefaultScenario() {
    Scenario s;
    Network home = MakeNetwork("Velmora-Home", {0x00, 0x14, 0x6C, 0xA1, 0x22, 0x33}, 6, -48, Security::Wpa2Ccmp);
    home.passphrase = "lantern-orchard-42";
    Network office = MakeNetwork("Harbour Office", {0x00, 0x1B, 0x2F, 0x10, 0x44, 0x01}, 1, -63, Security::WpaTkip);
    office.passphrase = "tidewater2006";
    office.rateMbps = 11;
    Network legacy = MakeNetwork("OldMill", {0x00, 0x0F, 0x66, 0x3C, 0x9A, 0x10}, 11, -71, Security::Wep);
    legacy.wepKey = "0A1B2C3D4E";
    Network cafe = MakeNetwork("Corner Cafe", {0x00, 0x13, 0x10, 0x55, 0x66, 0x77}, 3, -66, Security::Open);
    Network campus = MakeNetwork("Campus-Secure", {0x00, 0x17, 0x0F, 0x21, 0x31, 0x41}, 9, -59, Security::Wpa2Eap);
    campus.identity = "student";
    campus.password = "exam-season";
    Network hidden = MakeNetwork("", {0x00, 0x1D, 0x7E, 0x01, 0x02, 0x03}, 4, -80, Security::WpaMixed);
    hidden.passphrase = "quiet-corner-9";
    Network far = MakeNetwork("Lighthouse", {0x00, 0x21, 0x91, 0xAB, 0xCD, 0xEF}, 14, -86, Security::WpaAes);
    far.passphrase = "beam-across-bay";
    Network cell = MakeNetwork("PartyLine", {0x02, 0x3A, 0x11, 0x22, 0x33, 0x44}, 2, -70, Security::Open);
    cell.adhoc = true;
    cell.rateMbps = 11;
    // The rest of the street: every security kind and every channel has a network, from next door
    // to barely heard.
    Network library = MakeNetwork("Riverside Library", {0x00, 0x0B, 0x86, 0x30, 0x11, 0x05}, 5, -74, Security::WpaEap);
    library.identity = "reader";
    library.password = "quiet-please";
    Network bakery = MakeNetwork("Bakery Guest", {0x00, 0x18, 0x39, 0x7A, 0x01, 0x07}, 7, -42, Security::Open);
    Network kiosk = MakeNetwork("Station Kiosk", {0x00, 0x40, 0x96, 0x12, 0x34, 0x08}, 8, -83, Security::DynamicWep);
    kiosk.identity = "kiosk";
    kiosk.password = "ticket-to-ride";
    kiosk.rateMbps = 11;
    Network atelier = MakeNetwork("Atelier Nord", {0x00, 0x1F, 0x33, 0xC4, 0x5D, 0x0A}, 10, -55, Security::Wpa2Ccmp);
    atelier.passphrase = "linen-and-clay";
    Network ferry = MakeNetwork("Ferry Terminal", {0x00, 0x0C, 0x41, 0x9E, 0x77, 0x0C}, 12, -93, Security::Wep);
    ferry.wepKey = "6B1F2E3D4C5B6A79881726354A";
    Network mesh = MakeNetwork("Hilltop Mesh", {0x00, 0x22, 0x6B, 0x55, 0x0D, 0x0D}, 13, -77, Security::WpaMixed);
    mesh.passphrase = "over-the-ridge";
    s.networks = {home, office, legacy, cafe, campus, hidden, far, cell, library, bakery, kiosk, atelier, ferry, mesh};
    return s;
}

ParseResult ParseScenario(std::string_view text) {
    ParseResult result;
    ScenarioBuilder builder;
    builder.scenario().networks.clear();
    size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        size_t first = raw.find_first_not_of(" \t");
        if (first == std::string_view::npos || raw[first] == '#') continue;
        Line line;
        std::string error;
        bool ok;
        if (const std::string_view rest = raw.substr(first); rest.substr(0, 3) == "at " || rest.substr(0, 3) == "at\t") {
            // at SECONDS ITEM
            std::string_view tail = rest.substr(3);
            const size_t start = tail.find_first_not_of(" \t");
            tail = start == std::string_view::npos ? std::string_view() : tail.substr(start);
            const size_t end = tail.find_first_of(" \t");
            const auto atMs = ParseSeconds(tail.substr(0, end));
            if (!atMs) {
                error = "at needs seconds (0 to 86400, at most three decimals) and an item";
                ok = false;
            } else {
                ok = LineParser(end == std::string_view::npos ? std::string_view() : tail.substr(end)).Parse(line, error) &&
                     builder.ApplyTimed(*atMs, line, error);
            }
        } else {
            ok = LineParser(raw).Parse(line, error) && builder.Apply(line, error);
        }
        if (!ok) {
            result.error = "line " + std::to_string(lineNumber) + ": " + error;
            return result;
        }
    }
    result.ok = true;
    result.scenario = builder.scenario();
    return result;
}

}  // namespace nvxsim
