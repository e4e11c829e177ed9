#include "design/detailing_rules.h"

#include <algorithm>
#include <cmath>

#include "data/bolt_clearances.h"
#include "data/bolt_distances.h"
#include "data/design_error.h"
#include "data/grades.h"
#include "data/input_readers.h"
#include "data/numbers.h"
#include "data/part_geometry.h"
#include "data/sections.h"
#include "data/text_helpers.h"
#include "design/further/bolts.h"
#include "design/further/geometry.h"
#include "design/further/splice.h"
#include "design/further/welds.h"

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
                                 " mm is less than the distance to a sheared edge (" +
                                 MmText(least) + " mm, Table J3.5)");
    }
    // The web cleat (rows at pitch c with edges b) between the root fillets.
    void WebFit(const BeamMm& beam, int rows, double edge, double pitch) {
        const double height = (rows - 1) * pitch + 2 * edge;
        Require(FitsClearWeb(height, beam.d, beam.tf, beam.r1),
                "the cleat height " + MmText(height) + " mm exceeds the clear web depth " +
                    MmText(beam.ClearWebDepth()) + " mm");
    }
    void WebBolts(const BeamMm& beam, int rowOf, int firstRow, int leastRows = 1) {
        const int rows = Count(firstRow);
        const int columns = Count(firstRow + 1);
        Require(rows >= leastRows, "the web bolts stand in " + MmText(rows) +
                                       " row(s), not at least " + MmText(leastRows));
        Require(rows * columns >= kMinWebBolts,
                "the web holds " + MmText(rows * columns) + " bolt(s), not at least " +
                    MmText(kMinWebBolts));
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

void WspFaults(Faults& f, const BeamMm& beam, const DesignState& s,
               const DetailingOptions& options) {
    f.WebBolts(beam, 7, 4);
    const int plate = static_cast<int>(std::nearbyint(f.Mm(2)));
    const double weld = f.Mm(10);
    f.Require(weld >= MinWeldSizeMm(plate) && weld <= MaxWeldSizeMm(plate),
              "the fillet weld " + MmText(weld) + " mm lies outside " +
                  MmText(MinWeldSizeMm(plate)) + ".." + MmText(MaxWeldSizeMm(plate)) +
                  " mm for a " + MmText(plate) + " mm plate");
    // Compared as the design reads them, so the rule and the design's warning agree.
    f.Require(further::PlateInProportionToWeb(s.cleatThicknessCm, s.webCm),
              "the plate " + MmText(f.Mm(2)) + " mm is more than three times as thick as the " +
                  MmText(beam.tw) + " mm web");
    const double sides = f.Mm(11);
    f.Require(sides == 2 || (options.oneSidedWelds && sides == 1),
              "the fillet weld runs on " + MmText(sides) + " side(s) of the plate, not both");
}

void AcltFaults(Faults& f, const BeamMm& beam, int angleSection) {
    f.WebBolts(beam, 7, 3);
    const std::string_view angle = AngleRowAt(angleSection);
    const double leg = SectionField(angle, kAngleLegField);
    const double thickness = SectionField(angle, kAngleThicknessField);
    f.Require(AngleWebLegFits(leg, static_cast<int>(f.Mm(6)), static_cast<int>(f.Mm(7)), f.Count(4),
                              static_cast<int>(f.Mm(8))),
              "the angle's " + MmText(leg) +
                  " mm web leg cannot hold the set back, the bolt columns and their edge distance");
    f.Require(AngleOutstandingLegFits(leg, thickness, f.BoltMm()),
              "the angle's " + MmText(leg) +
                  " mm outstanding leg cannot hold its bolt line clear of the other leg");
    const int supportBolts = f.Count(5);
    f.Require(supportBolts >= further::kLeastSupportBoltsPerAngle,
              "each angle has " + MmText(supportBolts) + " bolt(s) on the support, not at least " +
                  MmText(further::kLeastSupportBoltsPerAngle));
    // The support bolts stand centred on the angle's length at the web bolts' pitch.
    const double length = (f.Count(3) - 1) * f.Mm(8) + 2 * f.Mm(7);
    f.Edge("the end distance of the support bolts", (length - (supportBolts - 1) * f.Mm(8)) / 2);
}

void BmepFaults(Faults& f, const BeamMm& beam) {
    f.Edge("the bolt edge distance (b)", f.Mm(5));
    f.Pitch("the bolt pitch (c)", f.Mm(6));
    const double height = (f.Count(4) - 1) * f.Mm(6) + 2 * f.Mm(5);
    f.Require(height <= MaxEndPlateHeightMm(beam.d),
              "the end plate height " + MmText(height) + " mm exceeds " +
                  MmText(MaxEndPlateHeightMm(beam.d)) + " mm on a " + MmText(beam.d) + " mm beam");
    f.Require(EndPlateCoversBeam(height, beam.d), "the end plate height " + MmText(height) +
                                                      " mm does not cover the " + MmText(beam.d) +
                                                      " mm beam");
}

void BsplFaults(Faults& f, const BeamMm& beam) {
    f.WebBolts(beam, 8, 5, kMinSpliceWebBoltRows);
    const int flangeCleats = f.Count(11);
    const int flangeRows = f.Count(12);
    const double e = f.Mm(13), c1 = f.Mm(14), c2 = f.Mm(15), c3 = f.Mm(16);
    f.Require(flangeRows >= further::kLeastFlangeBoltRows,
              "the flange plates hold " + MmText(flangeRows) +
                  " row(s) of bolts each side of the joint, not at least " +
                  MmText(further::kLeastFlangeBoltRows));
    f.Edge("the flange bolt edge distance (e)", e);
    f.Pitch("the flange bolt gauge (C3)", c3);
    if (c1 > 0) {
        f.Pitch("the staggered flange bolt spacing", std::hypot(c1, c2));
        f.Pitch("the flange bolt pitch along a line (2 C2)", 2 * c2);
    } else if (flangeRows > 1) {
        f.Pitch("the flange bolt pitch (C2)", c2);
    }
    const double width = 2 * e + 2 * c1 + c3;
    f.Require(FitsFlangeWidth(width, beam.bf), "the flange cleat width " + MmText(width) +
                                                   " mm exceeds the flange width " +
                                                   MmText(beam.bf) + " mm");
    const double gauge = LeastFlangeGaugeMm(beam, f.BoltMm(), flangeCleats);
    f.Require(c3 >= gauge, "the flange bolt gauge (C3) " + MmText(c3) +
                               " mm puts the bolts on the web's root fillets (at least " +
                               MmText(gauge) + " mm)");
}

void Collect(const ConnectionInput& input, const BeamMm& beam, const DetailingOptions& options,
             Faults& faults) {
    switch (input.type) {
        case ConnectionType::WSP:
            WspFaults(faults, beam, ReadDesignInput(input.type, input.grid, input.choices),
                      options);
            break;
        case ConnectionType::ACLT:
            AcltFaults(faults, beam, input.choices.angleSection);
            break;
        case ConnectionType::BMEP:
            BmepFaults(faults, beam);
            break;
        case ConnectionType::BSPL:
            BsplFaults(faults, beam);
            break;
        case ConnectionType::None:
            faults.Require(false, "no connection type is chosen");
            break;
    }
}

}  // namespace

int MinWeldSizeMm(int plateMm) {
    return static_cast<int>(further::MinFilletWeldMm(plateMm));
}

int MaxWeldSizeMm(int plateMm) {
    return plateMm;
}

int LeastPitchMm(int boltMm) {
    return static_cast<int>(std::ceil(kMinPitchDiameters * boltMm));
}

int LeastEdgeMm(int boltMm) {
    return LeastEdgeDistance(boltMm).sheared;
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

double BeamMm::ClearWebDepth() const {
    return ClearWebDepthMm(d, tf, r1);
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
    const double boltLine = legMm / 2;
    return boltLine - thicknessMm >= WasherDiameterMm(boltMm) / 2.0 &&
           boltLine >= LeastEdgeDistance(boltMm).rolledOrGasCut;
}

double LeastFlangeGaugeMm(const BeamMm& beam, int boltMm, int flangeCleats) {
    const double washer = WasherDiameterMm(boltMm) / 2.0;
    const double clear = flangeCleats >= 2 ? std::max<double>(washer, LeastEdgeMm(boltMm)) : washer;
    return std::max<double>(LeastPitchMm(boltMm), beam.tw + 2 * beam.r1 + 2 * clear);
}

std::vector<int> FlangeGauges(const BeamMm& beam, int boltMm, int flangeCleats, int edgeMm) {
    std::vector<int> gauges;
    const int least =
        static_cast<int>(std::ceil(LeastFlangeGaugeMm(beam, boltMm, flangeCleats) - 1e-9));
    const int most = static_cast<int>(std::floor(beam.bf - 2 * edgeMm + 1e-9));
    if (least > most) return gauges;
    gauges.push_back(least);
    for (int mm = (least / kFlangeGaugeStepMm + 1) * kFlangeGaugeStepMm; mm <= most;
         mm += kFlangeGaugeStepMm)
        gauges.push_back(mm);
    return gauges;
}

std::vector<int> FlangePitches(int boltMm, int setBackMm, int edgeMm) {
    const int least = LeastPitchMm(boltMm);
    return DistanceSteps(least, std::max(least, 2 * (setBackMm + edgeMm)));
}

std::vector<std::string> DetailingFaults(const ConnectionInput& input,
                                         const DetailingOptions& options) {
    const auto& choices = input.choices;
    if (input.grid.rows <= static_cast<int>(InputLayout(input.type).size()) ||
        input.grid.columns <= kValueColumn)
        return {"the input grid does not hold the rows of its connection type"};
    if (BeamRowAt(choices.beamSection).empty()) return {"no beam section is chosen"};
    if (choices.boltDiameter < 0 || choices.boltDiameter >= kBoltDiameterCount)
        return {"no bolt diameter is chosen"};
    if (input.type == ConnectionType::ACLT && AngleRowAt(choices.angleSection).empty())
        return {"no angle section is chosen"};
    const int boltMm = static_cast<int>(
        std::lround(BoltDiaFromItem(kBoltDiameterNames[choices.boltDiameter]) * 10));
    const BeamMm beam = BeamDimensions(choices.beamSection);
    Faults faults(input.grid, boltMm);
    try {
        Collect(input, beam, options, faults);
    } catch (const DesignError& error) {
        return {error.what()};
    }
    return faults.Take();
}

}  // namespace jw::detailing
