// KeyGeneration.cpp - the exports that turn a WEP passphrase into key bytes.
#include <cstring>

#include "adapter/portable/WepKeyGen.h"
#include "adapter/wifiapi.h"

extern "C" {

uint32_t __cdecl nwepgen(const char* passphrase, int32_t keyLength, uint8_t* keys) {
    if (!passphrase || !keys) return 0;
    return wepkey::Nwepgen(passphrase, keyLength > 0 ? size_t(keyLength) : 0, keys);
}

uint8_t* __cdecl GeneratePassPhrase(uint8_t* digest, const char* passphrase) {
    if (!digest) return nullptr;
    const md5::Digest result = wepkey::PassPhraseDigest(passphrase ? passphrase : "");
    std::memcpy(digest, result.data(), result.size());
    return digest;
}

}  // extern "C"
