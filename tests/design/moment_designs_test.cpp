// End plate and splice designs through the whole design run.
#include <gtest/gtest.h>

#include "data/numbers.h"
#include "design/design_run.h"
#include "design_fixtures.h"

namespace jw {
namespace {

using testing::BmepWorkedRun;
using testing::BsplWorkedRun;
using testing::NoReportFile;

std::vector<std::string> Column(const TextGrid& table, int column) {
    std::vector<std::string> cells;
    for (int r = 0; r < table.rows; ++r) cells.push_back(table.At(r, column));
    return cells;
}

// The classic rows of a 290 mm plate on a 300 mm beam, worked by hand to the digit; the further
// checks refuse the plate itself (its inner bolt row bends a 20 mm plate 1.46 times too far).
// Hand calculation: fv = 10000/8/3.1416 = 397.89; Sz = 3.1416 x 490 / 10.5 = 146.61,
// ft = 500000/146.61 = 3410.46; Ft = sqrt(3030^2 - 4.39 x 397.89^2) = 2913.06; bearing
// 1250/(2.0 x 2.0 x 4894.8) = 0.06; tearing 10000/(2 x 20.2 x 0.3 x 4079 x 2.0) = 0.10.
TEST(EndPlate, WorkedRunReproducesToTheDigit) {
    const DesignResult r = RunDesign(BmepWorkedRun(), NoReportFile());
    ASSERT_EQ(r.status, RunStatus::Rejected) << r.message;
    EXPECT_EQ(r.table.rows, 11);
    EXPECT_EQ(Column(r.table, 0),
              (std::vector<std::string>{"", "*** Bolt Group ***", "Maximum Shear Stress",
                                        "S.R. Shear Stress", "Maximum Tensile Stress",
                                        "Allowable Tensile Stress", "S.R. Tensile stress", "",
                                        "*** End Plate ***", "S.R. Bearing", "S.R. Tearing"}));
    EXPECT_EQ(Column(r.table, 1),
              (std::vector<std::string>{"", "", "V/ns", "AISC/ASD Sect. J.4-1", "M/Sz",
                                        "AISC/ASD Sect. J.3-5 Table 3.3", "AISC/ASD Sect. J.3-5",
                                        "", "", "AISC/ASD Sect. J.3-1", "AISC/ASD Sect. J.5-2"}));
    EXPECT_EQ(Column(r.table, 2),
              (std::vector<std::string>{"", "", "397.89", "0.27", "3410.46", "2913.06", "1.17", "",
                                        "", "0.06", "0.10"}));
    EXPECT_EQ(Column(r.table, 3),
              (std::vector<std::string>{"", "", "ksc", "PASSED", "ksc", "ksc", "REDESIGNED", "", "",
                                        "PASSED", "PASSED"}));
    EXPECT_EQ(r.summary.At(1, 0), "End Plate");
    EXPECT_EQ(r.summary.At(1, 1), "1 PL-20X290X150");
    EXPECT_EQ(r.summary.At(2, 1), "8 - M20 (A325-N)");
    EXPECT_EQ(r.summary.At(4, 1), "End plate bending");
    EXPECT_FALSE(r.classicAccepted);
}

TEST(EndPlate, GradesWithoutATensionAllowableStopTheRun) {
    for (int grade : {0, 3, 6, 9, 12}) {  // A307 and the slip-critical grades
        ConnectionInput input = BmepWorkedRun();
        input.choices.boltGrade = grade;
        const DesignResult r = RunDesign(input, NoReportFile());
        EXPECT_EQ(r.status, RunStatus::Stopped) << grade;
        EXPECT_NE(r.message.find("bearing-type bolt grade"), std::string::npos) << r.message;
    }
}

TEST(EndPlate, ZeroLoadsDesignToZeroRatios) {
    ConnectionInput input = testing::BmepSoundRun();
    input.grid.At(1, kValueColumn) = "0";
    input.grid.At(2, kValueColumn) = "0";
    const DesignResult r = RunDesign(input, NoReportFile());
    ASSERT_EQ(r.status, RunStatus::Accepted) << r.message;
    EXPECT_EQ(r.table.At(2, 2), ".");
    EXPECT_EQ(r.table.At(3, 2), "0.00");
    EXPECT_EQ(r.table.At(4, 2), ".");
    EXPECT_EQ(r.table.At(5, 2), "3030.");
    EXPECT_EQ(r.table.At(6, 2), "0.00");
}

TEST(EndPlate, ShearBeyondTheInteractionFailsTheTensionCheck) {
    ConnectionInput input = BmepWorkedRun();
    input.grid.At(2, kValueColumn) = "36400";  // fv = 1448.4 ksc: nothing left for tension
    const DesignResult r = RunDesign(input, NoReportFile());
    ASSERT_EQ(r.status, RunStatus::Rejected) << r.message;
    EXPECT_EQ(r.table.At(6, 1), "Bolts overstressed in shear");
    EXPECT_EQ(r.table.At(6, 3), "REDESIGNED");
    // No tension is left for the flange force either: its check names the same failure.
    EXPECT_EQ(r.summary.At(4, 1), "Bolt tension with prying");
    EXPECT_NE(r.report.find("Tensile Stress ratio = bolts overstressed in shear"),
              std::string::npos);
}

// The classic rows of a splice whose 190 mm flange plates stand on a 100 mm flange: the further
// checks refuse it (the bolts lie off the flange), the summary lists the plates of both beams.
// Hand calculation of the web: ex = 4.5, J = 24.5, R = sqrt(2500^2 + 3214.29^2) = 4072.0;
// bolt shear 4072/(1450 x 3.1416 x 2) = 0.45; web bearing 4072/(2 x 0.55 x 4894.8) = 0.76.
// Flange: H = 400000/20 = 20000, per bolt 3333.33, shear 3333.33/(1450 x 3.1416 x 2) = 0.37.
TEST(Splice, WorkedRunReproducesToTheDigit) {
    const DesignResult r = RunDesign(BsplWorkedRun(), NoReportFile());
    ASSERT_EQ(r.status, RunStatus::Rejected) << r.message;
    EXPECT_EQ(r.table.rows, 14);
    EXPECT_EQ(Column(r.table, 0)[8], "*** Flange Splice ***");
    EXPECT_EQ(Column(r.table, 0)[12], "S.R. Tension at Beam Flange");
    EXPECT_EQ(Column(r.table, 1)[13], "AISC/ASD Sect. D-1");
    EXPECT_EQ(Column(r.table, 2),
              (std::vector<std::string>{"", "", "0.45", "0.76", "0.23", "0.55", "0.24", "", "",
                                        "0.37", "0.43", "0.14", "2.69", "0.57"}));
    EXPECT_EQ(r.summary.At(1, 0), "Cleat/Flange Plate");
    // Web plates 2 x (0 + 2 x 35 + 10) = 160 long; flange plates 2 x (2 x 50 + 2 x 35 + 10) =
    // 360; the inner plates (100 - 5.5 - 2 x 11) / 2 = 36.25 wide; bolts of both beams.
    EXPECT_EQ(r.summary.At(1, 1), "2 PL-9X140X160 / 2 PL-12X190X360 + 4 PL-12X36.25X360");
    EXPECT_EQ(r.summary.At(2, 0), "Cleat/Flange Bolt");
    EXPECT_EQ(r.summary.At(2, 1), "4 - M20 / 24 - M20 (A325-N) per joint");
    EXPECT_EQ(r.summary.At(4, 1), "Edge distance");
}

TEST(Splice, FlangeRowsFollowTheirCounts) {
    ConnectionInput one = BsplWorkedRun();
    one.grid.At(11, kValueColumn) = "1";
    const DesignResult single = RunDesign(one, NoReportFile());
    const DesignResult both = RunDesign(BsplWorkedRun(), NoReportFile());
    EXPECT_EQ(single.table.At(9, 2), "0.73");   // one shear plane
    EXPECT_EQ(both.table.At(9, 2), "0.37");     // two shear planes
    EXPECT_EQ(single.table.At(11, 2), "0.28");  // bearing shared by two cleats halves
    EXPECT_EQ(both.table.At(11, 2), "0.14");
    EXPECT_EQ(single.table.At(12, 2), both.table.At(12, 2)) << "the beam flange has no cleat term";

    ConnectionInput slip = BsplWorkedRun();
    slip.choices.boltGrade = 3;
    const DesignResult s = RunDesign(slip, NoReportFile());
    EXPECT_EQ(s.table.At(9, 2), "0.37");
    for (int row : {3, 4, 10, 11}) EXPECT_EQ(s.table.At(row, 2), "0.00") << row;

    ConnectionInput zero = BsplWorkedRun();
    zero.grid.At(1, kValueColumn) = "0";
    const DesignResult z = RunDesign(zero, NoReportFile());
    for (int row = 9; row <= 13; ++row) {
        EXPECT_EQ(z.table.At(row, 2), "0.00") << row;
        EXPECT_EQ(z.table.At(row, 3), "PASSED") << row;
    }
}

TEST(Splice, ImpossibleFlangeGeometryStopsTheRun) {
    struct Case {
        int row;
        const char* value;
        const char* message;
    } cases[] = {
        {14, "-10", "\"Flange Bolt Col Distance(C1)\" must not be negative."},
        {12, "0", "\"Row of Flange Cleat\" must be at least 1."},
        {11, "0", "\"Number of Flange Cleat\" must be at least 1."},
        {12, "20000", "The number of flange bolts (2 x rows) is too large"},
    };
    for (const auto& c : cases) {
        ConnectionInput input = BsplWorkedRun();
        input.grid.At(c.row, kValueColumn) = c.value;
        const DesignResult r = RunDesign(input, NoReportFile());
        EXPECT_EQ(r.status, RunStatus::Stopped) << c.message;
        EXPECT_EQ(r.message.find(c.message), 0u) << r.message;
    }
}

// A shear stress that rounds differently from the worked run: fv = 1012/8/3.1416 = 40.2648,
// shown "40.27"; Ft = sqrt(3030^2 - 4.39 x 40.27^2) = 3028.82 from the shown value (the
// unrounded 40.2648 would give 3028.83).
TEST(EndPlate, AllowableTensionComesFromTheShownShearStress) {
    ConnectionInput input = BmepWorkedRun();
    input.grid.At(2, kValueColumn) = "1012";
    const DesignResult r = RunDesign(input, NoReportFile());
    ASSERT_NE(r.status, RunStatus::Stopped) << r.message;
    EXPECT_EQ(r.table.At(2, 2), "40.27");
    EXPECT_EQ(r.table.At(5, 2), "3028.82");
}

TEST(EndPlate, AZeroPlateThicknessIsNamed) {
    ConnectionInput input = BmepWorkedRun();
    input.grid.At(3, kValueColumn) = "0";
    EXPECT_EQ(RunDesign(input, NoReportFile()).message,
              "\"End Plate Thicness\" must be greater than 0.");
}

// A wide flange cleat with small holes: Ag = (2 x 3.0 + 12.0) x 1.2 = 21.6 cm^2, An = (18.0 -
// 2 x 1.4) x 1.2 = 18.24, Ae = 0.90 x 18.24 = 16.416 (three rows, 2/3 d = 13.3 < bf = 20);
// 0.6 x 2396 x 21.6 = 31052.16 kg is less than 0.5 x 4079 x 16.416 = 33480.43 kg, so gross
// yield governs; H = 400000 / 20 = 20000 kg, ratio 0.64.
TEST(Splice, GrossYieldCanGovernTheFlangeCleatTension) {
    ConnectionInput input = testing::MakeInput(ConnectionType::BSPL,
                                               {"400000", "5000", "9", "2", "2", "1", "10", "35",
                                                "70", "12", "1", "3", "30", "0", "50", "120"},
                                               "H-200X200X49.9(kg/m)");
    input.choices.boltDiameter = 0;  // 12 mm.
    const DesignResult r = RunDesign(input, NoReportFile());
    ASSERT_NE(r.status, RunStatus::Stopped) << r.message;
    EXPECT_EQ(FormatFixed(r.values.FlangeCleatTensionCapacity, 2), "31052.16");
    EXPECT_EQ(r.table.At(13, 2), "0.64");
}

}  // namespace
}  // namespace jw
