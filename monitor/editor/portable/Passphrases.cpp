// Passphrases.cpp - see Passphrases.h.
#include "monitor/editor/portable/Passphrases.h"

#include <algorithm>
#include <cstring>

namespace editor {

bool IsWpaPassphrase(std::string_view passphrase) {
    if (passphrase.size() < WpaPassphraseLeast || passphrase.size() > WpaPassphraseMost) return false;
    return std::all_of(passphrase.begin(), passphrase.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

bool StoreWpaPassphrase(WLAN_PROFILE& profile, std::string_view passphrase) {
    if (!IsWpaPassphrase(passphrase)) return false;
    std::memset(profile.PassPhrase, 0, sizeof profile.PassPhrase);
    std::memcpy(profile.PassPhrase, passphrase.data(), passphrase.size());
    profile.IsPassPhrase = 1;
    return true;
}

bool IsWepPassphrase(std::string_view passphrase) {
    return !passphrase.empty() && passphrase.size() <= WepPassphraseMost &&
           passphrase.find('\0') == std::string_view::npos;
}

}  // namespace editor
