// Capacity tables: designed at the capacity found the layout passes, and a load 1 % larger (at
// least one step larger) fails on the check named; a layout that fails at any load says why.
#include "design/capacity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "data/numbers.h"
#include "data/sections.h"
#include "design/standard_proposals.h"
#include "design_fixtures.h"

namespace jw {
namespace {

DesignResult DesignAt(ConnectionInput input, int row, double load) {
    input.grid.At(row, kValueColumn) = FormatPlain(load);
    return RunDesign(input, testing::NoReportFile());
}

void ExpectLimit(const std::string& name, const ConnectionInput& input, int row,
                 const LoadCapacity& c, double step) {
    ASSERT_TRUE(c.carries) << name << ": " << c.governing;
    EXPECT_EQ(std::fmod(c.load, step), 0) << name;
    EXPECT_EQ(DesignAt(input, row, c.load).status, RunStatus::Accepted) << name;
    const DesignResult above = DesignAt(input, row, c.load + step);
    EXPECT_NE(above.status, RunStatus::Accepted) << name;
    EXPECT_EQ(above.governingMode, c.governing) << name;
    EXPECT_NE(DesignAt(input, row, c.load + std::max(step, 0.01 * c.load)).status,
              RunStatus::Accepted)
        << name;
}

ConnectionInput Standard(ConnectionType type, const char* beam, int row) {
    return *ProposalInput(type, row, FindBeamPosition(beam).value_or(-1));
}

TEST(Capacity, TheLayoutPassesAtItsCapacityAndFailsJustAbove) {
    const struct {
        const char* name;
        ConnectionInput input;
    } cases[] = {
        {"worked shear plate", testing::WspWorkedRun()},
        {"worked angle cleats", testing::AcltWorkedRun()},
        {"sound end plate", testing::BmepSoundRun()},
        {"sound splice", testing::BsplSoundRun()},
        {"standard shear plate", Standard(ConnectionType::WSP, "H-300X150X36.7(kg/m)", 22)},
        {"standard end plate", Standard(ConnectionType::BMEP, "H-300X150X36.7(kg/m)", 22)},
        {"standard splice", Standard(ConnectionType::BSPL, "H-600X200X106(kg/m)", 64)},
    };
    for (const auto& c : cases) {
        const ConnectionCapacity capacity = CapacityOf(c.input);
        const bool moment =
            c.input.type == ConnectionType::BMEP || c.input.type == ConnectionType::BSPL;
        ExpectLimit(c.name, c.input, moment ? 2 : 1, capacity.shear, kShearCapacityStepKg);
        ASSERT_EQ(capacity.moment.has_value(), moment) << c.name;
        if (moment)
            ExpectLimit(std::string(c.name) + " in bending", c.input, 1, *capacity.moment,
                        kMomentCapacityStepKgCm);
    }
}

// Beam web shear of H-300X150X36.7 governs the standard end plate's shear: its allowable
// 0.40 Fy d tw is 18688.80 kg for SS400, and a ratio shows 1.00 below 1.005, so up to
// 18782.24 kg: 18780 kg is the largest multiple of 10 that passes.
TEST(Capacity, FindsTheLoadAtWhichTheGoverningCheckTurns) {
    ConnectionInput input = Standard(ConnectionType::BMEP, "H-300X150X36.7(kg/m)", 22);
    const ConnectionCapacity capacity = CapacityOf(input);
    EXPECT_EQ(capacity.shear.governing, "Beam web shear");
    EXPECT_EQ(capacity.shear.load, 18780);
    const auto web = [&](double shear) {
        const DesignResult r = DesignAt(input, 2, shear);
        for (const CheckRow& check : r.further.checks)
            if (check.name == "Beam web shear") return check;
        return CheckRow{};
    };
    EXPECT_EQ(web(capacity.shear.load).verdict, "PASSED");
    EXPECT_EQ(web(capacity.shear.load + 10).verdict, "REDESIGNED");
}

TEST(Capacity, ALayoutThatFailsAtAnyLoadSaysWhy) {
    ConnectionInput input = testing::WspWorkedRun();
    input.grid.At(4, kValueColumn) = "6";  // a plate past the clear web
    const ConnectionCapacity capacity = CapacityOf(input);
    EXPECT_FALSE(capacity.shear.carries);
    EXPECT_EQ(capacity.shear.governing, "Plate within clear web");
    ConnectionInput incomplete = testing::WspWorkedRun();
    incomplete.grid.At(3, kValueColumn) = "";
    EXPECT_EQ(CapacityOf(incomplete).shear.governing, kIncompleteMessage);
}

}  // namespace
}  // namespace jw
