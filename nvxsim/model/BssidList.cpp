// BssidList.cpp - builds the extended BSSID list entries and the beacon elements they carry.
#include "nvxsim/model/BssidList.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <iterator>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/Ndis.h"
#include "adapter/wifiapi.h"

namespace nvxsim {
namespace {

// Element identifiers (IEEE 802.11).
constexpr uint8_t IeSsid = 0;
constexpr uint8_t IeRates = 1;
constexpr uint8_t IeDsParameter = 3;
constexpr uint8_t IeIbssParameter = 6;
constexpr uint8_t IeRsn = 48;
constexpr uint8_t IeExtendedRates = 50;
constexpr uint8_t IeVendor = 221;

// Capability bits of the fixed fields.
constexpr uint16_t CapEss = 0x0001;
constexpr uint16_t CapIbss = 0x0002;
constexpr uint16_t CapPrivacy = 0x0010;
constexpr uint16_t CapShortSlot = 0x0400;

// NDIS_802_11_NETWORK_TYPE.
constexpr uint32_t NetworkTypeDs = 1;
constexpr uint32_t NetworkTypeOfdm24 = 3;

// Cipher and key-management suite types, the same numbers under both OUIs.
constexpr uint8_t SuiteTkip = 2;
constexpr uint8_t SuiteCcmp = 4;
constexpr uint8_t AkmIeee8021x = 1;
constexpr uint8_t AkmPsk = 2;

constexpr uint8_t WpaOui[3] = {0x00, 0x50, 0xF2};
constexpr uint8_t RsnOui[3] = {0x00, 0x0F, 0xAC};

// Rates in 500 kbit/s units, basic rates flagged with 0x80.
constexpr uint8_t RatesB[] = {0x82, 0x84, 0x8B, 0x96};
constexpr uint8_t RatesG[] = {0x82, 0x84, 0x8B, 0x96, 0x0C, 0x12, 0x18, 0x24, 0x30, 0x48, 0x60, 0x6C};

struct Cipher {
    uint8_t group;
    std::initializer_list<uint8_t> pairwise;
    uint8_t akm;
};

bool IsOfdm(const Network& n) { return n.rateMbps > 11 && n.channel != 14; }  // no OFDM on channel 14

class Elements {
public:
    void Add(uint8_t id, const std::vector<uint8_t>& data) {
        bytes_.push_back(id);
        bytes_.push_back(uint8_t(data.size()));
        bytes_.insert(bytes_.end(), data.begin(), data.end());
    }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

void PutSuite(std::vector<uint8_t>& out, const uint8_t (&oui)[3], uint8_t type) {
    out.insert(out.end(), oui, oui + 3);
    out.push_back(type);
}

void PutU16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

// The suite lists shared by the WPA and RSN elements after their version.
std::vector<uint8_t> Suites(const uint8_t (&oui)[3], const Cipher& c) {
    std::vector<uint8_t> out;
    PutSuite(out, oui, c.group);
    PutU16(out, uint16_t(c.pairwise.size()));
    for (uint8_t p : c.pairwise) PutSuite(out, oui, p);
    PutU16(out, 1);
    PutSuite(out, oui, c.akm);
    return out;
}

// WPA: vendor element 00:50:F2 type 1, version 1.
std::vector<uint8_t> WpaElement(const Cipher& c) {
    std::vector<uint8_t> out;
    PutSuite(out, WpaOui, 1);
    PutU16(out, 1);
    const std::vector<uint8_t> suites = Suites(WpaOui, c);
    out.insert(out.end(), suites.begin(), suites.end());
    return out;
}

// RSN: version 1, suites, then the RSN capabilities.
std::vector<uint8_t> RsnElement(const Cipher& c) {
    std::vector<uint8_t> out;
    PutU16(out, 1);
    const std::vector<uint8_t> suites = Suites(RsnOui, c);
    out.insert(out.end(), suites.begin(), suites.end());
    PutU16(out, 0);
    return out;
}

void AddSecurityElements(Elements& e, Security s) {
    switch (s) {
    case Security::Open:
    case Security::Wep:
    case Security::DynamicWep:  // privacy bit only
        return;
    case Security::WpaTkip:
        e.Add(IeVendor, WpaElement({SuiteTkip, {SuiteTkip}, AkmPsk}));
        return;
    case Security::WpaAes:
        e.Add(IeVendor, WpaElement({SuiteCcmp, {SuiteCcmp}, AkmPsk}));
        return;
    case Security::Wpa2Ccmp:
        e.Add(IeRsn, RsnElement({SuiteCcmp, {SuiteCcmp}, AkmPsk}));
        return;
    case Security::WpaMixed:
        // Both generations on one network: the group key must be the one both understand.
        e.Add(IeRsn, RsnElement({SuiteTkip, {SuiteTkip, SuiteCcmp}, AkmPsk}));
        e.Add(IeVendor, WpaElement({SuiteTkip, {SuiteTkip, SuiteCcmp}, AkmPsk}));
        return;
    case Security::WpaEap:
        e.Add(IeVendor, WpaElement({SuiteTkip, {SuiteTkip}, AkmIeee8021x}));
        return;
    case Security::Wpa2Eap:
        e.Add(IeRsn, RsnElement({SuiteCcmp, {SuiteCcmp}, AkmIeee8021x}));
        return;
    }
}

// Fixed fields, then the elements in the order beacons carry them.
std::vector<uint8_t> InformationElements(const HeardBss& heard) {
    const Network& n = *heard.network;
    std::vector<uint8_t> ies(sizeof(ndis::FixedIes), 0);
    StoreU64(ies.data() + offsetof(ndis::FixedIes, Timestamp), heard.tsfUs);
    StoreU16(ies.data() + offsetof(ndis::FixedIes, BeaconInterval), 100);
    uint16_t caps = n.adhoc ? CapIbss : CapEss;
    if (n.security != Security::Open) caps |= CapPrivacy;
    if (IsOfdm(n)) caps |= CapShortSlot;
    StoreU16(ies.data() + offsetof(ndis::FixedIes, Capabilities), caps);

    Elements e;
    e.Add(IeSsid, std::vector<uint8_t>(n.ssid.begin(), n.ssid.end()));
    if (IsOfdm(n)) {
        e.Add(IeRates, std::vector<uint8_t>(RatesG, RatesG + 8));  // eight fit, the rest follow
    } else {
        e.Add(IeRates, std::vector<uint8_t>(std::begin(RatesB), std::end(RatesB)));
    }
    e.Add(IeDsParameter, {uint8_t(n.channel)});
    if (n.adhoc) e.Add(IeIbssParameter, {0, 0});  // ATIM window 0
    AddSecurityElements(e, n.security);
    if (IsOfdm(n)) e.Add(IeExtendedRates, std::vector<uint8_t>(RatesG + 8, std::end(RatesG)));
    ies.insert(ies.end(), e.bytes().begin(), e.bytes().end());
    return ies;
}

}  // namespace

uint32_t ChannelToKhz(uint32_t channel) { return channel == 14 ? 2484000 : 2407000 + 5000 * channel; }

std::vector<uint8_t> BssidEntry(const HeardBss& heard) {
    const Network& n = *heard.network;
    const std::vector<uint8_t> ies = InformationElements(heard);
    const size_t length = (ndis::BssidExFixedSize + ies.size() + 3) & ~size_t(3);
    std::vector<uint8_t> entry(length, 0);
    uint8_t* b = entry.data();
    StoreU32(b + offsetof(SITE_INFO, Length), uint32_t(length));
    std::copy(n.bssid.begin(), n.bssid.end(), b + offsetof(SITE_INFO, MacAddress));
    const size_t ssidLength = n.ssid.size() < 32 ? n.ssid.size() : 32;
    StoreU32(b + offsetof(SITE_INFO, SsidLength), uint32_t(ssidLength));
    std::copy(n.ssid.begin(), n.ssid.begin() + ptrdiff_t(ssidLength), b + offsetof(SITE_INFO, Ssid));
    StoreU32(b + offsetof(SITE_INFO, Privacy), n.security == Security::Open ? 0 : 1);
    StoreU32(b + offsetof(SITE_INFO, Rssi), uint32_t(heard.rssi));
    StoreU32(b + offsetof(SITE_INFO, NetworkTypeInUse), IsOfdm(n) ? NetworkTypeOfdm24 : NetworkTypeDs);
    StoreU32(b + offsetof(SITE_INFO, ConfigLength), sizeof(ndis::Configuration));
    StoreU32(b + offsetof(SITE_INFO, BeaconPeriod), 100);
    StoreU32(b + offsetof(SITE_INFO, DSConfig), ChannelToKhz(n.channel));
    StoreU32(b + offsetof(SITE_INFO, FHLength), sizeof(ndis::ConfigurationFh));
    StoreU32(b + offsetof(SITE_INFO, InfrastructureMode), n.adhoc ? ndis::ModeIbss : ndis::ModeInfrastructure);
    if (IsOfdm(n))
        std::copy(std::begin(RatesG), std::end(RatesG), b + offsetof(SITE_INFO, SupportedRates));
    else
        std::copy(std::begin(RatesB), std::end(RatesB), b + offsetof(SITE_INFO, SupportedRates));
    StoreU32(b + offsetof(SITE_INFO, IELength), uint32_t(ies.size()));
    std::copy(ies.begin(), ies.end(), b + ndis::BssidExFixedSize);
    return entry;
}

std::vector<uint8_t> BssidList(const std::vector<HeardBss>& heard) {
    std::vector<uint8_t> list(ndis::BssidListHeaderSize, 0);
    StoreU32(list.data(), uint32_t(heard.size()));
    for (const HeardBss& h : heard) {
        const std::vector<uint8_t> entry = BssidEntry(h);
        list.insert(list.end(), entry.begin(), entry.end());
    }
    return list;
}

}  // namespace nvxsim
