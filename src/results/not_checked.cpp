// What the program does not check: the list closes every detailed calculation, so that a
// checker sees the limits of the calculation on the document itself. It is the user manual's
// list word for word (a test holds the two together).
#include "results/calculation_model.h"

namespace jw {
namespace {

constexpr std::string_view kMomentConnections = "For end plates and splices, besides:";

constexpr NotCheckedItem kNotChecked[] = {
    {{},
     "The support.",
     "Its flange or web is not an input: bearing of the bolts on the support, the support's web "
     "or flange in shear, bending or local yielding, the fillet weld's minimum size by the "
     "support's thickness and the weld's base metal on the support are left to the engineer."},
    {{},
     "Coped beams.",
     "The beam is taken as uncoped: block shear and flexure of a coped web are not checked."},
    {{},
     "Holes and surfaces.",
     "Standard holes only; slip resistance assumes class A faying surfaces and bolts "
     "pretensioned as the RCSC rules ask. Oversized and slotted holes are not "
     "designed."},
    {{},
     "Rotation and ductility.",
     "The shear connections are taken as simple: the beam end rotation, the ductility of a "
     "shear plate (plate thinner than about half the bolt diameter) and the double angles' "
     "flexibility are not checked."},
    {{},
     "Loads.",
     "Static loads only: no fatigue, no seismic detailing, no axial force in the beam."},
    {{},
     "Other limit states",
     "outside these connections: lateral-torsional buckling, web crippling and local buckling "
     "of the beam, fire and corrosion."},
    {kMomentConnections,
     {},
     "The support of an end plate: the column flange in bending under the bolts, the column web "
     "in tension, compression and shear (panel zone), stiffeners and doubler plates; bearing of "
     "the bolts on the support. The program does not know the support."},
    {kMomentConnections,
     {},
     "The welds' own details (they are sized and reported, not drawn), fatigue, and moments that "
     "reverse (the end plate's rows are symmetric, so either flange may be in tension; the "
     "splice's plates are checked in tension and, for the compression flange, as columns)."},
    {kMomentConnections,
     {},
     "The beam at the splice in bending on its net section, its web's share of the moment (the "
     "web splice carries the shear only), fillers between plies of different thickness, and "
     "lateral buckling of the beam."},
    {kMomentConnections, {}, "Prying in the splice's flange bolts: they work in shear."},
};

}  // namespace

std::span<const NotCheckedItem> NotCheckedItems() {
    return kNotChecked;
}

std::vector<NotCheckedItem> NotCheckedFor(ConnectionType type) {
    const bool moment = type == ConnectionType::BMEP || type == ConnectionType::BSPL;
    std::vector<NotCheckedItem> items;
    for (const NotCheckedItem& item : kNotChecked)
        if (item.group.empty() || moment) items.push_back(item);
    return items;
}

}  // namespace jw
