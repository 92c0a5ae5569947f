// WepKeys.h - the WEP page's key rules: keys from a passphrase, typed keys, key length and transmit key.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "adapter/portable/ProfileKinds.h"
#include "adapter/wifiapi.h"

namespace editor {

// EncryptionLevel of a WEP profile: Wep64 is 64 bits (5-byte key, 10 digits); any
// other value 128 bits (13 bytes, 26 digits), which the page writes as Wep128.
inline constexpr uint32_t Wep64 = profile::Stored(profile::Level::Wep64);
inline constexpr uint32_t Wep128 = profile::Stored(profile::Level::Wep128);
size_t WepKeyDigitCount(uint32_t encryptionLevel);

// The masked key field's strings for a key length.
struct WepKeyMask {
    const char* mask;
    const char* literal;
    const char* initial;
};
WepKeyMask WepKeyMaskFor(uint32_t encryptionLevel);

// The digits of the key a passphrase gives: for 64 bits the key of `keyIndex`
// from nwepgen's four, for 128 bits the first 13 bytes of GeneratePassPhrase.
std::string WepKeyDigits(std::string_view passphrase, uint32_t encryptionLevel, uint32_t keyIndex);

// The passphrase edit changed (also run after the transmit key changed): an
// empty passphrase clears PassPhrase and IsPassPhrase and puts zeros into the
// transmit key's slot; any other stores it with IsPassPhrase 1 and its key in
// that slot. Only the transmit key's slot is written. Returns the key field's text.
std::string ApplyWepPassphrase(WLAN_PROFILE& profile, std::string_view passphrase);

// A key field's text without its ":" separators, at most 26 characters.
std::string WepKeyDigitsOfField(std::string_view fieldText);

// The key field changed: its digits into the transmit key's slot.
void StoreWepKeyText(WLAN_PROFILE& profile, std::string_view fieldText);

// The key length changed: EncryptionLevel, and the passphrase emptied. Returns the key field's text.
std::string ChangeWepKeyLength(WLAN_PROFILE& profile, uint32_t encryptionLevel);

// The transmit key changed: DefaultKeyId (0-3), then the passphrase change with
// what the passphrase edit holds. Returns the key field's text.
std::string ChangeTransmitKey(WLAN_PROFILE& profile, uint32_t keyIndex, std::string_view passphrase);

// The key field's text for the transmit key's slot.
std::string WepKeyFieldText(const WLAN_PROFILE& profile);

// The page opens: EncryptionLevel 2 stays 128 bits and any other becomes 1; a
// stored passphrase (IsPassPhrase set) makes the transmit key again, otherwise
// the field shows the transmit slot's text padded with zeros, which its change
// stores back. Returns the key field's text.
std::string OpenWepPage(WLAN_PROFILE& profile);

// A typed key: exactly the digits of the key length, hexadecimal.
bool IsWepKeyDigits(std::string_view digits, uint32_t encryptionLevel);

}  // namespace editor
