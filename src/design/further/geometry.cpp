#include "design/further/geometry.h"

#include <cmath>

#include "design/further/check_builder.h"

namespace jw::further {
namespace {

// One rule of the geometry: kept when demand <= capacity.
struct Rule {
    std::string text;
    double demand;
    double capacity;
    std::string unit;
};

// A distance that must be above 0: nothing can measure a zero distance against its rule.
Rule Positive(std::string name, double valueCm) {
    return {name + " above 0: " + Num(valueCm), valueCm > 0 ? 0.0 : 1.0,
            valueCm > 0 ? valueCm : 0.0, "cm"};
}

// A fillet weld runs on one side of the plate or on both: more sides are measured against 2,
// a part of a side against nothing.
Rule WeldSides(double sides) {
    const std::string text = "weld sides 1 or 2: " + Num(sides);
    if (sides == 1 || sides == 2) return {text, 0, 0, "sides"};
    if (sides > 2) return {text, sides, 2, "sides"};
    return {text, sides, 0, "sides"};
}

std::vector<Rule> Rules(const ShearContext& c) {
    const DesignState& s = c.s;
    std::vector<Rule> rules = {Positive("bolt pitch c", s.pitchCm),
                               Positive("edge distance b", s.edgeCm),
                               Positive("set back a", s.setBackCm)};
    if (c.type == ConnectionType::BSPL) {
        rules.push_back(Positive("flange edge distance e", s.flangeEdgeCm));
        rules.push_back(Positive("flange bolt gauge C3", s.c3Cm));
        if (s.flangeRows > 1) rules.push_back(Positive("flange bolt pitch C2", s.c2Cm));
    }
    if (c.type == ConnectionType::WSP) {
        rules.push_back(WeldSides(s.weldSides));
        // A fillet larger than the plate cannot be laid on its edge.
        rules.push_back({"weld size at most the plate thickness: " + Num(s.weldSizeCm) +
                             " <= " + Num(s.cleatThicknessCm),
                         s.weldSizeCm, s.cleatThicknessCm, "cm"});
    }
    return rules;
}

}  // namespace

bool PlateInProportionToWeb(double plateThickness, double webThickness) {
    return !(plateThickness > 3 * webThickness);
}

void AddBuildableGeometry(const ShearContext& c, FurtherChecks& out) {
    std::vector<CheckRow> rows;
    for (Rule& rule : Rules(c))
        rows.push_back(
            MakeCheck({"Buildable geometry", "Practice", rule.demand, rule.capacity, rule.unit,
                       "every distance above 0, weld on 1 or 2 sides, weld "
                       "no larger than the plate",
                       rule.text}));
    // Rules kept with nothing to measure show 0.00; a measured rule shows its own ratio.
    out.checks.push_back(Governing(rows));
    const DesignState& s = c.s;
    if (c.type == ConnectionType::WSP && !PlateInProportionToWeb(s.cleatThicknessCm, s.webCm))
        out.warnings.push_back({"The plate (" + Num(s.cleatThicknessCm * 10) +
                                " mm) is more than three times as thick as the beam web (" +
                                Num(s.webCm * 10) +
                                " mm): the plate, not the bolts, would "
                                "govern the connection's rotation."});
}

}  // namespace jw::further
