#include "design/checks.h"

#include <gtest/gtest.h>

#include "data/design_error.h"
#include "data/grades.h"

namespace jw {
namespace {

DesignState BoltGroupState(int rows, int columns, double pitch) {
    DesignState s;
    s.boltRows = static_cast<std::int16_t>(rows);
    s.boltColumns = static_cast<std::int16_t>(columns);
    s.pitchCm = pitch;
    s.setBackCm = 1.0;
    s.edgeCm = 4.0;
    s.shearKg = 10000;
    return s;
}

TEST(BoltGroup, ElasticResultantOfTheWorkedGroup) {
    const DesignState s = BoltGroupState(3, 1, 7.5);
    const BoltGroup g = AnalyseBoltGroup(s);
    EXPECT_DOUBLE_EQ(g.eccentricityCm, 5.0);
    EXPECT_DOUBLE_EQ(g.PolarMoment(), 112.5);
    EXPECT_DOUBLE_EQ(g.maxOffsetX, 0);
    EXPECT_DOUBLE_EQ(g.maxOffsetY, 7.5);
    ReportValues rv;
    EXPECT_NEAR(BoltGroupResultant(s, rv), 4714.0452, 1e-4);  // Rv = Rh = 3333.33
}

TEST(BoltGroup, PolarMomentOfASquareGroup) {
    const BoltGroup g = AnalyseBoltGroup(BoltGroupState(2, 2, 7.0));
    EXPECT_DOUBLE_EQ(g.PolarMoment(), 98);
    EXPECT_DOUBLE_EQ(g.maxOffsetX, 3.5);
    EXPECT_DOUBLE_EQ(g.maxOffsetY, 3.5);
}

TEST(BoltGroup, ASingleBoltOrNoBoltStopsTheRun) {
    ReportValues rv;
    EXPECT_THROW(BoltGroupResultant(BoltGroupState(1, 1, 7.5), rv), DesignError);
    EXPECT_THROW(BoltGroupResultant(BoltGroupState(0, 1, 7.5), rv), DesignError);
    EXPECT_THROW(BoltGroupResultant(BoltGroupState(3, 1, 0), rv), DesignError);
    EXPECT_THROW(AnalyseBoltGroup(BoltGroupState(200, 200, 7.5)), DesignError);
}

TEST(BoltShear, RoundsThenComparesWithOne) {
    DesignState s = BoltGroupState(3, 1, 7.5);
    s.BoltDia = 2.0;
    s.cleats = 1;
    ASSERT_TRUE(SetBoltGrade(s, "A325-N"));
    ReportValues rv;
    EXPECT_EQ(BoltShearRatio(s, rv), "1.03");
    EXPECT_NEAR(rv.BoltArea, 3.1416, 1e-4);
    s.cleats = 2;  // two shear planes halve it
    EXPECT_EQ(BoltShearRatio(s, rv), "0.52");
}

TEST(EndPlate, BoltGroupModulus) {
    DesignState s = BoltGroupState(4, 2, 7.0);
    s.boltAreaCm2 = 2.0 * 3.141592654 * 2.0 / 4;
    const double sz = BoltGroupMomentCapacity(s);
    EXPECT_NEAR(sz, 146.6077, 1e-4);
    EXPECT_NEAR(500000 / sz, 3410.46, 0.005);
    s.boltRows = 1;
    EXPECT_THROW(BoltGroupMomentCapacity(s), DesignError);
}

TEST(FlangeSplice, ShearLagFactor) {
    struct Case {
        int rows;
        double d, bf, u;
    } cases[] = {{2, 20, 15, 0.75},
                 {2, 20, 10, 0.75},
                 {3, 20, 10, 0.85},
                 {3, 20, 15, 0.90},
                 {5, 30, 20, 0.90}};
    for (const auto& c : cases) {
        DesignState s;
        s.flangeRows = static_cast<std::int16_t>(c.rows);
        s.depthCm = c.d;
        s.flangeWidthCm = c.bf;
        EXPECT_DOUBLE_EQ(ShearLagFactor(s), c.u) << c.rows << " " << c.d << " " << c.bf;
    }
}

DesignState FlangeState(double c1, int cleats) {
    DesignState s;
    s.momentKgCm = 400000;
    s.depthCm = 20;
    s.flangeWidthCm = 10;
    s.webCm = 0.55;
    s.flangeCm = 0.8;
    s.rootRadiusCm = 1.1;
    s.BoltDia = 2.0;
    s.holeClearanceCm = 0.2;
    s.flangeCleatThicknessCm = 1.2;
    s.flangeCleats = static_cast<std::int16_t>(cleats);
    s.flangeRows = 3;
    s.flangeEdgeCm = 3.5;
    s.c1Cm = c1;
    s.c2Cm = 5;
    s.c3Cm = 6;
    s.FyCleat = 2396;
    s.FuCleat = 4079;
    return s;
}

TEST(FlangeSplice, NetSectionsOfTheFlangeAndItsCleats) {
    ReportValues rv;
    // Two holes across the flange: An = (10 - 4.4) 0.8 = 4.48, Ae = 0.85 An = 3.808;
    // min(0.5 4079 3.808, 0.6 2396 8) = 7766.42.
    EXPECT_NEAR(BeamFlangeTensionRatio(FlangeState(0, 1), rv), 20000 / 7766.416, 1e-6);
    EXPECT_NEAR(rv.BeamFlangeTensionCapacity, 7766.416, 1e-3);
    // Staggered: the zig-zag path (2 x 25/12 + 10 - 8.8) 0.8 = 4.2933 governs.
    BeamFlangeTensionRatio(FlangeState(3, 1), rv);
    EXPECT_NEAR(rv.BeamFlangeTensionCapacity, 0.5 * 4079 * 0.85 * (50.0 / 12 + 1.2) * 0.8, 1e-3);
    // One outer cleat: An = (7 + 6 - 4.4) 1.2 = 10.32.
    FlangeCleatTensionRatio(FlangeState(0, 1), rv);
    EXPECT_NEAR(rv.FlangeCleatTensionCapacity, 0.5 * 4079 * 0.85 * 10.32, 1e-3);
    // Inner plates add (10 - 0.55 - 2.2 - 4.4) 1.2 = 3.42.
    FlangeCleatTensionRatio(FlangeState(0, 2), rv);
    EXPECT_NEAR(rv.FlangeCleatTensionCapacity, 0.5 * 4079 * 0.85 * (10.32 + 3.42), 1e-3);
    EXPECT_THROW(BeamFlangeTensionRatio(FlangeState(-1, 1), rv), DesignError);
}

TEST(Ratio, ACapacityThatIsNotPositiveStopsTheRun) {
    EXPECT_DOUBLE_EQ(Ratio(1, 4, "x"), 0.25);
    EXPECT_THROW(Ratio(1, 0, "The weld capacity"), DesignError);
    EXPECT_THROW(Ratio(1, -2, "The weld capacity"), DesignError);
    EXPECT_THROW(Ratio(1e308, 1e-308, "The weld capacity"), DesignError);
}

TEST(VerdictHelpers, GoverningModeMaxAndMin) {
    TextGrid table;
    ShapeGrid(table, 5, 4, 0, 0);
    const char* rows[5][4] = {{"", "", "", ""},
                              {"S.R. Bolt shear", "", "1.03", "REDESIGNED"},
                              {"S.R. Weld", "", "1.03", "REDESIGNED"},
                              {"S.R. Bearing", "", "0.35", "PASSED"},
                              {"Maximum Shear Stress", "V/ns", "397.89", "ksc"}};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 4; ++c) table.At(r, c) = rows[r][c];
    EXPECT_EQ(GoverningFailureMode(table), "Bolt shear") << "the first of equal ratios wins";
    EXPECT_EQ(MaxRatio(table), "1.03");
    EXPECT_EQ(MinRatio(table), "0.35");
    table.At(3, 3) = "REDESIGNED";
    EXPECT_EQ(MinRatio(table), "10000.00");
    EXPECT_EQ(Verdict("1.00"), "PASSED");
    EXPECT_EQ(Verdict("1.01"), "REDESIGNED");
}

}  // namespace
}  // namespace jw
