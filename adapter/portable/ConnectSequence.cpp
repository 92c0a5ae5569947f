// ConnectSequence.cpp - see ConnectSequence.h.
#include "adapter/portable/ConnectSequence.h"

#include <algorithm>
#include <cstring>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/ProfileKinds.h"
#include "adapter/portable/RadioUnits.h"

namespace connect {
namespace {

using profile::Security;

constexpr size_t MaxSsid = 32;

// Offsets of the 802.1X credentials record.
constexpr size_t CredMethod = 4;
constexpr size_t CredIdentity = 8;
constexpr size_t CredIdentityWidth = 129;
constexpr size_t CredSecret = 137;
constexpr size_t CredSecretWidth = 131;
constexpr size_t CredInnerMethod = 268;

struct SecurityOids {
    bool credentials;
    uint32_t authMode;
    uint32_t encryption;
};

SecurityOids ForSecurityMode(const WLAN_PROFILE& p) {
    // WPA modes get the key-absent states: the driver enables them once it has keys.
    const uint32_t wpaEncryption =
        profile::LevelOf(p) == profile::Level::Tkip ? ndis::EncTkipKeyAbsent : ndis::EncAesKeyAbsent;
    switch (profile::SecurityOf(p)) {
    case Security::WpaPersonal: return {true, ndis::AuthWpaPsk, wpaEncryption};
    case Security::WpaEnterprise: return {true, ndis::AuthWpa, wpaEncryption};
    case Security::Wpa2Personal: return {true, ndis::AuthWpa2Psk, wpaEncryption};
    case Security::Wpa2Enterprise: return {true, ndis::AuthWpa2, wpaEncryption};
    case Security::Radius: return {true, ndis::AuthOpen, ndis::EncWepEnabled};
    case Security::Disabled:
    case Security::Wep: break;
    }
    return {false, ndis::AuthOpen, ndis::EncDisabled};
}

bool LogsInBy8021x(const WLAN_PROFILE& p) {
    const profile::SecurityKind* kind = profile::FindKind(p.SecurityMode);
    return kind && kind->dot1x;
}

uint32_t WepAuthenticationMode(const WLAN_PROFILE& p) {
    switch (profile::WepAuthOf(p)) {
    case profile::WepAuth::Open: return ndis::AuthOpen;
    case profile::WepAuth::Shared: return ndis::AuthShared;
    case profile::WepAuth::Auto: return ndis::AuthAuto;
    }
    return ndis::AuthOpen;
}

std::vector<uint8_t> U32Data(uint32_t value) {
    std::vector<uint8_t> data(4);
    StoreU32(data.data(), value);
    return data;
}

Step SetU32(uint32_t oid, uint32_t value) { return Step{Step::Kind::Set, oid, U32Data(value), 0}; }

template <size_t N>
Step SetRecord(uint32_t oid, const std::array<uint8_t, N>& record) {
    return Step{Step::Kind::Set, oid, std::vector<uint8_t>(record.begin(), record.end()), 0};
}

void CopyText(uint8_t* to, size_t width, const char* text, size_t textWidth) {
    const size_t n = std::min(BoundedLength(text, textWidth), width - 1);  // keep its NUL
    std::memcpy(to, text, n);
}

uint8_t HexDigitValue(char c) {
    // As the key texts have always been read: anything not a digit counts from 'A' = 10.
    return c >= '0' && c <= '9' ? uint8_t(c - '0') : uint8_t(uint8_t(c) - 55);
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

}  // namespace

std::array<uint8_t, sizeof(ndis::Ssid)> SsidRecord(const char* text, size_t length) {
    std::array<uint8_t, sizeof(ndis::Ssid)> record{};
    length = std::min(length, MaxSsid);
    StoreU32(record.data(), uint32_t(length));
    std::memcpy(record.data() + 4, text, length);
    return record;
}

std::array<uint8_t, CredentialsSize> CredentialsRecord(const WLAN_PROFILE& p) {
    std::array<uint8_t, CredentialsSize> record{};
    StoreU32(record.data(), uint32_t(CredentialsSize));
    if (!LogsInBy8021x(p)) {
        CopyText(record.data() + 4, CredentialsSize - 4, p.PassPhrase, sizeof p.PassPhrase);
        return record;
    }
    // The record numbers the methods as EntAuthenType and InnerAuthen do.
    using profile::EapMethod, profile::InnerMethod;
    CopyText(record.data() + CredIdentity, CredIdentityWidth, p.LoginName, sizeof p.LoginName);
    switch (profile::EapMethodOf(p)) {
    case EapMethod::Peap: {
        StoreU32(record.data() + CredMethod, profile::Stored(EapMethod::Peap));
        CopyText(record.data() + CredSecret, CredSecretWidth, p.LoginPassword, sizeof p.LoginPassword);
        const bool asNew = profile::InnerMethodOf(p) == InnerMethod::NewProfile;
        const InnerMethod inner = asNew ? InnerMethod::NewProfile : InnerMethod::MsChapV2;
        StoreU32(record.data() + CredInnerMethod, profile::Stored(inner));
        break;
    }
    case EapMethod::Tls:
        StoreU32(record.data() + CredMethod, profile::Stored(EapMethod::Tls));
        CopyText(record.data() + CredSecret, CredSecretWidth, p.UserCertHash, sizeof p.UserCertHash);
        break;
    case EapMethod::None:
        break;  // and any other number: method 0 and no secret
    }
    return record;
}

std::array<uint8_t, sizeof(ndis::WepKey27)> WepKeyRecord(const WLAN_PROFILE& p, uint32_t keyIndex) {
    std::array<uint8_t, sizeof(ndis::WepKey27)> record{};
    const uint32_t keyLength = uint32_t(profile::WepKeyBytes(profile::LevelOf(p)));
    StoreU32(record.data(), uint32_t(record.size()));
    StoreU32(record.data() + 4, ndis::WepTransmitKey | keyIndex);
    StoreU32(record.data() + 8, keyLength);
    uint8_t* material = record.data() + ndis::WepKeyHeaderSize;
    const char* text = p.WEPKey[keyIndex & 3];
    const size_t textLength = BoundedLength(text, sizeof p.WEPKey[0]);
    if (p.IsKeyHexed) {
        // Two digits per byte, first digit high; a last odd digit is dropped. The
        // zero byte after the key is already there from the clearing.
        for (size_t i = 0; i + 1 < textLength; i += 2)
            *material++ = uint8_t(HexDigitValue(Upper(text[i])) << 4 | HexDigitValue(Upper(text[i + 1])));
    } else {
        std::memcpy(material, text, std::min<size_t>(textLength, keyLength));
    }
    return record;
}

std::array<uint8_t, ConfigurationSize> ChannelConfiguration(const uint8_t* driverReply, uint32_t dsConfigKhz) {
    std::array<uint8_t, ConfigurationSize> record{};
    std::memcpy(record.data(), driverReply, record.size());
    StoreU32(record.data() + offsetof(ndis::Configuration, DSConfig), dsConfigKhz);
    if (LoadU32(record.data() + offsetof(ndis::Configuration, BeaconPeriod)) == 0)
        StoreU32(record.data() + offsetof(ndis::Configuration, BeaconPeriod), 100);
    return record;
}

std::vector<Step> ConnectSteps(const WLAN_PROFILE& p) {
    std::vector<Step> steps;
    const size_t ssidLength = BoundedLength(p.SSID, sizeof p.SSID);
    if (ssidLength == 0 || ssidLength > MaxSsid) return steps;
    // The engine has no authentication mode for an unknown security mode; it
    // leaves the adapter alone rather than connect with the previous settings.
    if (!profile::IsKnown(profile::SecurityOf(p))) return steps;

    // Values the monitor never writes are treated as infrastructure.
    const bool adhoc = profile::IsAdhoc(p);
    steps.push_back(SetU32(oid::InfrastructureMode, adhoc ? ndis::ModeIbss : ndis::ModeInfrastructure));
    if (profile::AssociationOf(p) == profile::Association::AdhocOnChannel)
        steps.push_back(Step{Step::Kind::Channel, oid::Configuration, {}, radio::KhzFromChannel(p.Channel)});

    const SecurityOids security = ForSecurityMode(p);
    if (security.credentials) {
        const auto record = CredentialsRecord(p);
        steps.push_back(Step{Step::Kind::Credentials, 0, std::vector<uint8_t>(record.begin(), record.end()), 0});
    }

    switch (profile::SecurityOf(p)) {
    case Security::Disabled:
        steps.push_back(SetU32(oid::AuthenticationMode, ndis::AuthOpen));
        steps.push_back(SetU32(oid::EncryptionStatus, ndis::EncDisabled));
        for (uint32_t i = 0; i < 4; ++i) steps.push_back(SetU32(oid::RemoveWep, i));
        break;
    case Security::Wep:
        // Only the transmit key goes to the driver; the other indexes are removed.
        steps.push_back(SetU32(oid::AuthenticationMode, WepAuthenticationMode(p)));
        for (uint32_t i = 0; i < 4; ++i)
            steps.push_back(i == p.DefaultKeyId ? SetRecord(oid::AddWep, WepKeyRecord(p, i)) : SetU32(oid::RemoveWep, i));
        steps.push_back(SetU32(oid::EncryptionStatus, ndis::EncWepEnabled));
        break;
    case Security::WpaPersonal:
    case Security::WpaEnterprise:
    case Security::Wpa2Personal:
    case Security::Wpa2Enterprise:
    case Security::Radius:
        steps.push_back(SetU32(oid::AuthenticationMode, security.authMode));
        steps.push_back(SetU32(oid::EncryptionStatus, security.encryption));
        break;
    }

    // Last: setting the SSID starts the association.
    steps.push_back(SetRecord(oid::Ssid, SsidRecord(p.SSID, ssidLength)));
    return steps;
}

}  // namespace connect
