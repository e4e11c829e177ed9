#include "results/further_report.h"

#include "data/numbers.h"

namespace jw {
namespace {

constexpr std::string_view kIndent = "    ";

void Line(std::string& text, std::string_view line) {
    text += line;
    text += "\r\n";
}

void Check(std::string& text, int number, const CheckRow& check) {
    Line(text, "I." + std::to_string(number) + " " + check.name + " (" + check.clause + ")");
    const std::string in = std::string(kIndent);
    Line(text, in + "Formula  : " + check.formula);
    Line(text, in + "Values   : " + check.substituted);
    if (!check.governs.empty()) Line(text, in + "Governing: " + check.governs);
    Line(text, in + "Demand   = " + FormatFixed(check.demand, 2) + " " + check.unit);
    Line(text, in + "Capacity = " + FormatFixed(check.capacity, 2) + " " + check.unit);
    Line(text, in + "Ratio    = " + check.ratioText + " " + check.verdict);
    Line(text, "");
}

}  // namespace

std::string ConnectionVerdictLine(bool accepted, const std::string& governingMode) {
    return accepted ? "Connection: Accept"
                    : "Connection: REDESIGNED (governing: " + governingMode + ")";
}

std::string FormatFurtherSection(const FurtherChecks& further, bool accepted,
                                 const std::string& governingMode) {
    std::string text;
    text.reserve(4096);
    Line(text, "I. Further checks");
    Line(text, std::string(17, '-'));
    int number = 0;
    for (const CheckRow& check : further.checks) Check(text, ++number, check);
    if (further.checks.empty()) {
        Line(text, std::string(kIndent) + "No further checks for this type.");
        Line(text, "");
    }
    if (!further.derived.empty()) {
        Line(text, "I." + std::to_string(number + 1) + " Derived values");
        for (const DerivedValue& value : further.derived)
            Line(text, std::string(kIndent) + value.symbol + " = " + FormatFixed(value.value, 2) +
                           " " + value.unit + ": " + value.rule);
        Line(text, "");
    }
    if (!further.warnings.empty()) {
        Line(text, "Warnings");
        for (const FurtherWarning& warning : further.warnings)
            Line(text, std::string(kIndent) + "- " + warning.text);
        Line(text, "");
    }
    Line(text, ConnectionVerdictLine(accepted, governingMode));
    return text;
}

}  // namespace jw
