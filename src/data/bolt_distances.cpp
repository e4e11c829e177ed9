#include "data/bolt_distances.h"

#include <array>
#include <cmath>

namespace jw {
namespace {

struct EdgeRow {
    int boltMm;
    EdgeDistanceMm edge;
};

constexpr std::array<EdgeRow, 9> kEdgeRows = {{{12, {22, 18}},
                                               {16, {28, 22}},
                                               {18, {32, 24}},
                                               {20, {34, 26}},
                                               {22, {38, 28}},
                                               {24, {42, 30}},
                                               {28, {50, 36}},
                                               {32, {56, 40}},
                                               {36, {64, 46}}}};

}  // namespace

EdgeDistanceMm LeastEdgeDistance(int boltMm) {
    for (const EdgeRow& row : kEdgeRows)
        if (row.boltMm == boltMm) return row.edge;
    return {static_cast<int>(std::ceil(1.75 * boltMm)), static_cast<int>(std::ceil(1.25 * boltMm))};
}

double EndPlateGaugeMm(double flangeWidthMm, int boltMm) {
    return flangeWidthMm - 2.0 * LeastEdgeDistance(boltMm).rolledOrGasCut;
}

}  // namespace jw
