// Passphrases.h - the WPA pages' passphrase check and the WEP page's passphrase limit.
#pragma once

#include <cstddef>
#include <string_view>

#include "adapter/wifiapi.h"

namespace editor {

inline constexpr const char* WrongPassphraseMessage = "Please enter the correct Passphrase";

// IEEE 802.11i: 8 to 63 printable ASCII characters. A passphrase with other
// characters was once stored and could never connect.
inline constexpr size_t WpaPassphraseLeast = 8;
inline constexpr size_t WpaPassphraseMost = 63;
bool IsWpaPassphrase(std::string_view passphrase);

// The WPA pages' Next: a passphrase that passes is stored with IsPassPhrase 1
// and true returned; otherwise the record is left as it was.
bool StoreWpaPassphrase(WLAN_PROFILE& profile, std::string_view passphrase);

// The WEP page's passphrase edit takes at most 16 characters.
inline constexpr size_t WepPassphraseMost = 16;
bool IsWepPassphrase(std::string_view passphrase);

}  // namespace editor
