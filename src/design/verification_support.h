// What the verification cases share: a recorder of outcomes and worked inputs built from the
// grid values an engineer types.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "data/grades.h"
#include "data/numbers.h"
#include "data/sections.h"
#include "design/design_run.h"
#include "design/verification_cases.h"

namespace jw::verification {

inline constexpr std::string_view kBeam300 = "H-300X150X36.7(kg/m)";  // d 300, tw 6.5, tf 9
inline constexpr std::string_view kBeam200 = "H-200X100X21.3(kg/m)";  // d 200, bf 100, tw 5.5, tf 8
inline constexpr std::string_view kAngle90 = "L-90X90X13.3(kg/m)";    // t 10

// Records outcomes for one worked example.
class Recorder {
  public:
    Recorder(std::vector<VerificationOutcome>& out, std::string_view example)
        : out_(out), example_(example) {}

    void Text(std::string_view check, std::string_view expected, std::string computed) {
        const bool passed = expected == computed;
        out_.push_back(
            {example_, std::string(check), std::string(expected), std::move(computed), passed});
    }

    // A number worked out by hand to the decimals written in `expected`.
    void Number(std::string_view check, std::string_view expected, double computed) {
        const std::size_t point = expected.find('.');
        const int decimals =
            point == std::string_view::npos ? 0 : static_cast<int>(expected.size() - point - 1);
        Text(check, expected, FormatFixed(computed, decimals));
    }

  private:
    std::vector<VerificationOutcome>& out_;
    std::string example_;
};

template <std::size_t N>
int PositionOf(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<int>(i);
    return -1;
}

// A connection with 20 mm bolts of `boltGrade` on a beam of SS400 steel; the grid values in row
// order, lengths in mm as the engineer types them.
inline ConnectionInput Input(ConnectionType type, const std::vector<std::string>& values,
                             std::string_view beam, std::string_view boltGrade = "A325-N") {
    ConnectionInput input;
    input.type = type;
    input.grid = BuildInputGrid(type);
    for (std::size_t i = 0; i < values.size(); ++i)
        input.grid.At(static_cast<int>(i) + 1, kValueColumn) = values[i];
    input.choices.beamSection = FindBeamPosition(beam).value_or(-1);
    input.choices.angleSection = FindAnglePosition(kAngle90).value_or(-1);
    input.choices.boltGrade = PositionOf(kBoltGradeNames, boltGrade);
    input.choices.boltDiameter = PositionOf(kBoltDiameterNames, "20 mm.");
    input.choices.memberGrade = kGradeSS400;
    return input;
}

}  // namespace jw::verification

namespace jw {

// The further checks, each worked by hand: of shear connections
// (verification_shear_further.cpp) and of moment connections (verification_moment_further.cpp).
void VerifyShearFurtherChecks(std::vector<VerificationOutcome>& out);
void VerifyMomentFurtherChecks(std::vector<VerificationOutcome>& out);

}  // namespace jw
