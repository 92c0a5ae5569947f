// BssidListBuilder.h - builds NDIS_802_11_BSSID_LIST_EX buffers shaped like a driver's, for tests and benchmarks.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "adapter/portable/Bytes.h"

namespace bssid_list {

using Bytes = std::vector<uint8_t>;

struct EntrySpec {
    std::array<uint8_t, 6> mac{0x00, 0x14, 0x6C, 0xA1, 0x22, 0x33};
    std::string ssid = "Velmora-Home";  // written into the 32-byte field (longer texts are cut)
    std::optional<uint32_t> ssidLength;  // SsidLength; defaults to the text's length
    uint32_t privacy = 0;
    int32_t rssi = -60;
    uint32_t khz = 2437000;
    uint32_t infrastructureMode = 1;
    Bytes elements;                      // after the 12 fixed bytes
    std::optional<uint32_t> length;      // Length as written; defaults to the true size
    std::optional<uint32_t> ieLength;    // IELength as written; defaults to the true size
};

inline Bytes Element(uint8_t id, const Bytes& data) {
    Bytes e{id, uint8_t(data.size())};
    e.insert(e.end(), data.begin(), data.end());
    return e;
}

inline void AppendSuite(Bytes& to, std::array<uint8_t, 3> oui, uint8_t type) {
    to.insert(to.end(), oui.begin(), oui.end());
    to.push_back(type);
}

inline void AppendU16(Bytes& to, uint16_t v) {
    to.push_back(uint8_t(v));
    to.push_back(uint8_t(v >> 8));
}

inline constexpr std::array<uint8_t, 3> WpaOui{0x00, 0x50, 0xF2};
inline constexpr std::array<uint8_t, 3> RsnOui{0x00, 0x0F, 0xAC};

// Vendor element 221 with the WPA OUI type 1, version 1. Cipher types: 2 TKIP, 4 CCMP;
// AKM types: 1 802.1X, 2 PSK.
inline Bytes WpaElement(const Bytes& pairwise, const Bytes& akms, uint8_t group = 2) {
    Bytes d{0x00, 0x50, 0xF2, 0x01, 0x01, 0x00};
    AppendSuite(d, WpaOui, group);
    AppendU16(d, uint16_t(pairwise.size()));
    for (uint8_t t : pairwise) AppendSuite(d, WpaOui, t);
    AppendU16(d, uint16_t(akms.size()));
    for (uint8_t t : akms) AppendSuite(d, WpaOui, t);
    return Element(221, d);
}

// RSN element 48, version 1, with RSN capabilities.
inline Bytes RsnElement(const Bytes& pairwise, const Bytes& akms, uint8_t group = 4) {
    Bytes d{0x01, 0x00};
    AppendSuite(d, RsnOui, group);
    AppendU16(d, uint16_t(pairwise.size()));
    for (uint8_t t : pairwise) AppendSuite(d, RsnOui, t);
    AppendU16(d, uint16_t(akms.size()));
    for (uint8_t t : akms) AppendSuite(d, RsnOui, t);
    AppendU16(d, 0x0000);
    return Element(48, d);
}

// The elements a beacon carries before the security ones.
inline Bytes BeaconElements(const std::string& ssid, uint8_t channel) {
    Bytes e = Element(0, Bytes(ssid.begin(), ssid.end()));
    const Bytes rates = Element(1, {0x82, 0x84, 0x8B, 0x96, 0x0C, 0x12, 0x18, 0x24});
    const Bytes ds = Element(3, {channel});
    const Bytes wmm = Element(221, {0x00, 0x50, 0xF2, 0x02, 0x00, 0x01, 0x00});
    for (const Bytes* b : {&rates, &ds, &wmm}) e.insert(e.end(), b->begin(), b->end());
    return e;
}

inline Bytes Entry(const EntrySpec& s) {
    const size_t elementsSize = 12 + s.elements.size();
    const size_t size = (116 + elementsSize + 3) & ~size_t(3);  // drivers pad entries to 4 bytes
    Bytes e(size, 0);
    StoreU32(&e[0], s.length.value_or(uint32_t(size)));
    std::memcpy(&e[4], s.mac.data(), 6);
    StoreU32(&e[12], s.ssidLength.value_or(uint32_t(s.ssid.size() > 32 ? 32 : s.ssid.size())));
    std::memcpy(&e[16], s.ssid.data(), s.ssid.size() > 32 ? 32 : s.ssid.size());
    StoreU32(&e[48], s.privacy);
    StoreU32(&e[52], uint32_t(s.rssi));
    StoreU32(&e[56], 2);  // Ndis802_11OFDM24
    StoreU32(&e[60], 32);
    StoreU32(&e[64], 100);
    StoreU32(&e[72], s.khz);
    StoreU32(&e[92], s.infrastructureMode);
    const uint8_t rates[] = {0x82, 0x84, 0x8B, 0x96, 0x0C, 0x12, 0x18, 0x24};
    std::memcpy(&e[96], rates, sizeof rates);
    StoreU32(&e[112], s.ieLength.value_or(uint32_t(elementsSize)));
    StoreU16(&e[116 + 8], 100);                                 // beacon interval
    StoreU16(&e[116 + 10], uint16_t(s.privacy ? 0x0011 : 0x0001));  // ESS, privacy
    if (!s.elements.empty()) std::memcpy(&e[116 + 12], s.elements.data(), s.elements.size());
    return e;
}

// The list: NumberOfItems (defaults to the entries given), then the entries.
inline Bytes List(const std::vector<Bytes>& entries, std::optional<uint32_t> count = std::nullopt) {
    Bytes list(4, 0);
    StoreU32(list.data(), count.value_or(uint32_t(entries.size())));
    for (const Bytes& e : entries) list.insert(list.end(), e.begin(), e.end());
    return list;
}

}  // namespace bssid_list
