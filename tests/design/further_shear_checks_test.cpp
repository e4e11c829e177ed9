// The further checks of shear plates and angle cleats, each at a hand-calculated point and at
// its boundary: a ratio shown "1.00" passes, "1.01" fails.
#include <gtest/gtest.h>

#include <functional>

#include "data/numbers.h"
#include "data/sections.h"
#include "design/design_run.h"
#include "design/further/check_builder.h"
#include "design_fixtures.h"

namespace jw {
namespace {

using testing::AcltWorkedRun;
using testing::NoReportFile;
using testing::WspWorkedRun;

constexpr int kA325S = 3;
constexpr int kA325X = 1;

const CheckRow* FindCheck(const DesignResult& r, const std::string& name) {
    for (const CheckRow& check : r.further.checks)
        if (check.name == name) return &check;
    return nullptr;
}

struct Point {
    const char* name;
    const char* demand;
    const char* capacity;
    const char* ratio;
};

// The worked shear plate (V 10000 kg, H-300X150X36.7: d 30, tw 0.65, tf 0.9, r1 1.3 cm; one
// 9 mm plate, 3 x M20 A325-N at c 7.5, a 1.0, b 4.0; E70 6 mm on both sides), R = 4714.05 kg:
// - End distance: web 2R/(Fu tw) = 9428.09 / (4079 x 0.65) = 3.56 > 1.5 d = 3.0; 3.0 / 4.0.
// - Bolt spacing: max(2 2/3 x 2, min(6, 3.56 + 1)) = 5.33; 5.33 / 7.5 = 0.71.
// - Edge distance: 26 mm for M20 at a gas-cut edge; 2.6 / 4.0 = 0.65.
// - Beam web shear: 10000 / (0.40 x 2396 x 30 x 0.65 = 18688.80) = 0.54.
// - Gross shear and weld base metal: 10000 / (0.40 x 2396 x 1 x 0.9 x 23.0 = 19838.88) = 0.50.
// - Plate flexure: 10000 x (1.0 + 4.0) / (0.60 x 2396 x 0.9 x 23^2 / 6 = 114073.56) = 0.44.
// - Weld size minimum: 5 mm for a 9 mm plate; 0.5 / 0.6 = 0.83.
// - Plate within clear web: 23.0 / (30 - 1.8 - 2.6 = 25.6) = 0.90.
// - Buildable geometry: the weld no larger than the plate, 0.6 / 0.9 = 0.67.
TEST(FurtherShearChecks, WorkedShearPlateByHand) {
    const DesignResult r = RunDesign(WspWorkedRun(), NoReportFile());
    ASSERT_NE(r.status, RunStatus::Stopped) << r.message;
    const Point points[] = {
        {"End distance", "3.00", "4.00", "0.75"},
        {"Bolt spacing", "5.33", "7.50", "0.71"},
        {"Edge distance", "2.60", "4.00", "0.65"},
        {"Beam web shear", "10000.00", "18688.80", "0.54"},
        {"Gross shear of plate(s)", "10000.00", "19838.88", "0.50"},
        {"Plate flexure", "50000.00", "114073.56", "0.44"},
        {"Weld size minimum", "0.50", "0.60", "0.83"},
        {"Weld base metal", "10000.00", "19838.88", "0.50"},
        {"Plate within clear web", "23.00", "25.60", "0.90"},
        {"Buildable geometry", "0.60", "0.90", "0.67"},
    };
    ASSERT_EQ(r.further.checks.size(), std::size(points));
    for (std::size_t i = 0; i < std::size(points); ++i) {
        const CheckRow& check = r.further.checks[i];
        EXPECT_EQ(check.name, points[i].name);
        EXPECT_EQ(FormatFixed(check.demand, 2), points[i].demand) << check.name;
        EXPECT_EQ(FormatFixed(check.capacity, 2), points[i].capacity) << check.name;
        EXPECT_EQ(check.ratioText, points[i].ratio) << check.name;
        EXPECT_EQ(check.verdict, "PASSED") << check.name;
    }
    EXPECT_EQ(r.status, RunStatus::Rejected) << "the classic bolt shear row fails at 1.03";
}

// The worked angle cleats with slip-critical A325-S bolts (two L-90X90X13.3: A 9.0, t 1.0 cm;
// three support bolts each): R = 4714.05 kg on the web bolts, V / (Ncl Nsup) = 1666.67 kg on
// a support bolt.
// - Bearing (slip-critical): web 4714.05 / (2 x 0.65 x 1.2 x 4079 = 6363.24) = 0.74; cleats
//   4714.05 / (2 x 1.0 x 1.2 x 4079 x 2 = 19579.20) = 0.24; support 1666.67 / 9789.60 = 0.17.
// - Slip resistance (Fv,sc 1170 ksc): web 4714.05 / (1170 x 3.1416 x 2 = 7351.33) = 0.64.
// - Gross shear of angles: 10000 / (0.40 x 2396 x 2 x 1.0 x 23.0 = 44086.40) = 0.23.
// - Angle within clear web 0.90; support bolts per angle 2 / 3 = 0.67.
TEST(FurtherShearChecks, WorkedAngleCleatsByHand) {
    ConnectionInput input = AcltWorkedRun();
    input.choices.boltGrade = kA325S;
    const DesignResult r = RunDesign(input, NoReportFile());
    ASSERT_EQ(r.status, RunStatus::Accepted) << r.summary.At(4, 1);
    const Point points[] = {
        {"Bearing at Beam Web (slip-critical)", "4714.05", "6363.24", "0.74"},
        {"Bearing at Web Cleat(s) (slip-critical)", "4714.05", "19579.20", "0.24"},
        {"Bearing at Support Cleat (slip-critical)", "1666.67", "9789.60", "0.17"},
        {"Slip resistance", "4714.05", "7351.33", "0.64"},
        {"Gross shear of angle(s)", "10000.00", "44086.40", "0.23"},
        {"Angle within clear web", "23.00", "25.60", "0.90"},
        {"Support bolts per angle", "2.00", "3.00", "0.67"},
    };
    for (const Point& p : points) {
        const CheckRow* check = FindCheck(r, p.name);
        ASSERT_NE(check, nullptr) << p.name;
        EXPECT_EQ(FormatFixed(check->demand, 2), p.demand) << p.name;
        EXPECT_EQ(FormatFixed(check->capacity, 2), p.capacity) << p.name;
        EXPECT_EQ(check->ratioText, p.ratio) << p.name;
    }
    EXPECT_EQ(FindCheck(r, "Support bolts, single angle"), nullptr) << "two angles balance";
}

// A single angle's support bolts carry V at g = tw/2 + A/2 = 0.325 + 4.5 = 4.825 cm: on three
// bolts at 7.5 cm, J = 7.5^2 x 3 x 8 / 12 = 112.5, Rv = V/3, Rh = V x 4.825 x 7.5 / 112.5;
// at V = 10000, R = sqrt(3333.33^2 + 3216.67^2) = 4632.28 against Fv Ab = 4555.31: 1.02.
TEST(FurtherShearChecks, SingleAngleSupportBoltsByHand) {
    ConnectionInput input = AcltWorkedRun();
    input.grid.At(2, kValueColumn) = "1";
    const DesignResult r = RunDesign(input, NoReportFile());
    const CheckRow* check = FindCheck(r, "Support bolts, single angle");
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(FormatFixed(check->demand, 2), "4632.28");
    EXPECT_EQ(FormatFixed(check->capacity, 2), "4555.31");
    EXPECT_EQ(check->ratioText, "1.02");
    EXPECT_EQ(r.status, RunStatus::Rejected);
}

struct Boundary {
    const char* what;
    std::function<ConnectionInput()> input;
    const char* check;
    const char* ratio;
};

ConnectionInput Wsp(std::initializer_list<std::pair<int, const char*>> changes, int grade = 2) {
    ConnectionInput input = WspWorkedRun();
    for (const auto& [row, value] : changes) input.grid.At(row, kValueColumn) = value;
    input.choices.boltGrade = grade;
    return input;
}

ConnectionInput Aclt(std::initializer_list<std::pair<int, const char*>> changes) {
    ConnectionInput input = AcltWorkedRun();
    for (const auto& [row, value] : changes) input.grid.At(row, kValueColumn) = value;
    return input;
}

// Each pair of loads or sizes is worked out by hand from the formulas above, one just inside
// the limit (shown 1.00) and one just past it (shown 1.01).
TEST(FurtherShearChecks, EveryCheckPassesAtOneAndFailsJustAbove) {
    const Boundary cases[] = {
        // 18688 / 18688.80 = 0.99996; 18800 / 18688.80 = 1.0060.
        {"web shear",
         [] {
             return Wsp({{1, "18688"}});
         },
         "Beam web shear", "1.00"},
        {"web shear",
         [] {
             return Wsp({{1, "18800"}});
         },
         "Beam web shear", "1.01"},
        // 19838 / 19838.88; 19950 / 19838.88 = 1.0056.
        {"gross shear",
         [] {
             return Wsp({{1, "19838"}});
         },
         "Gross shear of plate(s)", "1.00"},
        {"gross shear",
         [] {
             return Wsp({{1, "19950"}});
         },
         "Gross shear of plate(s)", "1.01"},
        {"base metal",
         [] {
             return Wsp({{1, "19838"}});
         },
         "Weld base metal", "1.00"},
        {"base metal",
         [] {
             return Wsp({{1, "19950"}});
         },
         "Weld base metal", "1.01"},
        // 5 V against 114073.56: V 22814 gives 0.99997, V 22950 gives 1.0059.
        {"flexure",
         [] {
             return Wsp({{1, "22814"}});
         },
         "Plate flexure", "1.00"},
        {"flexure",
         [] {
             return Wsp({{1, "22950"}});
         },
         "Plate flexure", "1.01"},
        // 5 mm wanted on a 9 mm plate: 4.98 mm gives 1.004, 4.95 mm 1.0101.
        {"weld size",
         [] {
             return Wsp({{10, "4.98"}});
         },
         "Weld size minimum", "1.00"},
        {"weld size",
         [] {
             return Wsp({{10, "4.95"}});
         },
         "Weld size minimum", "1.01"},
        // Lp = 2 c + 8.0 against 25.6: c 88 mm gives 25.6, c 89.3 mm 25.86 (1.0102).
        {"clear web",
         [] {
             return Wsp({{8, "88"}});
         },
         "Plate within clear web", "1.00"},
        {"clear web",
         [] {
             return Wsp({{8, "89.3"}});
         },
         "Plate within clear web", "1.01"},
        // 26 mm at a gas-cut edge: b 26 mm gives 1.00, b 25.7 mm 1.0117.
        {"edge",
         [] {
             return Wsp({{7, "26"}});
         },
         "Edge distance", "1.00"},
        {"edge",
         [] {
             return Wsp({{7, "25.7"}});
         },
         "Edge distance", "1.01"},
        // b 26 mm < 1.5 d: R = 0.41074 V must keep 2R/(4079 x 0.65) <= 2.6: V 8391 gives
        // 0.99994, V 8450 gives 1.0070.
        {"end",
         [] {
             return Wsp({{1, "8391"}, {7, "26"}});
         },
         "End distance", "1.00"},
        {"end",
         [] {
             return Wsp({{1, "8450"}, {7, "26"}});
         },
         "End distance", "1.01"},
        // c 56 mm < 3 d: R = 0.55714 V must keep 2R/(4079 x 0.65) + 1 <= 5.6: V 10945 gives
        // 0.99998, V 11040 gives 1.0074.
        {"spacing",
         [] {
             return Wsp({{1, "10945"}, {8, "56"}});
         },
         "Bolt spacing", "1.00"},
        {"spacing",
         [] {
             return Wsp({{1, "11040"}, {8, "56"}});
         },
         "Bolt spacing", "1.01"},
        // R = 0.47140 V against 1170 x 3.1416 = 3675.66: V 7797 gives 0.99997, V 7850 1.0068.
        {"slip",
         [] {
             return Wsp({{1, "7797"}}, kA325S);
         },
         "Slip resistance", "1.00"},
        {"slip",
         [] {
             return Wsp({{1, "7850"}}, kA325S);
         },
         "Slip resistance", "1.01"},
        // R against 6363.24: V 13498 gives 0.99997, V 13570 gives 1.0053.
        {"bearing",
         [] {
             return Wsp({{1, "13498"}}, kA325S);
         },
         "Bearing at Beam Web (slip-critical)", "1.00"},
        {"bearing",
         [] {
             return Wsp({{1, "13570"}}, kA325S);
         },
         "Bearing at Beam Web (slip-critical)", "1.01"},
        // A 9 mm weld on the 9 mm plate is the most it takes; 9.1 mm is 1.0111.
        {"weld on plate",
         [] {
             return Wsp({{10, "9"}});
         },
         "Buildable geometry", "1.00"},
        {"weld on plate",
         [] {
             return Wsp({{10, "9.1"}});
         },
         "Buildable geometry", "1.01"},
        // One angle on three support bolts: 1.0169 at V 10000, so V 9834 gives 1.00002 and
        // V 9900 gives 1.0067.
        {"single angle",
         [] {
             return Aclt({{1, "9834"}, {2, "1"}});
         },
         "Support bolts, single angle", "1.00"},
        {"single angle",
         [] {
             return Aclt({{1, "9900"}, {2, "1"}});
         },
         "Support bolts, single angle", "1.01"},
        // Two bolts per angle is the least: 2 / 2, then 2 / 1.
        {"per angle",
         [] {
             return Aclt({{5, "2"}});
         },
         "Support bolts per angle", "1.00"},
        {"per angle",
         [] {
             return Aclt({{5, "1"}});
         },
         "Support bolts per angle", "2.00"},
    };
    for (const Boundary& c : cases) {
        const DesignResult r = RunDesign(c.input(), NoReportFile());
        ASSERT_NE(r.status, RunStatus::Stopped) << c.what << ": " << r.message;
        const CheckRow* check = FindCheck(r, c.check);
        ASSERT_NE(check, nullptr) << c.what;
        EXPECT_EQ(check->ratioText, c.ratio) << c.what;
        const bool passes = std::string(c.ratio) == "1.00";
        EXPECT_EQ(check->verdict, passes ? "PASSED" : "REDESIGNED") << c.what;
        if (!passes) {
            EXPECT_EQ(r.status, RunStatus::Rejected) << c.what;
        }
    }
}

// Rules with nothing to measure a broken value against show the broken-rule ratio and fail.
TEST(FurtherShearChecks, UnbuildableGeometryFailsNamingItsRule) {
    struct Case {
        const char* what;
        ConnectionInput input;
        const char* check;
        const char* ratio;
        const char* rule;  // part of the check's substituted text
    } cases[] = {
        {"three weld sides", Wsp({{11, "3"}}), "Buildable geometry", "1.50", "weld sides"},
        {"a million weld sides", Wsp({{11, "1000000"}}), "Buildable geometry", "500000.00",
         "weld sides"},
        {"half a side", Wsp({{11, "1.5"}}), "Buildable geometry", "99.99", "weld sides"},
        {"no set back", Wsp({{6, "0"}}), "Buildable geometry", "99.99", "set back a"},
        {"no edge distance", Wsp({{7, "0"}}), "Edge distance", "99.99", "2.6 <= 0"},
        {"50 mm weld on 8 mm plate", Wsp({{2, "8"}, {10, "50"}}), "Buildable geometry", "6.25",
         "weld size"},
        {"one support bolt, one angle", Aclt({{2, "1"}, {5, "1"}}), "Support bolts, single angle",
         "99.99", "against no lever arm"},
    };
    for (const Case& c : cases) {
        const DesignResult r = RunDesign(c.input, NoReportFile());
        ASSERT_NE(r.status, RunStatus::Stopped) << c.what << ": " << r.message;
        const CheckRow* check = FindCheck(r, c.check);
        ASSERT_NE(check, nullptr) << c.what;
        EXPECT_EQ(check->ratioText, c.ratio) << c.what;
        EXPECT_EQ(check->verdict, "REDESIGNED") << c.what;
        EXPECT_NE(check->substituted.find(c.rule), std::string::npos) << check->substituted;
        EXPECT_EQ(r.status, RunStatus::Rejected) << c.what;
    }
}

// The cases that were accepted before the further checks, each now redesigned with the check
// that finds its fault named as the mode of failure.
TEST(FurtherShearChecks, ConnectionsNoCheckerWouldSignAreRedesigned) {
    ConnectionInput slip = testing::MakeInput(
        ConnectionType::WSP, {"18000", "6", "2", "2", "1", "10", "40", "140", "60", "5", "1"});
    slip.choices.boltGrade = 6;  // A490-S
    ConnectionInput singleAngle =
        testing::MakeInput(ConnectionType::ACLT, {"10000", "1", "1", "2", "1", "10", "48", "96"});
    singleAngle.choices.angleSection = FindAnglePosition("L-250X250X93.7(kg/m)").value_or(-1);
    singleAngle.choices.boltGrade = 6;
    singleAngle.choices.boltDiameter = 7;  // 32 mm.
    ConnectionInput flexure = testing::MakeInput(
        ConnectionType::WSP, {"3600", "8", "1", "1", "2", "10", "30", "110", "70", "6", "1"},
        "H-100X50X9.3(kg/m)");
    flexure.choices.boltGrade = kA325X;
    struct Case {
        const char* what;
        ConnectionInput input;
        const char* mode;
    } cases[] = {
        {"slip-critical bolts switching bearing off", slip, "Bearing at Beam Web (slip-critical)"},
        {"a single angle on one support bolt", singleAngle, "Support bolts, single angle"},
        {"a two-bolt plate on a 100 mm beam", flexure, "Plate flexure"},
        {"a 360 mm plate on a 300 mm beam", Wsp({{4, "5"}, {8, "70"}}), "Plate within clear web"},
        {"a 200 mm plate on a 6.5 mm web", Wsp({{2, "200"}}), "Weld size minimum"},
    };
    for (const Case& c : cases) {
        const DesignResult r = RunDesign(c.input, NoReportFile());
        EXPECT_EQ(r.status, RunStatus::Rejected) << c.what << ": " << r.message;
        EXPECT_EQ(r.summary.At(4, 0), "Mode of Failure") << c.what;
        EXPECT_EQ(r.summary.At(4, 1), c.mode) << c.what;
    }
    EXPECT_EQ(FindCheck(RunDesign(slip, NoReportFile()), "Slip resistance")->ratioText, "1.21");
    EXPECT_EQ(FindCheck(RunDesign(flexure, NoReportFile()), "Plate flexure")->ratioText, "2.09");
}

TEST(FurtherShearChecks, WarningsSayWhatTheDrawingMustCallFor) {
    const DesignResult sheared = RunDesign(Wsp({{7, "30"}, {11, "1"}, {2, "30"}}), NoReportFile());
    std::vector<std::string> texts;
    for (const FurtherWarning& w : sheared.further.warnings) texts.push_back(w.text);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].find("Edge distance 30 mm is less than 34 mm for a sheared edge"), 0u);
    EXPECT_EQ(texts[1].find("The plate is welded on one side only"), 0u);
    EXPECT_EQ(texts[2].find("Fillet weld 6 mm suits a support up to 19 mm thick"), 0u);
    EXPECT_EQ(texts[3].find("The plate (30 mm) is more than three times as thick"), 0u);
    EXPECT_EQ(sheared.further.warnings[0].about, WarningAbout::Detailing);
    EXPECT_EQ(sheared.further.warnings[1].about, WarningAbout::OneSidedWeld);
    EXPECT_EQ(sheared.further.warnings[2].about, WarningAbout::Support);
    EXPECT_EQ(sheared.further.warnings[3].about, WarningAbout::Detailing);
    // Warnings never change the verdict: only the checks do.
    const DesignResult accepted =
        RunDesign(Wsp({{1, "8000"}, {7, "30"}, {11, "1"}}), NoReportFile());
    EXPECT_EQ(accepted.status, RunStatus::Accepted) << accepted.summary.At(4, 1);
    EXPECT_TRUE(accepted.further.HasDetailingWarning());
    // Welds on one side that the engineer asks for, a note on the support, and what the end
    // plate's own rules call for (its welds, its gas-cut sides) ask nothing more of the layout.
    const DesignResult oneSided = RunDesign(Wsp({{11, "1"}}), NoReportFile());
    EXPECT_TRUE(oneSided.further.HasDetailingWarning());
    EXPECT_FALSE(oneSided.further.HasDetailingWarning(true));
    const DesignResult endPlate = RunDesign(testing::BmepSoundRun(), NoReportFile());
    ASSERT_EQ(endPlate.further.warnings.size(), 2u);
    EXPECT_EQ(endPlate.further.warnings[0].about, WarningAbout::DerivedDetail);
    EXPECT_FALSE(endPlate.further.HasDetailingWarning());
    ConnectionInput shortEnds = testing::BmepSoundRun();
    shortEnds.grid.At(5, kValueColumn) = "30";  // b under the 34 mm a sheared edge needs
    EXPECT_TRUE(RunDesign(shortEnds, NoReportFile()).further.HasDetailingWarning());
}

// The ends of an angle's support leg work out from whole millimetres in centimetres: 5 rows at
// 150 mm with 64 mm ends give 63.99999... mm, which is the 64 mm a sheared edge of M36 needs.
TEST(FurtherShearChecks, AnEdgeDistanceOnTheTableValueNeedsNoGasCutEdge) {
    ConnectionInput input =
        testing::MakeInput(ConnectionType::ACLT, {"60000", "1", "5", "1", "5", "10", "64", "150"},
                           "H-900X300X286(kg/m)V");
    input.choices.boltGrade = 4;     // A490-X
    input.choices.boltDiameter = 8;  // 36 mm.
    input.choices.angleSection = 22;
    const DesignResult r = RunDesign(input, NoReportFile());
    ASSERT_NE(r.status, RunStatus::Stopped) << r.message;
    for (const FurtherWarning& w : r.further.warnings)
        EXPECT_EQ(w.text.find("Edge distance"), std::string::npos) << w.text;
}

}  // namespace
}  // namespace jw
