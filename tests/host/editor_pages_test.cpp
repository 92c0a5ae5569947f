// The editor pages' own rules: the available networks security column, the message when the
// registry refuses a profile, certificate names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "adapter/portable/ScanList.h"
#include "monitor/editor/portable/AvailableNetworks.h"
#include "monitor/editor/portable/CertificateNames.h"
#include "monitor/editor/portable/ProfileNotSaved.h"
#include "tests/support/BssidListBuilder.h"

using namespace bssid_list;

namespace {

constexpr uint8_t Tkip = 2, Ccmp = 4, Dot1x = 1, Psk = 2;

EntrySpec Network(const std::string& ssid, uint32_t privacy, const Bytes& security, uint32_t mode = 1) {
    EntrySpec s;
    s.ssid = ssid;
    s.privacy = privacy;
    s.infrastructureMode = mode;
    s.khz = 2462000;  // channel 11
    s.elements = BeaconElements(ssid, 11);
    s.elements.insert(s.elements.end(), security.begin(), security.end());
    return s;
}

}  // namespace

TEST(EditorAvailableNetworks, SecurityColumnAndWpa2OnlyByWhatTheNetworkAnnounces) {
    Bytes both = WpaElement({Tkip}, {Psk});
    const Bytes rsn = RsnElement({Ccmp}, {Psk});
    both.insert(both.end(), rsn.begin(), rsn.end());
    Bytes cut = RsnElement({Ccmp}, {Psk});
    cut.resize(cut.size() - 3);  // its length says more than the entry holds
    struct Case {
        const char* name;
        EntrySpec network;
        const char* shown;
        bool wpa2Only;
    } cases[] = {
        {"open", Network("Corner Cafe", 0, {}), "No", false},
        {"privacy only", Network("OldMill", 1, {}), "WEP", false},
        {"wpa tkip", Network("Harbour", 1, WpaElement({Tkip}, {Psk})), "WPA", false},
        {"wpa aes", Network("Velmora-Home", 1, WpaElement({Ccmp}, {Psk})), "WPA", false},
        {"rsn only", Network("Home-2", 1, rsn), "WPA", true},
        {"rsn 802.1x", Network("Campus", 1, RsnElement({Ccmp}, {Dot1x})), "WPA", true},
        {"wpa and rsn", Network("Mixed", 1, both), "WPA", false},
        {"rsn cut short", Network("Cut", 1, cut), "WEP", false},
        {"elements without privacy", Network("Odd", 0, WpaElement({Tkip}, {Psk})), "No", false},
        {"ad hoc wep", Network("Garage", 1, {}, 0), "WEP", false},
    };
    for (const Case& c : cases) {
        const Bytes list = List({Entry(c.network)});
        const scan::ScanList networks(list.data(), list.size());
        ASSERT_NE(networks.begin(), networks.end()) << c.name;
        EXPECT_EQ(editor::NetworkSecurityText(*networks.begin()), c.shown) << c.name;
        EXPECT_EQ(editor::AnnouncesWpa2Only(*networks.begin()), c.wpa2Only) << c.name;
    }
}

TEST(EditorProfileNotSaved, MessageNamesTheError) {
    struct Case {
        int32_t code;
        const char* systemText;
        const char* message;
    } cases[] = {
        {123, "The filename, directory name, or volume label syntax is incorrect.\r\n",
         "The profile could not be saved: the registry reported error 123 (The filename, directory name, or volume "
         "label syntax is incorrect)."},
        {5, "Access is denied. ", "The profile could not be saved: the registry reported error 5 (Access is denied)."},
        {1018, "", "The profile could not be saved: the registry reported error 1018."},
    };
    for (const Case& c : cases) EXPECT_EQ(editor::ProfileNotSavedMessage(c.code, c.systemText), c.message) << c.code;
}

TEST(EditorCertificates, ListedByCommonNameElseFriendlyName) {
    struct Case {
        const char* commonName;
        const char* friendlyName;
        const char* shown;  // empty: not listed
    } cases[] = {
        {"Alice Client", "Alice's laptop", "Alice Client"},
        {"", "Alice's laptop", "Alice's laptop"},
        {"Alice Client", "", "Alice Client"},
        {"", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(editor::CertificateDisplayName(c.commonName, c.friendlyName), c.shown) << c.commonName << "/" << c.friendlyName;
}
