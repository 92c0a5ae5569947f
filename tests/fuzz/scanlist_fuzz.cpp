// The scanned-network list comes from the driver: its reader and element parsers must survive any bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "adapter/portable/AdhocDecision.h"
#include "adapter/portable/Bytes.h"
#include "adapter/portable/ScanList.h"
#include "adapter/portable/ScanListCopy.h"

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

void ReadAll(const uint8_t* list, size_t size) {
    for (size_t limit : {scan::SurveyEntryLimit, scan::NoEntryLimit}) {
        const scan::ScanList survey(list, size, limit);
        size_t count = 0;
        for (const scan::Entry& e : survey) {
            ++count;
            const uint32_t length = LoadU32(list + e.offset);
            Check(length >= 116 && e.offset + length <= size);
            Check(e.elements.data() >= list + e.offset + 116);
            Check(e.elements.data() + e.elements.size() <= list + e.offset + length);
            Check(e.ssid.size() <= 32);
            const std::string channel = scan::ChannelText(e), signal = scan::SignalText(e.rssi);
            scan::MacText(e.mac);
            scan::ListSecurityText(e);
            const std::string details = scan::DetailsSecurityText(e);
            Check(details == "No" || details == "WEP" || details == "TKIP" || details == "AES");
            scan::SecurityForProfile(e);
            // The lookup finds this entry or an earlier one with the same texts.
            const auto found = scan::FindEntry(survey, e.ssid, channel, signal);
            Check(found && found->offset <= e.offset);
        }
        Check(count <= limit && count <= survey.declaredCount());
    }
    WLAN_PROFILE profile{};
    const scan::ScanList survey(list, size, scan::NoEntryLimit);
    for (const scan::Entry& e : survey) {
        std::memcpy(profile.SSID, e.ssid.data(), e.ssid.size());
        break;
    }
    profile.Channel = 6;
    adhoc::DecideAssociationMode(profile, list, size);
    Check(profile.AssociationMode == 0 || profile.AssociationMode == 2);

    // The part that fits a smaller buffer reads back as the same first entries.
    const size_t capacity = size / 2;
    std::vector<uint8_t> fitted(capacity);
    const size_t copied = scan::CopyWholeEntries(list, size, fitted.data(), capacity);
    size_t readBack = 0;
    for (const scan::Entry& e : scan::ScanList(fitted.data(), capacity, scan::NoEntryLimit)) {
        Check(e.offset + LoadU32(fitted.data() + e.offset) <= capacity);
        ++readBack;
    }
    Check(readBack == copied);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The bytes as a whole list, exactly as large as given.
    ReadAll(data, size);
    // The bytes as one element, for the parsers on their own.
    scan::ParseWpaElement(data, size);
    scan::ParseRsnElement(data, size);
    // The bytes as the elements of a well-formed entry, so the element walks are reached at once.
    if (size > 0) {
        std::vector<uint8_t> list(4 + 116 + size, 0);
        StoreU32(list.data(), 1);
        StoreU32(list.data() + 4, uint32_t(116 + size));
        list[4 + 48] = 1;  // privacy, so the security texts walk the elements
        StoreU32(list.data() + 4 + 112, uint32_t(size));
        std::memcpy(list.data() + 4 + 116, data, size);
        ReadAll(list.data(), list.size());
        std::vector<uint8_t> copy(list);
        scan::LimitEntryCount(copy.data(), copy.size());
    }
    return 0;
}
