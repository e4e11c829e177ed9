// The room a bolt needs around it to be fitted and tightened (mm): the washer under its nut and
// the socket of the wrench that turns it. The end plate and splice checks share these.
#pragma once

namespace jw {

// Outside diameter of the plain washer under the nut: ISO 7089, whose nominal diameters the
// washers of high-strength bolting (EN 14399-6) share: M12 24, M16 30, M18 34, M20 37, M22 39,
// M24 44, M36 66. Neither standard lists an M28 or M32 washer; those bolts take the next larger
// standard washer that passes over them (M30 56, M33 60). Any other size: 2 d.
int WasherDiameterMm(int boltMm);

// Least distance from a bolt's centre to a wall or weld beside it that leaves room for the
// socket of the tightening wrench: C1 of the AISC Manual's table of entering and tightening
// clearances for high-strength bolts, read at the inch bolt no smaller than the metric one and
// rounded up to whole millimetres: M12 26 (5/8 in.), M16 and M18 32 (3/4 in.), M20 and M22 35
// (7/8 in.), M24 37 (1 in.), M28 40 (1 1/8 in.), M32 45 (1 3/8 in.), M36 50 (1 1/2 in.). Any
// other size: 1.3 d, the table's largest proportion, rounded up.
int WrenchClearanceMm(int boltMm);

}  // namespace jw
