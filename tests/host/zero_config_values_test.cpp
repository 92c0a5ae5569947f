// Service-pack detection from the version text and the ControlFlags/LayoutVersion table.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "adapter/portable/ZeroConfigValues.h"

namespace {

zeroconfig::ServicePack Detect(const std::string& text, zeroconfig::ServicePack pack = {}) {
    char field[128] = {};
    std::memcpy(field, text.data(), text.size() < sizeof field ? text.size() : sizeof field);
    zeroconfig::DetectServicePack(field, sizeof field, pack);
    return pack;
}

}  // namespace

TEST(ZeroConfigValues, ServicePackLevelAndBuildSuffixFromTheText) {
    struct Case {
        const char* text;
        uint32_t levelBefore;
        uint32_t level, suffix;
    } cases[] = {
        {"", 2, 0, 0},
        {"Service Pack 1", 0, 1, 0},
        {"Service Pack 1a", 0, 1, 0},
        {"Service Pack 2", 0, 2, 0},
        {"Service Pack 2, v.2149", 0, 2, 2149},
        {"Service Pack 2, v.2180", 1, 2, 2180},
        {"Service Pack 2, v.21490123456", 0, 2, 214901234},  // at most 9 digits
        {"Service Pack 2, v.", 0, 2, 0},
        {"Service Pack 2, v.x21", 0, 2, 0},
        {"Service Pack 2, v.55 beta", 0, 2, 55},
        {"Service Pack 3", 0, 0, 0},  // not in the table: the level stays
        {"Service Pack 3", 2, 2, 0},
        {"Service Pack 3, v.5512", 1, 1, 5512},
        {"Service Pack", 1, 1, 0},
        {"service pack 2", 0, 0, 0},
    };
    for (const Case& c : cases) {
        zeroconfig::ServicePack before;
        before.level = c.levelBefore;
        before.buildSuffix = 77;
        const auto pack = Detect(c.text, before);
        EXPECT_EQ(pack.level, c.level) << '"' << c.text << '"';
        EXPECT_EQ(pack.buildSuffix, c.suffix) << '"' << c.text << '"';
    }
}

TEST(ZeroConfigValues, UnterminatedTextStaysInsideItsField) {
    char field[20];
    std::memcpy(field, "Service Pack 2, v.21", 20);  // no NUL anywhere
    zeroconfig::ServicePack pack;
    zeroconfig::DetectServicePack(field, sizeof field, pack);
    EXPECT_EQ(pack.level, 2u);
    EXPECT_EQ(pack.buildSuffix, 21u);
    zeroconfig::DetectServicePack(field, 10, pack);  // "Service Pa"
    EXPECT_EQ(pack.level, 2u);
    EXPECT_EQ(pack.buildSuffix, 0u);
}

TEST(ZeroConfigValues, ValueTablePerServicePackLevel) {
    struct Case {
        const char* text;
        bool enable;
        uint32_t flags, layout;
    } cases[] = {
        {"", true, 0x00918002, 3},
        {"", false, 0x00810002, 3},
        {"Service Pack 1", true, 0x00918002, 4},
        {"Service Pack 1", false, 0x00810002, 4},
        {"Service Pack 2", true, 0x03918002, 7},
        {"Service Pack 2", false, 0x00910002, 7},
        {"Service Pack 2, v.2149", true, 0x03918002, 6},
        {"Service Pack 2, v.2149", false, 0x00910002, 6},
        {"Service Pack 2, v.2150", true, 0x03918002, 7},
    };
    for (const Case& c : cases) {
        const auto values = zeroconfig::ValuesFor(Detect(c.text), c.enable);
        ASSERT_TRUE(values) << c.text;
        EXPECT_EQ(values->controlFlags, c.flags) << '"' << c.text << "\" enable " << c.enable;
        EXPECT_EQ(values->layoutVersion, c.layout) << '"' << c.text << "\" enable " << c.enable;
    }
    zeroconfig::ServicePack unknown;
    unknown.level = 3;
    EXPECT_FALSE(zeroconfig::ValuesFor(unknown, true));
}

TEST(ZeroConfigValues, ManagedBitReadings) {
    EXPECT_TRUE(zeroconfig::IsManaged(0x00918002));
    EXPECT_TRUE(zeroconfig::IsManaged(0x03918002));
    EXPECT_FALSE(zeroconfig::IsManaged(0x00810002));
    EXPECT_FALSE(zeroconfig::IsManaged(0x00910002));
    EXPECT_TRUE(zeroconfig::IsManaged(0x00008000));
    EXPECT_FALSE(zeroconfig::IsManaged(0xFFFF7FFF));
}
