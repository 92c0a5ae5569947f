// RegKey.cpp - bounded reads of registry values.
#include "adapter/RegKey.h"

#include <vector>

LONG CRegKey::Query(const char* name, void* data, DWORD& size, DWORD* type) const {
    // The platform leaves the buffer undefined when the value is too large: read into scratch.
    std::vector<BYTE> scratch(size ? size : 1);
    DWORD got = size;
    const LONG rc = RegQueryValueExA(key_, name, nullptr, type, scratch.data(), &got);
    if (rc != ERROR_SUCCESS) return rc;
    if (got > size) return ERROR_MORE_DATA;
    CopyMemory(data, scratch.data(), got);
    size = got;
    return ERROR_SUCCESS;
}

LONG CRegKey::QueryDword(const char* name, DWORD& value) const {
    DWORD v = 0, size = sizeof v;
    const LONG rc = Query(name, &v, size);
    if (rc == ERROR_SUCCESS && size == sizeof v) value = v;
    return rc == ERROR_SUCCESS && size != sizeof v ? ERROR_INVALID_DATA : rc;
}
