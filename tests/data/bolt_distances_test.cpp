#include "data/bolt_distances.h"

#include <gtest/gtest.h>

namespace jw {
namespace {

TEST(BoltDistances, EdgeDistancesOfEveryDiameterAndTheRuleBeyond) {
    struct Case {
        int boltMm, sheared, gasCut;
    };
    const Case cases[] = {{12, 22, 18},
                          {16, 28, 22},
                          {18, 32, 24},
                          {20, 34, 26},
                          {22, 38, 28},
                          {24, 42, 30},
                          {28, 50, 36},
                          {32, 56, 40},
                          {36, 64, 46},
                          // 1.75 x 30 = 52.5 and 1.25 x 30 = 37.5, rounded up.
                          {30, 53, 38}};
    for (const Case& c : cases) {
        const EdgeDistanceMm edge = LeastEdgeDistance(c.boltMm);
        EXPECT_EQ(edge.sheared, c.sheared) << "M" << c.boltMm;
        EXPECT_EQ(edge.rolledOrGasCut, c.gasCut) << "M" << c.boltMm;
    }
}

TEST(BoltDistances, EndPlateGaugeKeepsTheGasCutEdgeOnBothSides) {
    EXPECT_DOUBLE_EQ(EndPlateGaugeMm(150, 20), 98);  // 150 - 2 x 26
    EXPECT_DOUBLE_EQ(EndPlateGaugeMm(50, 36), -42);  // a flange too narrow for the bolts
}

}  // namespace
}  // namespace jw
