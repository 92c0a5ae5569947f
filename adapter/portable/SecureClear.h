// SecureClear.h - wiping buffers that held passphrase or key bytes.
#pragma once

#include <cstddef>

// Writes through a volatile pointer so the compiler cannot drop the clear of a
// buffer that is never read again.
inline void SecureClear(void* data, size_t size) {
    volatile unsigned char* p = static_cast<volatile unsigned char*>(data);
    while (size--) *p++ = 0;
}
