// The TCP/IP interface texts and their REG_MULTI_SZ / REG_SZ byte layouts.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "adapter/portable/IpTexts.h"

namespace {

// Network byte order as the platform's parser produces it: first octet first in memory.
uint32_t Addr(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    const uint8_t bytes[4] = {a, b, c, d};
    uint32_t v;
    std::memcpy(&v, bytes, 4);
    return v;
}

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

}  // namespace

TEST(IpTexts, DottedTextKeepsNetworkByteOrder) {
    EXPECT_STREQ(ipconfig::Dotted(Addr(192, 168, 1, 10)).text, "192.168.1.10");
    EXPECT_STREQ(ipconfig::Dotted(0).text, "0.0.0.0");
    EXPECT_STREQ(ipconfig::Dotted(0xFFFFFFFF).text, "255.255.255.255");
    EXPECT_STREQ(ipconfig::Dotted(Addr(10, 0, 0, 255)).text, "10.0.0.255");
}

TEST(IpTexts, InterfaceTextsForStaticAndDhcpProfiles) {
    struct Case {
        const char* what;
        uint32_t dhcp, addr, mask, gate, dns1, dns2;
        const char *ip, *subnet, *gateway, *nameServer;
    } cases[] = {
        {"static, all set", 0, Addr(192, 168, 1, 10), Addr(255, 255, 255, 0), Addr(192, 168, 1, 1),
         Addr(192, 168, 1, 1), Addr(8, 8, 8, 8), "192.168.1.10", "255.255.255.0", "192.168.1.1",
         "192.168.1.1,8.8.8.8"},
        {"static, longest texts", 0, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, Addr(255, 255, 255, 254),
         "255.255.255.255", "255.255.255.255", "255.255.255.255", "255.255.255.255,255.255.255.254"},
        {"static, no gateway", 0, Addr(10, 0, 0, 2), Addr(255, 0, 0, 0), 0, Addr(10, 0, 0, 1), 0, "10.0.0.2",
         "255.0.0.0", "", "10.0.0.1"},
        {"static, second DNS only", 0, Addr(10, 0, 0, 2), Addr(255, 0, 0, 0), Addr(10, 0, 0, 1), 0,
         Addr(8, 8, 4, 4), "10.0.0.2", "255.0.0.0", "10.0.0.1", ""},
        {"dhcp ignores the addresses", 1, Addr(10, 0, 0, 2), Addr(255, 0, 0, 0), Addr(10, 0, 0, 1),
         Addr(10, 0, 0, 1), Addr(8, 8, 8, 8), "0.0.0.0", "0.0.0.0", "", ""},
        {"any non-zero DhcpEnabled", 7, 0, 0, 0, 0, 0, "0.0.0.0", "0.0.0.0", "", ""},
    };
    for (const Case& c : cases) {
        WLAN_PROFILE p{};
        p.DhcpEnabled = c.dhcp;
        p.IpAddr = c.addr;
        p.IpMask = c.mask;
        p.IpGate = c.gate;
        p.IpDns1 = c.dns1;
        p.IpDns2 = c.dns2;
        const auto t = ipconfig::BuildInterfaceTexts(p);
        EXPECT_EQ(t.enableDhcp, c.dhcp) << c.what;
        EXPECT_STREQ(t.ipAddress, c.ip) << c.what;
        EXPECT_STREQ(t.subnetMask, c.subnet) << c.what;
        EXPECT_STREQ(t.defaultGateway, c.gateway) << c.what;
        EXPECT_STREQ(t.nameServer, c.nameServer) << c.what;
    }
}

TEST(IpTexts, RegistryByteLayouts) {
    EXPECT_EQ(ipconfig::MultiSzBytes("10.0.0.2"), Bytes(std::string("10.0.0.2\0\0", 10)));
    EXPECT_EQ(ipconfig::MultiSzBytes(""), Bytes(std::string("\0\0", 2))) << "empty list is two zero bytes";
    EXPECT_EQ(ipconfig::MultiSzBytes("255.255.255.255").size(), 17u);
    EXPECT_EQ(ipconfig::TextByteCountWithoutNul("1.1.1.1,8.8.8.8", ipconfig::NameServerWidth), 15u);
    EXPECT_EQ(ipconfig::TextByteCountWithoutNul("", ipconfig::NameServerWidth), 0u);
    const char unterminated[4] = {'1', '.', '1', '.'};
    EXPECT_EQ(ipconfig::TextByteCountWithoutNul(unterminated, sizeof unterminated), 0u);
}

TEST(IpTexts, DescriptionMatchIsACaseSensitiveSubstringWithinTheField) {
    const char* wanted = "Ondaline Notebook Adapter with KZV";
    EXPECT_TRUE(ipconfig::DescriptionContains("Ondaline Notebook Adapter with KZV", 132, wanted));
    EXPECT_TRUE(ipconfig::DescriptionContains("Ondaline Notebook Adapter with KZV - Packet Scheduler Miniport", 132,
                                              wanted));
    EXPECT_TRUE(ipconfig::DescriptionContains("[01] Ondaline Notebook Adapter with KZV", 132, wanted));
    EXPECT_FALSE(ipconfig::DescriptionContains("ondaline notebook adapter with kzv", 132, wanted));
    EXPECT_FALSE(ipconfig::DescriptionContains("Ondaline Notebook Adapter", 132, wanted));
    EXPECT_FALSE(ipconfig::DescriptionContains("eth0", 132, wanted));
    EXPECT_FALSE(ipconfig::DescriptionContains(nullptr, 132, wanted));

    // A field without its NUL: the match must not read past the field.
    char field[8];
    std::memcpy(field, "abcdefgh", 8);
    EXPECT_TRUE(ipconfig::DescriptionContains(field, sizeof field, "fgh"));
    EXPECT_FALSE(ipconfig::DescriptionContains(field, 6, "fgh"));
}
