#include "data/part_geometry.h"

#include <gtest/gtest.h>

namespace jw {
namespace {

TEST(PartGeometry, PlatesMustLieOnTheFlatOfTheWeb) {
    // H-300X150X36.7: d 300, tf 9, r1 13: 300 - 18 - 26 = 256 mm of flat web.
    EXPECT_DOUBLE_EQ(ClearWebDepthMm(300, 9, 13), 256);
    struct Case {
        const char* why;
        double length;
        bool fits;
    } cases[] = {
        {"the worked plate", 230, true},
        {"exactly the flat", 256, true},
        {"onto the fillets", 256.5, false},
        {"taller than the beam", 360, false},
    };
    for (const Case& c : cases) EXPECT_EQ(FitsClearWeb(c.length, 300, 9, 13), c.fits) << c.why;
}

TEST(PartGeometry, HolesWithinAPartWhicheverWayTheLineRuns) {
    struct Case {
        const char* why;
        double first, pitch;
        int count;
        bool within;
    } cases[] = {
        // A plate from 0 to 230 with 22 mm holes.
        {"the worked rows at 40, 115, 190", 40, 75, 3, true},
        {"a hole edge on the plate edge", 11, 75, 3, true},
        {"a hole past the lower edge", 10, 75, 3, false},
        {"the last hole past the upper edge", 40, 90, 3, false},
        {"a line run downward", 190, -75, 3, true},
        {"a line run downward past the edge", 190, -100, 3, false},
        {"no holes", -500, 75, 0, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HolesWithin(c.first, c.pitch, c.count, 22, 0, 230), c.within) << c.why;
}

TEST(PartGeometry, EndPlateGaugeFlangeAndWebClearances) {
    // Two lines 98 apart on a 6.5 mm web with 22 mm holes clear it; 27 apart do not; a
    // negative gauge (bolt lines swapped) never does.
    EXPECT_TRUE(GaugeClearsWeb(98, 6.5, 22));
    EXPECT_TRUE(GaugeClearsWeb(28.5, 6.5, 22));
    EXPECT_FALSE(GaugeClearsWeb(28, 6.5, 22));
    EXPECT_FALSE(GaugeClearsWeb(-42, 6.5, 22));

    EXPECT_TRUE(EndPlateCoversBeam(300, 300));
    EXPECT_FALSE(EndPlateCoversBeam(219, 300));

    EXPECT_TRUE(FitsFlangeWidth(150, 150));
    EXPECT_FALSE(FitsFlangeWidth(190, 100));

    // Inner flange lines 60 apart on tw 5.5, r1 8 with 20 mm holes: 30 - 10 = 20 >= 10.75.
    EXPECT_TRUE(HolesClearOfWebFillets(60, 5.5, 8, 20));
    EXPECT_TRUE(HolesClearOfWebFillets(41.5, 5.5, 8, 20));
    EXPECT_FALSE(HolesClearOfWebFillets(41, 5.5, 8, 20));
}

TEST(PartGeometry, EdgeDistanceAgainstShearedAndGasCutEdges) {
    struct Case {
        double edge;
        int bolt;
        EdgeDistanceClass expected;
    } cases[] = {
        {34, 20, EdgeDistanceClass::AnyEdge},          {40, 20, EdgeDistanceClass::AnyEdge},
        {33.9, 20, EdgeDistanceClass::GasCutEdgeOnly}, {26, 20, EdgeDistanceClass::GasCutEdgeOnly},
        {25.9, 20, EdgeDistanceClass::TooShort},       {30, 36, EdgeDistanceClass::TooShort},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyEdgeDistance(c.edge, c.bolt), c.expected)
            << "edge " << c.edge << " for M" << c.bolt;
}

}  // namespace
}  // namespace jw
