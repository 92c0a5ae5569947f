// Md5.h - MD5 message digest (RFC 1321), for the 128-bit WEP passphrase method.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace md5 {

inline constexpr size_t DigestLength = 16;
using Digest = std::array<uint8_t, DigestLength>;

struct Context {
    uint32_t state[4];
    uint64_t bitCount;  // of the message so far, modulo 2^64
    uint8_t buffer[64];  // the part of a block not yet transformed
};

void Init(Context& context);
void Update(Context& context, const uint8_t* data, size_t length);
// Pads, appends the bit count and writes the digest; the context is cleared
// afterwards, since it holds passphrase bytes.
void Final(Context& context, uint8_t* digest);

Digest Of(const uint8_t* data, size_t length);

}  // namespace md5
