// UserCertificates.cpp - see UserCertificates.h.
#include "monitor/editor/UserCertificates.h"

#include <windows.h>
#include <wincrypt.h>

#include <cstring>
#include <vector>

#include "monitor/editor/portable/CertificateNames.h"

namespace {

// The text of the subject's first common-name attribute, or empty.
std::string FirstCommonName(PCCERT_CONTEXT certificate) {
    CERT_NAME_INFO* name = nullptr;
    DWORD size = 0;
    const CERT_NAME_BLOB& subject = certificate->pCertInfo->Subject;
    if (!CryptDecodeObjectEx(X509_ASN_ENCODING, X509_NAME, subject.pbData, subject.cbData, CRYPT_DECODE_ALLOC_FLAG,
                             nullptr, &name, &size))
        return {};
    std::string text;
    for (DWORD r = 0; r < name->cRDN && text.empty(); ++r) {
        const CERT_RDN& rdn = name->rgRDN[r];
        for (DWORD a = 0; a < rdn.cRDNAttr; ++a) {
            const CERT_RDN_ATTR& attribute = rdn.rgRDNAttr[a];
            if (!attribute.pszObjId || std::strcmp(attribute.pszObjId, szOID_COMMON_NAME) != 0) continue;
            const DWORD length = CertRDNValueToStrA(attribute.dwValueType, const_cast<CERT_RDN_VALUE_BLOB*>(&attribute.Value),
                                                    nullptr, 0);
            std::vector<char> value(length ? length : 1, 0);
            CertRDNValueToStrA(attribute.dwValueType, const_cast<CERT_RDN_VALUE_BLOB*>(&attribute.Value), value.data(),
                               DWORD(value.size()));
            text = value.data();
            break;
        }
    }
    LocalFree(name);
    return text;
}

// The friendly-name property in the ANSI code page, or empty.
std::string FriendlyName(PCCERT_CONTEXT certificate) {
    DWORD size = 0;
    if (!CertGetCertificateContextProperty(certificate, CERT_FRIENDLY_NAME_PROP_ID, nullptr, &size) || size < 2)
        return {};
    std::vector<wchar_t> wide(size / sizeof(wchar_t) + 1, 0);
    if (!CertGetCertificateContextProperty(certificate, CERT_FRIENDLY_NAME_PROP_ID, wide.data(), &size)) return {};
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return {};
    std::vector<char> text(size_t(length), 0);
    WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, text.data(), length, nullptr, nullptr);
    return text.data();
}

bool HasPrivateKey(PCCERT_CONTEXT certificate) {
    DWORD size = 0;
    return CertGetCertificateContextProperty(certificate, CERT_KEY_PROV_INFO_PROP_ID, nullptr, &size) != FALSE;
}

}  // namespace

void EnumUserCertificates(std::vector<std::string>& names) {
    HCERTSTORE store = CertOpenStore(CERT_STORE_PROV_SYSTEM_A, 0, 0,
                                     CERT_SYSTEM_STORE_CURRENT_USER | CERT_STORE_READONLY_FLAG, "MY");
    if (!store) return;
    // The search by property is not everywhere (Wine lacks it): enumerate and look at each.
    PCCERT_CONTEXT certificate = nullptr;
    while ((certificate = CertEnumCertificatesInStore(store, certificate)) != nullptr) {
        if ((certificate->dwCertEncodingType & X509_ASN_ENCODING) == 0 || !HasPrivateKey(certificate)) continue;
        const std::string name = editor::CertificateDisplayName(FirstCommonName(certificate), FriendlyName(certificate));
        if (!name.empty()) names.push_back(name);
    }
    CertCloseStore(store, 0);
}
