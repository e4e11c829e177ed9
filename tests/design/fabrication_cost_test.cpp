// The fabrication cost the automatic design ranks by: the quantities of each type's worked
// connection counted by hand, and the unit cost file.
#include "design/fabrication_cost.h"

#include <gtest/gtest.h>

#include "data/input_readers.h"
#include "design_fixtures.h"

namespace jw {
namespace {

FabricationQuantities Of(const ConnectionInput& input) {
    return QuantitiesOf(input.type, ReadDesignInput(input.type, input.grid, input.choices),
                        input.choices.angleSection);
}

TEST(FabricationCost, QuantitiesOfEachTypeByHand) {
    const struct {
        const char* name;
        ConnectionInput input;
        double steelKg;
        int bolts, holes;
        double weldCm, weldCmMm;
    } cases[] = {
        // One plate 9 x 230 x 90 (3 rows at 75, b 40, a 10): 186300 mm3; 3 bolts through the
        // plate and the web; 2 x 230 mm of 6 mm weld.
        {"shear plate", testing::WspWorkedRun(), 186300 * 7.85e-6, 3, 6, 46, 276},
        // Two L-90X90X13.3 (13.3 kg/m) 230 long; 3 web bolts through two angles and the web,
        // 2 x 3 support bolts through an angle and the support.
        {"angle cleats", testing::AcltWorkedRun(), 2 * 0.23 * 13.3, 9, 9 + 12, 0, 0},
        // PL-22 x 175 x 505; 12 bolts through the plate and the support.
        {"end plate", testing::BmepSoundRun(), 22 * 175 * 505 * 7.85e-6, 12, 24, 0, 0},
        // Web plates 2 x 8 x 220 x 180, outer flange plates 2 x 9 x 145 x 380, inner plates
        // 4 x 9 x 58.75 x 380; 6 web bolts and 24 flange bolts, each through three plies.
        {"splice", testing::BsplSoundRun(),
         (2 * 8 * 220 * 180 + 2 * 9 * 145 * 380 + 4 * 9 * 58.75 * 380) * 7.85e-6, 30, 90, 0, 0},
    };
    for (const auto& c : cases) {
        const FabricationQuantities q = Of(c.input);
        // Section sizes and weld legs are read in single precision.
        EXPECT_NEAR(q.steelKg, c.steelKg, 1e-6) << c.name;
        EXPECT_EQ(q.bolts, c.bolts) << c.name;
        EXPECT_EQ(q.holes, c.holes) << c.name;
        EXPECT_NEAR(q.weldCm, c.weldCm, 1e-6) << c.name;
        EXPECT_NEAR(q.weldCmMm, c.weldCmMm, 1e-4) << c.name;
    }
    // 1.46246 kg + 3 bolts x 2 + 6 holes x 1 + 276 cm mm x 0.015.
    EXPECT_NEAR(CostOf(Of(testing::WspWorkedRun()), UnitCosts{}), 186300 * 7.85e-6 + 6 + 6 + 4.14,
                1e-6);
    EXPECT_NEAR(CostOf(Of(testing::WspWorkedRun()), UnitCosts{2, 3, 0.5, 0.01}),
                2 * 186300 * 7.85e-6 + 9 + 3 + 2.76, 1e-6);
}

TEST(FabricationCost, ReadsUnitCostsAndNamesTheLineOfAFault) {
    const UnitCostsReading read = ReadUnitCosts(
        "# rates of the shop\r\n\r\nsteel_per_kg = 1.5\r\n  bolt_each=4\nweld_per_cm_mm = 0.02");
    ASSERT_TRUE(read.costs) << read.error;
    EXPECT_EQ(read.costs->steelPerKg, 1.5);
    EXPECT_EQ(read.costs->boltEach, 4);
    EXPECT_EQ(read.costs->holeEach, UnitCosts{}.holeEach);  // not given: the default
    EXPECT_EQ(read.costs->weldPerCmMm, 0.02);
    const struct {
        const char* text;
        const char* error;
    } faults[] = {
        {"steel_per_kg = 1\nbolts = 2\n", "line 2 has the unknown key \"bolts\""},
        {"steel_per_kg 1\n", "line 1 is not \"key = value\""},
        {"\n\nhole_each = -1\n", "line 3 gives hole_each \"-1\", not a number of at least 0"},
        {"weld_per_cm_mm = 1,5\n", "line 1 gives weld_per_cm_mm \"1,5\""},
    };
    for (const auto& f : faults) {
        const UnitCostsReading fault = ReadUnitCosts(f.text);
        EXPECT_FALSE(fault.costs) << f.text;
        EXPECT_EQ(fault.error.rfind(f.error, 0), 0u) << fault.error;
    }
    EXPECT_EQ(UnitCostsText(UnitCosts{}),
              "steel_per_kg = 1\nbolt_each = 2\nhole_each = 1\nweld_per_cm_mm = 0.015\n");
}

}  // namespace
}  // namespace jw
