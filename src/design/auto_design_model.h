// The search space of the automatic design, one part of a connection at a time: a shear web
// (shear plate, angle cleats, splice web), an end plate, or a splice's flange cleats.
//
// A part's candidates are layouts (bolt rows, columns, cleats, edge distance) combined with a
// pitch and a thickness, plus a weld for the shear plate. Raising the pitch or the thickness
// never raises a ratio, which is what lets the search skip most candidates without designing
// them.
#pragma once

#include <array>
#include <memory>
#include <vector>

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

// Everything of a candidate but its pitch, thickness and weld.
struct Layout {
    Candidate base;
    int bolts = 0;
};

// A thickness option: a plate from stock, or an angle (whose thickness is its leg's).
struct Thickness {
    int mm = 0;
    int angleSection = -1;
    double legMm = 0;
    double areaCm2 = 0;
};

// A fillet weld to the support: size, electrode strength ("60"/"70") and sides.
struct Weld {
    int sizeMm = 0;
    int electrode = 0;
    int sides = 0;
};

// The connection a search designs: type, beam, loads and grades.
struct Setting {
    AutoDesignRequest request;
    detailing::BeamMm beam;
    int boltGrade = 0;
    int boltDiameter = 0;
    int boltMm = 0;
};

class PartModel {
  public:
    virtual ~PartModel() = default;
    // What the part is called in messages: "shear plate", "flange cleats", ...
    virtual std::string_view Name() const = 0;
    // Every layout of the part, in a fixed order.
    virtual std::vector<Layout> Layouts() const = 0;
    // The bolts this part adds to the connection.
    virtual int Bolts(const Candidate& candidate) const = 0;
    // The pitches a layout may take, ascending.
    virtual std::vector<int> Pitches(const Layout& layout) const = 0;
    // Thickness options, weakest first; options of equal strength may follow each other.
    virtual const std::vector<Thickness>& Thicknesses() const = 0;
    // Whether a thickness can be detailed at a pitch; once false, false at every larger pitch.
    virtual bool Admissible(const Layout&, int /*pitch*/, const Thickness&) const { return true; }
    // The candidate of a layout at a pitch and thickness, with the strongest weld it admits.
    virtual Candidate Make(const Layout& layout, int pitch, const Thickness& thickness) const = 0;
    // Welds a thickness admits, lightest first (shortest, then smallest); empty for no weld.
    virtual std::vector<Weld> Welds(const Thickness&) const { return {}; }
    virtual void SetWeld(Candidate&, const Weld&) const {}
    // The result table rows this part's checks fill.
    virtual bool OwnsRow(int row) const = 0;
    // Copies the rows this part sets from one candidate into another.
    virtual void CopyPart(const Candidate& from, Candidate& to) const = 0;
    // Plate steel and weld length of a candidate's part.
    virtual double SteelCm3(const Candidate& candidate) const = 0;
    virtual double WeldCm(const Candidate&) const { return 0; }
};

// The parts of a connection type (two for the splice: web, then flange), for one bolt grade
// and diameter. Each part's layouts start from a candidate whose other rows hold valid values.
std::vector<std::unique_ptr<PartModel>> MakeParts(const Setting& setting);

// Bolts, steel and weld of a complete candidate, summed over the type's parts.
Lightness MeasureCandidate(const Setting& setting, const Candidate& candidate);

}  // namespace jw::autodesign
