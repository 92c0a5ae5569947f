// Platform-free rules of the monitor window's pages: names shown for profiles, address byte order.
#include <gtest/gtest.h>

#include <cstring>

#include "monitor/ui/portable/AddressOrder.h"
#include "adapter/portable/ProfileNames.h"

TEST(ProfileNames, TheDefaultProfileIsShownAsDefaultAndBackExactly) {
    struct Case {
        const char* stored;
        const char* shown;
    } cases[] = {{"(Default Site Profile)", "Default"},
                 {"Home", "Home"},
                 {"(default site profile)", "(default site profile)"},  // names compare byte by byte
                 {"Default ", "Default "},
                 {"", ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(profiles::ShownName(c.stored), c.shown) << c.stored;
        EXPECT_EQ(profiles::StoredName(c.shown), c.stored) << c.shown;
    }
    // A profile really named "Default" cannot be told from the default profile by its row.
    EXPECT_EQ(profiles::StoredName("Default"), "(Default Site Profile)");
}

TEST(AddressOrder, FieldAndRecordHoldTheSameOctets) {
    struct Case {
        uint32_t field;  // first octet most significant
        uint8_t octets[4];
        const char* text;
    } cases[] = {{0xC0A8010Au, {192, 168, 1, 10}, "192.168.1.10"},
                 {0xFFFFFF00u, {255, 255, 255, 0}, "255.255.255.0"},
                 {0x0A000005u, {10, 0, 0, 5}, "10.0.0.5"},
                 {0u, {0, 0, 0, 0}, "0.0.0.0"}};
    for (const Case& c : cases) {
        const uint32_t record = address::FieldToRecord(c.field);
        uint8_t bytes[4];
        std::memcpy(bytes, &record, 4);  // as inet_addr leaves them in memory
        EXPECT_EQ(0, std::memcmp(bytes, c.octets, 4)) << c.text;
        EXPECT_EQ(address::RecordToField(record), c.field) << c.text;
        EXPECT_EQ(address::DottedText(record), c.text);
    }
}
