#include "app/cli/connection_options.h"

#include <algorithm>
#include <vector>

#include "data/grades.h"
#include "data/sections.h"

namespace jw::cli {

std::string RequiredOption(const ParsedArguments& parsed, const std::string& name) {
    const auto value = parsed.Option(name);
    if (!value) throw UsageError("missing " + name);
    return *value;
}

ConnectionType TypeOption(const ParsedArguments& parsed) {
    const std::string name = RequiredOption(parsed, "--type");
    const ConnectionType type = TypeFromName(name);
    if (type == ConnectionType::None)
        throw UsageError("--type must be WSP, ACLT, BMEP or BSPL, not " + name);
    return type;
}

int BeamOption(const std::string& section) {
    const auto position = FindBeamPosition(section);
    if (!position) throw UsageError("no beam section is named " + section);
    return *position;
}

std::string InputText(ConnectionType type, const TextGrid& grid, const ConnectionChoices& choices) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (int row = 1; row < grid.rows; ++row) {
        std::string value = grid.At(row, kValueColumn);
        if (!grid.At(row, kUnitColumn).empty()) value += " " + grid.At(row, kUnitColumn);
        lines.emplace_back(grid.At(row, kLabelColumn), value);
    }
    if (choices.boltGrade >= 0 && choices.boltGrade < kBoltGradeCount)
        lines.emplace_back("Bolt Type", std::string(kBoltGradeNames[choices.boltGrade]));
    if (choices.boltDiameter >= 0 && choices.boltDiameter < kBoltDiameterCount)
        lines.emplace_back("Bolt Diameter", std::string(kBoltDiameterNames[choices.boltDiameter]));
    if (type == ConnectionType::ACLT)
        lines.emplace_back("Angle Section", SectionName(AngleRowAt(choices.angleSection)));
    std::size_t width = 0;
    for (const auto& line : lines) width = std::max(width, line.first.size());
    std::string text;
    for (const auto& [label, value] : lines)
        text += label + std::string(width - label.size() + 2, ' ') + value + "\n";
    return text;
}

}  // namespace jw::cli
