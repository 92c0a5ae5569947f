// WepKeyGen.h - WEP keys from a passphrase: the 40-bit generator and the 104-bit MD5 method.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "adapter/portable/Md5.h"

namespace wepkey {

inline constexpr size_t KeyCount = 4;
inline constexpr size_t KeySpacing = 27;  // the spacing of the WEPKey texts in WLAN_PROFILE
inline constexpr size_t ExpandedLength = 64;

// Writes four keys of `keyLength` bytes, key k at 27 * k bytes into `keys`, and
// returns the generator's final state. Bytes between the keys are not written.
// An empty passphrase writes nothing and returns 0.
uint32_t Nwepgen(std::string_view passphrase, size_t keyLength, uint8_t* keys);

// The passphrase repeated to exactly 64 bytes. An empty passphrase gives 64 zero bytes.
void ExpandPassPhrase(std::string_view passphrase, uint8_t (&expanded)[ExpandedLength]);

// MD5 over the 64-byte expansion; the first 13 bytes are the 128-bit key.
md5::Digest PassPhraseDigest(std::string_view passphrase);

}  // namespace wepkey
