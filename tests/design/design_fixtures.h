// Worked connections shared by the design and report tests.
#pragma once

#include <string>
#include <vector>

#include "data/sections.h"
#include "design/design_run.h"

namespace jw::testing {

inline ConnectionInput MakeInput(ConnectionType type, const std::vector<std::string>& values,
                                 const char* beam = "H-300X150X36.7(kg/m)") {
    ConnectionInput input;
    input.type = type;
    input.grid = BuildInputGrid(type);
    for (std::size_t i = 0; i < values.size(); ++i)
        input.grid.At(static_cast<int>(i) + 1, kValueColumn) = values[i];
    input.choices.beamSection = FindBeamPosition(beam).value_or(-1);
    input.choices.boltGrade = 2;     // A325-N
    input.choices.boltDiameter = 3;  // 20 mm.
    input.choices.memberGrade = 1;   // SS400
    return input;
}

// The shear plate worked run: 20 mm A325-N bolts, 3 rows at 75 mm, 9 mm plate.
inline ConnectionInput WspWorkedRun() {
    return MakeInput(ConnectionType::WSP,
                     {"10000", "9", "1", "3", "1", "10", "40", "75", "70", "6", "2"});
}

// The angle cleat worked run: two L-90X90X13.3 angles, 3 support bolts each.
inline ConnectionInput AcltWorkedRun() {
    ConnectionInput input =
        MakeInput(ConnectionType::ACLT, {"10000", "2", "3", "1", "3", "10", "40", "75"});
    input.choices.angleSection = FindAnglePosition("L-90X90X13.3(kg/m)").value_or(-1);
    return input;
}

// An end plate with 4 bolt rows at 70 mm: Sz = 146.61 cm^3.
inline ConnectionInput BmepWorkedRun() {
    return MakeInput(ConnectionType::BMEP, {"500000", "10000", "20", "4", "40", "70"});
}

// A splice of an H-200X100 beam with staggered flange bolts.
inline ConnectionInput BsplWorkedRun() {
    return MakeInput(ConnectionType::BSPL,
                     {"400000", "5000", "9", "2", "2", "1", "10", "35", "70", "12", "2", "3", "35",
                      "30", "50", "60"},
                     "H-200X100X21.3(kg/m)");
}

// A sound end plate by the extended end-plate method: H-350X175X49.6, 6 rows at 85 mm, the
// rows next to each flange 37.5 and 36.5 mm from it, 22 mm plate, 12 x M20 A325-X.
inline ConnectionInput BmepSoundRun() {
    ConnectionInput input = MakeInput(
        ConnectionType::BMEP, {"800000", "10000", "22", "6", "40", "85"}, "H-350X175X49.6(kg/m)");
    input.choices.boltGrade = 1;  // A325-X
    return input;
}

// A sound splice with outer and inner flange plates on H-300X150X36.7, M20 A325-X.
inline ConnectionInput BsplSoundRun() {
    ConnectionInput input =
        MakeInput(ConnectionType::BSPL, {"480000", "11200", "8", "2", "3", "1", "10", "40", "70",
                                         "9", "2", "3", "30", "0", "60", "85"});
    input.choices.boltGrade = 1;  // A325-X
    return input;
}

inline RunOptions NoReportFile() {
    return RunOptions{""};
}

}  // namespace jw::testing
