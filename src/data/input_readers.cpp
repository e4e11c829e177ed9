#include "data/input_readers.h"

#include "data/design_error.h"
#include "data/grades.h"
#include "data/numbers.h"
#include "data/sections.h"
#include "data/text_helpers.h"
#include "data/units.h"

namespace jw {
namespace {

// Reads the value cells of one grid, row by row, each as its row asks.
class GridReader {
  public:
    explicit GridReader(const TextGrid& grid) : grid_(grid) {}

    double Number(int row) const { return LeadingNumber(Text(row)); }
    double LengthCm(int row) const { return Number(row) / kMmPerCm; }
    std::int16_t Count(int row) const {
        const auto count = RoundCount(Number(row));
        if (!count)
            throw DesignError("\"" + grid_.At(row, kLabelColumn) +
                              "\" is out of range: a count must lie between -32768 and 32767.");
        return *count;
    }
    std::string Text(int row) const {
        return grid_.Has(row, kValueColumn) ? grid_.At(row, kValueColumn) : std::string();
    }

  private:
    const TextGrid& grid_;
};

// A section dimension in cm: the table's millimetres read and divided in single precision.
double SectionCm(std::string_view row, int field) {
    return static_cast<double>(SectionField(row, field) / 10.0f);
}

void ReadBeam(DesignState& s, const ConnectionChoices& choices) {
    const std::string_view row = BeamRowAt(choices.beamSection);
    s.depthCm = SectionCm(row, kDepth);
    s.flangeWidthCm = SectionCm(row, kFlangeWidth);
    s.webCm = SectionCm(row, kWebThickness);
    s.flangeCm = SectionCm(row, kFlangeThickness);
    s.rootRadiusCm = SectionCm(row, kRootRadius);
}

void ReadBoltAndGrades(DesignState& s, const ConnectionChoices& choices) {
    const bool diameterChosen =
        choices.boltDiameter >= 0 && choices.boltDiameter < kBoltDiameterCount;
    s.BoltDia = diameterChosen ? BoltDiaFromItem(kBoltDiameterNames[choices.boltDiameter]) : 0;
    s.holeClearanceCm = HoleClearance(s.BoltDia);
    const bool gradeChosen = choices.boltGrade >= 0 && choices.boltGrade < kBoltGradeCount;
    s.boltGrade = gradeChosen ? std::string(kBoltGradeNames[choices.boltGrade]) : "";
    s.memberGrade = MemberGradeName(choices.memberGrade);
    s.cleatGrade = kCleatGradeName;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

void ReadWsp(DesignState& s, const GridReader& g, const ConnectionChoices& choices) {
    s.shearKg = g.Number(1);
    s.cleatThicknessCm = g.LengthCm(2);
    s.cleats = g.Count(3);
    s.boltRows = g.Count(4);
    s.boltColumns = g.Count(5);
    s.setBackCm = g.LengthCm(6);
    s.edgeCm = g.LengthCm(7);
    s.pitchCm = g.LengthCm(8);
    ReadBeam(s, choices);
    ReadBoltAndGrades(s, choices);
    s.weldGrade = "E" + Trimmed(g.Text(9)) + "xx";
    s.weldSizeCm = static_cast<float>(g.Number(10)) / 10.0f;
    s.weldSides = g.Number(11);
}

void ReadAclt(DesignState& s, const GridReader& g, const ConnectionChoices& choices) {
    s.shearKg = g.Number(1);
    s.cleats = g.Count(2);
    s.supportCleats = s.cleats;
    s.boltRows = g.Count(3);
    s.boltColumns = g.Count(4);
    s.supportBolts = g.Count(5);
    s.setBackCm = g.LengthCm(6);
    s.edgeCm = g.LengthCm(7);
    s.pitchCm = g.LengthCm(8);
    ReadBeam(s, choices);
    s.cleatThicknessCm = SectionCm(AngleRowAt(choices.angleSection), kAngleThicknessField);
    s.angleLegCm = SectionCm(AngleRowAt(choices.angleSection), kAngleLegField);
    ReadBoltAndGrades(s, choices);
}

void ReadBmep(DesignState& s, const GridReader& g, const ConnectionChoices& choices) {
    s.momentKgCm = g.Number(1);
    s.shearKg = g.Number(2);
    s.cleatThicknessCm = g.LengthCm(3);
    s.boltRows = g.Count(4);
    s.edgeCm = g.LengthCm(5);
    s.pitchCm = g.LengthCm(6);
    // One end plate with two bolt lines, every bolt also a support bolt.
    s.cleats = 1;
    s.boltColumns = 2;
    const auto supportBolts = RoundCount(2.0 * s.boltRows);
    if (!supportBolts)
        throw DesignError(
            "\"Row of Bolt\" is out of range: twice its value must lie between "
            "-32768 and 32767.");
    s.supportBolts = *supportBolts;
    s.supportCleats = 2;
    ReadBeam(s, choices);
    ReadBoltAndGrades(s, choices);
}

void ReadBspl(DesignState& s, const GridReader& g, const ConnectionChoices& choices) {
    s.momentKgCm = g.Number(1);
    s.shearKg = g.Number(2);
    s.cleatThicknessCm = g.LengthCm(3);
    s.cleats = g.Count(4);
    s.boltRows = g.Count(5);
    s.boltColumns = g.Count(6);
    s.setBackCm = g.LengthCm(7);
    s.edgeCm = g.LengthCm(8);
    s.pitchCm = g.LengthCm(9);
    s.flangeCleatThicknessCm = g.LengthCm(10);
    s.flangeCleats = g.Count(11);
    s.flangeRows = g.Count(12);
    s.flangeEdgeCm = g.LengthCm(13);
    s.c1Cm = g.LengthCm(14);
    s.c2Cm = g.LengthCm(15);
    s.c3Cm = g.LengthCm(16);
    ReadBeam(s, choices);
    ReadBoltAndGrades(s, choices);
}

}  // namespace

DesignState ReadDesignInput(ConnectionType type, const TextGrid& grid,
                            const ConnectionChoices& choices) {
    DesignState state;
    const GridReader reader(grid);
    switch (type) {
        case ConnectionType::WSP:
            ReadWsp(state, reader, choices);
            break;
        case ConnectionType::ACLT:
            ReadAclt(state, reader, choices);
            break;
        case ConnectionType::BMEP:
            ReadBmep(state, reader, choices);
            break;
        case ConnectionType::BSPL:
            ReadBspl(state, reader, choices);
            break;
        case ConnectionType::None:
            break;
    }
    state.SlipCritical = false;
    return state;
}

}  // namespace jw
