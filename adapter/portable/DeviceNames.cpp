// DeviceNames.cpp - bounded walk of the device-name list.
#include "adapter/portable/DeviceNames.h"

#include <cstring>

bool ListHasNameWithPrefix(const char* list, size_t size, const char* prefix) {
    const size_t prefixLength = std::strlen(prefix);
    size_t at = 0;
    while (at < size && list[at] != 0) {
        const void* nul = std::memchr(list + at, 0, size - at);
        const size_t length = nul ? size_t(static_cast<const char*>(nul) - (list + at)) : size - at;
        if (length >= prefixLength && std::memcmp(list + at, prefix, prefixLength) == 0) return true;
        at += length + 1;
    }
    return false;
}

bool EqualsIgnoreCase(const char* a, const char* b) {
    for (;; ++a, ++b) {
        unsigned char x = static_cast<unsigned char>(*a), y = static_cast<unsigned char>(*b);
        if (x >= 'a' && x <= 'z') x = x - 'a' + 'A';
        if (y >= 'a' && y <= 'z') y = y - 'a' + 'A';
        if (x != y) return false;
        if (x == 0) return true;
    }
}
