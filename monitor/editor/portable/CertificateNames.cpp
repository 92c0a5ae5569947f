// CertificateNames.cpp - see CertificateNames.h.
#include "monitor/editor/portable/CertificateNames.h"

namespace editor {

std::string CertificateDisplayName(std::string_view commonName, std::string_view friendlyName) {
    return std::string(commonName.empty() ? friendlyName : commonName);
}

}  // namespace editor
