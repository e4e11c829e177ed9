// Reading a detailed calculation's text back, so tests compare its numbers with the run's own.
#pragma once

#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace jw::testing {

struct ParsedCheck {
    std::string number;  // "3.1.2"
    std::string title;   // "Bearing at Beam Web (AISC/ASD Sect. J.3-1)"
    std::string group;   // the heading it stands under: "Web Splice"
    std::string values;  // the formula with the run's numbers
    std::optional<double> demand;
    std::optional<double> capacity;
    std::string ratio;
    std::string verdict;
};

struct ParsedCalculation {
    std::vector<std::pair<std::string, double>> values;  // "symbol = number" lines, in order
    std::vector<ParsedCheck> checks;
    std::map<std::string, std::string> header;  // "Date" -> "2026-08-12"
};

inline ParsedCalculation ParseCalculationText(const std::string& text) {
    ParsedCalculation parsed;
    const std::regex value(R"(^    (\S+) += (-?[0-9]+(?:\.[0-9]+)?)(?: |$).*)");
    const std::regex check(R"(^(3\.[0-9]+\.[0-9]+) (.*)$)");
    const std::regex group(R"(^3\.[0-9]+ (.*)$)");
    const std::regex substituted(R"(^      Values   : (.*)$)");
    const std::regex figure(R"(^      (Demand|Capacity) *= (-?[0-9]+\.[0-9]{2})(?: .*)?$)");
    const std::regex ratio(R"(^      Ratio    = (\S+)  (PASSED|REDESIGNED)$)");
    const std::regex header(
        R"(^(Project|Title|Engineer|Date|File|SHA-256|Job No\.|Revise|Check) *: (.*)$)");
    std::istringstream in(text);
    bool inChecks = false;
    std::string heading;
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (line.rfind("3. ", 0) == 0) inChecks = true;
        if (line.rfind("4. ", 0) == 0) inChecks = false;
        if (std::regex_match(line, m, check)) {
            parsed.checks.push_back({m[1], m[2], heading, {}, {}, {}, {}, {}});
        } else if (inChecks && std::regex_match(line, m, group)) {
            heading = m[1];
        } else if (inChecks && !parsed.checks.empty() && std::regex_match(line, m, substituted)) {
            parsed.checks.back().values = m[1];
        } else if (inChecks && !parsed.checks.empty() && std::regex_match(line, m, figure)) {
            (m[1] == "Demand" ? parsed.checks.back().demand : parsed.checks.back().capacity) =
                std::stod(m[2]);
        } else if (inChecks && !parsed.checks.empty() && std::regex_match(line, m, ratio)) {
            parsed.checks.back().ratio = m[1];
            parsed.checks.back().verdict = m[2];
        } else if (!inChecks && std::regex_match(line, m, value)) {
            parsed.values.emplace_back(m[1], std::stod(m[2]));
        } else if (std::regex_match(line, m, header) && !parsed.header.count(m[1])) {
            parsed.header[m[1]] = m[2];
        }
    }
    return parsed;
}

}  // namespace jw::testing
