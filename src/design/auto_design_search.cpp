#include "design/auto_design_search.h"

#include <algorithm>
#include <functional>
#include <tuple>

#include "data/input_readers.h"
#include "data/numbers.h"

namespace jw::autodesign {
namespace {

// Costs closer than this are level: they differ only by rounding.
constexpr double kCostTolerance = 1e-6;

// "S.R. Bolt shear" names the check "Bolt shear".
std::string WithoutRatioPrefix(const std::string& label) {
    constexpr std::string_view kPrefix = "S.R. ";
    return label.rfind(kPrefix, 0) == 0 ? label.substr(kPrefix.size()) : label;
}

// Whether what speaks of `owner` counts for the part `self`.
bool Counts(Owner owner, Owner self) {
    return self == Owner::Both || owner == Owner::Both || owner == self;
}

// The order candidates are tried in: by cost, then by the ranking's other measures, exactly.
bool TriedBefore(const Ranking& a, const Ranking& b) {
    return std::tie(a.cost, a.bolts, a.boltMm, a.steelKg, a.weldCmMm, a.boltGrade) <
           std::tie(b.cost, b.bolts, b.boltMm, b.steelKg, b.weldCmMm, b.boltGrade);
}

void Worse(Verdict& verdict, double ratio, const std::string& mode) {
    if (verdict.mode.empty() || ratio > verdict.worstRatio) {
        verdict.worstRatio = ratio;
        verdict.mode = mode;
    }
}

}  // namespace

Verdict Judge(const DesignResult& result, const PartModel& part, bool oneSidedWeldsWanted) {
    Verdict verdict;
    if (result.status == RunStatus::Stopped) {
        verdict.stopped = true;
        verdict.mode = result.message;
        return verdict;
    }
    const Owner self = part.Part();
    verdict.passes = true;
    verdict.worstRatio = 0;
    const TextGrid& table = result.table;
    for (int row = 0; row < table.rows; ++row) {
        const std::string& shown = table.At(row, 3);
        const bool redesign = shown == "REDESIGNED";
        if (!Counts(part.OwnerOfRow(row), self) || (!redesign && shown != "PASSED")) continue;
        // A failed check with no ratio (bolts overstressed in shear) is as far off as can be.
        const double ratio =
            StrictNumber(table.At(row, 2)).value_or(std::numeric_limits<double>::infinity());
        if (redesign) {
            verdict.passes = false;
            verdict.failed.push_back("row " + std::to_string(row));
        }
        Worse(verdict, ratio, WithoutRatioPrefix(table.At(row, 0)));
    }
    for (const CheckRow& check : result.further.checks) {
        if (!Counts(part.OwnerOfCheck(check.name), self)) continue;
        if (!check.Passed()) {
            verdict.passes = false;
            verdict.failed.push_back(check.name);
        }
        Worse(verdict, LeadingNumber(check.ratioText), check.name);
    }
    if (verdict.passes && result.further.HasDetailingWarning(oneSidedWeldsWanted)) {
        verdict.passes = false;
        for (const FurtherWarning& w : result.further.warnings)
            if (w.about == WarningAbout::Detailing ||
                (w.about == WarningAbout::OneSidedWeld && !oneSidedWeldsWanted)) {
                verdict.mode = "a warning: " + w.text;
                break;
            }
    }
    return verdict;
}

Evaluator::Evaluator(const AutoDesignRequest& request) : oneSidedWelds_(request.weldSides == 1) {
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

DesignState Evaluator::StateOf(const Candidate& candidate) const {
    const ConnectionInput input = InputOf(candidate);
    return ReadDesignInput(input.type, input.grid, input.choices);
}

DesignResult Evaluator::Design(const Candidate& candidate, bool withReport) {
    Fill(candidate);
    ++runs_;
    RunOptions options{""};
    options.formatReport = withReport;
    return RunDesign(input_, options);
}

Verdict Evaluator::Evaluate(const Candidate& candidate, const PartModel& part) {
    return Judge(Design(candidate, false), part, oneSidedWelds_);
}

void KeepCloser(std::optional<Miss>& closest, const Verdict& verdict, const Candidate& candidate) {
    if (verdict.passes) return;
    const bool closer = !closest || (closest->verdict.stopped && !verdict.stopped) ||
                        (!verdict.stopped && verdict.worstRatio < closest->verdict.worstRatio);
    if (closer) closest = Miss{verdict, candidate};
}

Ranking RankCandidate(const SettingParts& sp, const Candidate& candidate) {
    DesignState s = sp.setting.state;
    for (const auto& part : sp.parts) part->Patch(candidate, s);
    const FabricationQuantities q =
        QuantitiesOf(sp.setting.request.type, s, candidate.angleSection);
    return {CostOf(q, sp.setting.request.costs),
            q.bolts,
            sp.setting.boltMm,
            q.steelKg,
            q.weldCmMm,
            candidate.boltGrade};
}

void Offers::Take(Offer offer) {
    for (auto it = best_.begin(); it != best_.end(); ++it) {
        if (it->distinction != offer.distinction) continue;
        if (offer.ranking.Compare(it->ranking) >= 0) return;
        best_.erase(it);
        break;
    }
    const auto at = std::find_if(best_.begin(), best_.end(), [&](const Offer& kept) {
        return offer.ranking.Compare(kept.ranking) < 0;
    });
    best_.insert(at, std::move(offer));
    if (static_cast<int>(best_.size()) > count_) best_.pop_back();
}

std::optional<Ranking> Offers::Bound() const {
    if (static_cast<int>(best_.size()) < count_) return std::nullopt;
    return best_.back().ranking;
}

Candidate PartSearch::Full(const PartTask& task, const Candidate& partCandidate) const {
    Candidate full = task.partner;
    task.setting->parts[task.part]->CopyPart(partCandidate, full);
    full.boltGrade = task.setting->setting.boltGrade;
    full.boltDiameter = task.setting->setting.boltDiameter;
    if (task.setting->setting.request.type == ConnectionType::ACLT)
        full.angleSection = partCandidate.angleSection;
    return full;
}

bool PartSearch::BeyondBound(const Ranking& ranking, const Offers& offers) const {
    const auto bound = offers.Bound();
    if (bound && ranking.cost > bound->cost + kCostTolerance) return true;
    return ceiling_ && ranking.cost > *ceiling_ + kCostTolerance;
}

bool PartSearch::Passes(const PartTask& task, const Candidate& candidate) {
    const PartModel& model = *task.setting->parts[task.part];
    DesignState s = task.setting->setting.state;
    for (const auto& part : task.setting->parts) part->Patch(candidate, s);
    if (const auto screened = model.Screen(candidate, s)) {
        KeepCloser(closest_, *screened, candidate);
        return false;
    }
    if (InDeadScope(task, candidate)) return false;
    const Verdict verdict = evaluator_.Evaluate(candidate, model);
    RememberScopes(task, candidate, verdict);
    KeepCloser(closest_, verdict, candidate);
    return verdict.passes;
}

bool PartSearch::KnownToFail(const Family& family) const {
    const PartTask& task = *family.task;
    if (!task.setting->parts[task.part]->StrongerGradesNeverHurt()) return false;
    std::vector<int> key(family.layout.row.begin(), family.layout.row.end());
    key.push_back(family.layout.boltDiameter);
    const auto it = failedAtFv_.find({task.part, key});
    return it != failedAtFv_.end() && it->second >= task.setting->setting.state.Fv;
}

void PartSearch::RememberFailure(const Family& family) {
    const PartTask& task = *family.task;
    std::vector<int> key(family.layout.row.begin(), family.layout.row.end());
    key.push_back(family.layout.boltDiameter);
    double& fv = failedAtFv_[{task.part, key}];
    fv = std::max(fv, task.setting->setting.state.Fv);
}

bool PartSearch::InDeadScope(const PartTask& task, const Candidate& candidate) const {
    const PartModel& model = *task.setting->parts[task.part];
    for (std::string_view check : model.ScopedChecks()) {
        const auto scope = model.ScopeOf(check, candidate);
        if (!scope) continue;
        const SettingParts* setting = scope->everySetting ? nullptr : task.setting;
        const auto dead = deadScopes_.find({setting, std::string(check), scope->values});
        if (dead == deadScopes_.end()) continue;
        for (const std::vector<int>& failedAt : dead->second)
            if (std::equal(scope->levels.begin(), scope->levels.end(), failedAt.begin(),
                           std::less_equal<int>()))
                return true;
    }
    return false;
}

void PartSearch::RememberScopes(const PartTask& task, const Candidate& candidate,
                                const Verdict& verdict) {
    const PartModel& model = *task.setting->parts[task.part];
    for (const std::string& check : verdict.failed)
        if (const auto scope = model.ScopeOf(check, candidate))
            deadScopes_[{scope->everySetting ? nullptr : task.setting, check, scope->values}]
                .push_back(scope->levels);
}

void PartSearch::SearchFamily(const Family& family, Offers& offers) {
    const PartTask& task = *family.task;
    const PartModel& model = *task.setting->parts[task.part];
    std::vector<Column> columns = model.Columns(family.layout);
    for (Column& column : columns) column.base = Full(task, column.base);
    const auto at = [&](const Column& column, std::size_t step) {
        Candidate c = column.base;
        model.SetChain(c, column.chain[step]);
        return c;
    };
    std::vector<std::pair<Ranking, std::size_t>> order;
    for (std::size_t i = 0; i < columns.size(); ++i)
        order.emplace_back(RankCandidate(*task.setting, at(columns[i], 0)), i);
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return TriedBefore(a.first, b.first); });
    // The kinds of column that hold a candidate within the bound.
    std::vector<int> kinds;
    for (const auto& [cheapest, i] : order)
        if (!BeyondBound(cheapest, offers)) kinds.push_back(columns[i].kind);
    // The strongest column of each such kind first: when none passes at the top of its chain,
    // no column of the family does.
    std::vector<bool> dead(columns.size(), false), topPasses(columns.size(), false);
    bool anyAlive = false;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (std::find(kinds.begin(), kinds.end(), columns[i].kind) == kinds.end()) continue;
        bool maximal = true;
        for (std::size_t j = 0; j < columns.size() && maximal; ++j)
            maximal = j == i || !NoStronger(columns[i], columns[j]) ||
                      (NoStronger(columns[j], columns[i]) && j > i);
        if (!maximal) continue;
        topPasses[i] = Passes(task, at(columns[i], columns[i].chain.size() - 1));
        dead[i] = !topPasses[i];
        anyAlive |= topPasses[i];
    }
    if (!anyAlive) {
        // The whole family fails only when every kind of column was tried.
        const bool everyKind = std::all_of(columns.begin(), columns.end(), [&](const Column& c) {
            return std::find(kinds.begin(), kinds.end(), c.kind) != kinds.end();
        });
        if (everyKind) RememberFailure(family);
        return;
    }
    for (const auto& [cheapest, i] : order) {
        if (BeyondBound(cheapest, offers)) break;
        const Column& column = columns[i];
        bool dominated = false;
        for (std::size_t j = 0; j < columns.size() && !dominated; ++j)
            dominated = dead[j] && NoStronger(column, columns[j]);
        if (dominated) continue;
        const std::size_t top = column.chain.size() - 1;
        // The steps up the chain that stay within the bound: a dearer one can make no offer.
        std::size_t within = 1, beyond = column.chain.size();
        while (within < beyond) {
            const std::size_t mid = (within + beyond) / 2;
            if (BeyondBound(RankCandidate(*task.setting, at(column, mid)), offers))
                beyond = mid;
            else
                within = mid + 1;
        }
        const std::size_t last = within - 1;
        if (last == top && !topPasses[i] && !Passes(task, at(column, top))) {
            dead[i] = true;
            continue;
        }
        if (last < top && !Passes(task, at(column, last))) continue;
        std::size_t low = 0, high = last;  // the chain passes at `high`
        while (low < high) {
            const std::size_t mid = (low + high) / 2;
            if (Passes(task, at(column, mid)))
                high = mid;
            else
                low = mid + 1;
        }
        const Candidate found = at(column, high);
        Offer offer{found, RankCandidate(*task.setting, found), {}, task.setting};
        offer.distinction = model.Distinction(found);
        offer.distinction.push_back(found.boltDiameter);
        offers.Take(std::move(offer));
    }
}

const std::vector<PartSearch::Layout>& PartSearch::LayoutsOf(const PartModel& model) {
    const auto [it, fresh] = layouts_.try_emplace(&model);
    if (fresh)
        for (const Candidate& layout : model.Layouts())
            if (!model.Columns(layout).empty())
                it->second.push_back({layout, model.Cheapest(layout)});
    return it->second;
}

void PartSearch::Run(const std::vector<PartTask>& tasks, Offers& offers,
                     std::optional<double> ceiling) {
    ceiling_ = ceiling;
    std::vector<Family> families;
    for (const PartTask& task : tasks) {
        const std::vector<Layout>& layouts = LayoutsOf(*task.setting->parts[task.part]);
        anyLayout_ = anyLayout_ || !layouts.empty();
        for (const Layout& layout : layouts) {
            // The bound only tightens: a family beyond it now can make no offer.
            const Ranking cheapest = RankCandidate(*task.setting, Full(task, layout.cheapest));
            if (!BeyondBound(cheapest, offers))
                families.push_back({&task, Full(task, layout.layout), cheapest});
        }
    }
    // Cheapest first; of equal cost the stronger bolt grade first, so that the weaker grades
    // can skip what it failed.
    std::stable_sort(families.begin(), families.end(), [](const Family& a, const Family& b) {
        if (a.cheapest.cost != b.cheapest.cost) return a.cheapest.cost < b.cheapest.cost;
        return a.task->setting->setting.state.Fv > b.task->setting->setting.state.Fv;
    });
    for (const Family& family : families) {
        if (BeyondBound(family.cheapest, offers)) break;
        if (KnownToFail(family)) continue;
        SearchFamily(family, offers);
    }
}

}  // namespace jw::autodesign
