// The IP settings page's rules: the checks of a static address, the default mask, the field ranges.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "adapter/portable/IpTexts.h"
#include "monitor/editor/portable/IpSettings.h"

using editor::AddressFault;

namespace {

uint32_t Ip(const char* dotted) {
    const std::optional<uint32_t> address = editor::ParseDottedAddress(dotted);
    EXPECT_TRUE(address) << dotted;
    return address.value_or(0);
}

}  // namespace

TEST(EditorIpSettings, StaticAddressChecksInThePagesOrder) {
    const struct {
        const char *ip, *mask;
        AddressFault fault;
    } cases[] = {
        {"0.0.0.0", "255.255.255.0", AddressFault::NoAddress},
        {"0.0.0.0", "0.0.0.0", AddressFault::NoAddress},
        {"192.168.1.1", "0.0.0.0", AddressFault::NoMask},
        {"192.168.1.0", "255.255.255.0", AddressFault::HostAllZero},
        {"192.168.1.1", "255.255.255.0", AddressFault::None},
        {"192.168.1.254", "255.255.255.0", AddressFault::None},
        {"192.168.1.255", "255.255.255.0", AddressFault::HostAllOnes},
        {"10.0.0.5", "255.0.0.0", AddressFault::None},
        {"10.255.255.255", "255.0.0.0", AddressFault::HostAllOnes},
        {"172.16.0.0", "255.240.0.0", AddressFault::HostAllZero},
        {"192.168.0.255", "255.255.254.0", AddressFault::None},  // a host of a /23, not its broadcast
        {"192.168.1.5", "255.0.255.0", AddressFault::MaskNotContiguous},
        {"192.168.1.5", "0.255.255.255", AddressFault::MaskNotContiguous},
        {"192.168.1.5", "255.255.255.1", AddressFault::MaskNotContiguous},
        {"192.0.1.0", "255.0.255.0", AddressFault::HostAllZero},  // the page's own check comes first
        {"192.168.1.1", "255.255.255.255", AddressFault::HostAllZero},  // no host part at all
    };
    for (const auto& c : cases) {
        EXPECT_EQ(editor::CheckStaticAddress(Ip(c.ip), Ip(c.mask)), c.fault) << c.ip << "/" << c.mask;
        WLAN_PROFILE p{};
        p.DhcpEnabled = 0;
        p.IpAddr = Ip(c.ip);
        p.IpMask = Ip(c.mask);
        EXPECT_EQ(editor::CheckStaticAddress(p), c.fault) << c.ip << "/" << c.mask;
        p.DhcpEnabled = 1;
        EXPECT_EQ(editor::CheckStaticAddress(p), AddressFault::None) << "DHCP is not checked";
    }
}

TEST(EditorIpSettings, EachFaultHasItsMessage) {
    const struct {
        AddressFault fault;
        const char* message;
    } cases[] = {
        {AddressFault::None, ""},
        {AddressFault::NoAddress, "The adapter requires at least one IP adress. Please enter one."},
        {AddressFault::NoMask,
         "You have entered an address that is missing its subnet mask. Please add a subnet mask."},
        {AddressFault::HostAllZero,
         "The combination of IP address and subnet mask is invalid. All of the bits in the host address portion of "
         "the IP address are set to 0. Please enter a valid combination of IP address and subnet mask."},
        {AddressFault::MaskNotContiguous,
         "The subnet mask is invalid. All of the bits set to 1 must come before the bits set to 0. Please enter a "
         "valid subnet mask."},
        {AddressFault::HostAllOnes,
         "The combination of IP address and subnet mask is invalid. All of the bits in the host address portion of "
         "the IP address are set to 1. Please enter a valid combination of IP address and subnet mask."},
    };
    for (const auto& c : cases) EXPECT_STREQ(editor::AddressFaultMessage(c.fault), c.message);
}

TEST(EditorIpSettings, DefaultMaskFollowsTheAddressClass) {
    const struct {
        const char* ip;
        const char* mask;  // none: the mask field is left as it is
    } cases[] = {
        {"10.0.0.5", "255.0.0.0"},     {"1.2.3.4", "255.0.0.0"},       {"126.0.0.1", "255.0.0.0"},
        {"127.0.0.1", nullptr},        {"128.0.0.1", "255.255.0.0"},   {"172.16.5.4", "255.255.0.0"},
        {"191.255.0.1", "255.255.0.0"}, {"192.168.1.1", "255.255.255.0"}, {"223.1.1.1", "255.255.255.0"},
        {"224.0.0.1", nullptr},        {"239.1.1.1", nullptr},         {"255.255.255.255", nullptr},
        {"0.1.2.3", nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<uint32_t> mask = editor::DefaultMask(editor::Octets(Ip(c.ip))[0]);
        EXPECT_EQ(mask.has_value(), c.mask != nullptr) << c.ip;
        if (mask && c.mask) {
            EXPECT_STREQ(ipconfig::Dotted(*mask).text, c.mask) << c.ip;
        }
    }
}

TEST(EditorIpSettings, FieldsAcceptTheirFirstOctets) {
    using editor::AddressField;
    const struct {
        AddressField field;
        uint8_t octet;
        bool accepted;
    } cases[] = {
        {AddressField::IpAddress, 0, false}, {AddressField::IpAddress, 1, true},   {AddressField::IpAddress, 223, true},
        {AddressField::IpAddress, 224, false}, {AddressField::Gateway, 0, false},  {AddressField::Gateway, 223, true},
        {AddressField::Dns1, 224, false},    {AddressField::Dns2, 10, true},       {AddressField::SubnetMask, 0, true},
        {AddressField::SubnetMask, 255, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(editor::AcceptsFirstOctet(c.field, c.octet), c.accepted) << int(c.field) << " " << int(c.octet);
}

TEST(EditorIpSettings, DottedAddressesAreFourDecimalOctets) {
    const struct {
        const char* text;
        const char* dotted;  // none: refused
    } cases[] = {
        {"192.168.1.1", "192.168.1.1"}, {"0.0.0.0", "0.0.0.0"}, {"255.255.255.255", "255.255.255.255"},
        {"010.1.1.1", "10.1.1.1"},  // decimal, never octal
        {"256.1.1.1", nullptr},     {"1.2.3", nullptr},        {"1.2.3.4.5", nullptr},  {"1..2.3", nullptr},
        {"1.2.3.4 ", nullptr},      {" 1.2.3.4", nullptr},     {"a.b.c.d", nullptr},   {"", nullptr},
        {"1.2.3.-4", nullptr},      {"1.2.3.0004", nullptr},   {"0x1.2.3.4", nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<uint32_t> address = editor::ParseDottedAddress(c.text);
        EXPECT_EQ(address.has_value(), c.dotted != nullptr) << c.text;
        if (address && c.dotted) {
            EXPECT_STREQ(ipconfig::Dotted(*address).text, c.dotted);
        }
    }
    // Network byte order: the first octet first in memory, as inet_addr gives it.
    const uint32_t address = editor::AddressFromOctets(192, 168, 1, 2);
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(&address);
    EXPECT_EQ(bytes[0], 192);
    EXPECT_EQ(bytes[3], 2);
}
