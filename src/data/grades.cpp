#include "data/grades.h"

#include <cmath>

#include "data/numbers.h"
#include "data/units.h"

namespace jw {
namespace {

struct SteelGrade {
    std::string_view name;
    double fyKsc;
    double fuKsc;
};

// Beam steel, ksc.
constexpr std::array<SteelGrade, 10> kMemberSteel = {{
    {"SM400", 2396, 4079},
    {"SM490", 3212, 4996},
    {"SM520", 3620, 5302},
    {"SS400", 2396, 4079},
    {"SS490", 2804, 4996},
    {"SS540", 3900, 5400},
    {"A36", 2500, 4000},
    {"A572 Gr.42", 2900, 4000},
    {"A572 Gr.50", 3450, 4500},
    {"A992", 3450, 4500},
}};

// Plate and cleat steel, ksc: the same names, with the plate values of four grades.
constexpr std::array<SteelGrade, 10> kCleatSteel = {{
    {"SM400", 2350, 4000},
    {"SM490", 3150, 4900},
    {"SM520", 3550, 5200},
    {"SS400", 2396, 4079},
    {"SS490", 2750, 4900},
    {"SS540", 3900, 5400},
    {"A36", 2500, 4000},
    {"A572 Gr.42", 2900, 4000},
    {"A572 Gr.50", 3450, 4500},
    {"A992", 3450, 4500},
}};

struct BoltGrade {
    std::string_view name;
    double fvKsc;  // allowable shear per shear plane
    bool slipCritical;
    double ftKsc;        // plain tension allowable (0: no tension design)
    double interaction;  // coefficient of fv^2 under the root of the tension allowable
    std::string_view shownFt;
    std::string_view shownFv;
};

// -X threads excluded from the shear plane, -N included, -S slip-critical. Threads in the
// shear plane lower the shear allowable and steepen the tension-shear interaction.
constexpr std::array<BoltGrade, kBoltGradeCount> kBoltGrades = {{
    {"A307", 690, false, 0, 0, "1380", "690"},
    {"A325-X", 2070, false, 3030, 2.15, "3030", "2070"},
    {"A325-N", 1450, false, 3030, 4.39, "3030", "1450"},
    {"A325-S", 1450, true, 0, 0, "3030", "1450"},
    {"A490-X", 2760, false, 3720, 1.82, "3720", "2760"},
    {"A490-N", 1930, false, 3720, 3.75, "3720", "1930"},
    {"A490-S", 1930, true, 0, 0, "3720", "1930"},
    {"F8.8-X", 2070, false, 3030, 2.15, "3030", "2070"},
    {"F8.8-N", 1450, false, 3030, 4.39, "3030", "1450"},
    {"F8.8-S", 1450, true, 0, 0, "3030", "1450"},
    {"F10-X", 2760, false, 3720, 1.82, "3720", "2760"},
    {"F10-N", 1930, false, 3720, 3.75, "3720", "1930"},
    {"F10-S", 1930, true, 0, 0, "3720", "1930"},
}};

template <typename Table>
auto Find(const Table& table, std::string_view name) -> decltype(&table[0]) {
    for (const auto& row : table)
        if (row.name == name) return &row;
    return nullptr;
}

}  // namespace

std::string MemberGradeName(int option) {
    switch (option) {
        case kGradeSS400:
            return "SS400";
        case kGradeSS490:
            return "SS490";
        case kGradeSM520:
            return "SM520";
        case kGradeSM490:
            return "SM490";
        default:
            return "";
    }
}

std::string MemberGradeFromOptions(bool ss400, bool ss490, bool sm490, bool sm520) {
    if (ss400) return "SS400";
    if (ss490) return "SS490";
    if (sm490) return "SM490";
    if (sm520) return "SM520";
    return "";
}

bool SetMemberGrade(DesignState& state, std::string_view name) {
    const SteelGrade* grade = Find(kMemberSteel, name);
    if (!grade) return false;
    state.FyMember = grade->fyKsc;
    state.FuMember = grade->fuKsc;
    return true;
}

bool SetCleatGrade(DesignState& state, std::string_view name) {
    const SteelGrade* grade = Find(kCleatSteel, name);
    if (!grade) return false;
    state.FyCleat = grade->fyKsc;
    state.FuCleat = grade->fuKsc;
    return true;
}

bool SetBoltGrade(DesignState& state, std::string_view name) {
    const BoltGrade* grade = Find(kBoltGrades, name);
    if (!grade) return false;
    state.Fv = grade->fvKsc;
    if (grade->slipCritical) state.SlipCritical = true;
    return true;
}

bool SetWeldGrade(DesignState& state, std::string_view name) {
    // Allowable shear on the effective throat: 0.3 of the electrode strength (60 or 70 ksi).
    if (name == "E60xx") {
        state.FwWeld = 1260;
    } else if (name == "E70xx") {
        state.FwWeld = 1470;
    } else {
        return false;
    }
    return true;
}

double HoleClearance(double boltDiaCm) {
    return boltDiaCm > 2.0 ? 0.3 : 0.2;
}

double BoltDiaFromItem(std::string_view item) {
    return LeadingNumber(item.substr(0, 2)) / kMmPerCm;
}

std::optional<double> BoltTensionAllowable(std::string_view grade, double fvKsc) {
    const BoltGrade* bolt = Find(kBoltGrades, grade);
    if (!bolt || bolt->ftKsc == 0) return 0.0;
    const double underRoot = bolt->ftKsc * bolt->ftKsc - bolt->interaction * fvKsc * fvKsc;
    if (underRoot < 0) return std::nullopt;
    const double ft = std::sqrt(underRoot);
    return ft >= bolt->ftKsc ? bolt->ftKsc : ft;
}

std::optional<BoltTensionRule> TensionRuleOf(std::string_view grade) {
    const BoltGrade* bolt = Find(kBoltGrades, grade);
    if (!bolt || bolt->ftKsc == 0) return std::nullopt;
    return BoltTensionRule{bolt->ftKsc, bolt->interaction};
}

std::string BoltGradeDescription(std::string_view grade) {
    const BoltGrade* bolt = Find(kBoltGrades, grade);
    if (!bolt) return {};
    if (grade == "A307") return "common bolts";
    if (bolt->slipCritical) return "slip-critical; bearing-type shear allowable of the grade";
    return grade.ends_with("-X") ? "bearing-type, threads excluded from the shear plane"
                                 : "bearing-type, threads included in the shear plane";
}

BoltDisplay ShownBoltAllowables(std::string_view grade) {
    const BoltGrade* bolt = Find(kBoltGrades, grade);
    if (!bolt) return {};
    return {std::string(bolt->shownFt), std::string(bolt->shownFv)};
}

std::string ShownBoltArea(std::string_view diameterItem) {
    const double dCm = BoltDiaFromItem(diameterItem);
    return FormatFixed(dCm * dCm * kPi / 4, 2);
}

}  // namespace jw
