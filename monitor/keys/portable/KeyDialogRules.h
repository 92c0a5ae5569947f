// KeyDialogRules.h - what the key dialogs of a surveyed network (WEP, WPA-Personal, WPA2-Personal)
// do to the record they are given, control by control.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "adapter/portable/ProfileKinds.h"
#include "adapter/wifiapi.h"
#include "monitor/editor/portable/Passphrases.h"

namespace keydialog {

// The security combo of every dialog, in this order; each dialog preselects its own kind.
enum Kind : int { Wep = 0, WpaPersonal = 1, Wpa2Personal = 2 };
inline constexpr profile::Security KindSecurity[] = {profile::Security::Wep, profile::Security::WpaPersonal,
                                                     profile::Security::Wpa2Personal};
inline constexpr const char* KindTexts[] = {profile::NameOf(KindSecurity[Wep]),
                                            profile::NameOf(KindSecurity[WpaPersonal]),
                                            profile::NameOf(KindSecurity[Wpa2Personal])};
// SecurityMode of a kind and the dialog a SecurityMode asks with (-1: none).
uint32_t SecurityModeOf(Kind kind);
int KindOfSecurityMode(uint32_t securityMode);

// A kind picked in the security combo of dialog `own`. Another kind writes its SecurityMode into
// the record, clears what the dialog's own kind had put there and returns true: the dialog ends
// with Cancel and its security-changed flag set. The dialog's own kind returns false.
bool ChooseKind(WLAN_PROFILE& record, Kind own, Kind chosen);

// WEP dialog.
inline constexpr const char* KeyLengthTexts[] = {"64 bits", "128 bits"};
inline constexpr int WepPassphraseLimit = 31;
// Initialisation: "128 bits" when EncryptionLevel is Wep128, otherwise "64 bits" and EncryptionLevel
// Wep64; then an empty passphrase. Returns whether the key is 128 bits.
bool WepInit(WLAN_PROFILE& record);
bool WepIs128(const WLAN_PROFILE& record);
// The passphrase as typed: IsPassPhrase, PassPhrase and WEPKey 0 follow it; returns the text the
// key field shows (the zero key when the passphrase is empty).
std::string WepPassphraseChanged(WLAN_PROFILE& record, std::string_view passphrase);
// The key field's text: its digits without ":" become WEPKey 0.
void WepKeyFieldChanged(WLAN_PROFILE& record, std::string_view fieldText);
// Another key length: EncryptionLevel Wep64 or Wep128, the passphrase emptied; returns the key field's
// text (the zero key of that length).
std::string WepKeyLengthChanged(WLAN_PROFILE& record, bool bits128);
// Connect: any key text is taken.
void WepConnect(WLAN_PROFILE& record);

// WPA-Personal and WPA2-Personal dialogs.
inline constexpr const char* CipherTexts[] = {profile::TkipText, profile::AesText};
inline constexpr int WpaPassphraseLimit = int(editor::WpaPassphraseMost);
inline constexpr const char* PassphraseRefusal = editor::WrongPassphraseMessage;
// 1 ("AES") when EncryptionLevel is AES, else 0 ("TKIP").
int WpaCipherIndex(const WLAN_PROFILE& record);
// The editor's rule: 8 to 63 printable ASCII characters.
bool PassphraseAccepted(std::string_view passphrase);
// Connect with an accepted passphrase.
void WpaConnect(WLAN_PROFILE& record, bool aes, std::string_view passphrase);
void Wpa2Connect(WLAN_PROFILE& record, std::string_view passphrase);

}  // namespace keydialog
