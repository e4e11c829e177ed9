#include "data/bolt_clearances.h"

#include <array>
#include <cmath>

namespace jw {
namespace {

struct ClearanceRow {
    int boltMm;
    int washerMm;
    int wrenchMm;
};

constexpr std::array<ClearanceRow, 9> kClearanceRows = {{{12, 24, 26},
                                                         {16, 30, 32},
                                                         {18, 34, 32},
                                                         {20, 37, 35},
                                                         {22, 39, 35},
                                                         {24, 44, 37},
                                                         {28, 56, 40},
                                                         {32, 60, 45},
                                                         {36, 66, 50}}};

const ClearanceRow* RowOf(int boltMm) {
    for (const ClearanceRow& row : kClearanceRows)
        if (row.boltMm == boltMm) return &row;
    return nullptr;
}

}  // namespace

int WasherDiameterMm(int boltMm) {
    const ClearanceRow* row = RowOf(boltMm);
    return row ? row->washerMm : 2 * boltMm;
}

int WrenchClearanceMm(int boltMm) {
    const ClearanceRow* row = RowOf(boltMm);
    return row ? row->wrenchMm : static_cast<int>(std::ceil(1.3 * boltMm));
}

}  // namespace jw
