#include "tools/standard_rows_generator.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>

#include "data/established_rows.h"
#include "data/numbers.h"
#include "data/sections.h"
#include "data/standard_connections.h"
#include "data/text_helpers.h"
#include "design/auto_design.h"
#include "design/standard_proposals.h"

namespace jw::tools {
namespace {

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

// A connection found for all the beams of a name: designed for each in turn until one also
// passes every check on the others.
std::optional<AutoDesignResult> DesignForBeams(AutoDesignRequest request,
                                               const std::vector<int>& beams) {
    for (int beam : beams) {
        request.beamSection = beam;
        AutoDesignResult design = AutoDesign(request);
        if (!design.found) continue;
        bool everyBeam = true;
        for (int other : beams) {
            if (other == beam) continue;
            ConnectionInput input = design.input;
            input.choices.beamSection = other;
            RunOptions options{""};
            options.formatReport = false;
            everyBeam = everyBeam && IsSound(RunDesign(input, options));
        }
        if (everyBeam) return design;
    }
    return std::nullopt;
}

// The cheapest connection of the first bolts that carry the largest share of the loads.
GeneratedRow DesignRow(ConnectionType type, const std::vector<int>& beams,
                       const std::function<StandardLoads(double)>& loadsAt,
                       const std::string& note) {
    const std::string name = SectionName(BeamRowAt(beams.front()));
    for (int percent = kFullSharePercent; percent >= kLeastSharePercent;
         percent -= kShareStepPercent) {
        const StandardLoads loads = loadsAt(percent / 100.0);
        for (int grade : {kA325X, kA490X})
            for (int diameter : DiametersToTry(beams.front())) {
                AutoDesignRequest request;
                request.type = type;
                request.shearKg = loads.shearKg;
                request.momentKgCm = loads.momentKgCm;
                request.boltGrade = grade;
                request.boltDiameter = diameter;
                const auto design = DesignForBeams(request, beams);
                if (!design) continue;
                std::string said = note;
                if (percent != kFullSharePercent) said += " at " + std::to_string(percent) + " %";
                return {RowText(name, *design), said};
            }
    }
    return {name + " ", "no practical connection fits: the advisor empties the grid"};
}

// The loads an established row was proposed for.
StandardLoads LoadsOfRow(ConnectionType type, std::string_view text) {
    const bool moment = type == ConnectionType::BMEP || type == ConnectionType::BSPL;
    if (!moment) return {LeadingNumber(WordAt(text, 2)), 0};
    return {LeadingNumber(WordAt(text, 3)), LeadingNumber(WordAt(text, 2))};
}

// An established row as it stands when it passes every check of its design, else the cheapest
// sound connection for its own loads.
GeneratedRow EstablishedOrReplaced(const EstablishedRow& row) {
    const std::string failure = EstablishedRowFailure(row.type, row.text);
    if (failure.empty()) return {std::string(row.text), "given"};
    const StandardLoads loads = LoadsOfRow(row.type, row.text);
    const auto scaled = [&](double share) {
        return StandardLoads{
            std::floor(share * loads.shearKg / kShearRoundingKg + 1e-9) * kShearRoundingKg,
            std::floor(share * loads.momentKgCm / kMomentRoundingKgCm + 1e-9) *
                kMomentRoundingKgCm};
    };
    return DesignRow(row.type, BeamsNamed(WordAt(row.text, 1)), scaled,
                     "given row replaced: " + failure + "; designed for its own loads");
}

// The section names still without a row, in section table order.
std::vector<int> SectionsWithoutRow(ConnectionType type) {
    std::set<std::string> named;
    for (const EstablishedRow& row : EstablishedRows())
        if (row.type == type) named.insert(WordAt(row.text, 1));
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
    "// The note after each row says what it is: an established row that passes every check of "
    "its\n"
    "// design, kept as it stands; one that fails, replaced by the automatic design's cheapest\n"
    "// sound connection for its own loads; or the cheapest for the load rule of\n"
    "// tools/standard_rows_generator.h (each at a lower share where the full loads cannot be\n"
    "// carried).\n"
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
        if (const EstablishedRow* established = EstablishedRowAt(type, j)) {
            rows.push_back(EstablishedOrReplaced(*established));
        } else if (next < sections.size()) {
            const int beam = sections[next++];
            rows.push_back(DesignRow(
                type, BeamsNamed(SectionName(BeamRowAt(beam))),
                [&](double share) { return LoadRule(type, beam, share); }, "rule"));
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
