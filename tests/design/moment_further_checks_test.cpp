// Further checks of end plates and splices: the prying and end-plate formulas at hand-calculated
// points, the end plate layout and the method chosen at the limits of its range, every load and
// geometry check turning its verdict where its shown ratio passes 1.00, the faults the checks
// mend, and the splice's bill of materials.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "data/numbers.h"
#include "design/further/end_plate.h"
#include "design/further/prying.h"
#include "design/further/splice.h"
#include "design_fixtures.h"
#include "results/bill_of_materials.h"

namespace jw {
namespace {

using testing::MakeInput;
using testing::NoReportFile;

constexpr int kA325X = 1;

const CheckRow* FindCheck(const DesignResult& r, std::string_view name) {
    for (const CheckRow& check : r.further.checks)
        if (check.name == name) return &check;
    return nullptr;
}

double DerivedOf(const DesignResult& r, std::string_view symbol) {
    for (const DerivedValue& value : r.further.derived)
        if (value.symbol == symbol) return value.value;
    ADD_FAILURE() << "no derived value " << symbol;
    return 0;
}

ConnectionInput Input(ConnectionType type, const std::vector<std::string>& values,
                      const char* beam = "H-300X150X36.7(kg/m)") {
    ConnectionInput input = MakeInput(type, values, beam);
    input.choices.boltGrade = kA325X;
    return input;
}

// The standard end plate of H-300X150X36.7 (405 mm plate, 4 rows at 115 mm, b 30, 8 x M20
// A325-X) on the beam given.
ConnectionInput StandardEndPlate(const char* beam = "H-300X150X36.7(kg/m)") {
    return Input(ConnectionType::BMEP, {"692000", "14000", "20", "4", "30", "115"}, beam);
}

// A two-row end plate, the rows 40 mm beyond each flange of H-300X150X36.7: T-stubs only.
ConnectionInput TwoRowEndPlate() {
    return Input(ConnectionType::BMEP, {"300000", "5000", "25", "2", "40", "380"});
}

ConnectionInput StandardSplice() {
    return Input(ConnectionType::BSPL, {"415000", "11200", "8", "1", "2", "1", "10", "30", "150",
                                        "9", "1", "2", "30", "0", "60", "85"});
}

DesignResult Design(const ConnectionInput& input) {
    return RunDesign(input, NoReportFile());
}

TEST(Prying, TheManualsTStubAtHandCalculatedPoints) {
    // A tee hanger in inches and kips (a public worked example of the method): 1 in. bolts,
    // B = 31.4, T = 28.75, p = 3, b = 1.3125, a = 1.640625, holes 1.0625, Fy = 50. Thick and
    // thin flanges and a bolt against the stem take the method's other branches.
    struct Case {
        const char* name;
        double t, b;
        double tc, alphaPrime, allowable, alpha, prying, plate;
        bool bends;
    } cases[] = {
        {"published example", 1.0, 1.3125, 1.166476, 0.404804, 29.110053, 0.380645, 2.153285,
         37.980769, true},
        {"thick flange: no prying, the bolt governs", 1.5, 1.3125, 1.166476, -0.443629, 31.4, 0, 0,
         85.456731, true},
        {"thin flange: double curvature, the plate governs", 0.6, 1.3125, 1.166476, 3.119789,
         13.673077, 1, 2.036496, 13.673077, true},
        {"bolt within db / 2 of the stem", 1.0, 0.4, 0, 0, 31.4, 0, 0, 0, false},
    };
    for (const Case& c : cases) {
        further::TStub t;
        t.boltTension = 28.75;
        t.boltAllowable = 31.4;
        t.b = c.b;
        t.a = 1.640625;
        t.tributary = 3;
        t.hole = 1.0625;
        t.boltDia = 1;
        t.thickness = c.t;
        t.fy = 50;
        const further::Prying p = further::AnalysePrying(t);
        EXPECT_EQ(p.plateBends, c.bends) << c.name;
        EXPECT_NEAR(p.tc, c.tc, 1e-6) << c.name;
        EXPECT_NEAR(p.alphaPrime, c.alphaPrime, 1e-6) << c.name;
        EXPECT_NEAR(p.allowableTension, c.allowable, 1e-6) << c.name;
        EXPECT_NEAR(p.alpha, c.alpha, 1e-6) << c.name;
        EXPECT_NEAR(p.prying, c.prying, 1e-6) << c.name;
        EXPECT_NEAR(p.plateTension, c.plate, 1e-6) << c.name;
    }
}

TEST(Prying, TheExtendedEndPlateMethodAtTheWorkedRun) {
    // H-350X175X49.6, M = 800000: Ff = 800000 / 33.9; pf 3.75, w 0.8: pe = 3.75 - 0.5 - 0.5656;
    // Af / Aw = 19.25 / 22.96; alpha_m = 1.36 (0.8384)^(1/3) (1.3422)^(1/4).
    further::ExtendedEndPlate e;
    e.flangeForce = 800000 / 33.9;
    e.pf = 3.75;
    e.boltDia = 2;
    e.weldSize = 0.8;
    e.flangeArea = 17.5 * 1.1;
    e.webArea = (35 - 2.2) * 0.7;
    e.ca = further::EndPlateCa(false);
    e.cb = 1;
    e.plateWidth = 17.5;
    e.fy = 2396;
    const further::EndPlateMoment m = further::AnalyseExtendedEndPlate(e, 2.2);
    EXPECT_NEAR(m.pe, 2.6844, 1e-9);
    EXPECT_NEAR(m.alphaM, 1.380319, 1e-6);
    EXPECT_NEAR(m.moment, 21860.35, 0.01);
    EXPECT_NEAR(m.allowableMoment, 25367.65, 0.01);
    EXPECT_NEAR(m.requiredThickness, 2.04226, 1e-5);
    EXPECT_DOUBLE_EQ(further::EndPlateCa(true), 1.45);
}

TEST(EndPlateLayout, RowsBesideTheTensionFlange) {
    struct Case {
        const char* name;
        ConnectionInput input;
        double height, gauge;
        int beyond;
        std::vector<double> p;  // the nearest row beyond, then inside
    } cases[] = {
        {"standard plate on H-300", StandardEndPlate(), 40.5, 9.8, 1, {2.25, 8.35}},
        // (21.9 - 30) / 2 = -4.05: the flange stands above the plate; the top row is 7.35 cm
        // inside it and the second row lies past mid-depth.
        {"219 mm plate on a 300 mm beam",
         Input(ConnectionType::BMEP, {"600000", "10000", "28", "2", "42", "135"}),
         21.9,
         9.8,
         0,
         {7.35}},
        {"sound plate by the extended method",
         testing::BmepSoundRun(),
         50.5,
         12.3,
         1,
         {3.75, 3.65}},
        {"two rows beyond the flanges", TwoRowEndPlate(), 46, 9.8, 1, {4.0}},
    };
    for (const Case& c : cases) {
        const DesignResult r = Design(c.input);
        ASSERT_NE(r.status, RunStatus::Stopped) << c.name << r.message;
        const further::EndPlateLayout l = further::LayOutEndPlate(r.state);
        EXPECT_NEAR(l.heightCm, c.height, 1e-9) << c.name;
        EXPECT_NEAR(l.gaugeCm, c.gauge, 1e-9) << c.name;
        EXPECT_EQ(l.rowsBeyond, c.beyond) << c.name;
        ASSERT_EQ(l.tensionRows.size(), c.p.size()) << c.name;
        for (std::size_t i = 0; i < c.p.size(); ++i)
            EXPECT_NEAR(l.tensionRows[i].pCm, c.p[i], 1e-6) << c.name << " row " << i;
    }
}

// The extended end-plate method holds for one row each side of the tension flange with pf
// from db + 1.27 to db + 2.54 cm (3.27 to 4.54 cm for M20); anything else is a T-stub.
TEST(EndPlateMethod, ChosenAtTheLimitsOfItsRange) {
    const auto bmep = [](const char* beam, const char* rows, const char* edge, const char* pitch) {
        return Input(ConnectionType::BMEP, {"300000", "5000", "25", rows, edge, pitch}, beam);
    };
    struct Case {
        const char* name;
        ConnectionInput input;
        bool extended;
        const char* why;
    } cases[] = {
        // H-350X175X49.6, 6 rows: pf beyond = (5 c - 35) / 2, inside = (35 - 3 c) / 2 - 1.1.
        {"pf 3.27 and 3.94: at the least", bmep("H-350X175X49.6(kg/m)", "6", "40", "83.08"), true,
         "within"},
        {"pf 3.265: below the least", bmep("H-350X175X49.6(kg/m)", "6", "40", "83.06"), false,
         "pf 3.265 cm of the bolt row beyond the flange outside"},
        // H-400X200X66, 6 rows: pf beyond = (5 c - 40) / 2, inside = (40 - 3 c) / 2 - 1.3.
        {"pf 4.54 and 3.98: at the most", bmep("H-400X200X66(kg/m)", "6", "40", "98.16"), true,
         "within"},
        {"pf 4.545: above the most", bmep("H-400X200X66(kg/m)", "6", "40", "98.18"), false,
         "pf 4.545 cm of the bolt row beyond the flange outside"},
        {"no row inside the flange", TwoRowEndPlate(), false,
         "no bolt row inside the tension flange"},
        {"two rows beyond the flange", bmep("H-300X150X36.7(kg/m)", "8", "30", "60"), false,
         "2 bolt rows beyond the tension flange"},
    };
    for (const Case& c : cases) {
        const DesignResult r = Design(c.input);
        ASSERT_NE(r.status, RunStatus::Stopped) << c.name << r.message;
        const CheckRow* bending = FindCheck(r, "End plate bending");
        ASSERT_NE(bending, nullptr) << c.name;
        EXPECT_EQ(bending->clause,
                  c.extended ? "AISC-ASD89 Manual, end plates" : "AISC-ASD89 Manual, prying")
            << c.name;
        std::string rule;
        for (const DerivedValue& v : r.further.derived)
            if (v.symbol == "n,t") rule = v.rule;
        EXPECT_NE(rule.find(c.why), std::string::npos) << c.name << ": " << rule;
        EXPECT_NE(rule.find(c.extended ? "the extended end-plate method" : "T-stub"),
                  std::string::npos)
            << c.name << ": " << rule;
    }
}

// Writes a value into a grid row as the engineer would type it.
ConnectionInput With(ConnectionInput input, int row, double value) {
    input.grid.At(row, kValueColumn) = FormatTrimmed(value, 9);
    return input;
}

// Every check turns its verdict exactly where its shown ratio passes 1.00: the value of one
// input row is halved in on the point where the ratio is 1.005, and the check shows 1.00 and
// passes just on one side of it and 1.01 and fails just on the other.
TEST(MomentFurtherChecks, EachTurnsItsVerdictWhereTheShownRatioPasses100) {
    struct Case {
        const char* check;
        ConnectionInput input;
        int row;        // the input row varied
        double lo, hi;  // the check passes at one end, fails at the other
    } cases[] = {
        {"Plate covers beam", testing::BmepSoundRun(), 6, 40, 85},
        {"Bolt clearance at flange", TwoRowEndPlate(), 6, 340, 400},
        {"Bolt tension with prying", testing::BmepSoundRun(), 1, 100000, 2000000},
        {"End plate bending", testing::BmepSoundRun(), 1, 100000, 2000000},
        {"Bolt tension with prying", TwoRowEndPlate(), 1, 100000, 1000000},
        {"End plate bending", TwoRowEndPlate(), 1, 100000, 1000000},
        {"End plate shear", testing::BmepSoundRun(), 3, 5, 22},
        {"Flange bolt shear", StandardSplice(), 1, 100000, 2000000},
        {"Flange bolt bearing", StandardSplice(), 1, 100000, 2000000},
        {"Flange plate within flange", StandardSplice(), 13, 20, 40},
        {"Flange bolts clear of root fillets", StandardSplice(), 16, 60, 100},
        {"Flange plate gross tension", StandardSplice(), 1, 100000, 1000000},
        {"Flange plate net tension", StandardSplice(), 1, 100000, 1000000},
        {"Beam flange tension", StandardSplice(), 1, 100000, 1000000},
        {"Block shear of flange plates", StandardSplice(), 1, 100000, 1000000},
        {"Block shear of beam flange", StandardSplice(), 1, 100000, 1000000},
        {"Flange plates as columns", StandardSplice(), 1, 100000, 1000000},
        {"Web plate flexure", StandardSplice(), 2, 1000, 30000},
    };
    for (const Case& c : cases) {
        const auto ratio = [&](double value) {
            const DesignResult r = Design(With(c.input, c.row, value));
            const CheckRow* check = FindCheck(r, c.check);
            return check ? check->ratio : std::nan("");
        };
        double lo = c.lo, hi = c.hi;
        const double atLo = ratio(lo), atHi = ratio(hi);
        const bool rising = atHi > atLo;
        ASSERT_LT(std::min(atLo, atHi), 1.005) << c.check;
        ASSERT_GT(std::max(atLo, atHi), 1.005) << c.check;
        for (int i = 0; i < 40; ++i) {
            const double mid = (lo + hi) / 2;
            ((ratio(mid) < 1.005) == rising ? lo : hi) = mid;
        }
        const double turn = (lo + hi) / 2;
        const double step = 1e-6 * turn;
        for (const auto& [value, shown, verdict] :
             {std::tuple{rising ? turn - step : turn + step, "1.00", "PASSED"},
              std::tuple{rising ? turn + step : turn - step, "1.01", "REDESIGNED"}}) {
            const DesignResult r = Design(With(c.input, c.row, value));
            const CheckRow* check = FindCheck(r, c.check);
            ASSERT_NE(check, nullptr) << c.check;
            EXPECT_EQ(check->ratioText, shown) << c.check << " at " << value;
            EXPECT_EQ(check->verdict, verdict) << c.check << " at " << value;
        }
    }
}

TEST(MomentFurtherChecks, GaugeWithinFlangeAtItsBoundary) {
    // H-300X150X36.7 with M20: g = bf - 2 x 2.6 against tw + 2 x 3.5 = 7.65 cm. A flange of
    // 12.85 cm gives g = 7.65 (1.00); 12.80 gives 7.60 (7.65 / 7.60 = 1.0066, 1.01).
    for (const auto& [bf, shown] : {std::pair{12.85, "1.00"}, std::pair{12.80, "1.01"}}) {
        DesignResult base = Design(StandardEndPlate());
        DesignState s = base.state;
        s.flangeWidthCm = bf;
        FurtherChecks out;
        further::AddEndPlateChecks(s, base.values, out);
        const CheckRow* gauge = nullptr;
        for (const CheckRow& c : out.checks)
            if (c.name == "Gauge within flange") gauge = &c;
        ASSERT_NE(gauge, nullptr);
        EXPECT_EQ(gauge->ratioText, shown) << bf;
        EXPECT_EQ(gauge->Passed(), std::string(shown) == "1.00") << bf;
    }
}

TEST(MomentFurtherChecks, TheFaultyEndPlatesAreRefusedWithTheCheckNamed) {
    struct Case {
        const char* name;
        ConnectionInput input;
        std::vector<const char*> failing;
        const char* mode;
    } cases[] = {
        {"standard plate on a 50 mm flange",
         StandardEndPlate("H-100X50X9.3(kg/m)"),
         {"Gauge within flange", "Bolt clearance at flange"},
         "Gauge within flange"},
        {"standard plate on a 900 mm beam",
         StandardEndPlate("H-900X300X243(kg/m)"),
         {"Plate covers beam"},
         "End plate bending"},
        {"219 mm plate on a 300 mm beam",
         [] {
             ConnectionInput in =
                 Input(ConnectionType::BMEP, {"600000", "10000", "28", "2", "42", "135"});
             in.choices.boltGrade = 4;     // A490-X
             in.choices.boltDiameter = 6;  // 28 mm.
             return in;
         }(),
         {"Plate covers beam", "End plate bending"},
         "End plate bending"},
        // The plate is too thin for the inner row 83.5 mm from the flange, and the outer row
        // 22.5 mm from it leaves no room for the washer beside the weld.
        {"standard plate on H-300",
         StandardEndPlate(),
         {"Bolt clearance at flange", "End plate bending"},
         "End plate bending"},
    };
    for (const Case& c : cases) {
        const DesignResult r = Design(c.input);
        ASSERT_EQ(r.status, RunStatus::Rejected) << c.name << r.message;
        EXPECT_TRUE(r.classicAccepted) << c.name << ": the classic rows pass it";
        for (const char* name : c.failing) {
            const CheckRow* check = FindCheck(r, name);
            ASSERT_NE(check, nullptr) << c.name << ": " << name;
            EXPECT_EQ(check->verdict, "REDESIGNED") << c.name << ": " << name;
        }
        EXPECT_EQ(r.summary.At(4, 0), "Mode of Failure") << c.name;
        EXPECT_EQ(r.summary.At(4, 1), c.mode) << c.name;
    }
}

TEST(MomentFurtherChecks, SoundConnectionsAreAccepted) {
    for (const ConnectionInput& input :
         {testing::BmepSoundRun(), TwoRowEndPlate(), testing::BsplSoundRun()}) {
        const DesignResult r = Design(input);
        EXPECT_EQ(r.status, RunStatus::Accepted) << r.summary.At(4, 1) << r.message;
        EXPECT_TRUE(r.further.AllPassed());
    }
}

TEST(SpliceFlange, StaggeredBoltsWithInnerPlatesAtHandCalculatedPoints) {
    // H-400X200X66 (bf 20, tw 0.8, tf 1.3, r1 1.6), M = 1500000: Ff = 1500000 / 38.7. Plates
    // 9 mm: outer 2 x 3 + 2 x 2 + 10 = 20 wide, inner (20 - 0.8 - 3.2) / 2 = 8; 4 rows at
    // C2 4.5, staggered C1 2: lines of 2 bolts at 9 cm, 7 and 5 cm from the web's centre.
    const ConnectionInput input = Input(ConnectionType::BSPL,
                                        {"1500000", "11200", "8", "2", "3", "1", "10", "40", "70",
                                         "9", "2", "4", "30", "20", "45", "100"},
                                        "H-400X200X66(kg/m)");
    const DesignResult r = Design(input);
    ASSERT_NE(r.status, RunStatus::Stopped) << r.message;
    const further::SpliceFlange f = further::AnalyseSpliceFlange(r.state);
    // Section dimensions come in single precision: forces to a gram, lengths to 1e-6 cm.
    EXPECT_NEAR(f.forceKg, 38759.690, 1e-3);
    EXPECT_NEAR(f.outerWidthCm, 20, 1e-6);
    EXPECT_NEAR(f.innerWidthCm, 8, 1e-6);
    EXPECT_NEAR(f.outerForceKg, 21533.161, 1e-3);  // Ff x 18 / (18 + 14.4)
    EXPECT_NEAR(f.innerForceKg, 17226.529, 1e-3);
    EXPECT_EQ(f.bolts, 8);
    EXPECT_EQ(f.outer.bolts, 2);
    EXPECT_EQ(f.inner.bolts, 2);
    EXPECT_NEAR(f.outer.pitchCm, 9, 1e-9);
    EXPECT_NEAR(f.outer.offsetCm, 7, 1e-9);
    EXPECT_NEAR(f.inner.offsetCm, 5, 1e-9);

    struct Capacity {
        const char* check;
        double capacity;
    } capacities[] = {
        // Inner plates: 2 x min((8 - 2.2), (8 - 4.4 + 4.5^2 / 8)) x 0.9 = 10.44 cm2 at
        // 0.5 x 4079 x 0.85: 18098.52, ratio 0.95 against the outer plate's 0.88.
        {"Flange plate net tension", 18098.523},
        // Outer plate: both side strips, 2 x (0.3 x 4079 x 8.7 + 0.5 x 4079 x 1.9) x 0.9.
        {"Block shear of flange plates", 26138.232},
        {"Block shear of beam flange", 37755.224},
        // Net beam flange min(20 - 4.4, 20 - 8.8 + 2 x 2.53125) x 1.3 = 20.28 cm2.
        {"Beam flange tension", 35156.900},
        // KL/r = 0.65 x 8 / (0.9 / sqrt(12)) = 20.01: Fa = 1373.1463 over 32.4 cm2.
        {"Flange plates as columns", 44489.939},
    };
    for (const Capacity& c : capacities) {
        const CheckRow* check = FindCheck(r, c.check);
        ASSERT_NE(check, nullptr) << c.check;
        EXPECT_NEAR(check->capacity, c.capacity, 0.01) << c.check;
    }
}

TEST(SpliceFlange, SlenderPlatesBuckleElastically) {
    // 6 mm plates across a 2 x (200 + 30) mm gap: KL/r = 0.65 x 46 / (0.6 / sqrt(12)) = 172.6
    // beyond Cc = 129.6, so Fa = 12 pi^2 E / (23 (KL/r)^2) = 352.50 ksc.
    const DesignResult r =
        Design(Input(ConnectionType::BSPL, {"100000", "5000", "8", "1", "2", "1", "200", "30",
                                            "150", "6", "1", "2", "30", "0", "60", "85"}));
    ASSERT_NE(r.status, RunStatus::Stopped) << r.message;
    EXPECT_NEAR(DerivedOf(r, "KL/r"), 172.62773, 1e-4);
    EXPECT_NEAR(DerivedOf(r, "Fa"), 352.5025, 1e-3);
}

TEST(SpliceFlange, DetailingOfTheFlangeSplice) {
    // A single row of flange bolts is a warning; a flange edge distance of 0 cannot be built.
    ConnectionInput one = StandardSplice();
    one.grid.At(12, kValueColumn) = "1";
    const DesignResult single = Design(one);
    bool warned = false;
    for (const FurtherWarning& w : single.further.warnings)
        warned |= w.text.find("One row of flange bolts") != std::string::npos;
    EXPECT_TRUE(warned);

    ConnectionInput zero = StandardSplice();
    zero.grid.At(13, kValueColumn) = "0";
    const DesignResult r = Design(zero);
    const CheckRow* geometry = FindCheck(r, "Buildable geometry");
    ASSERT_NE(geometry, nullptr);
    EXPECT_EQ(geometry->verdict, "REDESIGNED");
    EXPECT_EQ(r.status, RunStatus::Rejected);
}

TEST(BillOfMaterials, TheStandardSpliceCoversBothBeams) {
    const DesignResult r = Design(StandardSplice());
    const BillOfMaterials bill = MomentBillOfMaterials(ConnectionType::BSPL, r.state);
    ASSERT_EQ(bill.plates.size(), 2u);
    // Web: 2 x ((1 - 1) x 150 + 2 x 30 + 10) = 140 long, 210 deep; flange: 2 x ((2 - 1) x 60 +
    // 2 x 30 + 10) = 260 long with its C2 60, e 30, a 10, and 2 x 30 + 85 = 145 wide.
    EXPECT_EQ(bill.plates[0].part, "web plate");
    EXPECT_DOUBLE_EQ(bill.plates[0].lengthMm, 140);
    EXPECT_DOUBLE_EQ(bill.plates[0].widthMm, 210);
    EXPECT_EQ(bill.plates[1].part, "outer flange plate");
    EXPECT_EQ(bill.plates[1].count, 2);
    EXPECT_DOUBLE_EQ(bill.plates[1].lengthMm, 260);
    EXPECT_DOUBLE_EQ(bill.plates[1].widthMm, 145);
    ASSERT_EQ(bill.bolts.size(), 2u);
    EXPECT_EQ(bill.bolts[0].count, 4);
    EXPECT_EQ(bill.bolts[1].count, 16);
    EXPECT_EQ(r.summary.At(1, 1), "1 PL-8X210X140 / 2 PL-9X145X260");
    EXPECT_EQ(r.summary.At(2, 1), "4 - M20 / 16 - M20 (A325-X) per joint");

    const DesignResult sound = Design(testing::BsplSoundRun());
    EXPECT_EQ(sound.summary.At(1, 1), "2 PL-8X220X180 / 2 PL-9X145X380 + 4 PL-9X58.75X380");
    const DesignResult plate = Design(testing::BmepSoundRun());
    const BillOfMaterials end = MomentBillOfMaterials(ConnectionType::BMEP, plate.state);
    ASSERT_EQ(end.plates.size(), 1u);
    EXPECT_DOUBLE_EQ(end.plates[0].widthMm, 175);
    EXPECT_DOUBLE_EQ(end.plates[0].lengthMm, 505);
    EXPECT_EQ(end.bolts[0].count, 12);
    EXPECT_TRUE(MomentBillOfMaterials(ConnectionType::WSP, plate.state).plates.empty());
}

}  // namespace
}  // namespace jw
