// Text and drawing rules of the controls: masked keys, the meter steps, cell comparison.
#include <gtest/gtest.h>

#include "monitor/skin/portable/MaskRules.h"
#include "monitor/skin/portable/MeterRules.h"
#include "monitor/skin/portable/SortRules.h"

TEST(MaskRules, TypingFillsDigitPositionsOnly) {
    const std::string m = "PP:PP:PP";
    mask::Edit e = mask::TypeChar(m, "00:00:00", 0, 'a');
    EXPECT_TRUE(e.accepted);
    EXPECT_EQ(e.text, "A0:00:00");
    EXPECT_EQ(e.caret, 1u);
    e = mask::TypeChar(m, e.text, 1, '9');
    EXPECT_EQ(e.caret, 3u) << "skips the separator";
    e = mask::TypeChar(m, e.text, 2, 'f');
    EXPECT_EQ(e.text, "A9:F0:00") << "typing on a separator fills the next pair";
    for (char bad : {'g', ':', ' ', 'x', '\x80'}) EXPECT_FALSE(mask::TypeChar(m, "00:00:00", 0, bad).accepted) << bad;
    EXPECT_FALSE(mask::TypeChar(m, "00:00:00", 8, '1').accepted) << "past the end";
    EXPECT_FALSE(mask::TypeChar(m, "00:00", 0, '1').accepted) << "text that lost its shape";
}

TEST(MaskRules, BackspaceDeleteAndPaste) {
    const std::string m = "PP:PP", lit = "__:__";
    mask::Edit e = mask::Backspace(m, lit, "12:34", 3);
    EXPECT_EQ(e.text, "1_:34");
    EXPECT_EQ(e.caret, 1u);
    EXPECT_FALSE(mask::Backspace(m, lit, "12:34", 0).accepted);
    e = mask::DeleteAt(m, lit, "12:34", 2);
    EXPECT_EQ(e.text, "12:_4");
    e = mask::Paste(m, "00:00", 0, "ab:CD");
    EXPECT_EQ(e.text, "AB:CD");
    EXPECT_FALSE(mask::Paste(m, "00:00", 0, "a-z").accepted);
    EXPECT_FALSE(mask::Paste(m, "00:00", 0, "123456").accepted) << "more digits than pairs";
    EXPECT_EQ(mask::Digits("1A:2B:3C"), "1A2B3C");
}

TEST(MeterRules, TenStepsOfEightPointEightColumns) {
    const struct {
        int position, columns;
    } cases[] = {{0, 0}, {1, 8}, {5, 8}, {10, 8}, {11, 17}, {20, 17}, {50, 44}, {60, 52}, {90, 79}, {91, 88}, {100, 88}, {150, 88}, {-5, 0}};
    for (const auto& c : cases) EXPECT_EQ(meter::Columns(c.position, 0, 100), c.columns) << c.position;
    EXPECT_EQ(meter::Columns(5, 0, 0), 0) << "empty range";
    EXPECT_EQ(meter::Columns(25, 0, 50), 44);
}

TEST(SortRules, NumericAndTextComparison) {
    EXPECT_LT(sorting::CompareCells("9%", "45%", true), 0);
    EXPECT_GT(sorting::CompareCells("14", "2", true), 0);
    EXPECT_EQ(sorting::CompareCells("", "0", true), 0);
    EXPECT_LT(sorting::CompareCells("-5", "3", true), 0);
    EXPECT_LT(sorting::CompareCells("alpha", "Beta", false), 0);
    EXPECT_EQ(sorting::CompareCells("Cafe", "cafe", false), 0);
    EXPECT_LT(sorting::CompareCells("ab", "abc", false), 0);
    EXPECT_GT(sorting::CompareCells("9%", "45%", false), 0) << "as text, 9 sorts after 4";
}
