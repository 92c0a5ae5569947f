// ProfileLayout.cpp - the profile value table and the bounded copy of stored values.
#include "adapter/portable/ProfileLayout.h"

#include <cstring>

#include "adapter/portable/Bytes.h"

namespace profile {
namespace {

#define TEXT(field) {#field, ValueKind::Text, offsetof(WLAN_PROFILE, field), sizeof(WLAN_PROFILE::field), false}
#define DWORD(field) {#field, ValueKind::Dword, offsetof(WLAN_PROFILE, field), 4, false}
#define DWORD_AS_TEXT(field) {#field, ValueKind::DwordAsText, offsetof(WLAN_PROFILE, field), 4, false}
#define STATIC_DWORD(field) {#field, ValueKind::Dword, offsetof(WLAN_PROFILE, field), 4, true}
#define WEPKEY(i) {"WEPKey" #i, ValueKind::Text, offsetof(WLAN_PROFILE, WEPKey) + 27 * i, 27, false}

constexpr ValueSpec kValues[] = {
    TEXT(SSID),
    DWORD(AssociationMode),
    DWORD(TxRate),
    DWORD(Channel),
    DWORD(SecurityMode),
    DWORD(AuthentMode),
    DWORD(EntAuthenType),
    DWORD(InnerAuthen),
    DWORD(EncryptionLevel),
    DWORD(DefaultKeyId),
    WEPKEY(0),
    WEPKEY(1),
    WEPKEY(2),
    WEPKEY(3),
    TEXT(PassPhrase),
    DWORD(IsPassPhrase),
    DWORD(IsKeyHexed),
    DWORD(PSMode),
    DWORD(PreambleMode),
    DWORD(GMode),
    DWORD(BurstingMode),
    DWORD(FragThreshold),
    DWORD(RTSThreshold),
    TEXT(ProfileID),
    TEXT(LoginName),
    TEXT(LoginPassword),
    TEXT(UserCertHash),
    TEXT(ServerName),
    DWORD_AS_TEXT(ValidateServerCert),
    DWORD_AS_TEXT(AuthMethod),
    DWORD_AS_TEXT(TTLSProtocol),
    DWORD_AS_TEXT(TTLSEap),
    DWORD_AS_TEXT(PeapEap),
    DWORD(DhcpEnabled),
    STATIC_DWORD(IpAddr),
    STATIC_DWORD(IpMask),
    STATIC_DWORD(IpGate),
    STATIC_DWORD(IpDns1),
    STATIC_DWORD(IpDns2),
    DWORD(NetworkMode),
};

#undef TEXT
#undef DWORD
#undef DWORD_AS_TEXT
#undef STATIC_DWORD
#undef WEPKEY

}  // namespace

std::span<const ValueSpec> Values() { return kValues; }

std::string SubkeyPath(std::string_view name) { return std::string(KeyPath) + "\\" + std::string(name); }

bool IsValidName(const char* name, size_t width) {
    if (name == nullptr) return false;
    const size_t length = BoundedLength(name, width);
    if (length == 0 || length == width) return false;
    return std::memchr(name, '\\', length) == nullptr;
}

bool IsCreatableName(std::string_view name) {
    if (name.empty() || name.size() >= NameWidth) return false;
    // "." and ".." may read as the key itself and its parent where a key path is parsed (the
    // Profiles page's import refuses them); any trailing dot goes with them.
    if (name.back() == '.') return false;
    for (const char c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        // Control bytes break the registry editor's file lines and reach terminals raw; a bracket
        // ends the key line of that file; a backslash nests keys.
        if (u < 0x20 || u == 0x7F || c == '\\' || c == '[' || c == ']') return false;
    }
    return true;
}

void StoreValue(WLAN_PROFILE& profile, const ValueSpec& entry, const uint8_t* data, size_t size) {
    if (size > entry.width) return;
    uint8_t* field = FieldOf(profile, entry);
    std::memcpy(field, data, size);
    if (entry.kind != ValueKind::Text) return;
    // A stored text may lack its NUL; it must never run into the next field.
    if (std::memchr(field, 0, size) == nullptr) field[size < entry.width ? size : entry.width - 1] = 0;
}

bool IsReadable(const ValueSpec& entry, uint32_t type, size_t size) {
    if (size > entry.width) return false;
    if (entry.kind == ValueKind::Dword) return type == TypeDword && size == 4;
    return type == TypeText || type == TypeExpandText;
}

bool TakeValue(WLAN_PROFILE& profile, const ValueSpec& entry, uint32_t type, const uint8_t* data, size_t size) {
    if (!IsReadable(entry, type, size)) return false;
    StoreValue(profile, entry, data, size);
    if (entry.offset == offsetof(WLAN_PROFILE, SSID)) {
        // Longer names are no network's: the connection would refuse them while lists showed them whole.
        if (BoundedLength(profile.SSID, sizeof profile.SSID) > SsidMost)
            std::memset(profile.SSID + SsidMost, 0, sizeof profile.SSID - SsidMost);
    }
    return true;
}

const ValueSpec* FindValue(std::string_view name) {
    for (const ValueSpec& value : kValues)
        if (name == value.name) return &value;
    return nullptr;
}

}  // namespace profile
