#include "design/detailing_rules.h"

#include <cmath>

#include "data/grades.h"
#include "data/numbers.h"
#include "data/sections.h"
#include "data/text_helpers.h"

namespace jw::detailing {
namespace {

// A length for a message: whole millimetres as they are, others to a tenth.
std::string MmText(double mm) {
    return mm == std::floor(mm) ? FormatPlain(mm) : FormatFixed(mm, 1);
}

// Collects the broken rules of one connection, each named with its values.
class Faults {
  public:
    Faults(const TextGrid& grid, int boltMm) : grid_(grid), boltMm_(boltMm) {}

    double Mm(int row) const { return LeadingNumber(grid_.At(row, kValueColumn)); }
    int Count(int row) const { return static_cast<int>(std::nearbyint(Mm(row))); }

    void Require(bool kept, const std::string& fault) {
        if (!kept) faults_.push_back(fault);
    }
    void Pitch(std::string_view what, double mm) {
        const int least = LeastPitchMm(boltMm_);
        Require(mm >= least, std::string(what) + " " + MmText(mm) +
                                 " mm is less than 3 bolt diameters (" + MmText(least) + " mm)");
    }
    void Edge(std::string_view what, double mm) {
        const int least = LeastEdgeMm(boltMm_);
        Require(mm >= least, std::string(what) + " " + MmText(mm) +
                                 " mm is less than 1.5 bolt diameters (" + MmText(least) + " mm)");
    }
    // The web cleat (rows at pitch c with edges b) between the root fillets.
    void WebFit(const BeamMm& beam, int rows, double edge, double pitch) {
        const double height = (rows - 1) * pitch + 2 * edge;
        Require(height <= beam.ClearWebDepth(), "the cleat height " + MmText(height) +
                                                    " mm exceeds the clear web depth " +
                                                    MmText(beam.ClearWebDepth()) + " mm");
    }
    void WebBolts(const BeamMm& beam, int rowOf, int firstRow) {
        const int rows = Count(firstRow);
        const int columns = Count(firstRow + 1);
        Edge("the bolt edge distance (b)", Mm(rowOf));
        if (rows > 1 || columns > 1) Pitch("the bolt pitch (c)", Mm(rowOf + 1));
        WebFit(beam, rows, Mm(rowOf), Mm(rowOf + 1));
    }
    int BoltMm() const { return boltMm_; }
    std::vector<std::string> Take() { return std::move(faults_); }

  private:
    const TextGrid& grid_;
    int boltMm_;
    std::vector<std::string> faults_;
};

void WspFaults(Faults& f, const BeamMm& beam) {
    f.WebBolts(beam, 7, 4);
    const int plate = static_cast<int>(std::nearbyint(f.Mm(2)));
    const double weld = f.Mm(10);
    f.Require(weld >= MinWeldSizeMm(plate) && weld <= MaxWeldSizeMm(plate),
              "the fillet weld " + MmText(weld) + " mm lies outside " +
                  MmText(MinWeldSizeMm(plate)) + ".." + MmText(MaxWeldSizeMm(plate)) +
                  " mm for a " + MmText(plate) + " mm plate");
}

void AcltFaults(Faults& f, const BeamMm& beam, int angleSection) {
    f.WebBolts(beam, 7, 3);
    const std::string_view angle = AngleRowAt(angleSection);
    const double leg = SectionField(angle, 3);
    const double thickness = SectionField(angle, kAngleThicknessField);
    f.Require(AngleWebLegFits(leg, static_cast<int>(f.Mm(6)), static_cast<int>(f.Mm(7)), f.Count(4),
                              static_cast<int>(f.Mm(8))),
              "the angle's " + MmText(leg) +
                  " mm web leg cannot hold the set back, the bolt columns and their edge distance");
    f.Require(AngleOutstandingLegFits(leg, thickness, f.BoltMm()),
              "the angle's " + MmText(leg) +
                  " mm outstanding leg cannot hold its bolt line clear of the other leg");
}

void BmepFaults(Faults& f, const BeamMm& beam) {
    const double plate = f.Mm(3);
    f.Require(plate >= kMinEndPlateThicknessDiameters * f.BoltMm(),
              "the end plate " + MmText(plate) + " mm is thinner than its bolts (" +
                  MmText(f.BoltMm()) + " mm)");
    f.Edge("the bolt edge distance (b)", f.Mm(5));
    f.Pitch("the bolt pitch (c)", f.Mm(6));
    const double height = (f.Count(4) - 1) * f.Mm(6) + 2 * f.Mm(5);
    f.Require(height <= MaxEndPlateHeightMm(beam.d),
              "the end plate height " + MmText(height) + " mm exceeds " +
                  MmText(MaxEndPlateHeightMm(beam.d)) + " mm on a " + MmText(beam.d) + " mm beam");
}

void BsplFaults(Faults& f, const BeamMm& beam) {
    f.WebBolts(beam, 8, 5);
    const int flangeCleats = f.Count(11);
    const double e = f.Mm(13), c1 = f.Mm(14), c2 = f.Mm(15), c3 = f.Mm(16);
    f.Edge("the flange bolt edge distance (e)", e);
    f.Pitch("the flange bolt gauge (C3)", c3);
    if (c1 > 0) {
        f.Pitch("the staggered flange bolt spacing", std::hypot(c1, c2));
        f.Pitch("the flange bolt pitch along a line (2 C2)", 2 * c2);
    } else if (f.Count(12) > 1) {
        f.Pitch("the flange bolt pitch (C2)", c2);
    }
    const double width = 2 * e + 2 * c1 + c3;
    f.Require(width <= beam.bf, "the flange cleat width " + MmText(width) +
                                    " mm exceeds the flange width " + MmText(beam.bf) + " mm");
    const double gauge = LeastFlangeGaugeMm(beam, f.BoltMm(), flangeCleats);
    f.Require(c3 >= gauge, "the flange bolt gauge (C3) " + MmText(c3) +
                               " mm puts the bolts on the web's root fillets (at least " +
                               MmText(gauge) + " mm)");
}

}  // namespace

int MinWeldSizeMm(int plateMm) {
    if (plateMm <= 6) return 3;
    if (plateMm <= 13) return 5;
    if (plateMm <= 19) return 6;
    return 8;
}

int MaxWeldSizeMm(int plateMm) {
    return plateMm;
}

int LeastPitchMm(int boltMm) {
    return static_cast<int>(std::ceil(kMinPitchDiameters * boltMm));
}

int LeastEdgeMm(int boltMm) {
    return static_cast<int>(std::ceil(kMinEdgeDiameters * boltMm));
}

std::vector<int> DistanceSteps(int least, int most) {
    std::vector<int> steps;
    if (least > most) return steps;
    steps.push_back(least);
    for (int mm = (least / kDistanceStepMm + 1) * kDistanceStepMm; mm <= most;
         mm += kDistanceStepMm)
        steps.push_back(mm);
    return steps;
}

BeamMm BeamDimensions(int beamSection) {
    const std::string_view row = BeamRowAt(beamSection);
    return {SectionField(row, kDepth), SectionField(row, kFlangeWidth),
            SectionField(row, kWebThickness), SectionField(row, kFlangeThickness),
            SectionField(row, kRootRadius)};
}

double MaxEndPlateHeightMm(double depthMm) {
    return depthMm + 2 * std::min(depthMm / 2, static_cast<double>(kMaxEndPlateProjectionMm));
}

bool AngleWebLegFits(double legMm, int setBackMm, int edgeMm, int columns, int pitchMm) {
    return setBackMm + 2 * edgeMm + (columns - 1) * pitchMm <= legMm;
}

bool AngleOutstandingLegFits(double legMm, double thicknessMm, int boltMm) {
    return thicknessMm + boltMm + LeastEdgeMm(boltMm) <= legMm;
}

double LeastFlangeGaugeMm(const BeamMm& beam, int boltMm, int flangeCleats) {
    const double clear = flangeCleats >= 2 ? kMinEdgeDiameters * boltMm : boltMm;
    return std::max<double>(LeastPitchMm(boltMm), beam.tw + 2 * beam.r1 + 2 * clear);
}

std::vector<std::string> DetailingFaults(const ConnectionInput& input) {
    const auto& choices = input.choices;
    if (input.grid.rows <= static_cast<int>(InputLayout(input.type).size()) ||
        input.grid.columns <= kValueColumn)
        return {"the input grid does not hold the rows of its connection type"};
    if (BeamRowAt(choices.beamSection).empty()) return {"no beam section is chosen"};
    if (choices.boltDiameter < 0 || choices.boltDiameter >= kBoltDiameterCount)
        return {"no bolt diameter is chosen"};
    const int boltMm = static_cast<int>(
        std::lround(BoltDiaFromItem(kBoltDiameterNames[choices.boltDiameter]) * 10));
    const BeamMm beam = BeamDimensions(choices.beamSection);
    Faults faults(input.grid, boltMm);
    switch (input.type) {
        case ConnectionType::WSP:
            WspFaults(faults, beam);
            break;
        case ConnectionType::ACLT:
            if (AngleRowAt(choices.angleSection).empty()) return {"no angle section is chosen"};
            AcltFaults(faults, beam, choices.angleSection);
            break;
        case ConnectionType::BMEP:
            BmepFaults(faults, beam);
            break;
        case ConnectionType::BSPL:
            BsplFaults(faults, beam);
            break;
        case ConnectionType::None:
            return {"no connection type is chosen"};
    }
    return faults.Take();
}

}  // namespace jw::detailing
