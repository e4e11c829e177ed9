#include "app/cli/optimise_output.h"

#include <algorithm>
#include <vector>

#include "app/cli/connection_options.h"
#include "app/cli/text_output.h"
#include "data/numbers.h"
#include "data/sections.h"

namespace jw::cli {
namespace {

// Steel volume for the JSON's "plate_steel_cm3", at 7.85 g per cubic centimetre.
constexpr double kSteelKgPerCm3 = 7.85e-3;

std::string Bolts(const AutoDesignChoice& c) {
    return std::to_string(c.quantities.bolts) + " bolts M" + std::to_string(c.ranking.boltMm) +
           " " + std::string(kBoltGradeNames[c.input.choices.boltGrade]);
}

std::string Lines(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (widths.size() <= i) widths.push_back(0);
            widths[i] = std::max(widths[i], row[i].size());
        }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i)
            line +=
                row[i] + std::string(i + 1 < row.size() ? widths[i] - row[i].size() + 2 : 0, ' ');
        text += "  " + line + "\n";
    }
    return text;
}

std::string AlternativesText(const AutoDesignResult& result) {
    std::vector<std::vector<std::string>> rows = {
        {"#", "cost", "bolts", "plates", "governing", "mode"}};
    int rank = 0;
    for (const AutoDesignChoice& c : result.alternatives)
        rows.push_back({std::to_string(++rank), FormatFixed(c.ranking.cost, 1),
                        c.design.summary.At(2, 1), c.design.summary.At(1, 1),
                        FormatFixed(c.governingRatio, 2), c.design.governingMode});
    return "Alternatives, cheapest first (cost, bolts, plates, governing ratio and check):\n" +
           Lines(rows);
}

std::string JsonValues(const TextGrid& grid) {
    std::string values = "[";
    for (int row = 1; row < grid.rows; ++row)
        values += std::string(row > 1 ? ", " : "") +
                  "{\"label\": " + JsonString(grid.At(row, kLabelColumn)) +
                  ", \"value\": " + JsonString(grid.At(row, kValueColumn)) +
                  ", \"unit\": " + JsonString(grid.At(row, kUnitColumn)) + "}";
    return values + "]";
}

// The fields of one connection found, without the braces.
std::string JsonFields(const AutoDesignChoice& c) {
    const ConnectionChoices& choices = c.input.choices;
    std::string design = JsonText(c.input.type, c.design);
    design.erase(design.find_last_not_of('\n') + 1);
    return "\"bolt_grade\": " + JsonString(kBoltGradeNames[choices.boltGrade]) +
           ", \"bolt_diameter\": " + JsonString(kBoltDiameterNames[choices.boltDiameter]) +
           ", \"angle_section\": " + JsonString(SectionName(AngleRowAt(choices.angleSection))) +
           ", \"values\": " + JsonValues(c.input.grid) +
           ", \"bolts\": " + std::to_string(c.quantities.bolts) +
           ", \"plate_steel_cm3\": " + FormatFixed(c.quantities.steelKg / kSteelKgPerCm3, 1) +
           ", \"weld_cm\": " + FormatFixed(c.quantities.weldCm, 1) +
           ", \"cost\": " + FormatFixed(c.ranking.cost, 2) +
           ", \"steel_kg\": " + FormatFixed(c.quantities.steelKg, 2) +
           ", \"holes\": " + std::to_string(c.quantities.holes) +
           ", \"weld_cm_mm\": " + FormatFixed(c.quantities.weldCmMm, 1) +
           ", \"governing_ratio\": " + JsonString(FormatFixed(c.governingRatio, 2)) +
           ", \"governing_mode\": " + JsonString(c.design.governingMode) +
           ", \"design\": " + design;
}

}  // namespace

std::string CostText(const AutoDesignChoice& c) {
    const FabricationQuantities& q = c.quantities;
    return "cost " + FormatFixed(c.ranking.cost, 1) + " (" + Bolts(c) + ", " +
           std::to_string(q.holes) + " holes, " + FormatFixed(q.steelKg, 1) + " kg of steel" +
           (q.weldCm > 0 ? ", " + FormatFixed(q.weldCm, 1) + " cm of weld" : "") + ")";
}

std::string OptimiseText(const AutoDesignRequest& request, const AutoDesignResult& result) {
    const AutoDesignChoice& best = result.alternatives.front();
    std::string text = "Cheapest " + std::string(TypeCaption(request.type)) + " connection for " +
                       SectionName(BeamRowAt(request.beamSection)) + ": " + CostText(best) +
                       "\n\n" + InputText(request.type, best.input.grid, best.input.choices) +
                       "\n" + AlignedText(best.design);
    if (request.alternatives > 1) text += "\n" + AlternativesText(result);
    return text;
}

std::string OptimiseJson(const AutoDesignResult& result) {
    std::string alternatives = "[";
    for (const AutoDesignChoice& c : result.alternatives)
        alternatives +=
            std::string(alternatives.size() > 1 ? ", " : "") + "{" + JsonFields(c) + "}";
    alternatives += "]";
    return "{\"found\": true, " + JsonFields(result.alternatives.front()) +
           ", \"designs_run\": " + std::to_string(result.designsRun) +
           ", \"alternatives\": " + alternatives + "}\n";
}

}  // namespace jw::cli
