// ScanList.cpp - see ScanList.h.
#include "adapter/portable/ScanList.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/Ndis.h"
#include "adapter/portable/ProfileKinds.h"
#include "adapter/portable/RadioUnits.h"
#include "adapter/wifiapi.h"

namespace scan {
namespace {

// Fields are read by offset: entries follow each other at any alignment.
constexpr size_t MacAt = offsetof(SITE_INFO, MacAddress);
constexpr size_t SsidAt = offsetof(SITE_INFO, Ssid);
constexpr size_t SsidWidth = sizeof(SITE_INFO::Ssid);
constexpr size_t PrivacyAt = offsetof(SITE_INFO, Privacy);
constexpr size_t RssiAt = offsetof(SITE_INFO, Rssi);
constexpr size_t DsConfigAt = offsetof(SITE_INFO, DSConfig);
constexpr size_t InfrastructureModeAt = offsetof(SITE_INFO, InfrastructureMode);
constexpr size_t IeLengthAt = offsetof(SITE_INFO, IELength);
static_assert(offsetof(SITE_INFO, IEs) == ndis::BssidExFixedSize);
constexpr size_t FixedIesSize = sizeof(ndis::FixedIes);

constexpr uint8_t ElementRsn = 48;
constexpr uint8_t ElementVendor = 221;

constexpr uint8_t WpaOui[3] = {0x00, 0x50, 0xF2};
constexpr uint8_t RsnOui[3] = {0x00, 0x0F, 0xAC};

// A network's cipher in the numbers of EncryptionLevel, which a profile of it takes.
constexpr uint32_t Tkip = profile::Stored(profile::Level::Tkip);
constexpr uint32_t Aes = profile::Stored(profile::Level::Aes);

// Walks the elements after the fixed beacon fields. Stops at an element whose
// length byte would take it past the entry's elements.
template <typename Visit>
void ForEachElement(std::span<const uint8_t> elements, Visit visit) {
    size_t at = FixedIesSize;
    while (at + 2 <= elements.size()) {
        const size_t size = size_t(elements[at + 1]) + 2;
        if (size > elements.size() - at) return;
        if (visit(elements.data() + at, size)) return;
        at += size;
    }
}

// Pairwise and authentication suites of a WPA (oui 00 50 F2) or RSN (00 0F AC) element.
std::optional<SecurityKinds> ParseSuites(const uint8_t* element, size_t size, size_t countAt, const uint8_t* oui) {
    constexpr size_t MaxSuites = 4;
    SecurityKinds kinds;
    if (countAt + 2 > size) return std::nullopt;
    size_t at = countAt + 2;
    const size_t pairwise = LoadU16(element + countAt);
    for (size_t i = 0; i < pairwise && i < MaxSuites && at + 4 <= size; ++i, at += 4) {
        const uint8_t* suite = element + at;
        if (std::memcmp(suite, oui, 3) != 0) return std::nullopt;
        switch (suite[3]) {
        case 0: break;  // "use the group cipher": leaves the kind as it is
        case 2: kinds.cipher = std::max(kinds.cipher, Tkip); break;
        case 3:
        case 4: kinds.cipher = std::max(kinds.cipher, Aes); break;
        default: return std::nullopt;
        }
    }
    // The authentication count follows the suites actually read.
    if (at + 2 > size) return std::nullopt;
    const size_t authentication = LoadU16(element + at);
    at += 2;
    for (size_t i = 0; i < authentication && i < MaxSuites && at + 4 <= size; ++i, at += 4) {
        const uint8_t* suite = element + at;
        if (std::memcmp(suite, oui, 3) != 0) continue;
        if (suite[3] == 0 || suite[3] == 1) kinds.authentication = AuthenticationDot1x;
        else if (suite[3] == 2) kinds.authentication = AuthenticationPreShared;
    }
    if (authentication == 0 || kinds.cipher == 0 || kinds.authentication == 0) return std::nullopt;
    return kinds;
}

}  // namespace

ScanList::ScanList(const uint8_t* list, size_t size, size_t entryLimit)
    : list_(list), size_(list ? size : 0), declared_(0), limit_(entryLimit) {
    if (size_ >= ndis::BssidListHeaderSize) declared_ = LoadU32(list_);
}

ScanList::Iterator::Iterator(const ScanList* list) : list_(list) {
    next_ = ndis::BssidListHeaderSize;
    remaining_ = std::min<size_t>(list->declared_, list->limit_);
    done_ = false;
    Read();
}

ScanList::Iterator& ScanList::Iterator::operator++() {
    Read();
    return *this;
}

void ScanList::Iterator::Read() {
    const uint8_t* list = list_->list_;
    const size_t size = list_->size_;
    if (remaining_ == 0 || next_ > size || size - next_ < ndis::BssidExFixedSize) {
        done_ = true;
        return;
    }
    const uint8_t* e = list + next_;
    const uint32_t length = LoadU32(e);
    if (length < ndis::BssidExFixedSize || length > size - next_) {
        done_ = true;
        return;
    }
    entry_.offset = next_;
    std::memcpy(entry_.mac.data(), e + MacAt, entry_.mac.size());
    const char* ssid = reinterpret_cast<const char*>(e + SsidAt);
    entry_.ssid = std::string_view(ssid, BoundedLength(ssid, SsidWidth));
    entry_.privacy = LoadU32(e + PrivacyAt);
    entry_.rssi = int32_t(LoadU32(e + RssiAt));
    entry_.dsConfigKhz = LoadU32(e + DsConfigAt);
    entry_.infrastructureMode = LoadU32(e + InfrastructureModeAt);
    const size_t held = length - ndis::BssidExFixedSize;
    entry_.elements = std::span<const uint8_t>(e + ndis::BssidExFixedSize, std::min<size_t>(LoadU32(e + IeLengthAt), held));
    next_ += length;
    --remaining_;
}

void LimitEntryCount(uint8_t* list, size_t size) {
    if (list && size >= ndis::BssidListHeaderSize && LoadU32(list) > SurveyEntryLimit)
        StoreU32(list, uint32_t(SurveyEntryLimit));
}

// The element's own length byte bounds it, and it must lie within `size`.
static size_t ElementSize(const uint8_t* element, size_t size) {
    if (!element || size < 2 || size_t(element[1]) + 2 > size) return 0;
    return size_t(element[1]) + 2;
}

std::optional<SecurityKinds> ParseWpaElement(const uint8_t* element, size_t size) {
    // id, L, OUI 00 50 F2, type 1, version, group suite, then the pairwise count at 12.
    size = ElementSize(element, size);
    if (size < 24 || std::memcmp(element + 2, WpaOui, 3) != 0 || element[5] != 0x01 || LoadU16(element + 6) != 1)
        return std::nullopt;
    return ParseSuites(element, size, 12, WpaOui);
}

std::optional<SecurityKinds> ParseRsnElement(const uint8_t* element, size_t size) {
    // id, L, version, group suite, then the pairwise count at 8.
    size = ElementSize(element, size);
    if (size < 20 || LoadU16(element + 2) != 1) return std::nullopt;
    return ParseSuites(element, size, 8, RsnOui);
}

std::optional<SecurityKinds> FindSecurityElement(const Entry& entry) {
    std::optional<SecurityKinds> found;
    ForEachElement(entry.elements, [&](const uint8_t* element, size_t size) {
        if (element[0] == ElementVendor) found = ParseWpaElement(element, size);
        else if (element[0] == ElementRsn) found = ParseRsnElement(element, size);
        return found.has_value();
    });
    return found;
}

std::string ChannelText(const Entry& entry) { return std::to_string(radio::SurveyChannel(entry.dsConfigKhz)); }

std::string SignalText(int32_t rssiDbm) { return std::to_string(radio::SignalPercent(rssiDbm)) + "%"; }

std::string MacText(const std::array<uint8_t, 6>& mac) {
    char text[18];
    std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
    return text;
}

// The row summary once took a literal look of its own, which listed WPA2-only
// networks as "WEP"; it shows what the details parsers find.
std::string ListSecurityText(const Entry& entry) { return DetailsSecurityText(entry); }

std::string DetailsSecurityText(const Entry& entry) {
    if (entry.privacy == 0) return "No";
    const std::optional<SecurityKinds> kinds = FindSecurityElement(entry);
    if (kinds && kinds->cipher == Tkip) return profile::TkipText;
    if (kinds && kinds->cipher == Aes) return profile::AesText;
    return "WEP";
}

std::optional<Entry> FindEntry(const ScanList& list, std::string_view ssid, std::string_view channel,
                               std::string_view signal) {
    for (const Entry& entry : list)
        if (entry.ssid == ssid && ChannelText(entry) == channel && SignalText(entry.rssi) == signal) return entry;
    return std::nullopt;
}

ProfileSecurity SecurityForProfile(const Entry& entry) {
    using profile::Level, profile::Security, profile::Stored;
    if (entry.privacy == 0) return {Stored(Security::Disabled), Stored(Level::Unset)};
    const std::optional<SecurityKinds> kinds = FindSecurityElement(entry);
    if (!kinds) return {Stored(Security::Wep), Stored(Level::Wep64)};
    return {Stored(Security::WpaPersonal), kinds->cipher};
}

}  // namespace scan
