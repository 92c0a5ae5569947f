// LinkStatus.cpp - signal, status and statistics of the live link, and the driver's scanned-network list.
#include <windows.h>
#include <iphlpapi.h>

#include <cstring>
#include <vector>

#include "adapter/DriverLink.h"
#include "adapter/Seams.h"
#include "adapter/portable/Bytes.h"
#include "adapter/portable/LinkRecords.h"
#include "adapter/portable/Ndis.h"
#include "adapter/portable/RadioUnits.h"
#include "adapter/portable/ScanListCopy.h"
#include "adapter/wifiapi.h"

namespace {

// A 4-byte query into a local first: the record's fields need not be aligned for the driver.
int32_t QueryU32(uint32_t oidValue, uint32_t& value) {
    uint32_t v = 0;
    const int32_t rc = GetOid(oidValue, &v, sizeof v);
    value = v;
    return rc;
}

void CopyAddressText(char (&to)[16], const char* from) {
    const size_t n = BoundedLength(from, sizeof to - 1);
    std::memcpy(to, from, n);
    to[n] = 0;
}

// Fills the address part from the IP Helper entry described as `description`.
DWORD TakeAddresses(const char* description, NETWORK_STATUS& status) {
    ULONG size = 0;
    seams::Current().getAdaptersInfo(nullptr, &size);
    std::vector<uint8_t> buffer(size, 0);
    auto* list = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
    const DWORD rc = seams::Current().getAdaptersInfo(size ? list : nullptr, &size);
    if (rc != ERROR_SUCCESS) return rc;
    if (!description) return 0;
    const size_t length = std::strlen(description);
    for (const IP_ADAPTER_INFO* a = list; a; a = a->Next) {
        if (std::strncmp(a->Description, description, length) != 0) continue;
        CopyAddressText(status.IpAddress, a->IpAddressList.IpAddress.String);
        CopyAddressText(status.SubnetMask, a->IpAddressList.IpMask.String);
        CopyAddressText(status.Gateway, a->GatewayList.IpAddress.String);
        status.DhcpEnabled = uint8_t(a->DhcpEnabled);
        CopyAddressText(status.DhcpServer, a->DhcpServer.IpAddress.String);
        break;
    }
    return 0;
}

}  // namespace

extern "C" {

int32_t __cdecl GetSignalInfo(SIGNAL_INFO* info) {
    if (!info) return ERROR_INVALID_PARAMETER;
    int32_t rssi = 0;
    if (GetOid(oid::Rssi, &rssi, sizeof rssi) != 0) rssi = 0;
    info->Rssi = rssi;
    info->Reserved = 0;
    return 0;
}

int32_t __cdecl GetLinkQualityIndex(int32_t rssi) { return radio::LinkQualityIndex(rssi); }

int32_t __cdecl GetNetworkStatus(const char* adapterDescription, NETWORK_STATUS* status) {
    if (!status) return ERROR_INVALID_PARAMETER;
    std::memset(status, 0, sizeof *status);
    uint32_t value = 0;
    int32_t rc = QueryU32(oid::GenMediaConnectStatus, value);
    if (rc) return rc;
    status->MediaState = uint8_t(value);

    ndis::Ssid ssid{};
    if ((rc = GetOid(oid::Ssid, &ssid, sizeof ssid))) return rc;
    std::memcpy(status->Ssid, ssid.Ssid, ssid.SsidLength < 32 ? ssid.SsidLength : 32);

    if ((rc = QueryU32(oid::InfrastructureMode, status->InfrastructureMode))) return rc;
    if ((rc = QueryU32(oid::GenLinkSpeed, value))) return rc;
    status->LinkSpeed = linkstatus::LinkSpeedMbps(value);

    ndis::Configuration configuration{};
    if ((rc = GetOid(oid::Configuration, &configuration, sizeof configuration))) return rc;
    status->Channel = radio::ChannelFromKhz(configuration.DSConfig);

    if ((rc = QueryU32(oid::EncryptionStatus, value))) return rc;
    status->Encryption = linkstatus::EncryptionKind(value);
    if ((rc = QueryU32(oid::AuthenticationMode, status->AuthMode))) return rc;
    if ((rc = GetOid(oid::Bssid, status->Bssid, sizeof status->Bssid))) return rc;
    GetOid(oid::CurrentAddress, status->MacAddress, sizeof status->MacAddress);  // not every driver answers

    return int32_t(TakeAddresses(adapterDescription, *status));
}

int32_t __cdecl GetNetworkStatistics(const char*, NETWORK_STATISTICS* statistics) {
    if (!statistics) return ERROR_INVALID_PARAMETER;
    std::memset(statistics, 0, sizeof *statistics);

    auto vendorStatistics = linkstatus::VendorStatisticsRequest();
    if (GetOid(oid::VendorStatistics, vendorStatistics.data(), uint32_t(vendorStatistics.size())) == 0)
        linkstatus::TakeVendorStatistics(*statistics, vendorStatistics);

    int32_t rssi = 0;
    if (GetOid(oid::Rssi, &rssi, sizeof rssi) == 0) statistics->SignalStrength = rssi;

    // The driver answers the information request with 88 bytes, not the 92 it is built with.
    auto driverInfo = linkstatus::VendorDriverInfoRequest();
    if (GetOid(oid::VendorDriverInfo, driverInfo.data(), ndis::VendorDriverInfoQueryLength) == 0)
        linkstatus::TakeDriverVersion(*statistics, driverInfo);

    uint32_t count = 0;
    if (QueryU32(oid::GenRcvOk, count) == 0) statistics->PacketsReceived = count;
    if (QueryU32(oid::GenXmitOk, count) == 0) statistics->PacketsTransmitted = count;
    uint8_t bytes[8] = {};
    if (GetOid(oid::GenDirectedBytesRcv, bytes, sizeof bytes) == 0) statistics->BytesReceived = LoadU64(bytes);
    std::memset(bytes, 0, sizeof bytes);
    if (GetOid(oid::GenDirectedBytesXmit, bytes, sizeof bytes) == 0) statistics->BytesTransmitted = LoadU64(bytes);
    return 0;
}

int32_t __cdecl ScanSiteInfo(void) { return SetOid(oid::BssidListScan, nullptr, 0); }

// The list goes to the caller as the driver wrote it; its readers walk it bounded (ScanList).
// In a crowded place the list outgrows the monitor's 12,004 bytes and the driver
// refuses the query: the caller then gets the first networks instead of none.
int32_t __cdecl GetSiteInfo(void* buffer, uint32_t length) {
    uint32_t needed = 0;
    int32_t rc = driverlink::QueryOid(oid::BssidList, buffer, length, needed);
    // A scan may complete between the queries and make the list longer still.
    for (int attempt = 0; attempt < 3 && rc != 0 && needed > length && needed <= scan::LargestDriverList; ++attempt) {
        std::vector<uint8_t> whole(needed, 0);
        uint32_t written = 0;
        const int32_t wholeRc = driverlink::QueryOid(oid::BssidList, whole.data(), needed, written);
        if (wholeRc != 0) {
            needed = written;
            continue;
        }
        // No whole entry fits: the driver's answer stands, with the caller's buffer untouched.
        std::vector<uint8_t> fitted(length, 0);
        if (scan::CopyWholeEntries(whole.data(), whole.size(), fitted.data(), fitted.size()) == 0) return rc;
        std::memcpy(buffer, fitted.data(), length);
        return 0;
    }
    return rc;
}

}  // extern "C"
