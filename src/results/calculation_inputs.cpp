// The inputs of a detailed calculation: the choices, every grid value as typed and as used, the
// properties of the sections and the allowable stresses with where they come from.
#include <optional>

#include "data/grades.h"
#include "data/numbers.h"
#include "data/sections.h"
#include "data/text_helpers.h"
#include "results/calculation_model.h"

namespace jw {
namespace {

std::string N(double value) {
    return FormatTrimmed(value, 4);
}

// How a grid row becomes a design variable: its symbol, the value the run used and its unit.
struct GridSymbol {
    const char* symbol;
    double (*used)(const DesignState&);
    const char* unit;
};

constexpr GridSymbol kShear{"V", [](const DesignState& s) { return s.shearKg; }, "kg"};
constexpr GridSymbol kMoment{"M", [](const DesignState& s) { return s.momentKgCm; }, "kg-cm"};
constexpr GridSymbol kThickness{"tc", [](const DesignState& s) { return s.cleatThicknessCm; },
                                "cm"};
constexpr GridSymbol kCleats{"Ncl", [](const DesignState& s) { return double(s.cleats); }, ""};
constexpr GridSymbol kRows{"Nr", [](const DesignState& s) { return double(s.boltRows); }, ""};
constexpr GridSymbol kColumns{"Nc", [](const DesignState& s) { return double(s.boltColumns); }, ""};
constexpr GridSymbol kSetBack{"a", [](const DesignState& s) { return s.setBackCm; }, "cm"};
constexpr GridSymbol kEdge{"b", [](const DesignState& s) { return s.edgeCm; }, "cm"};
constexpr GridSymbol kPitch{"c", [](const DesignState& s) { return s.pitchCm; }, "cm"};
// The weld grade is a name: the row has no number to show.
constexpr GridSymbol kWeldGrade{"", nullptr, ""};
constexpr GridSymbol kWeldSize{
    "w", [](const DesignState& s) { return static_cast<double>(s.weldSizeCm); }, "cm"};
constexpr GridSymbol kWeldSides{"Nside", [](const DesignState& s) { return s.weldSides; }, ""};
constexpr GridSymbol kSupportBolts{"Nsup",
                                   [](const DesignState& s) { return double(s.supportBolts); }, ""};
constexpr GridSymbol kFlangeCleatThickness{
    "tfc", [](const DesignState& s) { return s.flangeCleatThicknessCm; }, "cm"};
constexpr GridSymbol kFlangeCleats{"Nfc",
                                   [](const DesignState& s) { return double(s.flangeCleats); }, ""};
constexpr GridSymbol kFlangeRows{"Nfr", [](const DesignState& s) { return double(s.flangeRows); },
                                 ""};
constexpr GridSymbol kFlangeEdge{"e", [](const DesignState& s) { return s.flangeEdgeCm; }, "cm"};
constexpr GridSymbol kC1{"C1", [](const DesignState& s) { return s.c1Cm; }, "cm"};
constexpr GridSymbol kC2{"C2", [](const DesignState& s) { return s.c2Cm; }, "cm"};
constexpr GridSymbol kC3{"C3", [](const DesignState& s) { return s.c3Cm; }, "cm"};

// The grid rows of each type, in grid order.
constexpr GridSymbol kWspRows[] = {kShear, kThickness, kCleats,    kRows,     kColumns,  kSetBack,
                                   kEdge,  kPitch,     kWeldGrade, kWeldSize, kWeldSides};
constexpr GridSymbol kAcltRows[] = {kShear,        kCleats,  kRows, kColumns,
                                    kSupportBolts, kSetBack, kEdge, kPitch};
constexpr GridSymbol kBmepRows[] = {kMoment, kShear, kThickness, kRows, kEdge, kPitch};
constexpr GridSymbol kBsplRows[] = {kMoment,       kShear,
                                    kThickness,    kCleats,
                                    kRows,         kColumns,
                                    kSetBack,      kEdge,
                                    kPitch,        kFlangeCleatThickness,
                                    kFlangeCleats, kFlangeRows,
                                    kFlangeEdge,   kC1,
                                    kC2,           kC3};

std::span<const GridSymbol> GridSymbols(ConnectionType type) {
    switch (type) {
        case ConnectionType::WSP:
            return kWspRows;
        case ConnectionType::ACLT:
            return kAcltRows;
        case ConnectionType::BMEP:
            return kBmepRows;
        case ConnectionType::BSPL:
            return kBsplRows;
        case ConnectionType::None:
            break;
    }
    return {};
}

CalcBlock Choices(const ConnectionInput& input, const DesignState& s) {
    CalcBlock block{"Connection and materials", {}};
    auto& v = block.values;
    v.push_back({"", std::string(TypeName(input.type)), "", "connection type",
                 std::string(TypeReportTitle(input.type))});
    v.push_back({"", s.boltGrade, "", "bolt grade", BoltGradeDescription(s.boltGrade)});
    v.push_back(
        {"db", N(s.BoltDia), "cm", "bolt diameter", "M" + N(s.BoltDia * 10) + ", standard holes"});
    v.push_back({"", SectionName(BeamRowAt(input.choices.beamSection)), "", "beam", ""});
    if (input.type == ConnectionType::ACLT)
        v.push_back({"", SectionName(AngleRowAt(input.choices.angleSection)), "", "angle cleat",
                     "equal legs"});
    v.push_back({"", s.memberGrade, "", "beam steel grade", ""});
    v.push_back(
        {"", s.cleatGrade, "", "plate steel grade", "plates, cleats, angles and end plates"});
    if (input.type == ConnectionType::WSP)
        v.push_back({"", s.weldGrade, "", "fillet weld electrode", ""});
    return block;
}

CalcBlock GridValues(const ConnectionInput& input, const DesignState& s) {
    CalcBlock block{"Input grid", {}};
    const std::span<const GridSymbol> symbols = GridSymbols(input.type);
    for (int row = 1; row < input.grid.rows; ++row) {
        const std::size_t index = static_cast<std::size_t>(row - 1);
        const std::string typed =
            "typed " + input.grid.At(row, kValueColumn) +
            (input.grid.At(row, kUnitColumn).empty() ? "" : " " + input.grid.At(row, kUnitColumn));
        if (index >= symbols.size() || !symbols[index].used) {
            block.values.push_back({"", input.type == ConnectionType::WSP ? s.weldGrade : "", "",
                                    input.grid.At(row, kLabelColumn), typed});
            continue;
        }
        const GridSymbol& g = symbols[index];
        block.values.push_back(
            {g.symbol, N(g.used(s)), g.unit, input.grid.At(row, kLabelColumn), typed});
    }
    return block;
}

CalcBlock Beam(const ConnectionInput& input, const DesignState& s) {
    const std::string_view row = BeamRowAt(input.choices.beamSection);
    CalcBlock block{"Beam " + SectionName(row), {}};
    auto& v = block.values;
    const char* table = "section table";
    v.push_back({"d", N(s.depthCm), "cm", "depth", table});
    v.push_back({"bf", N(s.flangeWidthCm), "cm", "flange width", table});
    v.push_back({"tw", N(s.webCm), "cm", "web thickness", table});
    v.push_back({"tf", N(s.flangeCm), "cm", "flange thickness", table});
    v.push_back({"r1", N(s.rootRadiusCm), "cm", "root radius", table});
    // Properties for identifying the section; no check uses them.
    v.push_back({"A", N(SectionField(row, 9)), "cm2", "area", table});
    v.push_back({"Ix", N(SectionField(row, 11)), "cm4", "second moment of area", table});
    v.push_back({"Sx", N(SectionField(row, 15)), "cm3", "elastic section modulus", table});
    return block;
}

CalcBlock Angle(const ConnectionInput& input, const DesignState& s) {
    const std::string_view row = AngleRowAt(input.choices.angleSection);
    CalcBlock block{"Angle " + SectionName(row), {}};
    const char* table = "angle table";
    block.values.push_back({"Aleg", N(s.angleLegCm), "cm", "leg length", table});
    block.values.push_back({"tc", N(s.cleatThicknessCm), "cm", "leg thickness", table});
    block.values.push_back({"Aa", N(SectionField(row, 8)), "cm2", "area", table});
    return block;
}

CalcBlock Allowables(ConnectionType type, const DesignState& s) {
    CalcBlock block{"Allowable stresses", {}};
    auto& v = block.values;
    v.push_back({"Fv", N(s.Fv), "ksc", "bolt shear, per shear plane",
                 s.boltGrade + " bolt table (" + BoltGradeDescription(s.boltGrade) + ")"});
    const std::string beam = s.memberGrade + " beam steel";
    v.push_back({"Fy,beam", N(s.FyMember), "ksc", "yield strength of the beam", beam});
    v.push_back({"Fu,beam", N(s.FuMember), "ksc", "tensile strength of the beam", beam});
    const std::string plate = s.cleatGrade + " plate steel";
    v.push_back({"Fy,plate", N(s.FyCleat), "ksc", "yield strength of the plates", plate});
    v.push_back({"Fu,plate", N(s.FuCleat), "ksc", "tensile strength of the plates", plate});
    if (type == ConnectionType::WSP)
        v.push_back({"Fw", N(s.FwWeld), "ksc", "fillet weld shear on the effective throat",
                     s.weldGrade + ": 0.30 of the electrode's tensile strength"});
    if (type == ConnectionType::BMEP)
        if (const std::optional<BoltTensionRule> rule = TensionRuleOf(s.boltGrade)) {
            v.push_back({"Ft0", N(rule->plainKsc), "ksc", "bolt tension without shear",
                         s.boltGrade + " bolt table"});
            v.push_back({"k", N(rule->interaction), "", "tension-shear interaction constant",
                         "Ft = min(Ft0, sqrt(Ft0^2 - k fv^2))"});
        }
    v.push_back({"", "1.2 Fu", "", "bearing at a bolt hole",
                 "keeps the hole's elongation within what serviceability allows"});
    return block;
}

}  // namespace

std::vector<CalcBlock> InputBlocks(const ConnectionInput& input, const DesignResult& result) {
    const DesignState& s = result.state;
    std::vector<CalcBlock> blocks = {Choices(input, s), GridValues(input, s), Beam(input, s)};
    if (input.type == ConnectionType::ACLT) blocks.push_back(Angle(input, s));
    blocks.push_back(Allowables(input.type, s));
    return blocks;
}

}  // namespace jw
