#include "design/further/end_plate.h"

#include <cmath>

#include "data/bolt_clearances.h"
#include "data/bolt_distances.h"
#include "data/part_geometry.h"
#include "data/grades.h"
#include "design/further/bolts.h"
#include "design/further/check_builder.h"
#include "design/further/flange_force.h"
#include "design/further/plates.h"
#include "design/further/shear_context.h"
#include "design/further/welds.h"

namespace jw::further {
namespace {

constexpr double kMmPerInch = 25.4;
// Beyond each flange weld the plate keeps 10 mm, so the weld can be laid and inspected.
constexpr double kWeldRunOutCm = 1.0;
constexpr double kShearYield = 0.40;

int BoltMm(const DesignState& s) {
    return static_cast<int>(std::lround(s.BoltDia * 10));
}

// A fillet leg rounded up to whole millimetres (cm in, cm out).
double WholeMmCm(double cm) {
    return std::ceil(cm * 10 - 1e-9) / 10;
}

// The weld allowable on the throat of an E70 electrode, as the program's weld grades hold it.
double E70AllowableKsc() {
    DesignState weld;
    SetWeldGrade(weld, "E70xx");
    return weld.FwWeld;
}

void AddCoversBeam(const DesignState& s, const EndPlateLayout& l, const EndPlateWelds& w,
                   FurtherChecks& out) {
    const double needed = s.depthCm + 2 * (w.flangeCm + kWeldRunOutCm);
    out.checks.push_back(MakeCheck({"Plate covers beam", "Practice", needed, l.heightCm, "cm",
                                    "d + 2 (w,f + 1.0) <= Lp",
                                    Num(s.depthCm) + " + 2 x (" + Num(w.flangeCm) +
                                        " + 1.0) = " + Num(needed) + " <= " + Num(l.heightCm)}));
}

void AddBoltClearance(const DesignState& s, const EndPlateLayout& l, const EndPlateWelds& w,
                      FurtherChecks& out) {
    // The washer under the nut on the beam side must sit clear of the flange weld's toe.
    const double washerCm = WasherDiameterMm(BoltMm(s)) / 10.0;
    const double needed = s.BoltDia / 2 + washerCm / 2 + w.flangeCm;
    std::vector<CheckRow> rows;
    for (const FlangeRow& row : l.tensionRows)
        rows.push_back(
            MakeCheck({"Bolt clearance at flange", "Practice", needed, row.pCm, "cm",
                       "db / 2 + Dw / 2 + w,f <= p",
                       Num(s.BoltDia) + " / 2 + " + Num(washerCm) + " / 2 + " + Num(w.flangeCm) +
                           " = " + Num(needed) + " <= " + Num(row.pCm)},
                      row.beyond ? "bolt row beyond the flange" : "bolt row inside the flange"));
    if (!rows.empty()) out.checks.push_back(Governing(rows));
}

void AddGaugeWithinFlange(const DesignState& s, const EndPlateLayout& l, FurtherChecks& out) {
    // The socket turning a nut beside the web needs its clearance on each side of the web.
    const double wrenchCm = WrenchClearanceMm(BoltMm(s)) / 10.0;
    const double needed = s.webCm + 2 * wrenchCm;
    const double edgeCm = LeastEdgeDistance(BoltMm(s)).rolledOrGasCut / 10.0;
    out.checks.push_back(MakeCheck({"Gauge within flange", "Practice", needed, l.gaugeCm, "cm",
                                    "tw + 2 Cw <= g = bf - 2 Le,min",
                                    Num(s.webCm) + " + 2 x " + Num(wrenchCm) + " = " + Num(needed) +
                                        " <= " + Num(s.flangeWidthCm) + " - 2 x " + Num(edgeCm) +
                                        " = " + Num(l.gaugeCm)}));
}

// The plate's room for its welds and bolts: it covers the beam, the bolts clear the flange welds
// and the wrench clears the web.
void AddRoomChecks(const DesignState& s, const EndPlateLayout& l, const EndPlateWelds& w,
                   FurtherChecks& out) {
    AddCoversBeam(s, l, w, out);
    AddBoltClearance(s, l, w, out);
    AddGaugeWithinFlange(s, l, out);
}

void AddPlateBoltDistances(const DesignState& s, FurtherChecks& out) {
    // The shear runs down the plate: each bolt bears on the plate towards its upper end.
    const std::vector<Ply> plate = {{"end plate", s.shearKg / (2.0 * s.boltRows),
                                     s.cleatThicknessCm, s.FuCleat, s.edgeCm, s.pitchCm}};
    AddEndDistance(plate, s.BoltDia, out);
    AddBoltSpacing(plate, s.BoltDia, out);
}

void AddPlateShear(const DesignState& s, const EndPlateLayout& l, double flangeForceKg,
                   FurtherChecks& out) {
    // The flange force enters the plate and shears it on both sides of the flange.
    const double capacity = 2 * kShearYield * s.FyCleat * l.widthCm * s.cleatThicknessCm;
    out.checks.push_back(
        MakeCheck({"End plate shear", "AISC-ASD89 F4", flangeForceKg, capacity, "kg",
                   "Ff / (2 x 0.40 Fy bs tp)",
                   Num(flangeForceKg) + " / (2 x 0.40 x " + Num(s.FyCleat) + " x " +
                       Num(l.widthCm) + " x " + Num(s.cleatThicknessCm) + ")"}));
}

void AddDerived(const DesignState& s, const EndPlateLayout& l, const EndPlateWelds& w,
                FurtherChecks& out) {
    const int boltMm = BoltMm(s);
    out.derived.push_back({"g", l.gaugeCm, "cm",
                           "bolt gauge of the end plate, bf - 2 Le,min (gas-cut edges): the plate "
                           "is as wide as the flange and centred on the beam"});
    out.derived.push_back(FlangeForceValue(s));
    const std::string flangeNeeds =
        Num(w.flangeRequiredCm) + " cm for Ff over bf + (bf - tw - 2 r1)";
    out.derived.push_back(
        {"w,f", w.flangeCm, "cm",
         w.flangeGroove ? "weld of each flange to the plate: a complete-joint-penetration groove "
                          "weld, its reinforcing fillet as large as the flange (a fillet would "
                          "need " +
                              flangeNeeds + ")"
                        : "fillet weld of each flange to the plate, both faces (E70; " +
                              flangeNeeds + ", at least Table J2.4)"});
    out.derived.push_back({"w,w", w.webCm, "cm",
                           "fillet weld of the web to the plate, both sides (E70; " +
                               Num(w.webRequiredCm) +
                               " cm for V over 2 (d - 2 tf - 2 r1), at "
                               "least Table J2.4)"});
    out.derived.push_back(
        {"Dw", WasherDiameterMm(boltMm) / 10.0, "cm",
         "washer of M" + std::to_string(boltMm) + " (ISO 7089 / EN 14399-6 outside diameter)"});
    out.derived.push_back({"Cw", WrenchClearanceMm(boltMm) / 10.0, "cm",
                           "wrench clearance of M" + std::to_string(boltMm) +
                               ", bolt centre to the web (AISC Manual, tightening clearance C1)"});
}

void AddWeldWarnings(const DesignState& s, const EndPlateWelds& w, FurtherChecks& out) {
    const std::string web =
        "the web with fillets of at least " + Num(w.webCm * 10) + " mm on both sides (E70).";
    if (w.flangeGroove)
        out.warnings.push_back(
            {"The welds of the beam to the end plate are not an input: the flange force needs "
             "fillets larger than the flange (" +
                 Num(WholeMmCm(w.flangeRequiredCm) * 10) + " mm on a " + Num(s.flangeCm * 10) +
                 " mm flange): weld the flanges with complete-joint-penetration groove welds, "
                 "and " +
                 web,
             WarningAbout::DerivedDetail});
    else
        out.warnings.push_back(
            {"The welds of the beam to the end plate are not an input: weld "
             "each flange with fillets of at least " +
                 Num(w.flangeCm * 10) + " mm on both faces, and " + web,
             WarningAbout::DerivedDetail});
}

}  // namespace

double ExtendedMethodLeastPfCm(double boltDiaCm) {
    return boltDiaCm + 0.5 * kMmPerInch / 10;
}

double ExtendedMethodMostPfCm(double boltDiaCm) {
    return boltDiaCm + 1.0 * kMmPerInch / 10;
}

EndPlateLayout LayOutEndPlate(const DesignState& s) {
    EndPlateLayout l;
    l.heightCm = (s.boltRows - 1) * s.pitchCm + 2 * s.edgeCm;
    l.widthCm = s.flangeWidthCm;
    l.gaugeCm = EndPlateGaugeMm(s.flangeWidthCm * 10, BoltMm(s)) / 10;
    l.flangeFaceCm = (l.heightCm - s.depthCm) / 2;
    // The rows are symmetric about the beam's centre, so the top flange stands for either.
    const double flangeMiddle = l.flangeFaceCm + s.flangeCm / 2;
    const FlangeRow* nearestBeyond = nullptr;
    const FlangeRow* nearestInside = nullptr;
    std::vector<FlangeRow> rows;
    rows.reserve(s.boltRows > 0 ? s.boltRows : 0);
    for (int k = 0; k < s.boltRows; ++k) {
        const double y = s.edgeCm + k * s.pitchCm;
        if (y < flangeMiddle) {
            rows.push_back({true, l.flangeFaceCm - y, y});
            ++l.rowsBeyond;
        } else if (y < l.heightCm / 2) {
            rows.push_back({false, y - (l.flangeFaceCm + s.flangeCm), y});
        }
    }
    for (const FlangeRow& row : rows) {
        if (row.beyond && (!nearestBeyond || row.toPlateEndCm > nearestBeyond->toPlateEndCm))
            nearestBeyond = &row;
        if (!row.beyond && (!nearestInside || row.toPlateEndCm < nearestInside->toPlateEndCm))
            nearestInside = &row;
    }
    if (nearestBeyond) l.tensionRows.push_back(*nearestBeyond);
    if (nearestInside) l.tensionRows.push_back(*nearestInside);
    return l;
}

EndPlateWelds SizeEndPlateWelds(const DesignState& s, double flangeForceKg) {
    EndPlateWelds w;
    const double perLegCm = 0.707 * E70AllowableKsc();  // kg per cm of weld and cm of leg
    // The outer face of a flange takes a weld across its width, the inner face between the
    // toes of the root fillets; the web both sides between the fillets.
    const double flangeRunCm = 2 * s.flangeWidthCm - s.webCm - 2 * s.rootRadiusCm;
    const double webRunCm =
        2 * ClearWebDepthMm(s.depthCm * 10, s.flangeCm * 10, s.rootRadiusCm * 10) / 10;
    w.flangeRequiredCm = flangeRunCm > 0 ? flangeForceKg / (perLegCm * flangeRunCm) : 0;
    w.webRequiredCm = webRunCm > 0 ? s.shearKg / (perLegCm * webRunCm) : 0;
    const double plateMm = s.cleatThicknessCm * 10;
    const double flangeLeastCm = MinFilletWeldMm(std::max(plateMm, s.flangeCm * 10)) / 10;
    const double webLeastCm = MinFilletWeldMm(std::max(plateMm, s.webCm * 10)) / 10;
    w.flangeGroove = w.flangeRequiredCm > s.flangeCm;
    w.flangeCm =
        std::max(WholeMmCm(w.flangeGroove ? s.flangeCm : w.flangeRequiredCm), flangeLeastCm);
    w.webCm = std::max(WholeMmCm(w.webRequiredCm), webLeastCm);
    return w;
}

FurtherChecks EndPlateRoomChecks(const DesignState& s) {
    FurtherChecks room;
    const EndPlateLayout layout = LayOutEndPlate(s);
    AddRoomChecks(s, layout, SizeEndPlateWelds(s, FlangeForceKg(s)), room);
    return room;
}

void AddEndPlateChecks(const DesignState& s, const ReportValues& rv, FurtherChecks& out) {
    const EndPlateLayout layout = LayOutEndPlate(s);
    const double flangeForce = FlangeForceKg(s);
    const EndPlateWelds welds = SizeEndPlateWelds(s, flangeForce);
    AddDerived(s, layout, welds, out);
    AddRoomChecks(s, layout, welds, out);
    AddEdgeDistance(MakeShearContext(ConnectionType::BMEP, s, rv), out);
    AddPlateBoltDistances(s, out);
    AddEndPlateTensionChecks(s, rv, layout, welds.flangeCm, out);
    AddPlateShear(s, layout, flangeForce, out);
    AddBeamWebShear(s, out);
    AddWeldWarnings(s, welds, out);
}

}  // namespace jw::further
