// CertificateNames.h - the name the 802.1X pages list a user certificate by.
#pragma once

#include <string>
#include <string_view>

namespace editor {

// The subject's first common name; without one (or an empty one) the friendly name. Empty: the
// certificate is not listed.
std::string CertificateDisplayName(std::string_view commonName, std::string_view friendlyName);

}  // namespace editor
