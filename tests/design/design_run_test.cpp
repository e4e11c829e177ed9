#include "design/design_run.h"

#include <gtest/gtest.h>

#include "design_fixtures.h"

namespace jw {
namespace {

using testing::AcltWorkedRun;
using testing::NoReportFile;
using testing::WspWorkedRun;

struct Row {
    int row;
    const char* label;
    const char* clause;
    const char* ratio;
    const char* verdict;
};

void ExpectRows(const TextGrid& table, std::initializer_list<Row> rows) {
    for (const Row& r : rows) {
        EXPECT_EQ(table.At(r.row, 0), r.label) << "row " << r.row;
        EXPECT_EQ(table.At(r.row, 1), r.clause) << "row " << r.row;
        EXPECT_EQ(table.At(r.row, 2), r.ratio) << "row " << r.row;
        EXPECT_EQ(table.At(r.row, 3), r.verdict) << "row " << r.row;
    }
}

TEST(DesignRun, WspWorkedRunReproducesToTheDigit) {
    const DesignResult r = RunDesign(WspWorkedRun(), NoReportFile());
    ASSERT_EQ(r.status, RunStatus::Rejected) << r.message;
    EXPECT_EQ(r.table.rows, 9);
    ExpectRows(r.table,
               {
                   {1, "*** Web Splice ***", "", "", ""},
                   {2, "S.R. Bolt shear", "AISC/ASD Sect. J.4-1", "1.03", "REDESIGNED"},
                   {3, "S.R. Bearing at Beam Web", "AISC/ASD Sect. J.3-1", "0.74", "PASSED"},
                   {4, "S.R. Bearing at Web Cleat(s)", "AISC/ASD Sect. J.3-1", "0.54", "PASSED"},
                   {5, "S.R. Tearing at Beam Web", "AISC/ASD Sect. J.5-2", "0.60", "PASSED"},
                   {6, "S.R. Tearing at Web Cleat(s)", "AISC/ASD Sect. J.5-2", "0.55", "PASSED"},
                   {7, "S.R. Shear resistance of welded cleat plate", "AISC/ASD Sect. J.2-2",
                    "0.35", "PASSED"},
                   {8, "", "", "", ""},
               });
    EXPECT_NEAR(r.values.Eccentricity, 5.0, 1e-9);
    EXPECT_NEAR(r.values.BoltForce, 4714.045, 1e-3);
    EXPECT_NEAR(r.values.WebShearLength, 16.1, 1e-6);
    EXPECT_NEAR(r.values.WebTensionLength, 2.9, 1e-9);
    EXPECT_NEAR(r.values.WebTearingCapacity, 16650.5, 0.1);
    EXPECT_NEAR(r.values.CleatTearingCapacity, 18061.8, 0.1);
    EXPECT_NEAR(r.values.WeldCapacity, 28684.4, 0.1);

    const char* summary[5][2] = {{"Beam", "H-300X150X36.7(kg/m)"},
                                 {"Cleat Plate", "1 PL-9X230X90"},
                                 {"Bolt", "3 - M20 (A325-N)"},
                                 {"Stress Range", "0.35 / 1.03"},
                                 {"Mode of Failure", "Bolt shear"}};
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 2; ++col) EXPECT_EQ(r.summary.At(row, col), summary[row][col]);
    EXPECT_EQ(r.caption, "Shear Plate Connection");
    EXPECT_EQ(r.labelColour, 255);
}

TEST(DesignRun, WspVariantsChangeOnlyTheRowsTheyShould) {
    ConnectionInput slip = WspWorkedRun();
    slip.choices.boltGrade = 3;  // A325-S
    const DesignResult s = RunDesign(slip, NoReportFile());
    ExpectRows(s.table,
               {{2, "S.R. Bolt shear", "AISC/ASD Sect. J.4-1", "1.03", "REDESIGNED"},
                {3, "S.R. Bearing at Beam Web", "AISC/ASD Sect. J.3-1", "0.00", "PASSED"},
                {4, "S.R. Bearing at Web Cleat(s)", "AISC/ASD Sect. J.3-1", "0.00", "PASSED"}});
    EXPECT_EQ(s.values.WebBearingRatioValue, 0);
    EXPECT_EQ(s.values.MemberBearingAllow, 0) << "no stale value from an earlier run";

    ConnectionInput two = WspWorkedRun();
    two.grid.At(3, kValueColumn) = "2";
    const DesignResult t = RunDesign(two, NoReportFile());
    ASSERT_EQ(t.status, RunStatus::Accepted) << t.message;
    EXPECT_EQ(t.table.At(2, 2), "0.52");
    EXPECT_EQ(t.table.At(3, 2), "0.74");
    EXPECT_EQ(t.table.At(4, 2), "0.27");
    EXPECT_EQ(t.table.At(5, 2), "0.60");
    EXPECT_EQ(t.table.At(6, 2), "0.28");
    EXPECT_EQ(t.table.At(7, 2), "0.17");
    EXPECT_EQ(t.summary.At(4, 0), "Connection");
    EXPECT_EQ(t.summary.At(4, 1), "Accept");
    EXPECT_EQ(t.labelColour, 65280);
}

TEST(DesignRun, AcltWorkedRunReproducesToTheDigit) {
    const DesignResult r = RunDesign(AcltWorkedRun(), NoReportFile());
    ASSERT_EQ(r.status, RunStatus::Accepted) << r.message;
    EXPECT_EQ(r.table.rows, 12);
    ExpectRows(r.table,
               {
                   {2, "S.R. Bolt shear", "AISC/ASD Sect. J.4-1", "0.52", "PASSED"},
                   {3, "S.R. Bearing at Beam Web", "AISC/ASD Sect. J.3-1", "0.74", "PASSED"},
                   {4, "S.R. Bearing at Web Cleat(s)", "AISC/ASD Sect. J.3-1", "0.24", "PASSED"},
                   {5, "S.R. Tearing at Beam Web", "AISC/ASD Sect. J.5-2", "0.60", "PASSED"},
                   {6, "S.R. Tearing at Web Cleat(s)", "AISC/ASD Sect. J.5-2", "0.25", "PASSED"},
                   {7, "", "", "", ""},
                   {8, "*** Support ***", "", "", ""},
                   {9, "S.R. Bolt Shear", "AISC/ASD Sect. J.4-1", "0.37", "PASSED"},
                   {10, "S.R. Bearing at Support Cleat", "AISC/ASD Sect. J.3-1", "0.17", "PASSED"},
                   {11, "S.R. Tearing at Support Cleat", "AISC/ASD Sect. J.5-2", "0.25", "PASSED"},
               });
    EXPECT_NEAR(r.values.CleatTearingCapacity, 40137.4, 0.1);
    EXPECT_NEAR(r.values.SupportBoltForce, 1666.67, 0.01);
    EXPECT_NEAR(r.values.SupportBoltCapacity, 4555.31, 0.01);
    EXPECT_EQ(r.summary.At(1, 0), "Angle");
    EXPECT_EQ(r.summary.At(1, 1), "2 - L-90X90X13.3(kg/m) X230");
    EXPECT_EQ(r.summary.At(3, 1), "0.17 / 0.74");
}

TEST(DesignRun, SlipCriticalAcltZeroesExactlyTheBearingRows) {
    ConnectionInput input = AcltWorkedRun();
    input.choices.boltGrade = 3;
    const DesignResult r = RunDesign(input, NoReportFile());
    for (int row : {3, 4, 10}) {
        EXPECT_EQ(r.table.At(row, 2), "0.00") << row;
        EXPECT_EQ(r.table.At(row, 3), "PASSED") << row;
    }
    EXPECT_EQ(r.table.At(2, 2), "0.52");
    EXPECT_EQ(r.table.At(11, 2), "0.25");
}

TEST(DesignRun, GateStopsWithTheExactMessages) {
    ConnectionInput empty;
    empty.type = ConnectionType::WSP;
    empty.grid = BuildInputGrid(ConnectionType::WSP);
    DesignResult r = RunDesign(empty, NoReportFile());
    EXPECT_EQ(r.status, RunStatus::Stopped);
    EXPECT_EQ(r.message, "Input data not complete! Re-Input Data.");
    EXPECT_EQ(r.messageTitle, "Error");
    empty.grid.At(3, kValueColumn) = "3";
    r = RunDesign(empty, NoReportFile());
    EXPECT_EQ(r.message, "Number of Cleat Exceed 2 !");
    EXPECT_EQ(r.messageTitle, "Cleat Error");
}

TEST(DesignRun, ArithmeticFaultsStopWithTheirCause) {
    struct Case {
        const char* why;
        int row;
        const char* value;
        int beam;
        const char* message;
    } cases[] = {
        {"no beam section", 1, "10000", -1, "No beam section is chosen: choose a beam section."},
        {"single bolt", 4, "1", 0, "The web bolt group cannot resist the eccentric moment"},
        {"zero cleats", 3, "0", 0, "\"Number of Cleat\" must be at least 1."},
        {"zero rows", 4, "0", 0, "\"Number of Bolt Row\" must be at least 1."},
        {"zero weld sides", 11, "0", 0, "\"Number of Weld Side\" must be greater than 0."},
        {"zero thickness", 2, "0", 0, "\"Cleat Thickness\" must be greater than 0."},
        {"zero weld size", 10, "0", 0, "\"Fillet Weld Size\" must be greater than 0."},
        {"weld grade 80", 9, "80", 0, "\"Fillet Weld Grade E60 or E70\" must be 60 or 70."},
        {"negative shear", 1, "-10000", 0, "\"Design Shear Force\" must not be negative."},
        {"count past 16 bits", 5, "40000", 0, "\"Number of Bolt Column\" is out of range"},
    };
    for (const auto& c : cases) {
        ConnectionInput input = WspWorkedRun();
        input.grid.At(c.row, kValueColumn) = c.value;
        if (c.beam < 0) input.choices.beamSection = -1;
        const DesignResult r = RunDesign(input, NoReportFile());
        EXPECT_EQ(r.status, RunStatus::Stopped) << c.why;
        EXPECT_EQ(r.message.find(c.message), 0u) << c.why << ": " << r.message;
        EXPECT_EQ(r.messageTitle, "Error") << c.why;
    }
    ConnectionInput noAngle = AcltWorkedRun();
    noAngle.choices.angleSection = -1;
    EXPECT_EQ(RunDesign(noAngle, NoReportFile()).message,
              "No angle section is chosen: choose an angle section.");
    ConnectionInput noType = WspWorkedRun();
    noType.type = ConnectionType::None;
    EXPECT_EQ(RunDesign(noType, NoReportFile()).status, RunStatus::Stopped);
}

TEST(DesignRun, HalfwayRatiosRoundAwayFromZeroBeforeTheVerdict) {
    // Raise the load until the bolt shear ratio sits just at 1.00 and just above.
    ConnectionInput input = WspWorkedRun();
    input.grid.At(1, kValueColumn) = "9700";  // 1.0348 x 0.97 = 1.0038 -> "1.00"
    DesignResult r = RunDesign(input, NoReportFile());
    EXPECT_EQ(r.table.At(2, 2), "1.00");
    EXPECT_EQ(r.table.At(2, 3), "PASSED");
    EXPECT_EQ(r.status, RunStatus::Accepted);
    EXPECT_EQ(r.summary.At(3, 1), "0.34 / 1.00");
}

// A count is rounded half to even before it is used: "0.7" is one cleat, and the run designs.
TEST(DesignRun, AFractionalCountRoundsToWholePlates) {
    ConnectionInput input = WspWorkedRun();
    input.grid.At(3, kValueColumn) = "0.7";
    const DesignResult r = RunDesign(input, NoReportFile());
    ASSERT_NE(r.status, RunStatus::Stopped) << r.message;
    EXPECT_EQ(r.state.cleats, 1);
    EXPECT_EQ(r.table.At(2, 2), RunDesign(WspWorkedRun(), NoReportFile()).table.At(2, 2));
}

}  // namespace
}  // namespace jw
