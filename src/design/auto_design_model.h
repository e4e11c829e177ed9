// The search space of the automatic design, one part of a connection at a time: a shear web
// (shear plate, angle cleats, splice web), an end plate, or a splice's flange plates.
//
// A part's candidates fall into families. A family fixes a layout: the counts and the distances
// on which the checks do not all move one way (bolt rows and columns, cleats, edge distances, an
// end plate's pitch, a flange's gauge). Within a family a candidate is a column (a plate, an
// angle, a weld) and a step up the family's chain (the web pitch, an end plate's edge distance, a
// flange's bolt pitch). Going up the chain never raises a ratio nor adds a warning, and neither
// does a column whose levels are all at least another's of the same kind; both cost more. That
// is what lets the search skip most candidates without designing them. The brute-force tests
// prove it on small spaces.
#pragma once

#include <array>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/design_state.h"
#include "design/auto_design.h"
#include "design/detailing_rules.h"

namespace jw::autodesign {

// One configuration: the value of each input grid row (whole mm and counts, by row from 1;
// the load rows are not used) and the list choices.
struct Candidate {
    std::array<int, 17> row{};
    int boltGrade = 0;
    int boltDiameter = 0;
    int angleSection = -1;
};

// A column of a family: the family's layout with the column's part set, and the chain values
// it admits, ascending.
struct Column {
    Candidate base;
    std::vector<int> chain;
    int kind = 0;                // columns compare only within a kind
    std::array<int, 2> level{};  // no stronger than a column of its kind whose levels are as high
    int plate = 0;               // what tells alternatives apart: a thickness or an angle
};

// Whether column `a` is no stronger than column `b`.
bool NoStronger(const Column& a, const Column& b);

// The connection a search designs: type, beam, loads and one bolt grade and diameter, with the
// design state a run reads for them (what the cost of a candidate is measured on).
struct Setting {
    AutoDesignRequest request;
    detailing::BeamMm beam;
    int boltGrade = 0;
    int boltDiameter = 0;
    int boltMm = 0;
    DesignState state;
};

// What a check reads of a candidate: values it reads as they are, and levels it only gets
// worse with as they fall. Failing for a candidate, the check fails for every candidate with the
// same values and levels no higher.
struct Scope {
    std::vector<int> values;
    std::vector<int> levels;
    bool everySetting = false;  // the check reads no bolt: it fails for every grade and size
};

// What a design run, or a check of the geometry before it, says about one part.
struct Verdict {
    bool passes = false;
    bool stopped = false;  // the run stopped with a message instead of a table
    double worstRatio = std::numeric_limits<double>::infinity();
    std::string mode;  // the check with the highest ratio, or the stop message
    // The checks that fail: further checks by name, classic rows as "row N".
    std::vector<std::string> failed;
};

// Which part of a splice a check speaks of; the other types have one part.
enum class Owner { Web, Flange, Both };

class PartModel {
  public:
    virtual ~PartModel() = default;
    // What the part is called in messages: "shear plate", "flange plates", ...
    virtual std::string_view Name() const = 0;
    // Every layout of the part, in a fixed order: a family each.
    virtual std::vector<Candidate> Layouts() const = 0;
    // The columns of a layout that keep the detailing rules.
    virtual std::vector<Column> Columns(const Candidate& layout) const = 0;
    // Sets a chain value.
    virtual void SetChain(Candidate& candidate, int value) const = 0;
    // A layout's cheapest candidate: its thinnest column at the chain's first step.
    virtual Candidate Cheapest(const Candidate& layout) const = 0;
    // Copies the rows this part sets from one candidate into another.
    virtual void CopyPart(const Candidate& from, Candidate& to) const = 0;
    // What tells the part's layouts apart for the alternatives: counts and the plate.
    virtual std::vector<int> Distinction(const Candidate& candidate) const = 0;
    // Writes the candidate's part into a design state read for the setting, as the input reader
    // would: what its cost is measured on.
    virtual void Patch(const Candidate& candidate, DesignState& s) const = 0;
    // Checks of the geometry that fail a candidate before it is designed: their verdict when
    // they fail, nothing when the candidate may pass.
    virtual std::optional<Verdict> Screen(const Candidate&, const DesignState&) const {
        return std::nullopt;
    }
    // The part this is: a splice's web or flange, or the whole of another type's connection.
    virtual Owner Part() const { return Owner::Both; }
    // The part a result table row (classic) or a further check speaks of.
    virtual Owner OwnerOfRow(int) const { return Owner::Both; }
    virtual Owner OwnerOfCheck(std::string_view) const { return Owner::Both; }
    // Checks whose failure carries over to other candidates of the setting: for a check (a
    // further check's name, a classic row as "row N") what it reads of a candidate, or nothing
    // when it is not such a check. "Beam web shear" reads the load and the beam alone.
    virtual std::optional<Scope> ScopeOf(std::string_view check, const Candidate&) const {
        if (check == "Beam web shear") return Scope{{}, {}, true};
        return std::nullopt;
    }
    virtual std::vector<std::string_view> ScopedChecks() const { return {"Beam web shear"}; }
    // Weaker bolt grades fail wherever a stronger one fails (false where a check takes a
    // stronger grade's bolts for a stiffer joint, as the end plate's does).
    virtual bool StrongerGradesNeverHurt() const { return true; }
};

// The parts of a connection type (two for the splice: web, then flange), for one setting.
std::vector<std::unique_ptr<PartModel>> MakeParts(const Setting& setting);

// A splice's flange part at its strongest for the web's share of the checks they share: the
// most bolt rows, inner plates where they fit and the thickest plates, at the least distances.
// Nothing when no flange layout keeps the detailing rules.
std::optional<Candidate> StrongFlange(const Setting& setting);

}  // namespace jw::autodesign
