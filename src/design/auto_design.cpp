#include "design/auto_design.h"

#include <climits>
#include <cmath>

#include "data/numbers.h"
#include "data/sections.h"
#include "design/auto_design_search.h"

namespace jw {
namespace {

using namespace autodesign;

// Bolt grade list positions.
constexpr int kA307 = 0;
constexpr int kA325X = 1;
constexpr int kA325S = 3;
constexpr int kA490X = 4;
constexpr int kA490S = 6;

// Plates thicker than this are not plates a connection is made of.
constexpr int kMaxPlateMm = 100;

// Two amounts of steel or weld closer than this (cm^3, cm) are the same.
constexpr double kLightnessTolerance = 1e-3;

int CompareNumbers(double a, double b) {
    if (a < b - kLightnessTolerance) return -1;
    if (a > b + kLightnessTolerance) return 1;
    return 0;
}

bool IsLoad(double value) {
    return std::isfinite(value) && value >= 0;
}

// What makes the request one that cannot be designed, or nothing.
std::optional<std::string> RequestFault(const AutoDesignRequest& r) {
    const bool moment = r.type == ConnectionType::BMEP || r.type == ConnectionType::BSPL;
    if (r.type == ConnectionType::None) return "Choose a connection type.";
    if (BeamRowAt(r.beamSection).empty()) return "Choose a beam section.";
    if (!IsLoad(r.shearKg)) return "The design shear force must be a number of at least 0 kg.";
    if (!IsLoad(r.momentKgCm)) return "The design moment must be a number of at least 0 kg-cm.";
    if (!moment && r.momentKgCm != 0)
        return "A design moment applies only to the end plate and the splice.";
    if (MemberGradeName(r.memberGrade).empty()) return "Choose a member steel grade.";
    if (r.boltGrade && (*r.boltGrade < 0 || *r.boltGrade >= kBoltGradeCount))
        return "The bolt grade is not in the list.";
    if (r.boltDiameter && (*r.boltDiameter < 0 || *r.boltDiameter >= kBoltDiameterCount))
        return "The bolt diameter is not in the list.";
    if (r.plateMm && (*r.plateMm <= 0 || *r.plateMm > kMaxPlateMm))
        return "The plate thickness must lie between 1 and 100 mm.";
    if (r.angleSection && r.type != ConnectionType::ACLT)
        return "An angle section applies only to angle cleats.";
    if (r.angleSection && AngleRowAt(*r.angleSection).empty())
        return "The angle section is not in the list.";
    if (r.type == ConnectionType::BMEP && r.boltGrade &&
        BoltTensionAllowable(kBoltGradeNames[*r.boltGrade], 0).value_or(0) == 0)
        return "The end plate needs a bearing-type bolt grade (-N or -X): " +
               std::string(kBoltGradeNames[*r.boltGrade]) + " has no tension allowable.";
    return std::nullopt;
}

int BoltMm(int diameter) {
    return static_cast<int>(std::lround(BoltDiaFromItem(kBoltDiameterNames[diameter]) * 10));
}

Setting MakeSetting(const AutoDesignRequest& request, int grade, int diameter) {
    return {request, detailing::BeamDimensions(request.beamSection), grade, diameter,
            BoltMm(diameter)};
}

struct Choice {
    Candidate candidate;
    Lightness lightness;
};

// What the search learnt of each part (web and flange of a splice), for the message when
// nothing passes.
struct PartLog {
    std::string name;
    bool passed = false;  // some configuration of the part passed with some bolts
    std::optional<Miss> closest;
};

// The lightest passing connection for one bolt grade and diameter with at most `maxBolts`
// bolts. The parts (web and flange of a splice) are checked by separate rows, so each part's
// fewest bolts and least steel can be found on its own.
std::optional<Choice> SearchSetting(const Setting& setting, Evaluator& evaluator, int maxBolts,
                                    std::vector<PartLog>& logs) {
    const auto parts = MakeParts(setting);
    logs.resize(parts.size());
    std::vector<PartSearch> searches;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        logs[i].name = parts[i]->Name();
        searches.emplace_back(*parts[i], evaluator, logs[i].closest);
    }
    std::vector<int> least;
    int others = 0;  // the fewest bolts the parts after the current one need
    for (std::size_t i = 1; i < searches.size(); ++i) others += searches[i].FewestLayoutBolts();
    int used = 0;
    for (std::size_t i = 0; i < searches.size(); ++i) {
        if (i > 0) others -= searches[i].FewestLayoutBolts();
        const auto bolts = searches[i].LeastBolts(maxBolts - used - others);
        if (!bolts) return std::nullopt;
        logs[i].passed = true;
        least.push_back(*bolts);
        used += *bolts;
    }
    Choice choice;
    choice.lightness.boltMm = setting.boltMm;
    for (std::size_t i = 0; i < searches.size(); ++i) {
        const auto best = searches[i].Lightest(least[i]);
        if (!best) return std::nullopt;
        if (i == 0) {
            choice.candidate = best->candidate;
        } else {
            parts[i]->CopyPart(best->candidate, choice.candidate);
        }
        choice.lightness.bolts += best->bolts;
        choice.lightness.plateSteelCm3 += best->steelCm3;
        choice.lightness.weldCm += best->weldCm;
    }
    return choice;
}

std::vector<int> Diameters(const AutoDesignRequest& request) {
    if (request.boltDiameter) return {*request.boltDiameter};
    std::vector<int> all;
    for (int i = 0; i < kBoltDiameterCount; ++i) all.push_back(i);
    return all;
}

// The part that never passed (the first of several), or the first part.
const PartLog& FailingPart(const std::vector<PartLog>& logs) {
    for (const PartLog& log : logs)
        if (!log.passed) return log;
    return logs.front();
}

std::string NothingPassesMessage(const PartLog& part) {
    if (!part.closest)
        return "No layout of the " + part.name +
               " keeps the detailing rules on this beam with the bolts allowed.";
    const Candidate& c = part.closest->candidate;
    const Verdict& verdict = part.closest->verdict;
    const std::string lead = "No practical connection passes: the closest candidate for the " +
                             part.name + " (" + std::string(kBoltGradeNames[c.boltGrade]) + " M" +
                             std::to_string(BoltMm(c.boltDiameter)) + " bolts) ";
    if (verdict.stopped) return lead + "stops the design: " + verdict.mode;
    return lead + "fails \"" + verdict.mode + "\" at a ratio of " +
           FormatFixed(verdict.worstRatio, 2) + ".";
}

}  // namespace

int Lightness::Compare(const Lightness& other) const {
    if (bolts != other.bolts) return bolts < other.bolts ? -1 : 1;
    if (boltMm != other.boltMm) return boltMm < other.boltMm ? -1 : 1;
    if (const int steel = CompareNumbers(plateSteelCm3, other.plateSteelCm3)) return steel;
    return CompareNumbers(weldCm, other.weldCm);
}

std::vector<int> SearchedBoltGrades(ConnectionType type) {
    // The end plate's bolts work in tension, which A307 and slip-critical bolts are not
    // designed for here.
    if (type == ConnectionType::BMEP) return {kA325X, kA490X};
    return {kA307, kA325X, kA325S, kA490X, kA490S};
}

AutoDesignResult AutoDesign(const AutoDesignRequest& request) {
    AutoDesignResult result;
    if (const auto fault = RequestFault(request)) {
        result.message = *fault;
        result.invalidRequest = true;
        return result;
    }
    Evaluator evaluator(request);
    const std::vector<int> grades =
        request.boltGrade ? std::vector<int>{*request.boltGrade} : SearchedBoltGrades(request.type);
    std::optional<Choice> best;
    std::vector<PartLog> logs;
    // Diameters from the smallest: a larger bolt wins only with fewer bolts.
    for (int diameter : Diameters(request)) {
        for (int grade : grades) {
            const Setting setting = MakeSetting(request, grade, diameter);
            int maxBolts = INT_MAX;
            if (best)
                maxBolts = best->lightness.boltMm < setting.boltMm ? best->lightness.bolts - 1
                                                                   : best->lightness.bolts;
            const auto choice = SearchSetting(setting, evaluator, maxBolts, logs);
            if (choice && (!best || choice->lightness.Compare(best->lightness) < 0)) best = choice;
        }
    }
    result.designsRun = evaluator.Runs();
    if (!best) {
        const PartLog& part = FailingPart(logs);
        result.message = NothingPassesMessage(part);
        if (part.closest) {
            result.input = evaluator.InputOf(part.closest->candidate);
            result.design = RunDesign(result.input, RunOptions{""});
        }
        return result;
    }
    result.input = evaluator.InputOf(best->candidate);
    result.design = RunDesign(result.input, RunOptions{""});
    result.lightness = best->lightness;
    result.found = result.design.classicAccepted;
    if (!result.found)
        result.message = "The lightest candidate did not pass its full design run: " +
                         (result.design.message.empty() ? result.design.summary.At(4, 1)
                                                        : result.design.message);
    return result;
}

Lightness LightnessOf(const ConnectionInput& input) {
    AutoDesignRequest request;
    request.type = input.type;
    request.beamSection = input.choices.beamSection;
    const int diameter = input.choices.boltDiameter;
    if (diameter < 0 || diameter >= kBoltDiameterCount || BeamRowAt(request.beamSection).empty())
        return {};
    const Setting setting = MakeSetting(request, input.choices.boltGrade, diameter);
    Candidate candidate;
    for (int row = 1; row < input.grid.rows && row < static_cast<int>(candidate.row.size());
         ++row) {
        // Only lengths and counts are measured; a load of any size reads as 0.
        const double value = LeadingNumber(input.grid.At(row, kValueColumn));
        candidate.row[row] = std::fabs(value) < 1e9 ? static_cast<int>(std::nearbyint(value)) : 0;
    }
    candidate.boltGrade = input.choices.boltGrade;
    candidate.boltDiameter = diameter;
    candidate.angleSection = input.choices.angleSection;
    return MeasureCandidate(setting, candidate);
}

}  // namespace jw
