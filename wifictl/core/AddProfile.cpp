// AddProfile.cpp - see AddProfile.h.
#include "wifictl/core/AddProfile.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "monitor/editor/portable/IpSettings.h"
#include "monitor/editor/portable/NetworkSettings.h"
#include "monitor/editor/portable/NewProfile.h"
#include "monitor/editor/portable/Passphrases.h"
#include "monitor/editor/portable/ProfileClearing.h"
#include "monitor/editor/portable/SecurityModes.h"
#include "monitor/editor/portable/WepKeys.h"

namespace wifictl {
namespace {

using profile::Security;

struct OptionSpec {
    const char* name;
    const char* value;  // nullptr: a flag
    const char* help;
};

constexpr OptionSpec kOptions[] = {
    {"--ssid", "SSID", "network name, at most 32 characters (default: the profile name when it fits)"},
    {"--mode", "MODE", "infrastructure (default) or adhoc"},
    {"--channel", "N", "ad hoc: channel 1-14 (default 6)"},
    {"--network-mode", "MODE", "ad hoc: mixed (802.11b and g, default) or g-only"},
    {"--security", "KIND", "open (default), wep, wpa, wpa2, wpa-enterprise or radius"},
    {"--wep-bits", "BITS", "wep: 64 (default) or 128"},
    {"--hex-key", nullptr, "wep: read the key as hexadecimal digits (10 or 26), not a passphrase"},
    {"--key-index", "N", "wep: the transmit key, 1 (default) to 4"},
    {"--auth", "KIND", "wep: open (default), shared or auto"},
    {"--cipher", "KIND", "wpa, wpa-enterprise: tkip (default) or aes"},
    {"--eap", "METHOD", "wpa-enterprise, radius: tls (EAP-TLS, default) or peap"},
    {"--login", "NAME", "wpa-enterprise, radius: login name (peap: needed)"},
    {"--server", "NAME", "wpa-enterprise, radius: server name (optional)"},
    {"--certificate", "NAME", "wpa-enterprise, radius: tls: the client certificate (needed); peap: default \"Trust Any\""},
    {"--dhcp", nullptr, "obtain the address automatically (default)"},
    {"--ip", "ADDRESS", "a static address"},
    {"--mask", "MASK", "its subnet mask (default: by the address class)"},
    {"--gateway", "ADDRESS", "the default gateway"},
    {"--dns", "ADDRESS", "a DNS server; give it twice for two"},
    {"--replace", nullptr, "overwrite a stored profile of the same name"},
};

const OptionSpec* FindOption(std::string_view name) {
    for (const OptionSpec& o : kOptions)
        if (name == o.name) return &o;
    return nullptr;
}

template <typename T>
bool ParseNumber(std::string_view text, T& out) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

std::string OneOf(std::string_view option, const char* choices) {
    return std::string(option) + " takes " + choices;
}

bool Is(Security s, std::initializer_list<Security> kinds) {
    return std::find(kinds.begin(), kinds.end(), s) != kinds.end();
}

// The options that only some choices use, and which.
std::string CheckApplies(const AddRequest& r) {
    using S = Security;
    const struct {
        const char* option;
        bool applies;
        const char* to;
    } rules[] = {
        {"--channel", r.adhoc, "--mode adhoc"},
        {"--network-mode", r.adhoc, "--mode adhoc"},
        {"--wep-bits", r.security == S::Wep, "--security wep"},
        {"--hex-key", r.security == S::Wep, "--security wep"},
        {"--key-index", r.security == S::Wep, "--security wep"},
        {"--auth", r.security == S::Wep, "--security wep"},
        {"--cipher", Is(r.security, {S::WpaPersonal, S::WpaEnterprise}), "--security wpa or wpa-enterprise"},
        {"--eap", Is(r.security, {S::WpaEnterprise, S::Radius}), "--security wpa-enterprise or radius"},
        {"--login", Is(r.security, {S::WpaEnterprise, S::Radius}), "--security wpa-enterprise or radius"},
        {"--server", Is(r.security, {S::WpaEnterprise, S::Radius}), "--security wpa-enterprise or radius"},
        {"--certificate", Is(r.security, {S::WpaEnterprise, S::Radius}), "--security wpa-enterprise or radius"},
    };
    for (const auto& rule : rules)
        if (r.given.count(rule.option) && !rule.applies) return std::string(rule.option) + " goes only with " + rule.to;
    const bool staticAddress = r.ip || r.mask || r.gateway || !r.dns.empty();
    if (r.dhcp && staticAddress) return "--dhcp cannot go with --ip, --mask, --gateway or --dns";
    return {};
}

editor::EnterpriseLogin LoginOf(const AddRequest& r, std::string_view password) {
    editor::EnterpriseLogin login;
    login.method = r.eap.value_or(editor::EapMethod::Tls);
    login.loginName = r.login ? std::string_view(*r.login) : std::string_view();
    login.serverName = r.server ? std::string_view(*r.server) : std::string_view();
    const bool peap = login.method == editor::EapMethod::Peap;
    login.certificate = r.certificate ? std::string_view(*r.certificate) : peap ? editor::TrustAny : std::string_view();
    login.password = password;
    login.aes = r.aes.value_or(false);
    return login;
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return out;
}

}  // namespace

bool IsAddOption(std::string_view name) { return FindOption(name) != nullptr; }

bool AddOptionTakesValue(std::string_view name) {
    const OptionSpec* o = FindOption(name);
    return o && o->value;
}

std::string TakeAddOption(AddRequest& r, std::string_view name, std::string_view value) {
    const std::string option(name);
    if (option != "--dns" && r.given.count(option)) return option + " is given twice";
    r.given.insert(option);
    const auto address = [&](std::optional<uint32_t>& to, editor::AddressField field) -> std::string {
        const std::optional<uint32_t> a = editor::ParseDottedAddress(value);
        if (!a) return option + " takes an address such as 192.168.1.20";
        if (!editor::AcceptsFirstOctet(field, editor::Octets(*a)[0]))
            return option + ": the first number of the address must be 1 to 223";
        to = *a;
        return {};
    };
    if (option == "--ssid") {
        if (value.size() > editor::SsidMost) return "--ssid takes at most 32 characters";
        r.ssid = std::string(value);
    } else if (option == "--mode") {
        if (value != "infrastructure" && value != "adhoc") return OneOf(name, "infrastructure or adhoc");
        r.adhoc = value == "adhoc";
    } else if (option == "--channel") {
        uint32_t channel = 0;
        if (!ParseNumber(value, channel) || channel < 1 || channel > editor::ChannelCount)
            return OneOf(name, "a channel of 1 to 14");
        r.channel = channel;
    } else if (option == "--network-mode") {
        if (value != "mixed" && value != "g-only") return OneOf(name, "mixed or g-only");
        r.networkMode = value == "g-only" ? profile::NetworkMode::GOnly : profile::NetworkMode::Mixed;
    } else if (option == "--security") {
        const profile::SecurityKind* kind = profile::FindKindByWord(value);
        if (!kind) return OneOf(name, "open, wep, wpa, wpa2, wpa-enterprise or radius");
        r.security = kind->security;
    } else if (option == "--wep-bits") {
        if (value != "64" && value != "128") return OneOf(name, "64 or 128");
        r.wepBits = value == "64" ? 64 : 128;
    } else if (option == "--hex-key") {
        r.hexKey = true;
    } else if (option == "--key-index") {
        uint32_t index = 0;
        if (!ParseNumber(value, index) || index < 1 || index > 4) return OneOf(name, "1, 2, 3 or 4");
        r.keyIndex = index - 1;
    } else if (option == "--auth") {
        if (value == "open") r.wepAuthentication = profile::WepAuth::Open;
        else if (value == "shared") r.wepAuthentication = profile::WepAuth::Shared;
        else if (value == "auto") r.wepAuthentication = profile::WepAuth::Auto;
        else return OneOf(name, "open, shared or auto");
    } else if (option == "--cipher") {
        if (value != "tkip" && value != "aes") return OneOf(name, "tkip or aes");
        r.aes = value == "aes";
    } else if (option == "--eap") {
        if (value != "tls" && value != "peap") return OneOf(name, "tls or peap");
        r.eap = value == "peap" ? editor::EapMethod::Peap : editor::EapMethod::Tls;
    } else if (option == "--login" || option == "--server" || option == "--certificate") {
        if (value.size() > editor::LoginTextMost) return option + " takes at most 127 characters";
        (option == "--login" ? r.login : option == "--server" ? r.server : r.certificate) = std::string(value);
    } else if (option == "--dhcp") {
        r.dhcp = true;
    } else if (option == "--ip") {
        return address(r.ip, editor::AddressField::IpAddress);
    } else if (option == "--mask") {
        return address(r.mask, editor::AddressField::SubnetMask);
    } else if (option == "--gateway") {
        return address(r.gateway, editor::AddressField::Gateway);
    } else if (option == "--dns") {
        if (r.dns.size() == 2) return "--dns is given at most twice";
        std::optional<uint32_t> dns;
        const std::string fault = address(dns, r.dns.empty() ? editor::AddressField::Dns1 : editor::AddressField::Dns2);
        if (!fault.empty()) return fault;
        r.dns.push_back(*dns);
    } else if (option == "--replace") {
        r.replace = true;
    } else {
        return "unknown option '" + option + "' for add";
    }
    return {};
}

SecretKind SecretNeeded(const AddRequest& r) {
    switch (r.security) {
    case Security::Wep: return r.hexKey ? SecretKind::WepKey : SecretKind::WepPassphrase;
    case Security::WpaPersonal:
    case Security::Wpa2Personal: return SecretKind::Passphrase;
    case Security::WpaEnterprise:
    case Security::Radius: return r.eap == editor::EapMethod::Peap ? SecretKind::Password : SecretKind::None;
    case Security::Disabled:
    case Security::Wpa2Enterprise: return SecretKind::None;  // no --security word names it
    }
    return SecretKind::None;
}

const char* SecretPrompt(SecretKind kind) {
    switch (kind) {
    case SecretKind::WepPassphrase: return "WEP passphrase: ";
    case SecretKind::WepKey: return "WEP key (hexadecimal): ";
    case SecretKind::Passphrase: return "Passphrase: ";
    case SecretKind::Password: return "Password: ";
    case SecretKind::None: return "";
    }
    return "";
}

std::string ApplyAddOptions(const AddRequest& r, const std::string& name, WLAN_PROFILE& p) {
    if (std::string fault = CheckApplies(r); !fault.empty()) return fault;
    if (!editor::NewProfile(p, name)) return "'" + name + "' cannot be a profile name";

    // The IP settings page: a mask not given is the one the page offers for the address.
    const bool staticAddress = r.ip || r.mask || r.gateway || !r.dns.empty();
    p.DhcpEnabled = staticAddress ? 0 : 1;
    if (staticAddress) {
        p.IpAddr = r.ip.value_or(0);
        p.IpMask = r.mask ? *r.mask : editor::DefaultMask(editor::Octets(p.IpAddr)[0]).value_or(0);
        p.IpGate = r.gateway.value_or(0);
        p.IpDns1 = r.dns.size() > 0 ? r.dns[0] : 0;
        p.IpDns2 = r.dns.size() > 1 ? r.dns[1] : 0;
        const editor::AddressFault fault = editor::CheckStaticAddress(p);
        if (fault != editor::AddressFault::None) return editor::AddressFaultMessage(fault);
    }

    // The wireless mode page, then the ad hoc settings page.
    editor::SetInfrastructure(p, !r.adhoc);
    if (r.ssid && !editor::SetSsid(p, *r.ssid)) return "--ssid takes at most 32 characters";
    if (p.SSID[0] == 0) return "the profile needs an SSID: give --ssid (a profile name longer than 32 characters is not one)";
    if (r.channel) editor::SelectChannelIndex(p, *r.channel - 1);
    if (r.networkMode) editor::SelectNetworkModeIndex(p, profile::Stored(*r.networkMode));

    // The security-mode page: only what its list offers for this mode.
    editor::OpenSecurityIndex(p);
    const auto entries = editor::SecurityEntries(p);
    const auto entry = std::find_if(entries.begin(), entries.end(), [&](const editor::SecurityEntry& e) {
        return e.securityMode == profile::Stored(r.security);
    });
    if (entry == entries.end()) return "an ad hoc profile takes only --security open or wep";
    editor::SelectSecurityIndex(p, size_t(entry - entries.begin()));

    // The page the security choice leads to, all but its secret.
    switch (editor::NextSecurityPage(p, size_t(entry - entries.begin()))) {
    case editor::SecurityPage::Wep:
        editor::OpenWepPage(p);
        if (r.wepBits == 128u) editor::ChangeWepKeyLength(p, editor::Wep128);
        if (r.keyIndex) editor::ChangeTransmitKey(p, *r.keyIndex, {});
        if (r.wepAuthentication) p.AuthentMode = profile::Stored(*r.wepAuthentication);
        break;
    case editor::SecurityPage::WpaPersonal:
        p.EncryptionLevel = profile::Stored(r.aes.value_or(false) ? profile::Level::Aes : profile::Level::Tkip);
        break;
    case editor::SecurityPage::WpaEnterprise:
    case editor::SecurityPage::Radius: {
        const bool wpaEnterprise = r.security == Security::WpaEnterprise;
        const editor::EnterpriseLogin login = LoginOf(r, {});
        if (login.method == editor::EapMethod::Tls) {
            const editor::EnterpriseFault fault = editor::StoreEnterpriseLogin(p, login, wpaEnterprise);
            if (fault != editor::EnterpriseFault::None) return editor::EnterpriseFaultMessage(fault);
        } else {
            // The password comes later; what the options give must pass already.
            WLAN_PROFILE trial = p;
            editor::EnterpriseLogin withPassword = login;
            withPassword.password = "?";
            const editor::EnterpriseFault fault = editor::StoreEnterpriseLogin(trial, withPassword, wpaEnterprise);
            if (fault != editor::EnterpriseFault::None) return editor::EnterpriseFaultMessage(fault);
        }
        break;
    }
    case editor::SecurityPage::Wpa2Personal:
    case editor::SecurityPage::Summary:
        break;
    }
    return {};
}

std::string ApplySecret(const AddRequest& r, std::string_view secret, WLAN_PROFILE& p) {
    switch (SecretNeeded(r)) {
    case SecretKind::WepKey: {
        if (!editor::IsWepKeyDigits(secret, p.EncryptionLevel))
            return p.EncryptionLevel == editor::Wep64 ? "the 64-bit WEP key is 10 hexadecimal digits"
                                                      : "the 128-bit WEP key is 26 hexadecimal digits";
        editor::StoreWepKeyText(p, Upper(secret));  // the key field shows upper-case digits
        p.IsKeyHexed = 1;
        break;
    }
    case SecretKind::WepPassphrase:
        if (!editor::IsWepPassphrase(secret)) return "the WEP passphrase has 1 to 16 characters";
        editor::ApplyWepPassphrase(p, secret);
        p.IsKeyHexed = 1;
        break;
    case SecretKind::Passphrase:
        if (!editor::StoreWpaPassphrase(p, secret))
            return std::string(editor::WrongPassphraseMessage) + " (8 to 63 printable ASCII characters)";
        break;
    case SecretKind::Password: {
        const editor::EnterpriseFault fault =
            editor::StoreEnterpriseLogin(p, LoginOf(r, secret), r.security == Security::WpaEnterprise);
        if (fault != editor::EnterpriseFault::None) return editor::EnterpriseFaultMessage(fault);
        break;
    }
    case SecretKind::None:
        break;
    }
    editor::ClearForSave(p);
    return {};
}

std::string AddOptionsHelp() {
    std::string out;
    for (const OptionSpec& o : kOptions) {
        std::string left = std::string("  ") + o.name + (o.value ? std::string(" ") + o.value : std::string());
        left.append(left.size() < 26 ? 26 - left.size() : 1, ' ');
        out += left + o.help + "\n";
    }
    return out;
}

}  // namespace wifictl
