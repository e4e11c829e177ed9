// The detailing rules: their numbers by hand, and each rule caught on its own in an otherwise
// sound connection of each type.
#include "design/detailing_rules.h"

#include <gtest/gtest.h>

#include "data/sections.h"
#include "design_fixtures.h"

namespace jw {
namespace {

using namespace detailing;
using testing::MakeInput;

TEST(DetailingRules, NumbersByHand) {
    EXPECT_EQ(LeastPitchMm(16), 48);
    EXPECT_EQ(LeastPitchMm(22), 66);
    // A sheared edge, Table J3.5.
    EXPECT_EQ(LeastEdgeMm(16), 28);
    EXPECT_EQ(LeastEdgeMm(18), 32);
    EXPECT_EQ(LeastEdgeMm(22), 38);
    EXPECT_EQ(DistanceSteps(18, 38), (std::vector<int>{18, 20, 25, 30, 35}));
    EXPECT_EQ(DistanceSteps(20, 30), (std::vector<int>{20, 25, 30}));
    EXPECT_EQ(DistanceSteps(40, 30), std::vector<int>{});
    const std::pair<int, int> minWeld[] = {{6, 3}, {8, 5}, {13, 5}, {14, 6}, {19, 6}, {20, 8}};
    for (const auto& [plate, weld] : minWeld) EXPECT_EQ(MinWeldSizeMm(plate), weld) << plate;
    EXPECT_EQ(MaxWeldSizeMm(9), 9);
    // Half the depth on a shallow beam, 120 mm on a deep one, beyond each flange.
    EXPECT_EQ(MaxEndPlateHeightMm(100), 200);
    EXPECT_EQ(MaxEndPlateHeightMm(300), 540);
    EXPECT_EQ(MaxEndPlateHeightMm(900), 1140);
    // H-100X100X17.2: tw 6, r1 10. The washer (24 mm for M12) clears the root fillet; beside an
    // inner plate the sheared-edge distance (22 mm) counts too; never closer than the least pitch.
    const BeamMm beam = BeamDimensions(FindBeamPosition("H-100X100X17.2(kg/m)").value_or(-1));
    EXPECT_DOUBLE_EQ(beam.ClearWebDepth(), 64);
    EXPECT_DOUBLE_EQ(LeastFlangeGaugeMm(beam, 12, 1), 6 + 20 + 24);
    EXPECT_DOUBLE_EQ(LeastFlangeGaugeMm(beam, 12, 2), 6 + 20 + 2 * 22);
    EXPECT_DOUBLE_EQ(LeastFlangeGaugeMm(beam, 36, 1), 108);
    EXPECT_TRUE(AngleWebLegFits(90, 10, 40, 1, 75));
    EXPECT_FALSE(AngleWebLegFits(90, 10, 40, 2, 75));
    // M20 at mid-leg: the 37 mm washer clear of a 13 mm leg needs 31.5 mm; the toe 26 mm.
    EXPECT_TRUE(AngleOutstandingLegFits(63, 13, 20));
    EXPECT_FALSE(AngleOutstandingLegFits(62, 13, 20));
    EXPECT_FALSE(AngleOutstandingLegFits(50, 3, 20));
}

// A sound connection with one grid row changed (or none) and the fault that change makes.
struct Change {
    int row;
    const char* value;
    const char* fault;  // empty: no fault
};

void ExpectFaults(const ConnectionInput& sound, const std::vector<Change>& changes) {
    for (const Change& change : changes) {
        ConnectionInput input = sound;
        if (change.row > 0) input.grid.At(change.row, kValueColumn) = change.value;
        const auto faults = DetailingFaults(input);
        const std::string what = std::string(TypeName(sound.type)) + " row " +
                                 std::to_string(change.row) + " = " + change.value;
        if (std::string(change.fault).empty()) {
            EXPECT_EQ(faults, std::vector<std::string>{}) << what;
            continue;
        }
        ASSERT_EQ(faults.size(), 1u) << what;
        EXPECT_NE(faults[0].find(change.fault), std::string::npos) << what << ": " << faults[0];
    }
}

TEST(DetailingRules, ShearPlate) {
    // 20 mm bolts on H-300X150X36.7: clear web depth 300 - 18 - 26 = 256 mm.
    ExpectFaults(testing::WspWorkedRun(), {
                                              {0, "", ""},
                                              {7, "29", "edge distance (b) 29 mm"},
                                              {8, "59", "pitch (c) 59 mm"},
                                              {4, "4", "cleat height 305 mm"},
                                              {10, "10", "fillet weld 10 mm"},
                                              {2, "2", "fillet weld 6 mm"},
                                              {11, "1", "on 1 side(s)"},
                                              {4, "1", "the web holds 1 bolt(s)"},
                                          });
    // Welds on one side where the engineer asks for them; a plate over three webs thick.
    ConnectionInput oneSided = testing::WspWorkedRun();
    oneSided.grid.At(11, kValueColumn) = "1";
    EXPECT_EQ(DetailingFaults(oneSided, {.oneSidedWelds = true}), std::vector<std::string>{});
    ConnectionInput thick = testing::WspWorkedRun();
    thick.grid.At(2, kValueColumn) = "20";
    thick.grid.At(10, kValueColumn) = "8";
    ASSERT_EQ(DetailingFaults(thick).size(), 1u);
    EXPECT_NE(DetailingFaults(thick)[0].find("three times as thick as the 6.5 mm web"),
              std::string::npos);
}

TEST(DetailingRules, AngleCleats) {
    // L-90X90X13.3: legs 90 mm, 13 mm thick.
    ConnectionInput small = testing::AcltWorkedRun();
    small.choices.angleSection = FindAnglePosition("L-50X50X3.06(kg/m)").value_or(-1);
    ExpectFaults(testing::AcltWorkedRun(), {
                                               {0, "", ""},
                                               {7, "41", "web leg"},
                                               {4, "2", "web leg"},
                                               {3, "4", "cleat height 305 mm"},
                                               {5, "1", "1 bolt(s) on the support"},
                                           });
    const auto faults = DetailingFaults(small);
    ASSERT_EQ(faults.size(), 2u);
    EXPECT_NE(faults[1].find("outstanding leg"), std::string::npos) << faults[1];
}

TEST(DetailingRules, EndPlate) {
    // 20 mm bolts on H-350X175X49.6: 6 rows at 85 mm with 40 mm edges, 505 mm of plate; at most
    // 350 + 2 x 120 = 590 mm.
    ExpectFaults(testing::BmepSoundRun(), {
                                              {0, "", ""},
                                              {5, "33", "edge distance (b) 33 mm"},
                                              {6, "59", "pitch (c)"},
                                              {4, "8", "end plate height 675 mm"},
                                              {4, "4", "does not cover the 350 mm beam"},
                                          });
}

TEST(DetailingRules, SpliceFlangeAndWebCleats) {
    // H-300X150X36.7 (bf 150, tw 6.5, r1 13), 20 mm bolts; flange bolts clear the root with
    // one cleat at a gauge of 6.5 + 26 + 37 = 69.5 mm (the washer), with inner plates at
    // 6.5 + 26 + 2 x 34 = 100.5 mm (a sheared edge to the inner plate's edge).
    const ConnectionInput sound =
        MakeInput(ConnectionType::BSPL, {"400000", "9000", "9", "2", "3", "1", "10", "40", "75",
                                         "12", "1", "3", "35", "0", "60", "75"});
    ExpectFaults(sound, {
                            {0, "", ""},
                            {13, "33", "flange bolt edge distance (e) 33 mm"},
                            {13, "40", "flange cleat width 155 mm"},
                            {16, "69", "root fillets"},
                            {11, "2", "root fillets (at least 100.5 mm)"},
                            {15, "59", "flange bolt pitch (C2)"},
                            {12, "1", "1 row(s) of bolts"},
                            {5, "4", "cleat height 305 mm"},
                        });
    // Staggered flange bolts: the diagonal counts as the pitch, and the outer lines widen the
    // cleat by 2 C1.
    ExpectFaults(MakeInput(ConnectionType::BSPL, {"400000", "9000", "9", "2", "3", "1", "10", "40",
                                                  "75", "12", "1", "3", "35", "5", "60", "70"}),
                 {{0, "", ""},
                  {15, "55", "staggered flange bolt spacing 55.2 mm"},
                  {14, "8", "flange cleat width 156 mm"}});
}

TEST(DetailingRules, NameWhatIsMissing) {
    ConnectionInput input = testing::WspWorkedRun();
    input.choices.beamSection = -1;
    EXPECT_EQ(DetailingFaults(input), std::vector<std::string>{"no beam section is chosen"});
    input = testing::AcltWorkedRun();
    input.choices.angleSection = -1;
    EXPECT_EQ(DetailingFaults(input), std::vector<std::string>{"no angle section is chosen"});
    input = testing::WspWorkedRun();
    input.grid = BuildInputGrid(ConnectionType::BMEP);
    EXPECT_EQ(DetailingFaults(input).size(), 1u);
}

}  // namespace
}  // namespace jw
