// Further checks of bolts and the plies they pass through: bearing and slip of slip-critical
// bolts, end distance, spacing and edge distance, and the support bolts of angle cleats.
#pragma once

#include <string>
#include <vector>

#include "design/further/further_checks.h"
#include "design/further/shear_context.h"

namespace jw::further {

// A ply a bolt bears on: its name, the force on its most stressed bolt, thickness, tensile
// strength and the bolt distances it provides.
struct Ply {
    std::string name;  // "beam web", "plate(s)", ...
    double boltForceKg = 0;
    double thicknessCm = 0;
    double fuKsc = 0;
    double endDistanceCm = 0;  // hole centre to the end of the ply in the line of force
    double pitchCm = 0;        // 0 where the ply has a single bolt in the line of force
};

// Each angle cleat is bolted to the support by at least two bolts: one bolt cannot hold the angle
// square while it is erected, nor resist the moment of a single angle's eccentricity.
inline constexpr int kLeastSupportBoltsPerAngle = 2;

// The slip-critical shear allowable of a grade (ksc), 0 for a bearing-type grade.
double SlipCriticalAllowable(const std::string& boltGrade);

// "Bearing at ... (slip-critical)": the bearing rows of the classic table at 1.2 Fu, for the
// slip-critical grades, whose classic rows show 0.00.
void AddSlipCriticalBearing(const ShearContext& c, FurtherChecks& out);
// "Slip resistance" of every bolt group of the connection.
void AddSlipResistance(const ShearContext& c, FurtherChecks& out);
// "End distance" and "Bolt spacing" of every ply, the governing one shown.
void AddEndDistance(const std::vector<Ply>& plies, double boltDiaCm, FurtherChecks& out);
void AddBoltSpacing(const std::vector<Ply>& plies, double boltDiaCm, FurtherChecks& out);
// "Edge distance" against Table J3.5 at the cut edges (and the angle toes).
void AddEdgeDistance(const ShearContext& c, FurtherChecks& out);
// Angle cleats: "Support bolts, single angle" and "Support bolts per angle".
void AddSupportBolts(const ShearContext& c, FurtherChecks& out);

// The plies of a shear plate or angle cleat connection.
std::vector<Ply> ShearPlies(const ShearContext& c);

}  // namespace jw::further
