// What the worked examples of the verification suite share: the record of each comparison with
// its hand calculation, and the connection input of a worked run.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "data/connection_input.h"
#include "data/grades.h"
#include "data/numbers.h"
#include "data/sections.h"
#include "design/design_run.h"
#include "design/verification_cases.h"

namespace jw::verification {

// Records the outcomes of one worked example.
class Recorder {
  public:
    Recorder(std::vector<VerificationOutcome>& out, std::string_view example)
        : out_(out), example_(example) {}

    void Text(std::string_view check, std::string_view expected, std::string computed) {
        out_.push_back(
            {example_, std::string(check), std::string(expected), computed, expected == computed});
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

// A worked connection with 20 mm bolts of `boltGrade` on a beam of SS400 steel; the grid values
// in row order, lengths in mm as the engineer types them.
inline ConnectionInput WorkedInput(ConnectionType type, const std::vector<std::string>& values,
                                   std::string_view beam, std::string_view boltGrade) {
    ConnectionInput input;
    input.type = type;
    input.grid = BuildInputGrid(type);
    for (std::size_t i = 0; i < values.size(); ++i)
        input.grid.At(static_cast<int>(i) + 1, kValueColumn) = values[i];
    input.choices.beamSection = FindBeamPosition(beam).value_or(-1);
    const auto grade = std::find(kBoltGradeNames.begin(), kBoltGradeNames.end(), boltGrade);
    input.choices.boltGrade =
        grade == kBoltGradeNames.end() ? -1 : static_cast<int>(grade - kBoltGradeNames.begin());
    input.choices.boltDiameter = 3;  // "20 mm."
    input.choices.memberGrade = kGradeSS400;
    return input;
}

}  // namespace jw::verification
