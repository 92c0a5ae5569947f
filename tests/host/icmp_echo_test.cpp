// The probe's echo request bytes and the reading of received packets.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "monitor/core/portable/IcmpEcho.h"

namespace {

// IPv4 header of `headerWords` 32-bit words followed by an ICMP message of `icmpBytes` bytes.
std::vector<uint8_t> Packet(uint8_t headerWords, uint8_t type, size_t icmpBytes) {
    std::vector<uint8_t> p(headerWords * 4 + icmpBytes, 0);
    p[0] = uint8_t(0x40 | headerWords);
    if (icmpBytes > 0) p[headerWords * 4] = type;
    return p;
}

}  // namespace

TEST(InternetChecksum, MatchesTheRfc1071ExampleInEitherByteOrder) {
    // RFC 1071 section 3: the sum of these bytes is ddf2, the checksum 220d on the wire.
    const uint8_t even[] = {0x00, 0x01, 0xF2, 0x03, 0xF4, 0xF5, 0xF6, 0xF7};
    const uint16_t c = icmp::InternetChecksum(even, sizeof even);
    EXPECT_EQ(uint8_t(c), 0x22);  // stored little-endian, the bytes are 22 0d
    EXPECT_EQ(uint8_t(c >> 8), 0x0D);
    // An odd last byte is added on its own: 0x0201 + 0x03.
    const uint8_t odd[] = {0x01, 0x02, 0x03};
    EXPECT_EQ(icmp::InternetChecksum(odd, sizeof odd), 0xFDFB);
    // Carries are folded: 0xffff + 0xffff + 0x0002.
    const uint8_t carries[] = {0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x00};
    EXPECT_EQ(icmp::InternetChecksum(carries, sizeof carries), 0xFFFD);
    EXPECT_EQ(icmp::InternetChecksum(even, 0), 0xFFFF);
}

TEST(EchoRequest, HasTheFixedLayoutAndAValidChecksum) {
    uint8_t packet[icmp::RequestSize];
    std::memset(packet, 0xCC, sizeof packet);
    icmp::BuildEchoRequest(packet, 0xABCD1234);
    const uint8_t head[] = {8, 0, 0x6F, 0x99, 0x34, 0x12, 0, 0};
    EXPECT_EQ(std::memcmp(packet, head, sizeof head), 0);
    for (size_t i = 8; i < sizeof packet; ++i) EXPECT_EQ(packet[i], 0x45) << i;
    // A receiver's check: the checksum over the whole message is zero.
    EXPECT_EQ(icmp::InternetChecksum(packet, sizeof packet), 0);
}

TEST(ClassifyReply, DecidesByTheTypeAfterTheIpHeader) {
    struct Case {
        const char* what;
        std::vector<uint8_t> packet;
        icmp::Verdict verdict;
    };
    const Case cases[] = {
        {"echo reply", Packet(5, 0, 40), icmp::Verdict::Reachable},
        {"echo reply of exactly header + 8", Packet(5, 0, 8), icmp::Verdict::Reachable},
        {"echo reply after IP options", Packet(15, 0, 8), icmp::Verdict::Reachable},
        {"destination unreachable", Packet(5, 3, 36), icmp::Verdict::NotReachable},
        {"our own request on loopback", Packet(5, 8, 40), icmp::Verdict::Skip},
        {"time exceeded", Packet(5, 11, 36), icmp::Verdict::Skip},
        {"redirect", Packet(5, 5, 36), icmp::Verdict::Skip},
        {"short: 7 bytes of ICMP", Packet(5, 0, 7), icmp::Verdict::NotReachable},
        {"short: options claim more than arrived", Packet(15, 0, 4), icmp::Verdict::NotReachable},
        {"header length below 20 bytes", Packet(4, 0, 12), icmp::Verdict::NotReachable},
        {"header length 0", Packet(0, 0, 28), icmp::Verdict::NotReachable},
        {"only the first byte", std::vector<uint8_t>{0x45}, icmp::Verdict::NotReachable},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(icmp::ClassifyReply(c.packet.data(), c.packet.size()), c.verdict) << c.what;
    }
    EXPECT_EQ(icmp::ClassifyReply(nullptr, 0), icmp::Verdict::NotReachable);
}
