#include "design/auto_design_parts.h"

#include <array>
#include <cmath>

#include "design/further/welds.h"

namespace jw::autodesign {
namespace {

using namespace detailing;

// The splice's result table: the web rows come first, the flange rows from here on.
constexpr int kFirstFlangeTableRow = 8;

// The further checks of a splice that speak of one part only. The others compare plies or
// bolt groups of both parts (slip, end distance, spacing, edge distance, buildable geometry) or
// the beam alone (web shear), and count for either part.
constexpr std::array<std::string_view, 5> kWebChecks = {
    "Bearing at Beam Web (slip-critical)", "Bearing at Web Cleat(s) (slip-critical)",
    "Gross shear of plate(s)", "Web plate flexure", "Plate within clear web"};
constexpr std::array<std::string_view, 10> kFlangeChecks = {
    "Flange bolt shear",          "Flange bolt bearing",
    "Flange plate within flange", "Flange bolts clear of root fillets",
    "Flange plate gross tension", "Flange plate net tension",
    "Beam flange tension",        "Block shear of flange plates",
    "Block shear of beam flange", "Flange plates as columns"};

// The electrodes of the shear plate's weld row.
constexpr int kE70 = 70;

}  // namespace

std::vector<int> PlateOptions(const Setting& setting) {
    if (setting.request.plateMm) return {*setting.request.plateMm};
    return {kPlateStockMm.begin(), kPlateStockMm.end()};
}

Candidate BaseCandidate(const Setting& setting) {
    Candidate c;
    c.boltGrade = setting.boltGrade;
    c.boltDiameter = setting.boltDiameter;
    const int pitch = LeastPitchMm(setting.boltMm);
    const int edge = LeastEdgeMm(setting.boltMm);
    const int plate = PlateOptions(setting).front();
    switch (setting.request.type) {
        case ConnectionType::WSP:
            c.row = {0, 0, plate, 1, 2, 1, kSetBackMm, edge, pitch};
            c.row[9] = kE70;
            c.row[10] = static_cast<int>(further::MinFilletWeldMm(plate));
            c.row[11] = setting.request.weldSides;
            break;
        case ConnectionType::ACLT:
            c.row = {0, 0, 1, 2, 1, 2, kSetBackMm, edge, pitch};
            break;
        case ConnectionType::BMEP:
            c.row = {0, 0, 0, plate, 2, edge, pitch};
            break;
        case ConnectionType::BSPL: {
            c.row = {0, 0, 0, plate, 1, 2, 1, kSetBackMm, edge, pitch, plate, 1, 2, edge, 0, pitch};
            c.row[16] = static_cast<int>(
                std::ceil(LeastFlangeGaugeMm(setting.beam, setting.boltMm, 1) - 1e-9));
            break;
        }
        case ConnectionType::None:
            break;
    }
    return c;
}

Owner SpliceRowOwner(ConnectionType type, int row) {
    if (type != ConnectionType::BSPL) return Owner::Both;
    return row < kFirstFlangeTableRow ? Owner::Web : Owner::Flange;
}

Owner SpliceCheckOwner(ConnectionType type, std::string_view check) {
    if (type != ConnectionType::BSPL) return Owner::Both;
    for (std::string_view name : kWebChecks)
        if (name == check) return Owner::Web;
    for (std::string_view name : kFlangeChecks)
        if (name == check) return Owner::Flange;
    return Owner::Both;
}

}  // namespace jw::autodesign
