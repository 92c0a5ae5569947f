// KeyDialogRules.cpp - see KeyDialogRules.h.
#include "monitor/keys/portable/KeyDialogRules.h"

#include <cstring>

#include "adapter/portable/KeyText.h"
#include "monitor/editor/portable/WepKeys.h"

namespace keydialog {
namespace {

using profile::Level, profile::Security, profile::Stored;

template <size_t N>
void SetText(char (&field)[N], std::string_view text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), text.size() < N ? text.size() : N - 1);
}

template <size_t N>
void Clear(char (&field)[N]) {
    std::memset(field, 0, N);
}

}  // namespace

uint32_t SecurityModeOf(Kind kind) {
    return kind >= Wep && kind <= Wpa2Personal ? Stored(KindSecurity[kind]) : Stored(Security::Disabled);
}

int KindOfSecurityMode(uint32_t securityMode) {
    for (int kind = Wep; kind <= Wpa2Personal; ++kind)
        if (Stored(KindSecurity[kind]) == securityMode) return kind;
    return -1;
}

bool ChooseKind(WLAN_PROFILE& record, Kind own, Kind chosen) {
    if (chosen == own) return false;
    record.SecurityMode = SecurityModeOf(chosen);
    Clear(record.PassPhrase);
    switch (own) {
    case Wep:
        record.EncryptionLevel = Stored(Level::Unset);
        for (auto& key : record.WEPKey) Clear(key);
        break;
    case WpaPersonal:
        record.EncryptionLevel = Stored(Level::Unset);
        break;
    case Wpa2Personal:  // keeps EncryptionLevel: the WPA dialog then preselects the cipher it names
        break;
    }
    return true;
}

bool WepIs128(const WLAN_PROFILE& record) { return profile::LevelOf(record) == Level::Wep128; }

bool WepInit(WLAN_PROFILE& record) {
    if (!WepIs128(record)) record.EncryptionLevel = Stored(Level::Wep64);
    WepPassphraseChanged(record, {});
    return WepIs128(record);
}

std::string WepPassphraseChanged(WLAN_PROFILE& record, std::string_view passphrase) {
    std::string digits;
    if (passphrase.empty()) {
        record.IsPassPhrase = 0;
        Clear(record.PassPhrase);
        digits.assign(editor::WepKeyDigitCount(record.EncryptionLevel), '0');
    } else {
        record.IsPassPhrase = 1;
        SetText(record.PassPhrase, passphrase);
        digits = editor::WepKeyDigits(passphrase, record.EncryptionLevel, record.DefaultKeyId);
    }
    SetText(record.WEPKey[0], digits);
    return FormatWepKeyText(digits, editor::WepKeyDigitCount(record.EncryptionLevel));
}

void WepKeyFieldChanged(WLAN_PROFILE& record, std::string_view fieldText) {
    SetText(record.WEPKey[0], editor::WepKeyDigitsOfField(fieldText));
}

std::string WepKeyLengthChanged(WLAN_PROFILE& record, bool bits128) {
    record.EncryptionLevel = Stored(bits128 ? Level::Wep128 : Level::Wep64);
    return WepPassphraseChanged(record, {});
}

void WepConnect(WLAN_PROFILE& record) {
    record.SecurityMode = Stored(Security::Wep);
    record.IsKeyHexed = 1;
}

int WpaCipherIndex(const WLAN_PROFILE& record) { return profile::LevelOf(record) == Level::Aes ? 1 : 0; }

bool PassphraseAccepted(std::string_view passphrase) { return editor::IsWpaPassphrase(passphrase); }

void WpaConnect(WLAN_PROFILE& record, bool aes, std::string_view passphrase) {
    record.SecurityMode = Stored(Security::WpaPersonal);
    record.EncryptionLevel = Stored(aes ? Level::Aes : Level::Tkip);
    record.IsPassPhrase = 1;
    SetText(record.PassPhrase, passphrase);
}

void Wpa2Connect(WLAN_PROFILE& record, std::string_view passphrase) {
    record.SecurityMode = Stored(Security::Wpa2Personal);
    record.IsPassPhrase = 1;
    SetText(record.PassPhrase, passphrase);
}

}  // namespace keydialog
