// IcmpEcho.cpp - see IcmpEcho.h.
#include "monitor/core/portable/IcmpEcho.h"

#include <cstring>

#include "adapter/portable/Bytes.h"

namespace icmp {

uint16_t InternetChecksum(const uint8_t* data, size_t size) {
    uint32_t sum = 0;
    size_t i = 0;
    for (; i + 1 < size; i += 2) sum += LoadU16(data + i);
    if (i < size) sum += data[i];
    sum = (sum >> 16) + (sum & 0xFFFF);
    sum += sum >> 16;
    return uint16_t(~sum);
}

void BuildEchoRequest(uint8_t* packet, uint32_t processId) {
    std::memset(packet, 0, RequestSize);
    packet[0] = EchoRequest;
    packet[1] = 0;
    StoreU16(packet + 4, uint16_t(processId));
    StoreU16(packet + 6, 0);
    std::memset(packet + 8, DataByte, RequestSize - 8);
    StoreU16(packet + 2, InternetChecksum(packet, RequestSize));
}

Verdict ClassifyReply(const uint8_t* packet, size_t received) {
    if (received == 0) return Verdict::NotReachable;
    const size_t headerLength = size_t(packet[0] & 0x0F) * 4;
    // An IP header is at least 20 bytes; anything less cannot be located safely.
    if (headerLength < 20 || received < headerLength + 8) return Verdict::NotReachable;
    switch (packet[headerLength]) {
        case EchoReply: return Verdict::Reachable;
        case DestinationUnreachable: return Verdict::NotReachable;
        default: return Verdict::Skip;
    }
}

}  // namespace icmp
