#include "data/text_helpers.h"

#include <gtest/gtest.h>

namespace jw {
namespace {

TEST(Words, SplitAtRunsOfBlanks) {
    const char* line = "H-100X50X9.3(kg/m) W 100 50";
    EXPECT_EQ(WordCount(line), 4);
    EXPECT_EQ(WordAt(line, 2), "W");
    EXPECT_EQ(WordAt("a b", 2), "b");
    EXPECT_EQ(WordCount("  a   b  "), 2);
    EXPECT_EQ(WordAt("  a   b  ", 1), "a");
    EXPECT_EQ(WordAt("a b", 3), "");
    EXPECT_EQ(WordCount(""), 0);
}

TEST(SectionField, ReadsTheNthWordAsANumber) {
    EXPECT_FLOAT_EQ(SectionField("X W 100 5.5", 4), 5.5f);
    EXPECT_EQ(SectionField("X W 100 5.5", 5), 0.0f);
    EXPECT_EQ(SectionField("X W 100 5.5", 1), 0.0f);  // a name is not a number
}

TEST(MaxMin, PickTheLargerAndTheSmaller) {
    EXPECT_EQ(MaxOfTwo(8, 9), 9);
    EXPECT_EQ(MaxOfTwo(12, 9), 12);
    EXPECT_EQ(MinOfTwo(8, 9), 8);
    EXPECT_EQ(MinOfTwo(9, 8), 8);
}

TEST(OptionIndex, TheLastSetOptionWins) {
    EXPECT_EQ(OptionIndex(false, true, false, true), 4);
    EXPECT_EQ(OptionIndex(true, true, false, false), 2);
    EXPECT_EQ(OptionIndex(true, false, false, false), 1);
    EXPECT_EQ(OptionIndex(false, false, false, false), 0);
}

}  // namespace
}  // namespace jw
