// ProfileKinds.h - what the numbers in a WLAN_PROFILE's coded fields mean, named once: the security
// kinds with their stored numbers and names, the association, EncryptionLevel, the 802.1X methods,
// WEP authentication and the network mode.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "adapter/wifiapi.h"

namespace profile {

// The record keeps these fields as u32, as its fixed layout has them: read one with its ...Of,
// write one with Stored. A stored profile may hold a number no enumerator names, so switch over
// the enum without a default (a kind left out fails the build) and take such numbers after it.

// SecurityMode.
enum class Security : uint32_t {
    Disabled = 0,
    Wep = 1,
    WpaPersonal = 2,
    WpaEnterprise = 3,
    Wpa2Personal = 4,
    Wpa2Enterprise = 5,  // WPA2 with 802.1X: the engine connects with it, no page or command makes it
    Radius = 6,          // 802.1X with WEP
};

// AssociationMode.
enum class Association : uint32_t {
    AdhocJoin = 0,  // join the ad hoc cell in range
    Infrastructure = 1,
    AdhocOnChannel = 2,  // join the cell, or start it on Channel
};

// EncryptionLevel: WEP's key length or the WPA cipher. Readers take the other numbers as they
// always have: the engine any level but Wep64 as 128 bits and any but Tkip as AES, the editor's
// cipher lists any but Aes as TKIP.
enum class Level : uint32_t {
    Unset = 0,  // a new profile's; Save writes it for Disabled, WPA2-Personal and RADIUS
    Wep64 = 1,
    Wep128 = 2,
    Tkip = 5,
    Aes = 6,
};

// EntAuthenType: the 802.1X method.
enum class EapMethod : uint32_t { None = 0, Peap = 1, Tls = 2 };

// InnerAuthen: PEAP's inner method.
enum class InnerMethod : uint32_t {
    None = 0,
    NewProfile = 3,  // a new profile's; the engine passes it on as it is
    MsChapV2 = 4,    // what the pages set
};

// AuthentMode, WEP only.
enum class WepAuth : uint32_t { Open = 0, Shared = 1, Auto = 2 };

// NetworkMode: the ad hoc settings' choice, stored only.
enum class NetworkMode : uint32_t { Mixed = 0, GOnly = 1 };

template <typename Value>
    requires std::is_enum_v<Value>
constexpr uint32_t Stored(Value value) {
    return static_cast<uint32_t>(value);
}

constexpr Security SecurityOf(const WLAN_PROFILE& p) { return Security(p.SecurityMode); }
constexpr Association AssociationOf(const WLAN_PROFILE& p) { return Association(p.AssociationMode); }
constexpr Level LevelOf(const WLAN_PROFILE& p) { return Level(p.EncryptionLevel); }
constexpr EapMethod EapMethodOf(const WLAN_PROFILE& p) { return EapMethod(p.EntAuthenType); }
constexpr InnerMethod InnerMethodOf(const WLAN_PROFILE& p) { return InnerMethod(p.InnerAuthen); }
constexpr WepAuth WepAuthOf(const WLAN_PROFILE& p) { return WepAuth(p.AuthentMode); }
constexpr NetworkMode NetworkModeOf(const WLAN_PROFILE& p) { return NetworkMode(p.NetworkMode); }

// Both ad hoc modes; every other number connects as infrastructure.
constexpr bool IsAdhoc(Association association) {
    return association == Association::AdhocJoin || association == Association::AdhocOnChannel;
}
constexpr bool IsAdhoc(const WLAN_PROFILE& p) { return IsAdhoc(AssociationOf(p)); }

// A WEP key of Wep64 has 5 bytes; of any other level 13.
constexpr size_t WepKeyBytes(Level level) { return level == Level::Wep64 ? 5 : 13; }

// What EncryptionLevel says for a security kind.
enum class LevelUse { None, WepKeyLength, Cipher };

struct SecurityKind {
    Security security;
    const char* name;  // as the editor's list, its summary and the key dialogs show it
    const char* word;  // `wifictl add --security`; null for the kind no command makes
    LevelUse level;
    bool dot1x;  // logs in by 802.1X: EntAuthenType, LoginName and the rest
};

// The one table of the security kinds, in the order of their numbers.
inline constexpr SecurityKind SecurityKinds[] = {
    {Security::Disabled, "Disabled", "open", LevelUse::None, false},
    {Security::Wep, "WEP", "wep", LevelUse::WepKeyLength, false},
    {Security::WpaPersonal, "WPA-Personal", "wpa", LevelUse::Cipher, false},
    {Security::WpaEnterprise, "WPA-Enterprise", "wpa-enterprise", LevelUse::Cipher, true},
    {Security::Wpa2Personal, "WPA2-Personal", "wpa2", LevelUse::Cipher, false},
    {Security::Wpa2Enterprise, "WPA2-Enterprise", nullptr, LevelUse::Cipher, true},
    {Security::Radius, "RADIUS", "radius", LevelUse::None, true},
};

// Whether a SecurityMode is one of the kinds (a number of a newer or foreign profile is not).
constexpr bool IsKnown(Security security) {
    switch (security) {
    case Security::Disabled:
    case Security::Wep:
    case Security::WpaPersonal:
    case Security::WpaEnterprise:
    case Security::Wpa2Personal:
    case Security::Wpa2Enterprise:
    case Security::Radius:
        return true;
    }
    return false;
}

// The kind of a SecurityMode; null for a number no kind has.
constexpr const SecurityKind* FindKind(Security security) {
    for (const SecurityKind& kind : SecurityKinds)
        if (kind.security == security) return &kind;
    return nullptr;
}
constexpr const SecurityKind* FindKind(uint32_t securityMode) { return FindKind(Security(securityMode)); }

// The kind `wifictl add --security` names; null for any other word.
const SecurityKind* FindKindByWord(std::string_view word);

// The kind's name; empty for a number no kind has.
constexpr const char* NameOf(Security security) {
    for (const SecurityKind& kind : SecurityKinds)
        if (kind.security == security) return kind.name;
    return "";
}

// Texts the pages, the key dialogs, the summaries and wifictl share.
inline constexpr const char* TkipText = "TKIP";
inline constexpr const char* AesText = "AES";
inline constexpr const char* PeapText = "PEAP";
inline constexpr const char* EapTlsText = "EAP-TLS";
// "Open System", "Shared Key", "Auto"; any other number "Open System", as the engine takes it.
const char* WepAuthText(WepAuth auth);

}  // namespace profile
