// AdhocDecision.cpp - see AdhocDecision.h.
#include "monitor/core/portable/AdhocDecision.h"

#include <cstring>
#include <string_view>

#include "adapter/portable/Bytes.h"
#include "adapter/wifiapi.h"

namespace adhoc {
namespace {

constexpr size_t FixedEntry = offsetof(SITE_INFO, SupportedRates);  // through InfrastructureMode

std::string_view SsidText(const uint8_t* entry) {
    const char* text = reinterpret_cast<const char*>(entry + offsetof(SITE_INFO, Ssid));
    return {text, BoundedLength(text, sizeof(SITE_INFO::Ssid))};
}

}  // namespace

uint32_t ChooseAssociationMode(const uint8_t* list, size_t size, const char* ssid, size_t ssidWidth,
                               uint32_t channel) {
    if (!list || size < 4) return Create;
    const std::string_view wanted(ssid, BoundedLength(ssid, ssidWidth));
    uint32_t count = LoadU32(list);
    size_t offset = 4;
    // The driver's lengths are untrusted: stop at an entry that does not lie wholly inside the buffer.
    for (; count > 0; --count) {
        if (size - offset < FixedEntry) break;
        const uint8_t* entry = list + offset;
        const uint32_t length = LoadU32(entry);
        if (length < FixedEntry || length > size - offset) break;
        const bool adhoc = LoadU32(entry + offsetof(SITE_INFO, InfrastructureMode)) == 0;
        const uint32_t entryChannel = ChannelOf(LoadU32(entry + offsetof(SITE_INFO, DSConfig)));
        if (adhoc && SsidText(entry) == wanted && entryChannel == channel) return Join;
        offset += length;
    }
    return Create;
}

}  // namespace adhoc
