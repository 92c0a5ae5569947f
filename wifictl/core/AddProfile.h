// AddProfile.h - `wifictl add`: its options, and the profile they make through the editor's rules.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "adapter/portable/ProfileKinds.h"
#include "adapter/wifiapi.h"
#include "monitor/editor/portable/EnterpriseLogin.h"

namespace wifictl {

// What the options of `add` asked for; secrets are never among them.
struct AddRequest {
    std::optional<std::string> ssid;
    bool adhoc = false;
    std::optional<uint32_t> channel;  // 1-14
    std::optional<profile::NetworkMode> networkMode;
    profile::Security security = profile::Security::Disabled;  // a kind with a word
    std::optional<uint32_t> wepBits;  // 64 or 128
    bool hexKey = false;              // the secret is the WEP key's digits, not a passphrase
    std::optional<uint32_t> keyIndex;  // 0-3
    std::optional<profile::WepAuth> wepAuthentication;
    std::optional<bool> aes;
    std::optional<editor::EapMethod> eap;
    std::optional<std::string> login, server, certificate;
    bool dhcp = false;
    std::optional<uint32_t> ip, mask, gateway;  // network byte order
    std::vector<uint32_t> dns;
    bool replace = false;
    std::set<std::string> given;  // the options seen
};

// Whether `name` is an option of `add`, and whether it takes a value.
bool IsAddOption(std::string_view name);
bool AddOptionTakesValue(std::string_view name);

// Takes one option; returns what is wrong with it, or an empty text.
std::string TakeAddOption(AddRequest& request, std::string_view name, std::string_view value);

// The secret a request needs, read from standard input or asked for.
enum class SecretKind { None, WepPassphrase, WepKey, Passphrase, Password };
SecretKind SecretNeeded(const AddRequest& request);
const char* SecretPrompt(SecretKind kind);

// Builds the profile as the editor's pages would, page by page: a new record
// named `name`, the IP settings, the wireless mode and SSID, the ad hoc
// settings, the security choice and its page, all but the secret. Returns what
// the options cannot make (a usage fault), or an empty text.
std::string ApplyAddOptions(const AddRequest& request, const std::string& name, WLAN_PROFILE& profile);

// The secret through the security page's rules, then what Save clears. Returns
// why the secret is refused, or an empty text.
std::string ApplySecret(const AddRequest& request, std::string_view secret, WLAN_PROFILE& profile);

// The options, for `wifictl add --help`.
std::string AddOptionsHelp();

}  // namespace wifictl
