// The device-name walk and the case-insensitive component id comparison.
#include <gtest/gtest.h>

#include <string>

#include "adapter/portable/DeviceNames.h"

namespace {
bool Has(const std::string& list, const char* prefix) { return ListHasNameWithPrefix(list.data(), list.size(), prefix); }
}  // namespace

TEST(DeviceNames, PrefixCountsOnlyAtTheStartOfAName) {
    const char* prefix = "PCI#VEN_1E5A&DEV_0002";
    EXPECT_TRUE(Has(std::string("C:\0PCI#VEN_1E5A&DEV_0002&X\0\0", 28), prefix));
    EXPECT_TRUE(Has(std::string("PCI#VEN_1E5A&DEV_0002\0\0", 23), prefix));
    EXPECT_FALSE(Has(std::string("X_PCI#VEN_1E5A&DEV_0002\0\0", 25), prefix));
    EXPECT_FALSE(Has(std::string("pci#ven_1e5a&dev_0002\0\0", 23), prefix)) << "case-sensitive";
    EXPECT_FALSE(Has(std::string("PCI#VEN_1E5A&DEV_000\0\0", 22), prefix)) << "shorter than the prefix";
    EXPECT_FALSE(Has(std::string("C:\0\0PCI#VEN_1E5A&DEV_0002\0", 26), prefix)) << "after the empty name";
    EXPECT_FALSE(Has(std::string(), prefix));
}

TEST(DeviceNames, WalkStaysInsideAnUnterminatedBuffer) {
    const std::string list("AUX\0PCI#VEN_1E5A", 16);  // ends mid-name with no NUL
    EXPECT_FALSE(ListHasNameWithPrefix(list.data(), list.size(), "PCI#VEN_1E5A&DEV"));
    EXPECT_TRUE(ListHasNameWithPrefix(list.data(), list.size(), "PCI#VEN"));
}

TEST(DeviceNames, ComponentIdsCompareIgnoringCase) {
    EXPECT_TRUE(EqualsIgnoreCase("pci\\ven_1e5a&dev_0002", "PCI\\VEN_1E5A&DEV_0002"));
    EXPECT_FALSE(EqualsIgnoreCase("PCI\\VEN_1E5A", "PCI\\VEN_1E5A&DEV_0002"));
    EXPECT_TRUE(EqualsIgnoreCase("", ""));
    EXPECT_FALSE(EqualsIgnoreCase("PCI[", "PCI{"));
}
