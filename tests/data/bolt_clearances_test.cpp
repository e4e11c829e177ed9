#include "data/bolt_clearances.h"

#include <gtest/gtest.h>

namespace jw {
namespace {

TEST(BoltClearances, WasherAndWrenchOfEveryDiameterAndTheRuleBeyond) {
    struct Case {
        int boltMm, washer, wrench;
    };
    const Case cases[] = {{12, 24, 26},
                          {16, 30, 32},
                          {18, 34, 32},
                          {20, 37, 35},
                          {22, 39, 35},
                          {24, 44, 37},
                          {28, 56, 40},
                          {32, 60, 45},
                          {36, 66, 50},
                          // No table row: a washer of 2 d, a wrench at 1.3 x 30 = 39.
                          {30, 60, 39}};
    for (const Case& c : cases) {
        EXPECT_EQ(WasherDiameterMm(c.boltMm), c.washer) << "M" << c.boltMm;
        EXPECT_EQ(WrenchClearanceMm(c.boltMm), c.wrench) << "M" << c.boltMm;
    }
}

}  // namespace
}  // namespace jw
