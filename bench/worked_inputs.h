// The worked connection of each type, for the benchmarks that design in memory.
#pragma once

#include "../tests/design/design_fixtures.h"

namespace jw::bench {

// 0 WSP, 1 ACLT, 2 BMEP, 3 BSPL.
inline ConnectionInput WorkedInput(int type) {
    switch (type) {
        case 1:
            return testing::AcltWorkedRun();
        case 2:
            return testing::BmepWorkedRun();
        case 3:
            return testing::BsplWorkedRun();
        default:
            return testing::WspWorkedRun();
    }
}

}  // namespace jw::bench
