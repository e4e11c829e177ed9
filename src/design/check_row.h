// One check of a connection as an engineer reads it: what is checked, under which clause, the
// force or measure against what is allowed, the ratio shown to two decimals and the verdict.
#pragma once

#include <string>

namespace jw {

struct CheckRow {
    std::string name;                // "Slip resistance"
    std::string clause;              // "AISC-ASD89 Table J3.2"
    double demand = 0;               // what acts or is required, in `unit`
    double capacity = 0;             // what is allowed or provided, in `unit`
    std::string unit;                // "kg", "kg-cm", "cm", "bolts"
    double ratio = 0;                // demand / capacity as computed
    std::string ratioText = "0.00";  // as shown: two decimals
    std::string verdict = "PASSED";  // "PASSED" when the shown ratio is at most 1.00
    std::string formula;             // in symbols: "R / (Fv,sc Ab Ncl)"
    std::string substituted;  // the same with the run's numbers: "4714.05 / (1170 x 3.1416 x 1)"
    std::string governs;      // which part or ply the figures belong to, when several are compared

    bool Passed() const { return verdict == "PASSED"; }
};

}  // namespace jw
