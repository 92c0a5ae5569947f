// IcmpEcho.h - the probe's ICMP echo request and the reading of what the raw socket receives.
#pragma once

#include <cstddef>
#include <cstdint>

namespace icmp {

inline constexpr size_t RequestSize = 40;
inline constexpr size_t PacketBufferSize = 1032;
inline constexpr size_t ReceiveLimit = 1024;
inline constexpr uint8_t EchoRequest = 8;
inline constexpr uint8_t EchoReply = 0;
inline constexpr uint8_t DestinationUnreachable = 3;
inline constexpr uint8_t DataByte = 0x45;

// RFC 1071 over the bytes: 16-bit little-endian words (the order they lie in memory on
// the x86 the monitor runs on), an odd last byte added, carries folded twice, inverted.
uint16_t InternetChecksum(const uint8_t* data, size_t size);

// Type 8, code 0, identifier = low 16 bits of the process id, sequence 0, 32 bytes 0x45.
void BuildEchoRequest(uint8_t* packet /* RequestSize bytes */, uint32_t processId);

enum class Verdict {
    Reachable,     // an echo reply
    NotReachable,  // destination unreachable, or a packet too short to read
    Skip,          // some other ICMP message (our own request on loopback, other programs' traffic)
};

// `packet` is what the raw socket returned: the IP header, then the ICMP message.
Verdict ClassifyReply(const uint8_t* packet, size_t received);

}  // namespace icmp
