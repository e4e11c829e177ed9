// How the automatic design searches one part: designs candidates with the type's own design
// and finds, for a bolt grade and diameter, the fewest bolts that pass and then the lightest
// configuration with that many.
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "design/auto_design_model.h"

namespace jw::autodesign {

// What a design run says about the rows of one part.
struct Verdict {
    bool passes = false;
    bool stopped = false;  // the run stopped with a message instead of a table
    double worstRatio = std::numeric_limits<double>::infinity();
    std::string mode;  // the check with the highest ratio, or the stop message
};

// Designs candidates of one request; the input grid is built once and refilled.
class Evaluator {
  public:
    explicit Evaluator(const AutoDesignRequest& request);

    Verdict Evaluate(const Candidate& candidate, const PartModel& part);
    ConnectionInput InputOf(const Candidate& candidate) const;
    int Runs() const { return runs_; }

  private:
    void Fill(const Candidate& candidate);

    ConnectionInput input_;
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

// The lightest configuration of a part found with a given bolt count.
struct PartBest {
    Candidate candidate;
    int bolts = 0;
    double steelCm3 = 0;
    double weldCm = 0;
};

class PartSearch {
  public:
    // Failing candidates that come closer than `closest` replace it.
    PartSearch(const PartModel& model, Evaluator& evaluator, std::optional<Miss>& closest);

    // The bolts of the part's smallest layout, passing or not.
    int FewestLayoutBolts() const { return layouts_.empty() ? 0 : layouts_.front().bolts; }
    // The fewest bolts, at most `maxBolts`, with which some configuration passes.
    std::optional<int> LeastBolts(int maxBolts);
    // The lightest passing configuration with exactly `bolts` bolts: least steel, then the
    // shortest weld; the first found wins what is still equal.
    std::optional<PartBest> Lightest(int bolts);

  private:
    // Whether any pitch and thickness of the layout passes: tried at the strongest
    // combinations only, since a weaker one never passes where a stronger one fails.
    bool Feasible(std::size_t index);
    bool Passes(const Candidate& candidate);
    // The pitches of `pitches` a thickness admits: a leading run, since a larger pitch only
    // needs more of the cleat.
    std::size_t AdmittedCount(const Layout& layout, const std::vector<int>& pitches,
                              const Thickness& t) const;
    // The least pitch at which the layout passes with the thickness (the ratios never rise
    // with the pitch), among the first `count` pitches.
    std::optional<int> LeastPassingPitch(const Layout& layout, const std::vector<int>& pitches,
                                         std::size_t count, const Thickness& t);
    // The lightest weld with which the candidate passes; the candidate keeps it.
    void LightestWeld(Candidate& candidate, const Thickness& t);

    const PartModel& model_;
    Evaluator& evaluator_;
    std::optional<Miss>& closest_;
    std::vector<Layout> layouts_;  // by bolt count, ties in the model's order
    std::vector<std::optional<bool>> feasible_;
};

}  // namespace jw::autodesign
