#include "design/auto_design_search.h"

#include <algorithm>

#include "data/numbers.h"

namespace jw::autodesign {
namespace {

// Steel amounts closer than this (cm^3) are equal: they differ only by rounding.
constexpr double kSteelTolerance = 1e-6;

// "S.R. Bolt shear" names the check "Bolt shear".
std::string WithoutRatioPrefix(const std::string& label) {
    constexpr std::string_view kPrefix = "S.R. ";
    return label.rfind(kPrefix, 0) == 0 ? label.substr(kPrefix.size()) : label;
}

Verdict VerdictOf(const DesignResult& result, const PartModel& part) {
    Verdict verdict;
    if (result.status == RunStatus::Stopped) {
        verdict.stopped = true;
        verdict.mode = result.message;
        return verdict;
    }
    verdict.passes = true;
    verdict.worstRatio = 0;
    const TextGrid& table = result.table;
    for (int row = 0; row < table.rows; ++row) {
        const std::string& shown = table.At(row, 3);
        const bool redesign = shown == "REDESIGNED";
        if (!part.OwnsRow(row) || (!redesign && shown != "PASSED")) continue;
        // A failed check with no ratio (bolts overstressed in shear) is as far off as can be.
        const double ratio =
            StrictNumber(table.At(row, 2)).value_or(std::numeric_limits<double>::infinity());
        if (redesign) verdict.passes = false;
        if (verdict.mode.empty() || ratio > verdict.worstRatio) {
            verdict.worstRatio = ratio;
            verdict.mode = WithoutRatioPrefix(table.At(row, 0));
        }
    }
    return verdict;
}

}  // namespace

Evaluator::Evaluator(const AutoDesignRequest& request) {
    input_.type = request.type;
    input_.grid = BuildInputGrid(request.type);
    input_.choices.beamSection = request.beamSection;
    input_.choices.memberGrade = request.memberGrade;
    if (request.type == ConnectionType::BMEP || request.type == ConnectionType::BSPL) {
        input_.grid.At(1, kValueColumn) = FormatPlain(request.momentKgCm);
        input_.grid.At(2, kValueColumn) = FormatPlain(request.shearKg);
        loadRows_ = 2;
    } else {
        input_.grid.At(1, kValueColumn) = FormatPlain(request.shearKg);
    }
}

void Evaluator::Fill(const Candidate& candidate) {
    for (int row = loadRows_ + 1; row < input_.grid.rows; ++row)
        input_.grid.At(row, kValueColumn) = std::to_string(candidate.row[row]);
    input_.choices.boltGrade = candidate.boltGrade;
    input_.choices.boltDiameter = candidate.boltDiameter;
    input_.choices.angleSection = candidate.angleSection;
}

ConnectionInput Evaluator::InputOf(const Candidate& candidate) const {
    Evaluator copy = *this;
    copy.Fill(candidate);
    return copy.input_;
}

Verdict Evaluator::Evaluate(const Candidate& candidate, const PartModel& part) {
    Fill(candidate);
    ++runs_;
    RunOptions options{""};
    options.formatReport = false;
    return VerdictOf(RunDesign(input_, options), part);
}

void KeepCloser(std::optional<Miss>& closest, const Verdict& verdict, const Candidate& candidate) {
    if (verdict.passes) return;
    const bool closer = !closest || (closest->verdict.stopped && !verdict.stopped) ||
                        (!verdict.stopped && verdict.worstRatio < closest->verdict.worstRatio);
    if (closer) closest = Miss{verdict, candidate};
}

PartSearch::PartSearch(const PartModel& model, Evaluator& evaluator, std::optional<Miss>& closest)
    : model_(model), evaluator_(evaluator), closest_(closest), layouts_(model.Layouts()) {
    std::stable_sort(layouts_.begin(), layouts_.end(),
                     [](const Layout& a, const Layout& b) { return a.bolts < b.bolts; });
    feasible_.resize(layouts_.size());
}

bool PartSearch::Passes(const Candidate& candidate) {
    return evaluator_.Evaluate(candidate, model_).passes;
}

std::size_t PartSearch::AdmittedCount(const Layout& layout, const std::vector<int>& pitches,
                                      const Thickness& t) const {
    const auto end = std::partition_point(pitches.begin(), pitches.end(), [&](int pitch) {
        return model_.Admissible(layout, pitch, t);
    });
    return static_cast<std::size_t>(end - pitches.begin());
}

bool PartSearch::Feasible(std::size_t index) {
    if (feasible_[index]) return *feasible_[index];
    const Layout& layout = layouts_[index];
    const std::vector<int> pitches = model_.Pitches(layout);
    const auto& thicknesses = model_.Thicknesses();
    bool feasible = false;
    int testedPitch = -1;
    // Strongest thickness first; a weaker one is worth a run only at a larger pitch.
    for (auto t = thicknesses.rbegin(); t != thicknesses.rend() && !feasible; ++t) {
        const std::size_t count = AdmittedCount(layout, pitches, *t);
        if (count == 0 || pitches[count - 1] <= testedPitch) continue;
        testedPitch = pitches[count - 1];
        const Candidate candidate = model_.Make(layout, testedPitch, *t);
        const Verdict verdict = evaluator_.Evaluate(candidate, model_);
        feasible = verdict.passes;
        KeepCloser(closest_, verdict, candidate);
    }
    feasible_[index] = feasible;
    return feasible;
}

std::optional<int> PartSearch::LeastBolts(int maxBolts) {
    for (std::size_t i = 0; i < layouts_.size() && layouts_[i].bolts <= maxBolts; ++i)
        if (Feasible(i)) return layouts_[i].bolts;
    return std::nullopt;
}

std::optional<int> PartSearch::LeastPassingPitch(const Layout& layout,
                                                 const std::vector<int>& pitches, std::size_t count,
                                                 const Thickness& t) {
    if (!Passes(model_.Make(layout, pitches[count - 1], t))) return std::nullopt;
    std::size_t low = 0, high = count - 1;  // pitches[high] passes
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (Passes(model_.Make(layout, pitches[mid], t))) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return pitches[high];
}

void PartSearch::LightestWeld(Candidate& candidate, const Thickness& t) {
    const auto welds = model_.Welds(t);
    for (const Weld& weld : welds) {
        Candidate trial = candidate;
        model_.SetWeld(trial, weld);
        if (Passes(trial)) {
            candidate = trial;
            return;
        }
    }
}

std::optional<PartBest> PartSearch::Lightest(int bolts) {
    std::optional<PartBest> best;
    for (std::size_t i = 0; i < layouts_.size(); ++i) {
        const Layout& layout = layouts_[i];
        if (layout.bolts != bolts || !Feasible(i)) continue;
        const std::vector<int> pitches = model_.Pitches(layout);
        for (const Thickness& t : model_.Thicknesses()) {
            const std::size_t count = AdmittedCount(layout, pitches, t);
            if (count == 0) continue;
            // The least pitch gives the least steel this thickness can reach.
            const double floor = model_.SteelCm3(model_.Make(layout, pitches[0], t));
            if (best && floor > best->steelCm3 + kSteelTolerance) continue;
            const auto pitch = LeastPassingPitch(layout, pitches, count, t);
            if (!pitch) continue;
            Candidate candidate = model_.Make(layout, *pitch, t);
            const double steel = model_.SteelCm3(candidate);
            if (best && steel > best->steelCm3 + kSteelTolerance) continue;
            LightestWeld(candidate, t);
            const double weld = model_.WeldCm(candidate);
            const bool lighter = !best || steel < best->steelCm3 - kSteelTolerance ||
                                 weld < best->weldCm - kSteelTolerance;
            if (lighter) best = PartBest{candidate, bolts, steel, weld};
        }
    }
    return best;
}

}  // namespace jw::autodesign
