// Ndis.h - the NDIS OIDs the library issues and the 802.11 records they carry.
#pragma once

#include <cstddef>
#include <cstdint>

namespace oid {
inline constexpr uint32_t GenLinkSpeed = 0x00010107;
inline constexpr uint32_t GenMediaConnectStatus = 0x00010114;
inline constexpr uint32_t GenXmitOk = 0x00020101;
inline constexpr uint32_t GenRcvOk = 0x00020102;
inline constexpr uint32_t GenDirectedBytesXmit = 0x00020201;
inline constexpr uint32_t GenDirectedBytesRcv = 0x00020207;
inline constexpr uint32_t CurrentAddress = 0x01010102;
inline constexpr uint32_t Bssid = 0x0D010101;
inline constexpr uint32_t Ssid = 0x0D010102;
inline constexpr uint32_t InfrastructureMode = 0x0D010108;
inline constexpr uint32_t AddWep = 0x0D010113;
inline constexpr uint32_t RemoveWep = 0x0D010114;
inline constexpr uint32_t Disassociate = 0x0D010115;
inline constexpr uint32_t AuthenticationMode = 0x0D010118;
inline constexpr uint32_t BssidListScan = 0x0D01011A;
inline constexpr uint32_t EncryptionStatus = 0x0D01011B;
inline constexpr uint32_t Rssi = 0x0D010206;
inline constexpr uint32_t Configuration = 0x0D010211;
inline constexpr uint32_t BssidList = 0x0D010217;
inline constexpr uint32_t VendorStatistics = 0xFF018004;
inline constexpr uint32_t VendorDriverInfo = 0xFF01800A;
}  // namespace oid

namespace ndis {

// NDIS_STATUS_FAILURE: what the driver answers for a request it could not carry out.
inline constexpr int32_t StatusFailure = int32_t(0xC0000001);

inline constexpr uint32_t MediaConnected = 0;
inline constexpr uint32_t MediaDisconnected = 1;

inline constexpr uint32_t ModeIbss = 0;
inline constexpr uint32_t ModeInfrastructure = 1;

// Authentication modes (NDIS_802_11_AUTHENTICATION_MODE).
inline constexpr uint32_t AuthOpen = 0;
inline constexpr uint32_t AuthShared = 1;
inline constexpr uint32_t AuthAuto = 2;
inline constexpr uint32_t AuthWpa = 3;
inline constexpr uint32_t AuthWpaPsk = 4;
inline constexpr uint32_t AuthWpa2 = 6;
inline constexpr uint32_t AuthWpa2Psk = 7;

// Encryption status (NDIS_802_11_ENCRYPTION_STATUS).
inline constexpr uint32_t EncWepEnabled = 0;
inline constexpr uint32_t EncDisabled = 1;
inline constexpr uint32_t EncTkipEnabled = 4;
inline constexpr uint32_t EncTkipKeyAbsent = 5;
inline constexpr uint32_t EncAesEnabled = 6;
inline constexpr uint32_t EncAesKeyAbsent = 7;

inline constexpr uint32_t WepTransmitKey = 0x80000000u;

struct Ssid {
    uint32_t SsidLength;
    uint8_t Ssid[32];
};
static_assert(sizeof(Ssid) == 36);

struct ConfigurationFh {
    uint32_t Length;
    uint32_t HopPattern;
    uint32_t HopSet;
    uint32_t DwellTime;
};

struct Configuration {
    uint32_t Length;
    uint32_t BeaconPeriod;  // Kusec
    uint32_t ATIMWindow;
    uint32_t DSConfig;  // kHz
    ConfigurationFh FHConfig;
};
static_assert(sizeof(Configuration) == 32);
static_assert(offsetof(Configuration, DSConfig) == 12);

// NDIS_802_11_WEP as this library sends it: a 15-byte key material field.
#pragma pack(push, 1)
struct WepKey27 {
    uint32_t Length;
    uint32_t KeyIndex;
    uint32_t KeyLength;
    uint8_t KeyMaterial[15];
};
#pragma pack(pop)
static_assert(sizeof(WepKey27) == 27);
inline constexpr size_t WepKeyHeaderSize = offsetof(WepKey27, KeyMaterial);

// Beacon fixed fields at the start of an extended entry's information elements.
#pragma pack(push, 1)
struct FixedIes {
    uint8_t Timestamp[8];
    uint16_t BeaconInterval;
    uint16_t Capabilities;
};
#pragma pack(pop)
static_assert(sizeof(FixedIes) == 12);

// Byte offsets within NDIS_WLAN_BSSID_EX; the fixed part ends where the elements start.
inline constexpr size_t BssidExFixedSize = 116;
inline constexpr size_t BssidListHeaderSize = 4;

// Vendor record requests: u32 length, u32 0x01010000, zeros.
inline constexpr uint32_t VendorRequestTag = 0x01010000;
inline constexpr uint32_t VendorStatisticsSize = 144;
inline constexpr uint32_t VendorDriverInfoSize = 92;
inline constexpr uint32_t VendorDriverInfoQueryLength = 88;

}  // namespace ndis
