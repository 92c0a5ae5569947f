// DeviceNames.h - walking the system's NUL-separated device-name list.
#pragma once

#include <cstddef>

// True when a name in the list (NUL-separated, ended by an empty name or by the
// end of the buffer) starts with `prefix`, byte for byte.
bool ListHasNameWithPrefix(const char* list, size_t size, const char* prefix);

// Case-insensitive (ASCII) equality of two texts.
bool EqualsIgnoreCase(const char* a, const char* b);
