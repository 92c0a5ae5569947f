// EnterpriseLogin.cpp - see EnterpriseLogin.h.
#include "monitor/editor/portable/EnterpriseLogin.h"

#include <cstring>

namespace editor {
namespace {

using profile::Level, profile::Stored;

void PutText(char (&field)[128], std::string_view text) {
    std::memset(field, 0, sizeof field);
    if (!text.empty()) std::memcpy(field, text.data(), text.size());
}

}  // namespace

EapMethod OpenEapMethod(const WLAN_PROFILE& profile, bool wpaEnterprise) {
    if (wpaEnterprise) return profile::EapMethodOf(profile) == EapMethod::Tls ? EapMethod::Tls : EapMethod::Peap;
    return profile::EapMethodOf(profile) == EapMethod::Peap ? EapMethod::Peap : EapMethod::Tls;
}

EnterpriseFault StoreEnterpriseLogin(WLAN_PROFILE& profile, const EnterpriseLogin& login, bool wpaEnterprise) {
    const bool peap = login.method == EapMethod::Peap;
    if (!peap && login.certificate.empty()) return EnterpriseFault::NoCertificate;
    if (peap && login.loginName.empty()) return EnterpriseFault::NoLoginName;
    if (peap && login.password.empty()) return EnterpriseFault::NoPassword;
    for (std::string_view text : {login.loginName, login.password, login.serverName, login.certificate})
        if (text.size() > LoginTextMost || text.find('\0') != std::string_view::npos) return EnterpriseFault::TooLong;

    profile.EntAuthenType = Stored(peap ? EapMethod::Peap : EapMethod::Tls);
    PutText(profile.LoginName, login.loginName);
    PutText(profile.ServerName, login.serverName);
    PutText(profile.UserCertHash, login.certificate);
    if (peap) {
        PutText(profile.LoginPassword, login.password);
        profile.InnerAuthen = Stored(profile::InnerMethod::MsChapV2);
    }
    if (wpaEnterprise) profile.EncryptionLevel = Stored(login.aes ? Level::Aes : Level::Tkip);
    return EnterpriseFault::None;
}

const char* EnterpriseFaultMessage(EnterpriseFault fault) {
    switch (fault) {
    case EnterpriseFault::None: return "";
    case EnterpriseFault::NoCertificate:
        return "Please install a valid certificate on you computer before you can use this security option.";
    case EnterpriseFault::NoLoginName: return "Please enter the correct login name and server name";
    case EnterpriseFault::NoPassword: return "Please enter the correct password";
    case EnterpriseFault::TooLong: return "Please enter at most 127 characters in each field";
    }
    return "";
}

}  // namespace editor
