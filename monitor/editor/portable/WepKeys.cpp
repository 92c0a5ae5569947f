// WepKeys.cpp - see WepKeys.h.
#include "monitor/editor/portable/WepKeys.h"

#include <algorithm>
#include <cstring>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/KeyText.h"
#include "adapter/portable/WepKeyGen.h"

namespace editor {
namespace {

constexpr size_t Wep64KeyBytes = profile::WepKeyBytes(profile::Level::Wep64);
constexpr size_t Wep128KeyBytes = profile::WepKeyBytes(profile::Level::Wep128);
constexpr size_t ReadPassphraseMost = 63;  // what the page reads of its edit

constexpr WepKeyMask kMask64{"PP:PP:PP:PP:PP", "__:__:__:__:__", "00:00:00:00:00"};
constexpr WepKeyMask kMask128{"PP:PP:PP:PP:PP:PP:PP:PP:PP:PP:PP:PP:PP",
                              "__:__:__:__:__:__:__:__:__:__:__:__:__",
                              "00:00:00:00:00:00:00:00:00:00:00:00:00"};

// The slot of the transmit key; none for an index the combo box cannot show.
char* TransmitSlot(WLAN_PROFILE& profile) {
    return profile.DefaultKeyId < 4 ? profile.WEPKey[profile.DefaultKeyId] : nullptr;
}

void PutText(char* field, size_t width, std::string_view text) {
    std::memset(field, 0, width);
    if (!text.empty()) std::memcpy(field, text.data(), std::min(text.size(), width - 1));
}

}  // namespace

size_t WepKeyDigitCount(uint32_t encryptionLevel) { return 2 * profile::WepKeyBytes(profile::Level(encryptionLevel)); }

WepKeyMask WepKeyMaskFor(uint32_t encryptionLevel) { return encryptionLevel == Wep64 ? kMask64 : kMask128; }

std::string WepKeyDigits(std::string_view passphrase, uint32_t encryptionLevel, uint32_t keyIndex) {
    if (encryptionLevel == Wep64) {
        uint8_t block[wepkey::KeySpacing * (wepkey::KeyCount - 1) + Wep64KeyBytes] = {};
        wepkey::Nwepgen(passphrase, Wep64KeyBytes, block);
        return BytesToHexText(block + wepkey::KeySpacing * std::min<uint32_t>(keyIndex, 3), Wep64KeyBytes);
    }
    const md5::Digest digest = wepkey::PassPhraseDigest(passphrase);
    return BytesToHexText(digest.data(), Wep128KeyBytes);
}

std::string ApplyWepPassphrase(WLAN_PROFILE& profile, std::string_view passphrase) {
    const size_t digits = WepKeyDigitCount(profile.EncryptionLevel);
    if (passphrase.empty()) {
        profile.IsPassPhrase = 0;
        std::memset(profile.PassPhrase, 0, sizeof profile.PassPhrase);
        const std::string shown = WepKeyMaskFor(profile.EncryptionLevel).initial;
        StoreWepKeyText(profile, shown);  // the field's change stores the zeros
        return shown;
    }
    passphrase = passphrase.substr(0, ReadPassphraseMost);
    const std::string key = WepKeyDigits(passphrase, profile.EncryptionLevel, profile.DefaultKeyId);
    if (char* slot = TransmitSlot(profile)) PutText(slot, sizeof profile.WEPKey[0], key);
    PutText(profile.PassPhrase, sizeof profile.PassPhrase, passphrase);
    profile.IsPassPhrase = 1;
    return FormatWepKeyText(key, digits);
}

std::string WepKeyDigitsOfField(std::string_view fieldText) {
    std::string digits;
    for (const char c : fieldText)
        if (c != ':') digits += c;
    return digits.substr(0, 26);
}

void StoreWepKeyText(WLAN_PROFILE& profile, std::string_view fieldText) {
    if (char* slot = TransmitSlot(profile)) PutText(slot, sizeof profile.WEPKey[0], WepKeyDigitsOfField(fieldText));
}

std::string ChangeWepKeyLength(WLAN_PROFILE& profile, uint32_t encryptionLevel) {
    profile.EncryptionLevel = encryptionLevel == Wep64 ? Wep64 : Wep128;
    return ApplyWepPassphrase(profile, {});
}

std::string ChangeTransmitKey(WLAN_PROFILE& profile, uint32_t keyIndex, std::string_view passphrase) {
    profile.DefaultKeyId = std::min<uint32_t>(keyIndex, 3);
    return ApplyWepPassphrase(profile, passphrase);
}

std::string WepKeyFieldText(const WLAN_PROFILE& profile) {
    const size_t digits = WepKeyDigitCount(profile.EncryptionLevel);
    if (profile.DefaultKeyId >= 4) return WepKeyMaskFor(profile.EncryptionLevel).initial;
    const char* slot = profile.WEPKey[profile.DefaultKeyId];
    return FormatWepKeyText(std::string_view(slot, BoundedLength(slot, sizeof profile.WEPKey[0])), digits);
}

std::string OpenWepPage(WLAN_PROFILE& profile) {
    if (profile.EncryptionLevel != Wep128) profile.EncryptionLevel = Wep64;
    const std::string_view passphrase(profile.PassPhrase, BoundedLength(profile.PassPhrase, sizeof profile.PassPhrase));
    if (profile.IsPassPhrase != 0 && !passphrase.empty()) return ApplyWepPassphrase(profile, std::string(passphrase));
    const std::string shown = WepKeyFieldText(profile);
    StoreWepKeyText(profile, shown);
    return shown;
}

bool IsWepKeyDigits(std::string_view digits, uint32_t encryptionLevel) {
    if (digits.size() != WepKeyDigitCount(encryptionLevel)) return false;
    return std::all_of(digits.begin(), digits.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    });
}

}  // namespace editor
