// Export files are edited by hand: number and key texts must survive any bytes and stay within bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/KeyText.h"
#include "adapter/portable/ProfileFileText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const uint32_t value = profilefile::ParseDwordText(text);
    // Whatever came in, the number goes out as text that reads back the same.
    const uint8_t bytes[4] = {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
    if (profilefile::ParseDwordText(profilefile::ExportText(true, bytes, 4)) != value) std::abort();

    // A strict number reads back the same through the export's text.
    if (const auto strict = profilefile::ParseDecimalText(text)) {
        const uint8_t b[4] = {uint8_t(*strict), uint8_t(*strict >> 8), uint8_t(*strict >> 16), uint8_t(*strict >> 24)};
        if (profilefile::ParseDecimalText(profilefile::ExportText(true, b, 4)) != strict) std::abort();
    }
    for (const profile::ValueSpec& value : profile::Values()) {
        uint32_t number = 0;
        const auto fault = profilefile::CheckImportText(value, text, number);
        const auto range = profilefile::RangeOf(value);
        if (fault == profilefile::ImportFault::None && range && (number < range->least || number > range->most))
            std::abort();
    }

    // A stored value of any type and size: a text field stays terminated, an SSID within 32 bytes.
    for (const profile::ValueSpec& value : profile::Values()) {
        WLAN_PROFILE p{};
        const uint32_t type = size ? data[0] % 8 : 0;
        if (!profile::TakeValue(p, value, type, data, size)) continue;
        const char* field = reinterpret_cast<const char*>(profile::FieldOf(p, value));
        if (value.kind == profile::ValueKind::Text && BoundedLength(field, value.width) == value.width) std::abort();
        if (BoundedLength(p.SSID, sizeof p.SSID) > profile::SsidMost) std::abort();
    }

    const std::string exported = profilefile::ExportText(false, data, size);
    if (exported.size() > size) std::abort();

    const size_t digits = size ? data[0] % 40 : 0;
    const std::string shown = FormatWepKeyText(text, digits);
    const size_t pairs = (digits + 1) / 2;
    if (shown.size() != (pairs ? 3 * pairs - 1 : 0)) std::abort();
    if (BytesToHexText(data, size).size() != 2 * size) std::abort();
    return 0;
}
