#include "results/bill_of_materials.h"

#include "data/numbers.h"

namespace jw {
namespace {

// Sizes in mm as the summary has always written them: single precision, no fixed decimals.
std::string Mm(double mm) {
    return FormatPlain(static_cast<float>(mm), true);
}

BillOfMaterials EndPlateBill(const DesignState& s) {
    const double height = ((s.boltRows - 1) * s.pitchCm + 2 * s.edgeCm) * 10;
    return {{{"end plate", 1, s.cleatThicknessCm * 10, s.flangeWidthCm * 10, height}},
            {{"end plate bolts", 2 * s.boltRows, s.BoltDia * 10, s.boltGrade}}};
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
    bill.bolts.push_back({"web bolts", 2 * s.boltRows * s.boltColumns, dia, s.boltGrade});
    // Two flanges, two beams, 2 Nfr bolts in each.
    bill.bolts.push_back({"flange bolts", 8 * s.flangeRows, dia, s.boltGrade});
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
