// EnterpriseLogin.h - the WPA-Enterprise and RADIUS pages' Next: the 802.1X login they check and store.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "adapter/portable/ProfileKinds.h"
#include "adapter/wifiapi.h"

namespace editor {

// Tls or Peap, as EntAuthenType stores them.
using EapMethod = profile::EapMethod;

// The method a page opens with: the RADIUS page shows PEAP for EntAuthenType PEAP
// and EAP-TLS otherwise; the WPA-Enterprise page EAP-TLS for EAP-TLS and PEAP otherwise.
EapMethod OpenEapMethod(const WLAN_PROFILE& profile, bool wpaEnterprise);

// The PEAP certificate list's first entry.
inline constexpr const char* TrustAny = "Trust Any";
// The record's text fields hold 128 bytes: the edits take 127 characters.
inline constexpr size_t LoginTextMost = 127;

// What the page's controls hold at Next.
struct EnterpriseLogin {
    EapMethod method = EapMethod::Tls;
    std::string_view loginName;
    std::string_view password;     // PEAP
    std::string_view serverName;   // optional in both methods
    std::string_view certificate;  // EAP-TLS: a certificate name; PEAP: a name or "Trust Any"
    bool aes = false;              // the WPA-Enterprise page's encryption choice
};

enum class EnterpriseFault { None, NoCertificate, NoLoginName, NoPassword, TooLong };

// Checks in the page's order (EAP-TLS: a certificate; PEAP: a login name, then a
// password) and, when they pass, stores the login: EntAuthenType, LoginName,
// ServerName and UserCertHash, for PEAP LoginPassword and InnerAuthen MS-CHAPv2, and on
// the WPA-Enterprise page EncryptionLevel TKIP or AES. On a fault the
// record is left as it was.
EnterpriseFault StoreEnterpriseLogin(WLAN_PROFILE& profile, const EnterpriseLogin& login, bool wpaEnterprise);

// The message box text for a fault; empty for None.
const char* EnterpriseFaultMessage(EnterpriseFault fault);

}  // namespace editor
