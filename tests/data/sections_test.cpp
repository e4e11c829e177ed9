#include "data/sections.h"

#include <gtest/gtest.h>

#include "data/text_helpers.h"
#include "data/units.h"

namespace jw {
namespace {

TEST(SectionTables, HoldEveryRowWithItsFieldCount) {
    for (std::string_view row : kSectionRows) {
        EXPECT_EQ(WordCount(row), 16) << row;
        const std::string family = WordAt(row, 2);
        EXPECT_TRUE(family == "W" || family == "I") << row;
    }
    for (std::string_view row : kAngleRows) {
        EXPECT_EQ(WordCount(row), 22) << row;
        EXPECT_EQ(WordAt(row, 2), "L") << row;
    }
    EXPECT_EQ(WordCount(kBeamHeading), 14);
    EXPECT_EQ(WordCount(kAngleHeading), 20);
    EXPECT_EQ(WordCount(kChannelHeading), 14);
}

TEST(SectionTables, SpotValues) {
    struct Case {
        std::string_view row;
        const char* name;
        int field;
        float value;
    } cases[] = {
        {BeamRowAt(0), "H-100X50X9.3(kg/m)", 16, 5.91f},
        {BeamRowAt(8), "H-200X100X21.3(kg/m)", 3, 200},
        {BeamRowAt(8), "H-200X100X21.3(kg/m)", 5, 5.5f},
        {BeamRowAt(8), "H-200X100X21.3(kg/m)", 6, 8},
        {BeamRowAt(8), "H-200X100X21.3(kg/m)", 17, 0},
        {BeamRowAt(90), "I-600X190X176(kg/m)", 15, 4330},
        {AngleRowAt(13), "L-100X100X10.7(kg/m)", 5, 7},
        {AngleRowAt(0), "L-50X50X3.06(kg/m)", 22, 2.49f},
        {AngleRowAt(29), "L-250X250X128(kg/m)", 5, 35},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SectionName(c.row), c.name);
        EXPECT_FLOAT_EQ(SectionField(c.row, c.field), c.value) << c.name << " field " << c.field;
    }
}

TEST(SectionTables, TheTwoRowsNamedAlikeStayDistinctByPosition) {
    const auto first = FindBeamPosition("H-300X300X106(kg/m)*");
    ASSERT_TRUE(first);
    const std::string_view a = BeamRowAt(*first);
    const std::string_view b = BeamRowAt(*first + 1);
    EXPECT_EQ(SectionName(a), SectionName(b));
    EXPECT_FLOAT_EQ(SectionField(a, kDepth), 300);
    EXPECT_FLOAT_EQ(SectionField(a, kWebThickness), 15);
    EXPECT_FLOAT_EQ(SectionField(a, kFlangeThickness), 15);
    EXPECT_FLOAT_EQ(SectionField(b, kDepth), 304);
    EXPECT_FLOAT_EQ(SectionField(b, kWebThickness), 11);
    EXPECT_FLOAT_EQ(SectionField(b, kFlangeThickness), 17);
}

TEST(SectionTables, LookupsOutsideTheTablesFindNothing) {
    EXPECT_EQ(BeamRowAt(-1), "");
    EXPECT_EQ(BeamRowAt(kSectionCount), "");
    EXPECT_EQ(AngleRowAt(kAngleCount), "");
    EXPECT_FALSE(FindBeamPosition("H-350X350X115(kg/m)"));
    EXPECT_EQ(FindAnglePosition("L-50X50X4.43(kg/m)"), 1);
    EXPECT_EQ(HeadingForFamily("I"), kBeamHeading);
    EXPECT_EQ(HeadingForFamily("L"), kAngleHeading);
}

// A rolled section's area is its two flanges, the web between them and the four root fillets;
// its mass per metre is that area of steel at 7850 kg/m3. I sections have sloping flanges, so
// the parallel-flange formula only comes within a few per cent of their table area.
TEST(SectionTables, AreaAgreesWithTheDimensionsAndTheMassPerMetre) {
    for (int i = 0; i < kSectionCount; ++i) {
        const std::string_view row = kSectionRows[i];
        const double d = SectionField(row, 3), bf = SectionField(row, 4), tw = SectionField(row, 5),
                     tf = SectionField(row, 6), r1 = SectionField(row, 7);
        const double area = SectionField(row, 9), mass = SectionField(row, 10);
        const double geometric = (2 * bf * tf + (d - 2 * tf) * tw + (4 - kPi) * r1 * r1) / 100;
        const double tolerance = WordAt(row, 1).front() == 'I' ? 0.03 : 0.01;
        EXPECT_NEAR(area / geometric, 1.0, tolerance) << row;
        EXPECT_NEAR(mass / (area * 0.785), 1.0, 0.01) << row;
    }
}

}  // namespace
}  // namespace jw
