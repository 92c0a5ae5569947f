// KeyDialogRules.cpp - see KeyDialogRules.h.
#include "monitor/keys/portable/KeyDialogRules.h"

#include <cstring>

#include "adapter/portable/KeyText.h"
#include "monitor/editor/portable/WepKeys.h"

namespace keydialog {
namespace {

constexpr uint32_t ModeWep = 1, ModeWpa = 2, ModeWpa2 = 4;
constexpr uint32_t Level64 = 1, Level128 = 2, LevelTkip = 5, LevelAes = 6;

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
    switch (kind) {
    case Wep: return ModeWep;
    case WpaPersonal: return ModeWpa;
    case Wpa2Personal: return ModeWpa2;
    }
    return 0;
}

int KindOfSecurityMode(uint32_t securityMode) {
    switch (securityMode) {
    case ModeWep: return Wep;
    case ModeWpa: return WpaPersonal;
    case ModeWpa2: return Wpa2Personal;
    default: return -1;
    }
}

bool ChooseKind(WLAN_PROFILE& record, Kind own, Kind chosen) {
    if (chosen == own) return false;
    record.SecurityMode = SecurityModeOf(chosen);
    Clear(record.PassPhrase);
    switch (own) {
    case Wep:
        record.EncryptionLevel = 0;
        for (auto& key : record.WEPKey) Clear(key);
        break;
    case WpaPersonal:
        record.EncryptionLevel = 0;
        break;
    case Wpa2Personal:  // keeps EncryptionLevel: the WPA dialog then preselects the cipher it names
        break;
    }
    return true;
}

bool WepIs128(const WLAN_PROFILE& record) { return record.EncryptionLevel == Level128; }

bool WepInit(WLAN_PROFILE& record) {
    if (!WepIs128(record)) record.EncryptionLevel = Level64;
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
    record.EncryptionLevel = bits128 ? Level128 : Level64;
    return WepPassphraseChanged(record, {});
}

void WepConnect(WLAN_PROFILE& record) {
    record.SecurityMode = ModeWep;
    record.IsKeyHexed = 1;
}

int WpaCipherIndex(const WLAN_PROFILE& record) { return record.EncryptionLevel == LevelAes ? 1 : 0; }

bool PassphraseAccepted(std::string_view passphrase) {
    return passphrase.size() >= 8 && passphrase.size() <= size_t(WpaPassphraseLimit);
}

void WpaConnect(WLAN_PROFILE& record, bool aes, std::string_view passphrase) {
    record.SecurityMode = ModeWpa;
    record.EncryptionLevel = aes ? LevelAes : LevelTkip;
    record.IsPassPhrase = 1;
    SetText(record.PassPhrase, passphrase);
}

void Wpa2Connect(WLAN_PROFILE& record, std::string_view passphrase) {
    record.SecurityMode = ModeWpa2;
    record.IsPassPhrase = 1;
    SetText(record.PassPhrase, passphrase);
}

}  // namespace keydialog
