// ScanListCopy.cpp - see ScanListCopy.h.
#include "adapter/portable/ScanListCopy.h"

#include <cstring>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/Ndis.h"
#include "adapter/portable/ScanList.h"

namespace scan {

size_t CopyWholeEntries(const uint8_t* list, size_t size, uint8_t* to, size_t capacity) {
    if (!to || capacity < ndis::BssidListHeaderSize) return 0;
    size_t copied = 0, at = ndis::BssidListHeaderSize;
    for (const Entry& entry : ScanList(list, size, NoEntryLimit)) {
        const size_t length = LoadU32(list + entry.offset);  // the walk checked it lies inside `list`
        if (length > capacity - at) break;  // the next entries stay in the driver's order: stop here
        std::memmove(to + at, list + entry.offset, length);
        at += length;
        ++copied;
    }
    StoreU32(to, uint32_t(copied));
    return copied;
}

}  // namespace scan
