#include "results/calculation_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "../design/design_fixtures.h"
#include "calculation_support.h"
#include "data/grades.h"
#include "data/numbers.h"
#include "data/sha256.h"
#include "data/text_helpers.h"
#include "design/checks.h"
#include "results/calculation_html.h"
#include "results/calculation_text.h"
#include "results/program_version.h"
#include "results/report.h"

namespace jw {
namespace {

using testing::NoReportFile;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct DesignedRun {
    std::string name;
    ConnectionInput input;
    DesignResult result;
    CalculationModel model;
};

DesignedRun RunOf(const std::string& name, const ConnectionInput& input,
                  const std::string& bytes = {}, const ProjectInfo& info = {}) {
    DesignedRun run{name, input, RunDesign(input, NoReportFile()), {}};
    CalculationSource source;
    source.info = info;
    source.date = "2026-08-12";
    source.fileName = name;
    source.sha256 = Sha256Hex(bytes);
    run.model = BuildCalculation(source, input, run.result);
    return run;
}

DesignedRun ExampleRun(const std::string& file) {
    const std::string bytes = ReadFile(std::string(JW_EXAMPLES_DIR) + "/" + file);
    const Project project = ParseProject(bytes);
    return RunOf(file, {project.type, project.choices, ProjectGrid(project)}, bytes, project.info);
}

// The standard connection of each type, the samples of the "Ex" command (three of them must be
// redesigned) and the worked runs of the tests.
std::vector<DesignedRun> AllRuns() {
    std::vector<DesignedRun> runs;
    for (const char* file :
         {"standard_wsp_h300x150.Bol", "standard_aclt_h300x150.Bol", "standard_bmep_h300x150.Bol",
          "standard_bspl_h300x150.Bol", "wsp_shear_plate.Bol", "aclt_angle_cleat.Bol",
          "bmep_end_plate.Bol", "bspl_splice.Bol"})
        runs.push_back(ExampleRun(file));
    runs.push_back(RunOf("wsp worked", testing::WspWorkedRun()));
    runs.push_back(RunOf("aclt worked", testing::AcltWorkedRun()));
    runs.push_back(RunOf("bmep worked", testing::BmepWorkedRun()));
    runs.push_back(RunOf("bspl worked", testing::BsplWorkedRun()));
    return runs;
}

// Every number the calculation may print under a symbol, taken from the run itself: its
// state, its recorded values, its table and the further checks' derived values.
std::multimap<std::string, double> RunValues(const DesignedRun& run) {
    const DesignState& s = run.result.state;
    const ReportValues& rv = run.result.values;
    std::multimap<std::string, double> v = {
        {"V", s.shearKg},
        {"M", s.momentKgCm},
        {"tc", s.cleatThicknessCm},
        {"Ncl", double(s.cleats)},
        {"Nr", double(s.boltRows)},
        {"Nc", double(s.boltColumns)},
        {"a", s.setBackCm},
        {"b", s.edgeCm},
        {"c", s.pitchCm},
        {"w", double(s.weldSizeCm)},
        {"Nside", s.weldSides},
        {"Nsup", double(s.supportBolts)},
        {"tfc", s.flangeCleatThicknessCm},
        {"Nfc", double(s.flangeCleats)},
        {"Nfr", double(s.flangeRows)},
        {"e", s.flangeEdgeCm},
        {"C1", s.c1Cm},
        {"C2", s.c2Cm},
        {"C3", s.c3Cm},
        {"db", s.BoltDia},
        {"d", s.depthCm},
        {"bf", s.flangeWidthCm},
        {"tw", s.webCm},
        {"tf", s.flangeCm},
        {"r1", s.rootRadiusCm},
        {"Aleg", s.angleLegCm},
        {"Fv", s.Fv},
        {"Fy,beam", s.FyMember},
        {"Fu,beam", s.FuMember},
        {"Fy,plate", s.FyCleat},
        {"Fu,plate", s.FuCleat},
        {"Fw", s.FwWeld},
        {"Hole", s.HoleCm()},
        {"Ab", run.input.type == ConnectionType::BMEP ? s.boltAreaCm2 : rv.BoltArea},
        {"nw", double(rv.BoltCount)},
        {"ex", rv.Eccentricity},
        {"Mg", rv.GroupMoment},
        {"J", rv.BoltGroupPolar},
        {"xmax", rv.BoltOffsetX},
        {"ymax", rv.BoltOffsetY},
        {"Rv", rv.BoltForceVertical},
        {"Rh", rv.BoltForceHorizontal},
        {"R", rv.BoltForce},
        {"Lp", CleatLength(s)},
        {"yp", CleatTopDistance(s)},
        {"Lv", rv.WebShearLength},
        {"Ln", rv.WebTensionLength},
        {"Lnv", rv.CleatNetLength},
        {"Lnv", rv.SupportNetLength},
        {"Nsc", double(s.supportCleats)},
        {"Sz", rv.BoltGroupModulus},
        {"fv", rv.ActualShearStress},
        {"Ft", rv.AllowableTensileStress},
        {"ft", LeadingNumber(run.result.table.At(4, 2))},
        {"H", rv.FlangeForce},
        {"Pf", rv.FlangeBoltForceValue},
        {"U", rv.ShearLag},
    };
    for (const auto& [suffix, a] :
         {std::pair{",f", rv.BeamFlangeAreas}, std::pair{",fc", rv.FlangeCleatAreas}}) {
        const std::string s1 = suffix;
        v.insert({{"An1" + s1, a.netStraight},
                  {"An2" + s1, a.netZigzag},
                  {"An" + s1, a.net},
                  {"Ae" + s1, a.effective},
                  {"Ag" + s1, a.gross}});
    }
    for (const DerivedValue& d : run.result.further.derived) v.insert({d.symbol, d.value});
    // Properties no check uses, which identify the sections: the tables' own numbers.
    const std::string_view beam = BeamRowAt(run.input.choices.beamSection);
    v.insert({{"A", SectionField(beam, 9)},
              {"Ix", SectionField(beam, 11)},
              {"Sx", SectionField(beam, 15)},
              {"Aa", SectionField(AngleRowAt(run.input.choices.angleSection), 8)}});
    if (run.input.type == ConnectionType::BMEP) {
        // The end plate's bolt lines, as the bolt group modulus reads them.
        const BoltGroup group = AnalyseBoltGroup(s);
        v.insert({{"ymax", group.maxOffsetY}, {"Sy2", group.sumSquaresY}});
        if (const auto rule = TensionRuleOf(s.boltGrade))
            v.insert({{"Ft0", rule->plainKsc}, {"k", rule->interaction}});
    }
    return v;
}

bool PrintedAs(double printed, double value) {
    // Printed with at most four decimals, halves away from zero.
    return std::fabs(printed - value) <= 0.00005 + 1e-12 * std::fabs(value);
}

TEST(Calculation, EveryPrintedValueIsTheRunsValue) {
    for (const DesignedRun& run : AllRuns()) {
        ASSERT_NE(run.result.status, RunStatus::Stopped) << run.name << ": " << run.result.message;
        const testing::ParsedCalculation parsed =
            testing::ParseCalculationText(CalculationText(run.model));
        const std::multimap<std::string, double> expected = RunValues(run);
        EXPECT_GT(parsed.values.size(), 30u) << run.name;
        // A symbol means one thing in one calculation.
        std::map<std::string, double> first;
        for (const auto& [symbol, printed] : parsed.values) {
            if (!first.emplace(symbol, printed).second) {
                EXPECT_EQ(first[symbol], printed) << run.name << ": " << symbol << " twice";
            }
        }
        for (const auto& [symbol, printed] : parsed.values) {
            const auto [first, last] = expected.equal_range(symbol);
            bool matched = false;
            for (auto it = first; it != last; ++it)
                matched = matched || PrintedAs(printed, it->second);
            EXPECT_TRUE(matched) << run.name << ": " << symbol << " = " << printed
                                 << (first == last ? " is not a value of the run" : " differs");
        }
    }
}

// The numbers a classic row puts into its formula are values the calculation prints in its
// sections 1 and 2 (the run's own) or constants of the formula itself.
TEST(Calculation, ClassicFormulasTakeOnlyPrintedValues) {
    const std::regex number(R"((^|[^A-Za-z0-9,.])(-?[0-9]+(?:\.[0-9]+)?))");
    for (const DesignedRun& run : AllRuns()) {
        const testing::ParsedCalculation parsed =
            testing::ParseCalculationText(CalculationText(run.model));
        std::vector<double> printed = {0, 0.3, 0.5, 0.6, 0.707, 1.2, 2};
        for (const auto& [symbol, value] : parsed.values) printed.push_back(value);
        int numbers = 0;
        for (const testing::ParsedCheck& check : parsed.checks) {
            if (check.group.rfind("Further checks", 0) == 0) continue;
            for (std::sregex_iterator it(check.values.begin(), check.values.end(), number), end;
                 it != end; ++it) {
                const double value = std::stod((*it)[2]);
                ++numbers;
                bool found = false;
                for (const double p : printed) found = found || PrintedAs(value, p);
                EXPECT_TRUE(found)
                    << run.name << ", " << check.title << ": " << value << " in " << check.values;
            }
        }
        EXPECT_GE(numbers, 15) << run.name;
    }
}

// The figures of the classic row at `row` as the checks recorded them.
std::pair<double, double> ClassicFigures(ConnectionType type, int row, const DesignedRun& run) {
    const ReportValues& rv = run.result.values;
    const DesignState& s = run.result.state;
    const bool support = type == ConnectionType::ACLT || type == ConnectionType::BMEP;
    switch (type == ConnectionType::BMEP ? row + 100 : row) {
        case 2:
            return {rv.BoltShear.demand, rv.BoltShear.capacity};
        case 3:
            return {rv.WebBearing.demand, rv.WebBearing.capacity};
        case 4:
            return {rv.CleatBearing.demand, rv.CleatBearing.capacity};
        case 5:
            return {s.shearKg, rv.WebTearingCapacity};
        case 6:
            return {s.shearKg, rv.CleatTearingCapacity};
        case 7:
            return {rv.WeldDesignForce, rv.WeldCapacity};
        case 9:
            return support ? std::pair{rv.SupportBoltForce, rv.SupportBoltCapacity}
                           : std::pair{rv.FlangeBoltShear.demand, rv.FlangeBoltShear.capacity};
        case 10:
            return support ? std::pair{rv.SupportBearing.demand, rv.SupportBearing.capacity}
                           : std::pair{rv.FlangeBearing.demand, rv.FlangeBearing.capacity};
        case 11:
            return support
                       ? std::pair{s.shearKg, rv.SupportTearingCapacity}
                       : std::pair{rv.FlangeCleatBearing.demand, rv.FlangeCleatBearing.capacity};
        case 12:
            return {rv.FlangeForce, rv.BeamFlangeTensionCapacity};
        case 13:
            return {rv.FlangeForce, rv.FlangeCleatTensionCapacity};
        case 103:
            return {rv.ActualShearStress, s.Fv};
        case 106:
            return {LeadingNumber(run.result.table.At(4, 2)), rv.AllowableTensileStress};
        case 109:
            return {rv.SupportBearing.demand, rv.SupportBearing.capacity};
        case 110:
            return {s.shearKg, rv.SupportTearingCapacity};
    }
    return {0, 0};
}

void ExpectFigure(const std::optional<double>& printed, double value, const std::string& what) {
    if (!printed) {
        EXPECT_EQ(value, 0) << what << " is not printed";
        return;
    }
    EXPECT_EQ(FormatFixed(*printed, 2), FormatFixed(value, 2)) << what;
}

TEST(Calculation, EveryCheckShowsTheRunsRatioVerdictAndFigures) {
    for (const DesignedRun& run : AllRuns()) {
        const testing::ParsedCalculation parsed =
            testing::ParseCalculationText(CalculationText(run.model));
        const TextGrid& table = run.result.table;
        std::size_t at = 0;
        for (int r = 0; r < table.rows; ++r) {
            if (table.At(r, 3) != "PASSED" && table.At(r, 3) != "REDESIGNED") continue;
            ASSERT_LT(at, parsed.checks.size()) << run.name << ": classic row " << r;
            const testing::ParsedCheck& c = parsed.checks[at++];
            const std::string what = run.name + ", " + c.title;
            EXPECT_EQ(c.title.rfind(table.At(r, 0).substr(5) + " (" + table.At(r, 1) + ")", 0), 0u)
                << what;
            EXPECT_EQ(c.ratio, table.At(r, 2).empty() ? "-" : table.At(r, 2)) << what;
            EXPECT_EQ(c.verdict, table.At(r, 3)) << what;
            const auto [demand, capacity] = ClassicFigures(run.input.type, r, run);
            ExpectFigure(c.demand, demand, what + " demand");
            ExpectFigure(c.capacity, capacity, what + " capacity");
        }
        for (const CheckRow& further : run.result.further.checks) {
            ASSERT_LT(at, parsed.checks.size()) << run.name << ": " << further.name;
            const testing::ParsedCheck& c = parsed.checks[at++];
            const std::string what = run.name + ", " + c.title;
            EXPECT_EQ(c.title, further.name + " (" + further.clause + ")") << what;
            EXPECT_EQ(c.ratio, further.ratioText) << what;
            EXPECT_EQ(c.verdict, further.verdict) << what;
            ExpectFigure(c.demand, further.demand, what + " demand");
            ExpectFigure(c.capacity, further.capacity, what + " capacity");
        }
        EXPECT_EQ(at, parsed.checks.size()) << run.name << ": a check the run did not make";
    }
}

// The values the calculation adds to the report, against the worked runs calculated by hand.
TEST(Calculation, RecordedValuesMatchTheHandCalculation) {
    const DesignResult wsp = RunDesign(testing::WspWorkedRun(), NoReportFile());
    const ReportValues& w = wsp.values;
    struct Case {
        const char* what;
        double value;
        double hand;
    } cases[] = {
        // Nr 3 x Nc 1 at 75 mm, ex = 1 + 4 = 5 cm, V = 10000 kg.
        {"n", double(w.BoltCount), 3},
        {"Mg = V ex", w.GroupMoment, 50000},
        {"J = 2 x 7.5^2", w.BoltGroupPolar, 112.5},
        {"xmax", w.BoltOffsetX, 0},
        {"ymax", w.BoltOffsetY, 7.5},
        {"Rv = 10000 / 3", w.BoltForceVertical, 3333.33},
        {"Rh = 50000 x 7.5 / 112.5", w.BoltForceHorizontal, 3333.33},
        {"Fv Ab Ncl = 1450 x 3.1416", w.BoltShear.capacity, 4555.31},
        {"db tw 1.2 Fu = 2 x 0.65 x 4894.8", w.WebBearing.capacity, 6363.24},
        {"db tc 1.2 Fu = 2 x 0.9 x 4894.8", w.CleatBearing.capacity, 8810.64},
    };
    for (const Case& c : cases) EXPECT_NEAR(c.value, c.hand, 0.005) << c.what;

    // Splice H-200X100X21.3, flange cleats 12 mm, 2 cleats, 3 rows, e 35, C1 30, C2 50, C3 60,
    // holes 22 mm; the zig-zag adds 5^2 / (4 x 3) = 2.0833 per diagonal.
    const DesignResult bspl = RunDesign(testing::BsplWorkedRun(), NoReportFile());
    const ReportValues& b = bspl.values;
    const Case splice[] = {
        {"U: 3 rows, 2/3 x 20 > 10", b.ShearLag, 0.85},
        {"flange straight (10 - 2 x 2.2) 0.8", b.BeamFlangeAreas.netStraight, 4.48},
        {"flange zig-zag (2 x 2.0833 + 10 - 4 x 2.2) 0.8", b.BeamFlangeAreas.netZigzag, 4.2933},
        {"flange Ae = 0.85 x 4.2933", b.BeamFlangeAreas.effective, 3.6493},
        {"flange Ag = 10 x 0.8", b.BeamFlangeAreas.gross, 8},
        {"cleats straight (7 + 6 + 6 - 4.4) 1.2 + (7.25 - 4.4) 1.2", b.FlangeCleatAreas.netStraight,
         20.94},
        {"cleats zig-zag (4.1667 + 19 - 8.8) 1.2 + 2 (2.0833 + 3.625 - 4.4) 1.2",
         b.FlangeCleatAreas.netZigzag, 20.38},
        {"cleats Ag = 19 x 1.2 + 7.25 x 1.2", b.FlangeCleatAreas.gross, 31.5},
        {"Pf = 400000 / 20 / 6", b.FlangeBoltShear.demand, 3333.33},
        {"Fv Ab Nfc = 1450 x 3.1416 x 2", b.FlangeBoltShear.capacity, 9110.62},
    };
    for (const Case& c : splice)
        EXPECT_NEAR(c.value, c.hand, 0.0005 * std::max(1.0, c.hand)) << c.what;

    // End plate: 4 rows at 70 mm, Sz = 3.1416 x 490 / 10.5.
    const DesignResult bmep = RunDesign(testing::BmepWorkedRun(), NoReportFile());
    EXPECT_NEAR(bmep.values.BoltGroupModulus, 146.61, 0.005);
    EXPECT_NEAR(bmep.values.SupportBearing.demand, 1250, 1e-9) << "10000 / (1 x 8)";
}

TEST(Calculation, HeaderNamesTheFileItsDigestAndTheProgram) {
    const DesignedRun run = ExampleRun("wsp_shear_plate.Bol");
    const std::string text = CalculationText(run.model);
    const testing::ParsedCalculation parsed = testing::ParseCalculationText(text);
    EXPECT_EQ(parsed.header.at("File"), "wsp_shear_plate.Bol");
    EXPECT_EQ(parsed.header.at("SHA-256"),
              Sha256Hex(ReadFile(std::string(JW_EXAMPLES_DIR) + "/wsp_shear_plate.Bol")));
    EXPECT_EQ(parsed.header.at("Date"), "2026-08-12");
    EXPECT_NE(text.find("Version " + std::string(kProgramVersion)), std::string::npos);
    if (!SourceRevision().empty()) {
        EXPECT_NE(text.find("(revision " + SourceRevision() + ")"), std::string::npos);
    }
    EXPECT_NE(text.find("Project  : TAV"), std::string::npos);
    EXPECT_NE(text.find("Title    : Sample WSP"), std::string::npos);
    EXPECT_NE(text.find("Type - Welded Shear Plate (WSP)"), std::string::npos);
}

TEST(Calculation, VerdictGoverningCheckAndWarnings) {
    // The worked shear plate fails bolt shear at 1.03.
    const DesignedRun wsp = RunOf("wsp", testing::WspWorkedRun());
    EXPECT_FALSE(wsp.model.accepted);
    EXPECT_EQ(wsp.model.governingCheck, "Bolt shear");
    EXPECT_EQ(wsp.model.governingRatio, "1.03");
    EXPECT_EQ(wsp.model.verdictLine, "Connection: REDESIGNED (governing: Bolt shear)");
    const std::string text = CalculationText(wsp.model);
    EXPECT_NE(text.find("    Governing check: Bolt shear, ratio 1.03\n"), std::string::npos);

    const DesignedRun standard = ExampleRun("standard_wsp_h300x150.Bol");
    EXPECT_TRUE(standard.model.accepted);
    EXPECT_EQ(standard.model.verdictLine, "Connection: Accept");
    for (const FurtherWarning& warning : standard.result.further.warnings)
        EXPECT_NE(CalculationText(standard.model).find("    - " + warning.text), std::string::npos);
}

TEST(Calculation, SlipCriticalBearingRowsShowWhyTheyComputeNothing) {
    ConnectionInput input = testing::WspWorkedRun();
    input.choices.boltGrade = 3;  // A325-S
    const DesignedRun run = RunOf("slip", input);
    const CheckGroup& web = run.model.checks.front();
    ASSERT_GE(web.checks.size(), 3u);
    for (const CheckRow& bearing : {web.checks[1], web.checks[2]}) {
        EXPECT_EQ(bearing.ratioText, "0.00") << bearing.name;
        EXPECT_EQ(bearing.demand, 0) << bearing.name;
        EXPECT_NE(bearing.formula.find("slip-critical"), std::string::npos) << bearing.name;
    }
    const testing::ParsedCalculation parsed =
        testing::ParseCalculationText(CalculationText(run.model));
    EXPECT_FALSE(parsed.checks[1].demand) << "no figures for a row that computes nothing";
    // The further checks carry the bearing of slip-critical bolts.
    EXPECT_EQ(run.model.checks.back().checks.front().name, "Bearing at Beam Web (slip-critical)");
}

TEST(Calculation, EndPlateBoltsOverstressedInShear) {
    // 200000 kg on eight M20 A325-N bolts: fv = 7957.75 ksc leaves no tension allowable.
    const DesignedRun run = RunOf(
        "bmep",
        testing::MakeInput(ConnectionType::BMEP, {"500000", "200000", "20", "4", "40", "70"}));
    ASSERT_EQ(run.result.status, RunStatus::Rejected) << run.result.message;
    const CheckRow& tensile = run.model.checks.front().checks[1];
    EXPECT_EQ(tensile.name, "Tensile stress");
    EXPECT_EQ(tensile.verdict, "REDESIGNED");
    EXPECT_NE(tensile.substituted.find("leaves no tension allowable"), std::string::npos);
    const std::string text = CalculationText(run.model);
    EXPECT_NE(text.find("      Ratio    = -  REDESIGNED\n"), std::string::npos);
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);
}

// The closing list is the manual's list: parsed from its chapter, item by item, with the line
// that opens the items of the moment connections.
TEST(Calculation, NotCheckedListIsTheManuals) {
    const std::string manual = ReadFile(JW_MANUAL_PATH);
    const std::size_t start = manual.find(" What the program does not check\n");
    ASSERT_NE(start, std::string::npos);
    const std::size_t end = manual.find("\n#", start + 1);
    std::vector<std::string> items;
    std::string group;
    std::istringstream in(manual.substr(start, end - start));
    std::getline(in, group);  // the heading
    group.clear();
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("- ", 0) == 0)
            items.push_back(group + "|" + line.substr(2));
        else if (!items.empty() && line.rfind("  ", 0) == 0)
            items.back() += " " + line.substr(line.find_first_not_of(' '));
        else if (!line.empty())
            group = line;
    }
    std::vector<std::string> ours;
    for (const NotCheckedItem& item : NotCheckedItems())
        ours.push_back(std::string(item.group) + "|" +
                       (item.title.empty() ? "" : "**" + std::string(item.title) + "** ") +
                       std::string(item.text));
    EXPECT_EQ(ours, items);
    EXPECT_EQ(NotCheckedFor(ConnectionType::WSP).size() + 4,
              NotCheckedFor(ConnectionType::BSPL).size())
        << "the end plate and splice items close only their own calculations";
}

TEST(CalculationHtml, SymbolsFormulasAndEscaping) {
    struct Case {
        const char* in;
        const char* out;
    } symbols[] = {
        {"tw", "t<sub>w</sub>"}, {"Fv,sc", "F<sub>v,sc</sub>"},  {"V", "V"},
        {"Hole", "Hole"},        {"Sy2", "&#931;y<sup>2</sup>"}, {"An1,f", "A<sub>n1,f</sub>"},
    };
    for (const Case& c : symbols) EXPECT_EQ(SymbolHtml(c.in), c.out) << c.in;
    const Case formulas[] = {
        {"R / (Fv,sc Ab Ncl)", "R / (F<sub>v,sc</sub> A<sub>b</sub> N<sub>cl</sub>)"},
        {"Lp <= d - 2 tf", "L<sub>p</sub> &#8804; d - 2 t<sub>f</sub>"},
        {"sqrt((V / n)^2)", "&#8730;((V / n)<sup>2</sup>)"},
        {"4714.05 / (1450 x 3.1416 x 1)", "4714.05 / (1450 &#215; 3.1416 &#215; 1)"},
        {"Ff / min(0.5 Fu Ae, 0.6 Fy Ag)",
         "F<sub>f</sub> / min(0.5 F<sub>u</sub> A<sub>e</sub>, 0.6 F<sub>y</sub> A<sub>g</sub>)"},
        {"a < b & c", "a &lt; b &amp; c"},
    };
    for (const Case& c : formulas) EXPECT_EQ(FormulaHtml(c.in), c.out) << c.in;
    EXPECT_EQ(UnitHtml("cm2"), "cm<sup>2</sup>");
    EXPECT_EQ(HtmlEscape("<\"&>"), "&lt;&quot;&amp;&gt;");
    EXPECT_EQ(HtmlEscape("a\x01"
                         "b\tc"),
              "a b\tc")
        << "no control character in XML";
}

TEST(CalculationHtml, ProjectTextsAreEscapedAndNothingComesFromOutside) {
    DesignedRun run = ExampleRun("bspl_splice.Bol");
    run.model.source.info.title = "Beam <B1> & \"B2\"";
    const std::string html = CalculationHtml(run.model);
    EXPECT_NE(html.find("Beam &lt;B1&gt; &amp; &quot;B2&quot;"), std::string::npos);
    EXPECT_EQ(html.find("<B1>"), std::string::npos);
    for (const char* outside : {"<script", "src=", "href=", "@import", "url("})
        EXPECT_EQ(html.find(outside), std::string::npos) << outside;
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
}

}  // namespace
}  // namespace jw
