#include "design/input_checks.h"

#include <cmath>

#include "data/design_error.h"
#include "data/grades.h"
#include "data/numbers.h"
#include "data/sections.h"

namespace jw {
namespace {

enum class Rule { AtLeastZero, AboveZero, AtLeastOne };

// Counts must be whole bolts and plates; thicknesses and weld sizes must be real; loads and
// distances are magnitudes (a negative value would turn a ratio negative and pass anything).
Rule RuleFor(const InputRow& row) {
    const std::string_view unit = row.unit;
    const std::string_view label = row.label;
    if (unit == "plate" || unit == "row" || unit == "col" || unit == "bolts" ||
        label == "Number of Angle")
        return Rule::AtLeastOne;
    if (label.find("Thickness") != std::string_view::npos ||
        label.find("Thicness") != std::string_view::npos || label == "Fillet Weld Size" ||
        label == "Number of Weld Side")
        return Rule::AboveZero;
    return Rule::AtLeastZero;
}

void CheckRows(ConnectionType type, const TextGrid& grid) {
    const auto layout = InputLayout(type);
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        const double value = LeadingNumber(grid.At(row, kValueColumn));
        const std::string label = "\"" + std::string(layout[i].label) + "\"";
        switch (RuleFor(layout[i])) {
            case Rule::AtLeastOne:
                if (std::nearbyint(value) < 1) throw DesignError(label + " must be at least 1.");
                break;
            case Rule::AboveZero:
                if (!(value > 0)) throw DesignError(label + " must be greater than 0.");
                break;
            case Rule::AtLeastZero:
                if (value < 0) throw DesignError(label + " must not be negative.");
                break;
        }
    }
}

}  // namespace

void ValidateDesignInput(ConnectionType type, const TextGrid& grid,
                         const ConnectionChoices& choices, const DesignState& state) {
    if (type == ConnectionType::None)
        throw DesignError("No connection type is selected: choose a connection type.");
    if (BeamRowAt(choices.beamSection).empty())
        throw DesignError("No beam section is chosen: choose a beam section.");
    if (type == ConnectionType::ACLT && AngleRowAt(choices.angleSection).empty())
        throw DesignError("No angle section is chosen: choose an angle section.");
    if (state.boltGrade.empty() || choices.boltDiameter < 0 ||
        choices.boltDiameter >= kBoltDiameterCount)
        throw DesignError("No bolt grade or bolt diameter is chosen: choose both.");
    if (state.memberGrade.empty())
        throw DesignError("No member steel grade is chosen: choose a steel grade.");
    CheckRows(type, grid);
    if (type == ConnectionType::WSP && state.weldGrade != "E60xx" && state.weldGrade != "E70xx")
        throw DesignError("\"Fillet Weld Grade E60 or E70\" must be 60 or 70.");
    if (type == ConnectionType::BMEP && BoltTensionAllowable(state.boltGrade, 0).value_or(0) == 0)
        throw DesignError("The end plate needs a bearing-type bolt grade (-N or -X): " +
                          state.boltGrade + " has no tension allowable for the end plate bolts.");
}

}  // namespace jw
