// WepKeyGen.cpp - the widely used 40-bit passphrase generator and 104-bit passphrase method.
#include "adapter/portable/WepKeyGen.h"

#include "adapter/portable/SecureClear.h"

namespace wepkey {

uint32_t Nwepgen(std::string_view passphrase, size_t keyLength, uint8_t* keys) {
    if (passphrase.empty()) return 0;
    uint8_t seed[4] = {};
    for (size_t i = 0; i < passphrase.size(); ++i) seed[i % 4] ^= uint8_t(passphrase[i]);
    uint32_t x = uint32_t(seed[0]) | uint32_t(seed[1]) << 8 | uint32_t(seed[2]) << 16 | uint32_t(seed[3]) << 24;
    // One state runs through all four keys: key 1 continues where key 0 stopped.
    for (size_t k = 0; k < KeyCount; ++k) {
        for (size_t j = 0; j < keyLength; ++j) {
            x = x * 214013u + 2531011u;
            keys[KeySpacing * k + j] = uint8_t(x >> 16);
        }
    }
    SecureClear(seed, sizeof seed);
    return x;
}

void ExpandPassPhrase(std::string_view passphrase, uint8_t (&expanded)[ExpandedLength]) {
    // The editor never asks for an empty passphrase; zeros keep i mod n defined.
    if (passphrase.empty()) {
        SecureClear(expanded, sizeof expanded);
        return;
    }
    for (size_t i = 0; i < ExpandedLength; ++i) expanded[i] = uint8_t(passphrase[i % passphrase.size()]);
}

md5::Digest PassPhraseDigest(std::string_view passphrase) {
    uint8_t expanded[ExpandedLength];
    ExpandPassPhrase(passphrase, expanded);
    const md5::Digest digest = md5::Of(expanded, sizeof expanded);
    SecureClear(expanded, sizeof expanded);
    return digest;
}

}  // namespace wepkey
