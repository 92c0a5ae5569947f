// Scenario.h - the simulated adapter and the networks in range, and the text form they load from.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nvxsim {

using Mac = std::array<uint8_t, 6>;

enum class Security {
    Open,
    Wep,        // static WEP key
    WpaTkip,    // WPA-PSK, TKIP
    WpaAes,     // WPA-PSK, CCMP
    Wpa2Ccmp,   // WPA2-PSK, CCMP
    WpaMixed,   // WPA and WPA2 PSK, TKIP and CCMP
    WpaEap,     // WPA with 802.1X
    Wpa2Eap,    // WPA2 with 802.1X
    DynamicWep  // 802.1X with WEP (RADIUS)
};

struct Network {
    std::string ssid;
    Mac bssid{};
    uint32_t channel = 6;
    int32_t rssi = -60;  // dBm
    Security security = Security::Open;
    bool adhoc = false;
    uint32_t rateMbps = 54;
    std::string wepKey;      // hexadecimal digits, Security::Wep
    std::string passphrase;  // pre-shared modes
    std::string identity;    // 802.1X modes
    std::string password;    // 802.1X login with password
    std::string certificate; // 802.1X login with a client certificate
};

struct Adapter {
    bool present = true;
    std::string hardwareId = "PCI\\VEN_1E5A&DEV_0002&SUBSYS_00542914&REV_01";
    Mac mac{0x00, 0x1E, 0x5A, 0x4B, 0x20, 0x11};
    std::array<uint16_t, 4> driverVersion{5, 3, 0, 41};
    int32_t noise = -92;  // dBm
};

// An `adapter` line of the timeline: only the keys it gives change.
struct AdapterChange {
    std::optional<bool> present;
    std::optional<std::string> hardwareId;
    std::optional<Mac> mac;
    std::optional<std::array<uint16_t, 4>> driverVersion;
    std::optional<int32_t> noise;
};

// One line of the timeline: `at SECONDS adapter|network|gone ...`.
struct TimedItem {
    enum class Kind { Adapter, Network, Gone };
    uint32_t atMs = 0;  // after the scenario was loaded
    Kind kind = Kind::Adapter;
    AdapterChange adapter;
    Network network;   // adds it, or replaces the network of the same SSID
    std::string ssid;  // Gone: the network of this SSID leaves
};

struct Scenario {
    Adapter adapter;
    std::vector<Network> networks;
    uint32_t associateDelayMs = 800;
    uint32_t scanTimeMs = 1500;
    uint32_t backgroundScanMs = 5000;  // a bound adapter scans by itself this often; 0: never
    uint32_t setDelayMs = 0;           // real time each OID set takes, as a busy driver's does
    std::vector<TimedItem> timeline;   // in time order (file order for equal times)
};

// The environment the simulator starts with when no scenario file is given.
Scenario DefaultScenario();

struct ParseResult {
    bool ok = false;
    Scenario scenario;
    std::string error;  // "line N: ..." when not ok
};

// Strict parser: unknown keywords, bad values and duplicates are errors.
ParseResult ParseScenario(std::string_view text);

const char* SecurityName(Security security);

}  // namespace nvxsim
