// ScanListCopy.h - the part of a scanned-network list that fits a caller's buffer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace scan {

// A driver asking for more than this for its list is not believed.
inline constexpr size_t LargestDriverList = 1024 * 1024;

// Copies the list's count field and then its whole entries, in the list's order,
// as long as they fit `capacity` bytes of `to`, and sets the copied count to the
// number of entries copied. Entries are walked as ScanList walks them (by Length,
// bounded by `size`, at most the declared count). Returns that number; nothing is
// written when `capacity` cannot hold the count field.
size_t CopyWholeEntries(const uint8_t* list, size_t size, uint8_t* to, size_t capacity);

}  // namespace scan
