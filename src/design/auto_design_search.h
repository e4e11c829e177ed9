// How the automatic design searches one part: designs candidates with the type's own design,
// judges them by every check of the part, and walks the families of the part's layouts from the
// cheapest, skipping what the order of the columns and the chains proves cannot pass.
#pragma once

#include <limits>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "design/auto_design_model.h"

namespace jw::autodesign {

// Whether a run passes for a part: every classic row and further check of the part passes and
// no warning asks for other detailing (with the one-sided weld warning allowed when wanted).
Verdict Judge(const DesignResult& result, const PartModel& part, bool oneSidedWeldsWanted);

// Designs candidates of one request; the input grid is built once and refilled.
class Evaluator {
  public:
    explicit Evaluator(const AutoDesignRequest& request);

    Verdict Evaluate(const Candidate& candidate, const PartModel& part);
    // The full design run of a candidate, report text included or not.
    DesignResult Design(const Candidate& candidate, bool withReport);
    ConnectionInput InputOf(const Candidate& candidate) const;
    // The design state the input reader makes of a candidate.
    DesignState StateOf(const Candidate& candidate) const;
    int Runs() const { return runs_; }

  private:
    void Fill(const Candidate& candidate);

    ConnectionInput input_;
    bool oneSidedWelds_ = false;
    int loadRows_ = 1;
    int runs_ = 0;
};

// The failing candidate of a part that came closest to passing, for the message when none
// passes.
struct Miss {
    Verdict verdict;
    Candidate candidate;
};
void KeepCloser(std::optional<Miss>& closest, const Verdict& verdict, const Candidate& candidate);

// A setting's parts, each with the design state its candidates' costs are measured on.
struct SettingParts {
    Setting setting;
    std::vector<std::unique_ptr<PartModel>> parts;
};

// The ranking of a complete candidate of a setting.
Ranking RankCandidate(const SettingParts& sp, const Candidate& candidate);

// A passing candidate and what tells it apart from the others.
struct Offer {
    Candidate candidate;
    Ranking ranking;
    std::vector<int> distinction;
    const SettingParts* setting = nullptr;
};

// The best distinct offers: the cheapest of each distinction, and the `count` best of those.
class Offers {
  public:
    explicit Offers(int count) : count_(count) {}
    void Take(Offer offer);
    // What an offer must rank before to be kept: the last kept, or nothing while not full.
    std::optional<Ranking> Bound() const;
    const std::vector<Offer>& Best() const { return best_; }

  private:
    int count_;
    std::vector<Offer> best_;  // ranked, distinct
};

// One part of one setting to search: the part's families, with the other part's rows taken from
// `partner` (a splice's sound other part).
struct PartTask {
    const SettingParts* setting = nullptr;
    int part = 0;
    Candidate partner;
};

// Searches the families of the tasks' parts, cheapest first, until no family can rank before
// the offers' bound, nor cost less than `ceiling` (the most a splice's part may cost for the
// whole to rank among the offers found so far). Failing candidates that come closer than
// `closest` replace it.
class PartSearch {
  public:
    PartSearch(Evaluator& evaluator, std::optional<Miss>& closest)
        : evaluator_(evaluator), closest_(closest) {}

    void Run(const std::vector<PartTask>& tasks, Offers& offers,
             std::optional<double> ceiling = std::nullopt);
    // Whether any family of the tasks kept the detailing rules.
    bool AnyLayout() const { return anyLayout_; }

  private:
    struct Family {
        const PartTask* task;
        Candidate layout;
        Ranking cheapest;
    };
    // A layout that keeps the detailing rules, with its cheapest candidate.
    struct Layout {
        Candidate layout;
        Candidate cheapest;
    };
    // The layouts of a part, worked out once for all the searches of it.
    const std::vector<Layout>& LayoutsOf(const PartModel& model);
    void SearchFamily(const Family& family, Offers& offers);
    bool Passes(const PartTask& task, const Candidate& candidate);
    bool BeyondBound(const Ranking& ranking, const Offers& offers) const;
    Candidate Full(const PartTask& task, const Candidate& partCandidate) const;
    // Weaker bolt grades fail where a stronger one failed: layouts so found are remembered.
    bool KnownToFail(const Family& family) const;
    void RememberFailure(const Family& family);
    // Failures that carry over to every candidate reading the same values (see PartModel).
    bool InDeadScope(const PartTask& task, const Candidate& candidate) const;
    void RememberScopes(const PartTask& task, const Candidate& candidate, const Verdict& verdict);

    Evaluator& evaluator_;
    std::optional<Miss>& closest_;
    bool anyLayout_ = false;
    std::optional<double> ceiling_;
    std::map<const PartModel*, std::vector<Layout>> layouts_;
    std::map<std::pair<int, std::vector<int>>, double> failedAtFv_;
    std::map<std::tuple<const SettingParts*, std::string, std::vector<int>>,
             std::vector<std::vector<int>>>
        deadScopes_;  // the levels at which each check failed
};

}  // namespace jw::autodesign
