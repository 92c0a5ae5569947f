// LinkRecords.cpp - see LinkRecords.h.
#include "adapter/portable/LinkRecords.h"

#include <algorithm>

#include "adapter/portable/Bytes.h"

namespace linkstatus {
namespace {

template <size_t N>
std::array<uint8_t, N> VendorRequest() {
    std::array<uint8_t, N> request{};
    StoreU32(request.data(), uint32_t(N));
    StoreU32(request.data() + 4, ndis::VendorRequestTag);
    return request;
}

}  // namespace

uint32_t LinkSpeedMbps(uint32_t hundredsOfBitsPerSecond) {
    return uint32_t(uint64_t(hundredsOfBitsPerSecond) * 100 / 1000000);
}

uint32_t EncryptionKind(uint32_t encryptionStatus) {
    switch (encryptionStatus) {
    case ndis::EncWepEnabled: return 1;
    case ndis::EncTkipEnabled: return 2;
    case ndis::EncAesEnabled: return 3;
    default: return 0;
    }
}

std::array<uint8_t, ndis::VendorStatisticsSize> VendorStatisticsRequest() {
    return VendorRequest<ndis::VendorStatisticsSize>();
}

std::array<uint8_t, ndis::VendorDriverInfoSize> VendorDriverInfoRequest() {
    return VendorRequest<ndis::VendorDriverInfoSize>();
}

void TakeVendorStatistics(NETWORK_STATISTICS& statistics, const std::array<uint8_t, ndis::VendorStatisticsSize>& reply) {
    statistics.TransmitRate = LoadU16(reply.data() + 36);
    statistics.ReceiveRate = LoadU16(reply.data() + 38);
    statistics.NoiseLevel = int32_t(LoadU32(reply.data() + 60));
}

void TakeDriverVersion(NETWORK_STATISTICS& statistics, const std::array<uint8_t, ndis::VendorDriverInfoSize>& reply) {
    for (size_t i = 0; i < 4; ++i) statistics.DriverVersion[i] = LoadU16(reply.data() + 18 + 2 * i);
}

StatusParts ReadParts(int32_t result, const NETWORK_STATUS& status) {
    if (result == 0) return {true, true};
    const uint8_t* b = status.Bssid;
    const bool bssidRead = std::any_of(b, b + sizeof status.Bssid, [](uint8_t x) { return x != 0; });
    return {bssidRead, false};
}

}  // namespace linkstatus
