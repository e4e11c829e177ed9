// The sample connection that "Ex" fills in for each type. The same samples are drawn as the
// pictures of the types, so a picture always shows a connection that the program can design.
#pragma once

#include <string_view>
#include <vector>

#include "design/design_run.h"

namespace jw::ui {

// After the values, "Ex" selects this beam, bolt grade ("A325-X") and diameter ("18 mm.").
inline constexpr int kSampleBeamPosition = 8;
inline constexpr int kSampleBoltGrade = 1;
inline constexpr int kSampleBoltDiameter = 2;

struct SampleValues {
    std::vector<std::string_view> values;  // grid rows 1, 2, 3 ...
    int anglePosition = -1;                // angle cleats only
};

// The sample of a type; empty for ConnectionType::None.
SampleValues SampleFor(ConnectionType type);

// The whole sample connection of a type, as "Ex" leaves it with the advisor off.
ConnectionInput SampleConnection(ConnectionType type);

}  // namespace jw::ui
