// EditorMadeProfiles.h - one profile of each security kind made as the editor's pages make it, with the
// `wifictl add` arguments and secret that should make the same record.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "adapter/wifiapi.h"
#include "monitor/editor/portable/EnterpriseLogin.h"
#include "monitor/editor/portable/IpSettings.h"
#include "monitor/editor/portable/NetworkSettings.h"
#include "monitor/editor/portable/NewProfile.h"
#include "monitor/editor/portable/Passphrases.h"
#include "monitor/editor/portable/ProfileClearing.h"
#include "monitor/editor/portable/SecurityModes.h"
#include "monitor/editor/portable/WepKeys.h"

namespace editor_made {

struct AddCase {
    const char* what;
    std::vector<std::string> args;  // after "add"
    std::string secret;             // the line on standard input; empty when none is asked for
    std::function<WLAN_PROFILE()> made;
};

// The pages in their order: the IP settings page is left on DHCP unless `ip` is given.
inline WLAN_PROFILE Start(const char* name, const char* ssid, bool infrastructure = true) {
    WLAN_PROFILE p{};
    editor::NewProfile(p, name);
    editor::SetInfrastructure(p, infrastructure);
    editor::SetSsid(p, ssid);
    return p;
}

inline void ChooseSecurity(WLAN_PROFILE& p, size_t index) {
    editor::OpenSecurityIndex(p);
    editor::SelectSecurityIndex(p, index);
}

inline std::vector<AddCase> Cases() {
    using editor::AddressFromOctets;
    return {
        {"open, infrastructure",
         {"Cafe", "--ssid", "Corner Cafe"},
         "",
         [] {
             WLAN_PROFILE p = Start("Cafe", "Corner Cafe");
             ChooseSecurity(p, 0);
             editor::ClearForSave(p);
             return p;
         }},
        {"open, ad hoc with static addresses and the class mask",
         {"Party", "--mode", "adhoc", "--channel", "2", "--network-mode", "g-only", "--ip", "10.0.0.5", "--gateway",
          "10.0.0.1", "--dns", "10.0.0.53", "--dns", "8.8.8.8"},
         "",
         [] {
             WLAN_PROFILE p{};
             editor::NewProfile(p, "Party");
             p.DhcpEnabled = 0;
             p.IpAddr = AddressFromOctets(10, 0, 0, 5);
             p.IpMask = *editor::DefaultMask(10);
             p.IpGate = AddressFromOctets(10, 0, 0, 1);
             p.IpDns1 = AddressFromOctets(10, 0, 0, 53);
             p.IpDns2 = AddressFromOctets(8, 8, 8, 8);
             editor::SetInfrastructure(p, false);
             editor::SelectChannelIndex(p, 1);
             editor::SelectNetworkModeIndex(p, 1);
             ChooseSecurity(p, 0);
             editor::ClearForSave(p);
             return p;
         }},
        {"WEP 64 bits, a typed key as transmit key 3, shared key",
         {"Mill", "--ssid", "OldMill", "--security", "wep", "--hex-key", "--key-index", "3", "--auth", "shared"},
         "0a1b2c3d4e",
         [] {
             WLAN_PROFILE p = Start("Mill", "OldMill");
             ChooseSecurity(p, 1);
             editor::OpenWepPage(p);
             editor::ChangeTransmitKey(p, 2, "");
             p.AuthentMode = 1;
             editor::StoreWepKeyText(p, "0A:1B:2C:3D:4E");
             p.IsKeyHexed = 1;
             editor::ClearForSave(p);
             return p;
         }},
        {"WEP 128 bits from a passphrase, auto",
         {"Mill128", "--ssid", "OldMill", "--security", "wep", "--wep-bits", "128", "--auth", "auto"},
         "velmora-wep",
         [] {
             WLAN_PROFILE p = Start("Mill128", "OldMill");
             ChooseSecurity(p, 1);
             editor::OpenWepPage(p);
             editor::ChangeWepKeyLength(p, editor::Wep128);
             p.AuthentMode = 2;
             editor::ApplyWepPassphrase(p, "velmora-wep");
             p.IsKeyHexed = 1;
             editor::ClearForSave(p);
             return p;
         }},
        {"WEP 64 bits from a passphrase, ad hoc",
         {"Cell", "--mode", "adhoc", "--security", "wep"},
         "party",
         [] {
             WLAN_PROFILE p = Start("Cell", "Cell", false);
             ChooseSecurity(p, 1);
             editor::OpenWepPage(p);
             editor::ApplyWepPassphrase(p, "party");
             p.IsKeyHexed = 1;
             editor::ClearForSave(p);
             return p;
         }},
        {"WPA-Personal TKIP",
         {"Harbour", "--ssid", "Harbour Office", "--security", "wpa"},
         "lantern-orchard-42",
         [] {
             WLAN_PROFILE p = Start("Harbour", "Harbour Office");
             ChooseSecurity(p, 2);
             p.EncryptionLevel = 5;
             editor::StoreWpaPassphrase(p, "lantern-orchard-42");
             editor::ClearForSave(p);
             return p;
         }},
        {"WPA-Personal AES",
         {"Harbour AES", "--ssid", "Harbour Office", "--security", "wpa", "--cipher", "aes"},
         "lantern orchard 42!",
         [] {
             WLAN_PROFILE p = Start("Harbour AES", "Harbour Office");
             ChooseSecurity(p, 2);
             p.EncryptionLevel = 6;
             editor::StoreWpaPassphrase(p, "lantern orchard 42!");
             editor::ClearForSave(p);
             return p;
         }},
        {"WPA2-Personal",
         {"Home", "--ssid", "Velmora-Home", "--security", "wpa2"},
         "lantern-orchard-42",
         [] {
             WLAN_PROFILE p = Start("Home", "Velmora-Home");
             ChooseSecurity(p, 3);
             editor::StoreWpaPassphrase(p, "lantern-orchard-42");
             editor::ClearForSave(p);
             return p;
         }},
        {"WPA-Enterprise EAP-TLS, AES",
         {"Lab", "--security", "wpa-enterprise", "--cipher", "aes", "--login", "robot", "--certificate", "Robot Cert"},
         "",
         [] {
             WLAN_PROFILE p = Start("Lab", "Lab");
             ChooseSecurity(p, 4);
             editor::StoreEnterpriseLogin(p, {editor::EapMethod::Tls, "robot", "", "", "Robot Cert", true}, true);
             editor::ClearForSave(p);
             return p;
         }},
        {"WPA-Enterprise PEAP, trusting any server",
         {"Campus", "--ssid", "Campus-Secure", "--security", "wpa-enterprise", "--eap", "peap", "--login", "student",
          "--server", "radius.campus"},
         "exam-season",
         [] {
             WLAN_PROFILE p = Start("Campus", "Campus-Secure");
             ChooseSecurity(p, 4);
             editor::StoreEnterpriseLogin(
                 p, {editor::EapMethod::Peap, "student", "exam-season", "radius.campus", editor::TrustAny, false}, true);
             editor::ClearForSave(p);
             return p;
         }},
        {"RADIUS PEAP with a server certificate",
         {"Dorm", "--security", "radius", "--eap", "peap", "--login", "student", "--certificate", "Campus CA"},
         "exam-season",
         [] {
             WLAN_PROFILE p = Start("Dorm", "Dorm");
             ChooseSecurity(p, 5);
             editor::StoreEnterpriseLogin(p, {editor::EapMethod::Peap, "student", "exam-season", "", "Campus CA", false},
                                          false);
             editor::ClearForSave(p);
             return p;
         }},
        {"RADIUS EAP-TLS",
         {"Dorm TLS", "--ssid", "Dorm", "--security", "radius", "--certificate", "Student Cert", "--server", "radius"},
         "",
         [] {
             WLAN_PROFILE p = Start("Dorm TLS", "Dorm");
             ChooseSecurity(p, 5);
             editor::StoreEnterpriseLogin(p, {editor::EapMethod::Tls, "", "", "radius", "Student Cert", false}, false);
             editor::ClearForSave(p);
             return p;
         }},
    };
}

}  // namespace editor_made
