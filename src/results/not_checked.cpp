// What the program does not check: the list closes every detailed calculation, so that a
// checker sees the limits of the calculation on the document itself. It is the user manual's
// list word for word (a test holds the two together).
#include "results/calculation_model.h"

namespace jw {
namespace {

constexpr NotCheckedItem kNotChecked[] = {
    {"The support.",
     "Its flange or web is not an input: bearing of the bolts on the support, the support's web "
     "or flange in shear, bending or local yielding, the fillet weld's minimum size by the "
     "support's thickness and the weld's base metal on the support are left to the engineer."},
    {"Coped beams.",
     "The beam is taken as uncoped: block shear and flexure of a coped web are not checked."},
    {"Holes and surfaces.",
     "Standard holes only; slip resistance assumes class A faying surfaces and bolts "
     "pretensioned as the RCSC specification asks. Oversized and slotted holes are not "
     "designed."},
    {"Rotation and ductility.",
     "The shear connections are taken as simple: the beam end rotation, the ductility of a "
     "shear plate (plate thinner than about half the bolt diameter) and the double angles' "
     "flexibility are not checked."},
    {"Loads.", "Static loads only: no fatigue, no seismic detailing, no axial force in the beam."},
    {"Other limit states",
     "outside these connections: lateral-torsional buckling, web crippling and local buckling "
     "of the beam, fire and corrosion."},
};

}  // namespace

std::span<const NotCheckedItem> NotCheckedItems() {
    return kNotChecked;
}

}  // namespace jw
