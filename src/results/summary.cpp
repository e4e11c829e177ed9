#include "results/summary.h"

#include <cmath>

#include "data/design_error.h"
#include "data/numbers.h"
#include "data/sections.h"
#include "data/text_helpers.h"
#include "design/checks.h"
#include "results/bill_of_materials.h"

namespace jw {
namespace {

std::string Plain(double value) {
    return FormatPlain(value);
}
std::string Single(double value) {
    return FormatPlain(static_cast<float>(value), true);
}
std::string Rounded(double value) {
    return FormatPlain(std::nearbyint(value));
}

std::string CountProductText(int a, int b) {
    const int product = a * b;
    if (product > 32767 || product < -32768)
        throw DesignError("The number of bolts in the summary exceeds 32767.");
    return Plain(product);
}

// Plate sizes in mm, as the fabricator orders them.
double PlateLengthMm(const DesignState& s) {
    return ((s.boltRows - 1) * s.pitchCm + 2 * s.edgeCm) * 10;
}
double PlateWidthMm(const DesignState& s) {
    return ((s.boltColumns - 1) * s.pitchCm + s.setBackCm + 2 * s.edgeCm) * 10;
}

std::string BoltText(const DesignState& s, bool rounded) {
    const double mm = s.BoltDia * 10;
    return CountProductText(s.boltRows, s.boltColumns) + " - M" +
           (rounded ? Rounded(mm) : Plain(mm));
}

void FillPartRows(ConnectionType type, TextGrid& g, const DesignState& s,
                  const ConnectionChoices& choices) {
    const std::string grade = " (" + s.boltGrade + ")";
    const std::string lp = Single(PlateLengthMm(s));
    switch (type) {
        case ConnectionType::WSP:
            g.At(1, 0) = "Cleat Plate";
            g.At(1, 1) = Plain(s.cleats) + " PL-" + Rounded(s.cleatThicknessCm * 10) + "X" + lp +
                         "X" + Single(PlateWidthMm(s));
            g.At(2, 1) = BoltText(s, true) + grade;
            break;
        case ConnectionType::ACLT:
            g.At(1, 0) = "Angle";
            g.At(1, 1) =
                Plain(s.cleats) + " - " + SectionName(AngleRowAt(choices.angleSection)) + " X" + lp;
            g.At(2, 1) = BoltText(s, true) + grade;
            break;
        case ConnectionType::BMEP:
            g.At(1, 0) = "End Plate";
            g.At(1, 1) = Plain(s.cleats) + " PL-" + Plain(s.cleatThicknessCm * 10) + "X" + lp +
                         "X" + Single(SectionField(BeamRowAt(choices.beamSection), kFlangeWidth));
            g.At(2, 1) = BoltText(s, false) + grade;
            break;
        case ConnectionType::BSPL: {
            // The plates that are cut cover both beam ends, and the bolts are those of the
            // whole joint.
            const BillOfMaterials bill = MomentBillOfMaterials(type, s);
            g.At(1, 0) = "Cleat/Flange Plate";
            g.At(1, 1) = SplicePlateText(bill);
            g.At(2, 0) = "Cleat/Flange Bolt";
            g.At(2, 1) = SpliceBoltText(bill);
            break;
        }
        case ConnectionType::None:
            break;
    }
}

// The check of highest shown ratio: the classic rows' governing mode unless a further check
// shows a higher ratio. A check that passes shows at most 1.00, so when anything fails this is
// a failing check.
std::string GoverningMode(const RatioSummary& classic, const FurtherChecks& further) {
    double highest = LeadingNumber(classic.maxRatio);
    std::string mode = classic.governingMode;
    for (const CheckRow& check : further.checks) {
        const double shown = LeadingNumber(check.ratioText);
        if (shown > highest) {
            highest = shown;
            mode = check.name;
        }
    }
    return mode;
}

}  // namespace

void PrepareResultGrids(TextGrid& table, TextGrid& summary) {
    for (auto& cell : summary.cells) cell.clear();
    ShapeGrid(table, 34, 4, 0, 0);
    ClearGrid(table);
    ClearGrid(summary);
}

Summary FillSummaryGrid(ConnectionType type, const TextGrid& table, const FurtherChecks& further,
                        const DesignState& s, const ConnectionChoices& choices) {
    Summary summary;
    summary.caption = std::string(TypeCaption(type)) + " Connection";
    TextGrid& g = summary.grid;
    ShapeGrid(g, 5, 2, 0, 1);
    g.At(0, 0) = "Beam";
    g.At(0, 1) = SectionName(BeamRowAt(choices.beamSection));
    g.At(2, 0) = "Bolt";
    const RatioSummary ratios = SummariseRatios(table);
    g.At(3, 0) = "Stress Range";
    g.At(3, 1) = ratios.minRatio + " / " + ratios.maxRatio;
    summary.classicAccepted = LeadingNumber(ratios.maxRatio) <= 1 && !ratios.asksForRedesign;
    summary.accepted = summary.classicAccepted && further.AllPassed();
    summary.governingMode = GoverningMode(ratios, further);
    if (summary.accepted) {
        g.At(4, 0) = "Connection";
        g.At(4, 1) = "Accept";
        summary.labelColour = kColourGreen;
    } else {
        g.At(4, 0) = "Mode of Failure";
        g.At(4, 1) = summary.governingMode;
        summary.labelColour = kColourRed;
    }
    FillPartRows(type, g, s, choices);
    return summary;
}

}  // namespace jw
