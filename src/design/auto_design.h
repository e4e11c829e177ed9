// Automatic design: the cheapest practical connections of a type that pass every check of their
// design (the classic rows and every further check) with no warning about their own detailing,
// for the given loads.
//
// "Cheapest" is the fabrication cost of design/fabrication_cost.h: steel, bolts and holes, and
// fillet welds at unit costs. Equal costs go to fewer bolts, then the smaller bolt, then less
// steel, then less weld, then the bolt grade earlier in the list. The layouts searched keep the
// detailing rules of design/detailing_rules.h.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/grades.h"
#include "design/design_run.h"
#include "design/fabrication_cost.h"

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
    // The grades searched when none is held: the bearing-type grades, or with this the
    // slip-critical ones (slip-critical bolts are what the engineer asks for, never a way round
    // the bearing checks).
    bool slipCritical = false;
    // Shear plates are welded on both sides unless the engineer asks for one side.
    int weldSides = 2;
    UnitCosts costs;
    // How many distinct layouts to return, cheapest first.
    int alternatives = 1;
};

// How candidates rank: cost, then fewer bolts, the smaller bolt, less steel, less weld, the bolt
// grade earlier in the list.
struct Ranking {
    double cost = 0;
    int bolts = 0;
    int boltMm = 0;
    double steelKg = 0;
    double weldCmMm = 0;
    int boltGrade = 0;

    // -1 ranks first, 0 level, 1 ranks after; amounts equal within a millionth.
    int Compare(const Ranking& other) const;
};

// One connection found.
struct AutoDesignChoice {
    ConnectionInput input;  // complete grid and choices
    DesignResult design;    // its design run, report text included
    FabricationQuantities quantities;
    Ranking ranking;
    double governingRatio = 0;  // the highest ratio shown among the classic rows and further checks
};

struct AutoDesignResult {
    bool found = false;
    // The cheapest connection (the first alternative); when nothing passes, the closest
    // candidate, designed, so its table shows why.
    ConnectionInput input;
    DesignResult design;
    // The distinct layouts found, cheapest first (at most the request's number): they differ
    // in bolt diameter, bolt arrangement or plate.
    std::vector<AutoDesignChoice> alternatives;
    // Why nothing was found: the closest candidate and the check it fails, or the request's
    // fault.
    std::string message;
    bool invalidRequest = false;  // the request itself cannot be designed (see the message)
    int designsRun = 0;           // candidate designs run by the search
};

AutoDesignResult AutoDesign(const AutoDesignRequest& request);

// The bolt grades searched when none is held: the bearing-type grades the type can use (or the
// slip-critical ones), without those another grade beats at the same cost (the "-N" grades carry
// less shear than "-X" with the same bolts; the F grades repeat the A grades' strengths).
std::vector<int> SearchedBoltGrades(ConnectionType type, bool slipCritical);

// Whether a grade is slip-critical (its name ends in "-S").
bool IsSlipCriticalGrade(int boltGrade);

// The cost and ranking of a complete connection, by the measure the search ranks by; nothing
// when its input cannot be read.
std::optional<Ranking> RankingOf(const ConnectionInput& input, const UnitCosts& costs = {});

// Whether a connection is what the search may propose: every check passes and no warning asks
// for other detailing of the connection.
bool IsSound(const DesignResult& result, bool oneSidedWeldsWanted = false);

// The highest ratio shown among a run's classic rows and further checks.
double GoverningRatio(const DesignResult& result);

}  // namespace jw
