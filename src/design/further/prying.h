// The plate between a bolt row and the beam flange beside it, bent by the bolts' pull: the two
// methods of the AISC Manual (allowable stress design, 9th edition) that the end plate checks
// choose between. Pure arithmetic in the caller's consistent units, so a published example in
// inches and kips runs through the same code as the program's kg and cm.
#pragma once

namespace jw::further {

// One bolt of a T-stub: the plate (the T's flange) is held by the bolt at b from the face of the
// stem (here the beam flange) and may bear on its edge at a beyond the bolt.
struct TStub {
    double boltTension = 0;    // T, applied tension on one bolt
    double boltAllowable = 0;  // B, allowable tension of one bolt
    double b = 0;              // bolt centre to the face of the stem
    double a = 0;              // bolt centre to the plate's edge; the method takes at most 1.25 b
    double tributary = 0;      // p, length of plate along the stem that one bolt serves
    double hole = 0;           // d', hole diameter across p
    double boltDia = 0;        // db
    double thickness = 0;      // t
    double fy = 0;             // Fy of the plate
};

// Prying action by the manual's T-stub method for hangers: the plate bends in double curvature
// between the stem face and the bolt line, and its edge, bearing on the support, pries the bolt
// with Q on top of T.
struct Prying {
    bool plateBends = false;  // b' > 0: the bolt stands far enough from the stem to bend the plate
    double bPrime = 0;        // b' = b - db / 2
    double aPrime = 0;        // a' = min(a, 1.25 b) + db / 2
    double rho = 0;           // b' / a'
    double delta = 0;         // 1 - d' / p: net over gross plate at the bolt line
    double tc = 0;            // sqrt(8 B b' / (p Fy)): the plate that carries B without prying
    double alphaPrime = 0;    // ((tc / t)^2 - 1) / (delta (1 + rho)): bolt and plate at once
    double alpha = 0;         // what T needs, 0 (single curvature) to 1 (double curvature)
    double prying = 0;        // Q = B delta alpha rho (t / tc)^2
    double allowableTension = 0;  // Ta, the manual's allowable T for the bolt and the plate
    double plateTension = 0;      // the T the plate carries in full double curvature
};
Prying AnalysePrying(const TStub& t);

// The extended end-plate method (Krishnamurthy's, in the manual's end-plate moment connections):
// one bolt row each side of the tension flange, four bolts, and the plate bent by the flange
// force over the effective span pe.
struct ExtendedEndPlate {
    double flangeForce = 0;  // Ff
    double pf = 0;           // bolt centre to the flange face
    double boltDia = 0;      // db
    double weldSize = 0;     // w, leg of the flange fillet weld
    double flangeArea = 0;   // Af = bf tf
    double webArea = 0;      // Aw = (d - 2 tf) tw
    double ca = 0;           // Ca of the bolt and plate steel
    double cb = 0;           // Cb = sqrt(bf / bs)
    double plateWidth = 0;   // bs
    double fy = 0;           // Fy of the plate
};
struct EndPlateMoment {
    double pe = 0;                 // pf - db / 4 - 0.707 w
    double alphaM = 0;             // Ca Cb (Af / Aw)^(1/3) (pe / db)^(1/4)
    double moment = 0;             // Me = alpha_m Ff pe / 4
    double allowableMoment = 0;    // bs tp^2 (0.75 Fy) / 6 at the thickness given
    double requiredThickness = 0;  // sqrt(6 Me / (bs 0.75 Fy))
};
EndPlateMoment AnalyseExtendedEndPlate(const ExtendedEndPlate& e, double thickness);

// Ca of the extended end-plate method for plates of 36 ksi steel (the program's SS400 plates,
// Fy 34 ksi): 1.36 with A325 (and 8.8) bolts, 1.45 with A490 (and 10.9) bolts.
double EndPlateCa(bool a490Class);

}  // namespace jw::further
