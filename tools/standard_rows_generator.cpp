#include "tools/standard_rows_generator.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "data/numbers.h"
#include "data/sections.h"
#include "data/standard_connections.h"
#include "data/text_helpers.h"
#include "design/auto_design.h"

namespace jw::tools {
namespace {

// The established rows, kept word for word at their places, including the rows whose names
// are no section's (so the advisor never uses them) and the repeated names (the later wins).
struct GivenRow {
    ConnectionType type;
    int row;
    std::string_view text;
};

// clang-format off
constexpr GivenRow kGivenRows[] = {
    {ConnectionType::WSP, 1, "H-100X100X17.2(kg/m) 4000 9 1 2 1 10 20 45 60 6 1 1 1 "},
    {ConnectionType::WSP, 2, "H-125X125X23.8(kg/m) 5500 6 2 2 1 10 25 55 60 6 2 1 1 "},
    {ConnectionType::WSP, 3, "H-150X75X14(kg/m) 5400 6 2 3 1 10 22 45 60 6 1 1 1 "},
    {ConnectionType::WSP, 27, "H-300X300X106(kg/m)* 32000 9 2 4 1 10 35 65 60 8 1 1 3 "},
    {ConnectionType::WSP, 28, "H-300X300X106(kg/m)* 24000 6 2 4 1 10 35 65 60 6 1 1 3 "},
    {ConnectionType::WSP, 30, "H-350X175X49.6(kg/m) 17500 6 2 4 1 10 40 70 60 6 1 1 3 "},
    {ConnectionType::WSP, 31, "H-350X175X49.6(kg/m) 17500 6 2 4 1 10 40 70 60 6 1 1 3 "},
    {ConnectionType::WSP, 37, "H-350X350X115(kg/m) 24750 6 2 4 1 10 40 70 60 6 1 1 3 "},
    {ConnectionType::WSP, 48, "H-400X400X168(kg/m)* 51050 12 2 4 1 10 50 80 60 9 1 1 6 "},
    {ConnectionType::WSP, 94, "H-900X300X286(kg/m)V 120000 12 2 9 1 20 75 85 60 9 1 1 6 "},
    {ConnectionType::ACLT, 1, "H-100X100X17.2(kg/m) 4000 2 2 1 2 10 20 45 1 1 1 "},
    {ConnectionType::ACLT, 2, "H-125X125X23.8(kg/m) 5500 2 2 1 2 10 27 50 2 1 1 "},
    {ConnectionType::ACLT, 3, "H-150X75X14(kg/m) 5400 2 3 1 2 10 25 40 3 1 1 "},
    {ConnectionType::ACLT, 27, "H-300X300X106(kg/m)* 32000 2 4 1 4 10 35 65 7 1 3 "},
    {ConnectionType::ACLT, 28, "H-300X300X106(kg/m)* 24000 2 4 1 4 10 35 65 7 1 3 "},
    {ConnectionType::ACLT, 46, "H-400X400X168(kg/m)* 51050 2 4 1 4 10 50 80 14 1 6 "},
    {ConnectionType::ACLT, 92, "H-900X300X286(kg/m)V 120000 2 9 1 9 20 85 85 24 1 6 "},
    {ConnectionType::BMEP, 1, "H-100X100X17.2(kg/m) 110880 5500 6 3 30 60 1 1 "},
    {ConnectionType::BMEP, 2, "H-125X125X23.8(kg/m) 195750 5750 6 3 30 75 1 3 "},
    {ConnectionType::BMEP, 3, "H-150X75X14(kg/m) 128160 5500 6 3 30 90 1 1 "},
    {ConnectionType::BMEP, 27, "H-300X300X106(kg/m)* 2070000 32000 15 5 45 110 4 7 "},
    {ConnectionType::BMEP, 28, "H-300X300X106(kg/m)* 2215000 24000 15 5 45 110 4 7 "},
    {ConnectionType::BMEP, 46, "H-400X400X168(kg/m)* 4350000 51000 15 7 45 120 5 6 "},
    {ConnectionType::BMEP, 73, "I-150X75X17.1(kg/m)* 155000 5900 6 3 30 90 1 1 "},
    {ConnectionType::BMEP, 92, "H-900X300X286(kg/m)V 12500000 100000 15 11 50 100 5 7 "},
    {ConnectionType::BSPL, 1, "H-100X100X17.2(kg/m) 75000 3000 9 2 2 1 10 18 43 9 1 2 20 0 30 45 1 0 "},
    {ConnectionType::BSPL, 2, "H-125X125X23.8(kg/m) 100000 5000 6 2 2 1 10 25 50 9 1 2 20 0 40 60 1 1 "},
    {ConnectionType::BSPL, 3, "H-150X75X14(kg/m) 60000 4500 6 2 2 1 10 30 60 9 1 2 20 0 35 35 1 1 "},
    {ConnectionType::BSPL, 27, "H-300X300X106(kg/m)* 1800000 32000 16 2 3 2 10 40 70 12 2 4 40 45 55 120 1 5 "},
    {ConnectionType::BSPL, 28, "H-300X300X106(kg/m)* 1800000 23500 12 2 3 2 10 40 70 15 2 4 40 45 55 120 1 5 "},
    {ConnectionType::BSPL, 46, "H-400X400X168(kg/m)* 4100000 51000 16 2 4 2 10 40 75 16 2 6 40 70 60 150 1 5 "},
    {ConnectionType::BSPL, 73, "I-150X75X17.1(kg/m)* 78000 5000 6 2 2 1 10 30 60 9 1 2 20 0 35 35 1 1 "},
    {ConnectionType::BSPL, 92, "H-900X300X286(kg/m)V 11000000 80500 12 2 7 1 10 45 90 20 2 5 40 60 60 100 1 5 "},
};
// clang-format on

// The beam with no row of its own in the moment tables: its rows carry the name with a "*".
constexpr std::string_view kNoMomentRowBeam = "I-150X75X17.1(kg/m)";

// Nominal yield stress of SS400 for the loads, ksc.
constexpr double kRuleYieldKsc = 2400;
constexpr int kSectionModulusField = 15;  // Sx, cm^3
constexpr double kShearRoundingKg = 50;
constexpr double kMomentRoundingKgCm = 1000;

// Load shares of the rule: of the allowable shear, and of the allowable moment.
struct Shares {
    double shear;
    double moment;
};
Shares SharesOf(ConnectionType type) {
    switch (type) {
        case ConnectionType::BMEP:
            return {0.75, 1.0};
        case ConnectionType::BSPL:
            return {0.60, 0.60};
        default:
            return {0.75, 0};
    }
}

// Bolt grade positions.
constexpr int kA325X = 1;
constexpr int kA490X = 4;
// Load scales tried, from the full rule down to half of it in 5 % steps.
constexpr int kFullSharePercent = 100;
constexpr int kLeastSharePercent = 50;
constexpr int kShareStepPercent = 5;

int RowCount(ConnectionType type) {
    return static_cast<int>(StandardRows(type).size());
}

// The usual bolt of a beam: its diameter list position.
int UsualDiameter(int beamSection) {
    const double depthMm = SectionField(BeamRowAt(beamSection), kDepth);
    if (depthMm < 200) return 1;  // M16
    if (depthMm < 400) return 3;  // M20
    return 5;                     // M24
}

// The usual bolt first, then the larger ones (more bolt per hole), then the smaller ones
// (narrow flanges hold only small bolts two abreast).
std::vector<int> DiametersToTry(int beamSection) {
    const int usual = UsualDiameter(beamSection);
    std::vector<int> order;
    for (int d = usual; d < kBoltDiameterCount; ++d) order.push_back(d);
    for (int d = usual - 1; d >= 0; --d) order.push_back(d);
    return order;
}

std::string RowText(const std::string& name, const AutoDesignResult& design) {
    std::string text = name + " ";
    const TextGrid& grid = design.input.grid;
    for (int row = 1; row < grid.rows; ++row) text += grid.At(row, kValueColumn) + " ";
    if (design.input.type == ConnectionType::ACLT)
        text += std::to_string(design.input.choices.angleSection) + " ";
    text += std::to_string(design.input.choices.boltGrade) + " " +
            std::to_string(design.input.choices.boltDiameter) + " ";
    return text;
}

// The lightest connection of the first bolts that carry the largest share of the rule.
GeneratedRow DesignRow(ConnectionType type, int beamSection) {
    const std::string name = SectionName(BeamRowAt(beamSection));
    for (int percent = kFullSharePercent; percent >= kLeastSharePercent;
         percent -= kShareStepPercent) {
        const StandardLoads loads = LoadRule(type, beamSection, percent / 100.0);
        for (int grade : {kA325X, kA490X})
            for (int diameter : DiametersToTry(beamSection)) {
                AutoDesignRequest request;
                request.type = type;
                request.beamSection = beamSection;
                request.shearKg = loads.shearKg;
                request.momentKgCm = loads.momentKgCm;
                request.boltGrade = grade;
                request.boltDiameter = diameter;
                const AutoDesignResult design = AutoDesign(request);
                if (!design.found) continue;
                std::string note = "rule";
                if (percent != kFullSharePercent) note += " at " + std::to_string(percent) + " %";
                return {RowText(name, design), note};
            }
    }
    return {name + " ", "no practical connection fits: the advisor empties the grid"};
}

const GivenRow* GivenAt(ConnectionType type, int row) {
    for (const GivenRow& given : kGivenRows)
        if (given.type == type && given.row == row) return &given;
    return nullptr;
}

// The section names still without a row, in section table order.
std::vector<int> SectionsWithoutRow(ConnectionType type) {
    std::set<std::string> named;
    for (const GivenRow& given : kGivenRows)
        if (given.type == type) named.insert(WordAt(given.text, 1));
    if (type == ConnectionType::BMEP || type == ConnectionType::BSPL)
        named.insert(std::string(kNoMomentRowBeam));
    std::vector<int> sections;
    for (int i = 0; i < kSectionCount; ++i)
        if (named.insert(SectionName(BeamRowAt(i))).second) sections.push_back(i);
    return sections;
}

std::string_view ArrayName(ConnectionType type) {
    switch (type) {
        case ConnectionType::WSP:
            return "kWspStandardRows";
        case ConnectionType::ACLT:
            return "kAcltStandardRows";
        case ConnectionType::BMEP:
            return "kBmepStandardRows";
        default:
            return "kBsplStandardRows";
    }
}

std::string_view CountName(ConnectionType type) {
    switch (type) {
        case ConnectionType::WSP:
            return "kWspStandardRowCount";
        case ConnectionType::ACLT:
            return "kAcltStandardRowCount";
        case ConnectionType::BMEP:
            return "kBmepStandardRowCount";
        default:
            return "kBsplStandardRowCount";
    }
}

constexpr std::string_view kSourceHeading =
    "// Standard connections: one proposal per beam section for each connection type, in the\n"
    "// row layout of data/standard_connections.h.\n"
    "//\n"
    "// Generated by tools/generate_standard_rows; do not edit by hand. After a change to the\n"
    "// designs, the detailing rules or the load rule, regenerate with\n"
    "//     cmake --build build --target regenerate_standard_rows\n"
    "// The note after each row says what it is: a given row, kept as it stands, or the automatic\n"
    "// design's lightest connection for the load rule of tools/standard_rows_generator.h (at a\n"
    "// lower share where the full rule cannot be carried).\n"
    "#include \"data/standard_connections.h\"\n"
    "\n"
    "// clang-format off\n"
    "namespace jw {\n";

}  // namespace

StandardLoads LoadRule(ConnectionType type, int beamSection, double share) {
    const std::string_view row = BeamRowAt(beamSection);
    const double depthCm = SectionField(row, kDepth) / 10.0;
    const double webCm = SectionField(row, kWebThickness) / 10.0;
    const double modulusCm3 = SectionField(row, kSectionModulusField);
    const double allowableShear = 0.4 * kRuleYieldKsc * depthCm * webCm;
    const double allowableMoment = 0.6 * kRuleYieldKsc * modulusCm3;
    const Shares shares = SharesOf(type);
    StandardLoads loads;
    loads.shearKg = std::floor(share * shares.shear * allowableShear / kShearRoundingKg + 1e-9) *
                    kShearRoundingKg;
    loads.momentKgCm =
        std::floor(share * shares.moment * allowableMoment / kMomentRoundingKgCm + 1e-9) *
        kMomentRoundingKgCm;
    return loads;
}

std::vector<GeneratedRow> GenerateStandardRows(ConnectionType type) {
    std::vector<GeneratedRow> rows;
    const std::vector<int> sections = SectionsWithoutRow(type);
    std::size_t next = 0;
    for (int j = 1; j <= RowCount(type); ++j) {
        if (const GivenRow* given = GivenAt(type, j)) {
            rows.push_back({std::string(given->text), "given"});
        } else if (next < sections.size()) {
            rows.push_back(DesignRow(type, sections[next++]));
        } else {
            rows.push_back({"", "unused"});
        }
    }
    return rows;
}

std::string FormatStandardRowsSource() {
    std::string text(kSourceHeading);
    for (int index = 1; index <= kTypeCount; ++index) {
        const ConnectionType type = TypeFromIndex(index);
        text += "\nconst std::array<std::string_view, " + std::string(CountName(type)) + "> " +
                std::string(ArrayName(type)) + " = {\n";
        const auto rows = GenerateStandardRows(type);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const GeneratedRow& row = rows[i];
            text +=
                "    \"" + row.text + "\",  // " + std::to_string(i + 1) + ": " + row.note + "\n";
        }
        text += "};\n";
    }
    text += "\n}  // namespace jw\n// clang-format on\n";
    return text;
}

}  // namespace jw::tools
