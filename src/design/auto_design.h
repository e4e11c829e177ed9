// Automatic design: the lightest practical connection of a type that the type's own design
// accepts (every ratio shown at most 1.00) for the given loads.
//
// "Lightest" compares, in order: fewest bolts, then the smaller bolt diameter, then less plate
// steel, then the shorter weld; what is still equal goes to the bolt grade earlier in the list.
// The layouts searched keep the detailing rules of design/detailing_rules.h.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/grades.h"
#include "design/design_run.h"

namespace jw {

struct AutoDesignRequest {
    ConnectionType type = ConnectionType::None;
    int beamSection = -1;  // position in the beam table
    double shearKg = 0;
    double momentKgCm = 0;  // end plate and splice only
    int memberGrade = kGradeSS400;
    // Held fixed when given, searched otherwise.
    std::optional<int> boltGrade;     // position in kBoltGradeNames
    std::optional<int> boltDiameter;  // position in kBoltDiameterNames
    std::optional<int> plateMm;       // every plate and cleat; angle cleats of that thickness
    std::optional<int> angleSection;  // angle cleats: position in the angle table
};

// The measure "lightest" minimises, compared in member order.
struct Lightness {
    int bolts = 0;  // every bolt of the connection (both beam ends of a splice)
    int boltMm = 0;
    double plateSteelCm3 = 0;  // plates, cleats and angles
    double weldCm = 0;         // fillet weld length, each side counted

    // -1 lighter, 0 as light, 1 heavier; steel and weld equal within a thousandth.
    int Compare(const Lightness& other) const;
};

struct AutoDesignResult {
    bool found = false;
    ConnectionInput input;  // the connection found: complete grid and choices
    DesignResult design;    // its design run, report text included
    Lightness lightness;
    // Why nothing was found: the closest candidate and the check it fails, or the request's
    // fault.
    std::string message;
    bool invalidRequest = false;  // the request itself cannot be designed (see the message)
    int designsRun = 0;           // candidate designs run by the search
};

AutoDesignResult AutoDesign(const AutoDesignRequest& request);

// The bolt grades searched when none is fixed: the bearing-type and slip-critical grades the
// type can use, without those another grade beats at the same cost (the "-N" grades carry
// less shear than "-X" with the same bolts; the F grades repeat the A grades' strengths).
std::vector<int> SearchedBoltGrades(ConnectionType type);

// The lightness of a complete connection, by the same measure the search minimises.
Lightness LightnessOf(const ConnectionInput& input);

}  // namespace jw
