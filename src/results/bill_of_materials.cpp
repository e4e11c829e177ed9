#include "results/bill_of_materials.h"

#include "data/numbers.h"
#include "data/sections.h"
#include "data/text_helpers.h"

namespace jw {
namespace {

// Sizes in mm as the summary has always written them: single precision, no fixed decimals.
std::string Mm(double mm) {
    return FormatPlain(static_cast<float>(mm), true);
}

// The web bolt group's plate or angle, down the web: (Nr - 1) c + 2 b.
double CleatHeightMm(const DesignState& s) {
    return ((s.boltRows - 1) * s.pitchCm + 2 * s.edgeCm) * 10;
}

BillOfMaterials EndPlateBill(const DesignState& s) {
    BillOfMaterials bill;
    bill.plates.push_back(
        {"end plate", 1, s.cleatThicknessCm * 10, s.flangeWidthCm * 10, CleatHeightMm(s)});
    // Through the plate and the support.
    bill.bolts.push_back({"end plate bolts", 2 * s.boltRows, s.BoltDia * 10, s.boltGrade, 2});
    return bill;
}

// Each plate reaches from the support over the set-back a, the bolt columns and an edge
// distance either side; welded all down its height on each side asked for.
BillOfMaterials ShearPlateBill(const DesignState& s) {
    const double height = CleatHeightMm(s);
    const double width = ((s.boltColumns - 1) * s.pitchCm + s.setBackCm + 2 * s.edgeCm) * 10;
    BillOfMaterials bill;
    bill.plates.push_back({"shear plate", s.cleats, s.cleatThicknessCm * 10, height, width});
    bill.bolts.push_back(
        {"web bolts", s.boltRows * s.boltColumns, s.BoltDia * 10, s.boltGrade, 1 + s.cleats});
    bill.welds.push_back(
        {"shear plate to support", s.cleats * s.weldSides * height, s.weldSizeCm * 10.0});
    return bill;
}

BillOfMaterials AngleCleatBill(const DesignState& s, int angleSection) {
    const std::string_view angle = AngleRowAt(angleSection);
    BillOfMaterials bill;
    bill.angles.push_back({"angle cleat", s.cleats, SectionName(angle), CleatHeightMm(s),
                           SectionField(angle, kAngleMassField)});
    bill.bolts.push_back(
        {"web bolts", s.boltRows * s.boltColumns, s.BoltDia * 10, s.boltGrade, 1 + s.cleats});
    // Through one angle leg and the support.
    bill.bolts.push_back(
        {"support bolts", s.cleats * s.supportBolts, s.BoltDia * 10, s.boltGrade, 2});
    return bill;
}

// Each half of a splice plate reaches from the joint's centre over the set-back a, the bolts and
// an edge distance beyond the last bolt; the plate covers both beams, so twice that.
BillOfMaterials SpliceBill(const DesignState& s) {
    const double webLength = 2 * ((s.boltColumns - 1) * s.pitchCm + 2 * s.edgeCm + s.setBackCm);
    const double flangeLength =
        2 * ((s.flangeRows - 1) * s.c2Cm + 2 * s.flangeEdgeCm + s.setBackCm);
    const double webHeight = (s.boltRows - 1) * s.pitchCm + 2 * s.edgeCm;
    const double outerWidth = 2 * s.c1Cm + 2 * s.flangeEdgeCm + s.c3Cm;
    const double tfc = s.flangeCleatThicknessCm * 10;
    BillOfMaterials bill;
    bill.plates.push_back(
        {"web plate", s.cleats, s.cleatThicknessCm * 10, webHeight * 10, webLength * 10});
    bill.plates.push_back({"outer flange plate", 2, tfc, outerWidth * 10, flangeLength * 10});
    if (s.flangeCleats >= 2)
        bill.plates.push_back({"inner flange plate", 4, tfc,
                               (s.flangeWidthCm - s.webCm - 2 * s.rootRadiusCm) / 2 * 10,
                               flangeLength * 10});
    const double dia = s.BoltDia * 10;
    bill.bolts.push_back(
        {"web bolts", 2 * s.boltRows * s.boltColumns, dia, s.boltGrade, 1 + s.cleats});
    // Two flanges, two beams, 2 Nfr bolts in each; through the flange, the outer plate and,
    // with two flange cleats, an inner plate.
    bill.bolts.push_back(
        {"flange bolts", 8 * s.flangeRows, dia, s.boltGrade, s.flangeCleats >= 2 ? 3 : 2});
    return bill;
}

std::string PlateText(const PlateItem& p) {
    return Mm(p.count) + " PL-" + Mm(p.thicknessMm) + "X" + Mm(p.widthMm) + "X" + Mm(p.lengthMm);
}

}  // namespace

BillOfMaterials MomentBillOfMaterials(ConnectionType type, const DesignState& s) {
    if (type == ConnectionType::BMEP) return EndPlateBill(s);
    if (type == ConnectionType::BSPL) return SpliceBill(s);
    return {};
}

BillOfMaterials ConnectionBill(ConnectionType type, const DesignState& s, int angleSection) {
    if (type == ConnectionType::WSP) return ShearPlateBill(s);
    if (type == ConnectionType::ACLT) return AngleCleatBill(s, angleSection);
    return MomentBillOfMaterials(type, s);
}

std::string SplicePlateText(const BillOfMaterials& bill) {
    std::string text;
    for (std::size_t i = 0; i < bill.plates.size(); ++i)
        text += (i == 0 ? "" : i == 1 ? " / " : " + ") + PlateText(bill.plates[i]);
    return text;
}

std::string SpliceBoltText(const BillOfMaterials& bill) {
    std::string text;
    for (std::size_t i = 0; i < bill.bolts.size(); ++i)
        text +=
            (i == 0 ? "" : " / ") + Mm(bill.bolts[i].count) + " - M" + Mm(bill.bolts[i].diameterMm);
    if (!bill.bolts.empty()) text += " (" + bill.bolts.front().grade + ") per joint";
    return text;
}

}  // namespace jw
