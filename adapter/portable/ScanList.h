// ScanList.h - reading the driver's scanned-network list (NDIS_802_11_BSSID_LIST_EX) and its entries' texts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace scan {

// The survey lists show at most this many entries.
inline constexpr size_t SurveyEntryLimit = 100;
inline constexpr size_t NoEntryLimit = std::numeric_limits<size_t>::max();

// One entry, read from the buffer; the views point into it.
struct Entry {
    size_t offset = 0;  // of the entry, from the start of the list
    std::array<uint8_t, 6> mac{};
    std::string_view ssid;  // the SSID bytes up to the first NUL, at most 32
    uint32_t privacy = 0;
    int32_t rssi = 0;  // dBm
    uint32_t dsConfigKhz = 0;
    uint32_t infrastructureMode = 0;  // 1 infrastructure, 0 ad hoc
    // The information elements, beginning with the 12 fixed beacon bytes; never
    // longer than the entry holds, whatever its IELength says.
    std::span<const uint8_t> elements;
};

// Walks the entries by each one's Length. A driver once returned a Length of 0,
// which looped for ever, and lengths past the buffer, which read beyond it: the
// walk stops at the first entry whose Length is smaller than the fixed part of an
// entry or runs past the buffer, and yields only entries that lie wholly inside.
class ScanList {
public:
    ScanList(const uint8_t* list, size_t size, size_t entryLimit = SurveyEntryLimit);
    explicit ScanList(std::span<const uint8_t> list, size_t entryLimit = SurveyEntryLimit)
        : ScanList(list.data(), list.size(), entryLimit) {}

    class Iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;
        using pointer = const Entry*;
        using reference = const Entry&;

        Iterator() = default;
        const Entry& operator*() const { return entry_; }
        const Entry* operator->() const { return &entry_; }
        Iterator& operator++();
        bool operator==(const Iterator& other) const { return done_ == other.done_ && (done_ || next_ == other.next_); }

    private:
        friend class ScanList;
        explicit Iterator(const ScanList* list);
        void Read();

        const ScanList* list_ = nullptr;
        size_t next_ = 0;       // where the next entry starts
        size_t remaining_ = 0;  // entries the count still allows
        bool done_ = true;
        Entry entry_;
    };

    Iterator begin() const { return Iterator(this); }
    Iterator end() const { return Iterator(); }

    // NumberOfItems as the driver wrote it (0 when the buffer cannot hold it).
    uint32_t declaredCount() const { return declared_; }

private:
    const uint8_t* list_;
    size_t size_;
    uint32_t declared_;
    size_t limit_;
};

// The survey keeps its count within the limit in the buffer itself.
void LimitEntryCount(uint8_t* list, size_t size);

// Authentication and cipher kinds of a WPA or RSN element: 802.1X or pre-shared; the cipher
// as EncryptionLevel numbers it (profile::Level::Tkip or Aes).
inline constexpr uint32_t AuthenticationDot1x = 3;
inline constexpr uint32_t AuthenticationPreShared = 4;
struct SecurityKinds {
    uint32_t authentication = 0;
    uint32_t cipher = 0;
};

// Parsers of one element (identifier, length L, L bytes; `size` is L + 2).
std::optional<SecurityKinds> ParseWpaElement(const uint8_t* element, size_t size);
std::optional<SecurityKinds> ParseRsnElement(const uint8_t* element, size_t size);

// The first vendor WPA element or RSN element of the entry that parses.
std::optional<SecurityKinds> FindSecurityElement(const Entry& entry);

// Texts as the survey pages show them.
std::string ChannelText(const Entry& entry);  // "%d", limited to 14
std::string SignalText(int32_t rssiDbm);      // "97%"
std::string MacText(const std::array<uint8_t, 6>& mac);  // "00-14-6C-A1-22-33"
// The list row's summary security text: "No", "TKIP", "AES" or "WEP", as the details.
std::string ListSecurityText(const Entry& entry);
// The details security text: "No", "TKIP", "AES" or "WEP".
std::string DetailsSecurityText(const Entry& entry);

// The details and connect lookups: the first entry whose SSID, channel and
// signal texts equal a row's three cells.
std::optional<Entry> FindEntry(const ScanList& list, std::string_view ssid, std::string_view channel,
                               std::string_view signal);

// SecurityMode and EncryptionLevel a profile gets from a surveyed entry.
struct ProfileSecurity {
    uint32_t securityMode = 0;
    uint32_t encryptionLevel = 0;
};
ProfileSecurity SecurityForProfile(const Entry& entry);

}  // namespace scan
