#include "design/auto_design.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "data/design_error.h"
#include "data/input_readers.h"
#include "data/numbers.h"
#include "data/sections.h"
#include "design/auto_design_parts.h"
#include "design/auto_design_search.h"
#include "design/checks.h"

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
// More alternatives than this are more than an engineer compares.
constexpr int kMaxAlternatives = 20;
// The shear plate's weld row and the electrode tried last, as fabricators have long laid it.
constexpr int kElectrodeRow = 9;
constexpr int kE60 = 60;

// Two amounts closer than this are the same.
constexpr double kTolerance = 1e-6;

int CompareAmounts(double a, double b) {
    if (a < b - kTolerance) return -1;
    if (a > b + kTolerance) return 1;
    return 0;
}

bool IsLoad(double value) {
    return std::isfinite(value) && value >= 0;
}

bool IsUnitCost(double value) {
    return std::isfinite(value) && value >= 0;
}

std::optional<std::string> BoltFault(const AutoDesignRequest& r) {
    if (r.boltGrade && (*r.boltGrade < 0 || *r.boltGrade >= kBoltGradeCount))
        return "The bolt grade is not in the list.";
    if (r.boltDiameter && (*r.boltDiameter < 0 || *r.boltDiameter >= kBoltDiameterCount))
        return "The bolt diameter is not in the list.";
    if (r.type == ConnectionType::BMEP && r.boltGrade &&
        BoltTensionAllowable(kBoltGradeNames[*r.boltGrade], 0).value_or(0) == 0)
        return "The end plate needs a bearing-type bolt grade (-N or -X): " +
               std::string(kBoltGradeNames[*r.boltGrade]) + " has no tension allowable.";
    if (r.type == ConnectionType::BMEP && r.slipCritical)
        return "The end plate needs bearing-type bolts: slip-critical bolts have no tension "
               "allowable here.";
    if (r.slipCritical && r.boltGrade && !IsSlipCriticalGrade(*r.boltGrade))
        return "Slip-critical bolts are asked for, but the bolt grade held is " +
               std::string(kBoltGradeNames[*r.boltGrade]) + ".";
    return std::nullopt;
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
    if (const auto fault = BoltFault(r)) return fault;
    if (r.plateMm && (*r.plateMm <= 0 || *r.plateMm > kMaxPlateMm))
        return "The plate thickness must lie between 1 and 100 mm.";
    if (r.angleSection && r.type != ConnectionType::ACLT)
        return "An angle section applies only to angle cleats.";
    if (r.angleSection && AngleRowAt(*r.angleSection).empty())
        return "The angle section is not in the list.";
    if (r.weldSides != 1 && r.weldSides != 2) return "A fillet weld runs on 1 or 2 sides.";
    if (r.weldSides == 1 && r.type != ConnectionType::WSP)
        return "Welds on one side apply only to the shear plate.";
    if (r.alternatives < 1 || r.alternatives > kMaxAlternatives)
        return "Ask for 1 to " + std::to_string(kMaxAlternatives) + " alternatives.";
    const UnitCosts& c = r.costs;
    if (!IsUnitCost(c.steelPerKg) || !IsUnitCost(c.boltEach) || !IsUnitCost(c.holeEach) ||
        !IsUnitCost(c.weldPerCmMm))
        return "Every unit cost must be a number of at least 0.";
    return std::nullopt;
}

int BoltMm(int diameter) {
    return static_cast<int>(std::lround(BoltDiaFromItem(kBoltDiameterNames[diameter]) * 10));
}

std::vector<int> Diameters(const AutoDesignRequest& request) {
    if (request.boltDiameter) return {*request.boltDiameter};
    std::vector<int> all;
    for (int i = 0; i < kBoltDiameterCount; ++i) all.push_back(i);
    return all;
}

// Every setting the request leaves open, each with its parts and the design state of its
// loads, beam and bolts.
std::vector<std::unique_ptr<SettingParts>> MakeSettings(const AutoDesignRequest& request,
                                                        const Evaluator& evaluator) {
    const std::vector<int> grades = request.boltGrade
                                        ? std::vector<int>{*request.boltGrade}
                                        : SearchedBoltGrades(request.type, request.slipCritical);
    std::vector<std::unique_ptr<SettingParts>> settings;
    for (int diameter : Diameters(request))
        for (int grade : grades) {
            auto sp = std::make_unique<SettingParts>();
            sp->setting = {request,
                           detailing::BeamDimensions(request.beamSection),
                           grade,
                           diameter,
                           BoltMm(diameter),
                           {}};
            sp->setting.state = evaluator.StateOf(BaseCandidate(sp->setting));
            SetBoltGrade(sp->setting.state, kBoltGradeNames[grade]);
            sp->parts = MakeParts(sp->setting);
            settings.push_back(std::move(sp));
        }
    return settings;
}

// The cheapest candidate of a splice part's layouts, with the other part's rows from `partner`:
// its first layout, which has the fewest cleats, rows and columns at the least distances.
// Nothing when no layout keeps the detailing rules.
std::optional<Candidate> CheapestOfPart(const SettingParts& sp, int part,
                                        const Candidate& partner) {
    const PartModel& model = *sp.parts[part];
    for (const Candidate& layout : model.Layouts()) {
        if (model.Columns(layout).empty()) continue;
        Candidate c = partner;
        model.CopyPart(model.Cheapest(layout), c);
        return c;
    }
    return std::nullopt;
}

// What the search learnt of each part (web and flange of a splice), for the message when
// nothing passes.
struct PartLog {
    std::string name;
    bool searched = false;   // the part was searched for some setting
    bool passed = false;     // some candidate of the part passed
    bool anyLayout = false;  // some layout kept the detailing rules
    std::optional<Miss> closest;
};

void SearchWholeConnections(const std::vector<std::unique_ptr<SettingParts>>& settings,
                            Evaluator& evaluator, Offers& offers, std::vector<PartLog>& logs) {
    std::vector<PartTask> tasks;
    for (const auto& sp : settings) tasks.push_back({sp.get(), 0, BaseCandidate(sp->setting)});
    PartSearch search(evaluator, logs[0].closest);
    search.Run(tasks, offers);
    logs[0].searched = true;
    logs[0].anyLayout = search.AnyLayout();
    logs[0].passed = !offers.Best().empty();
}

// The pairs of a setting's best webs and flanges, cheapest first, each designed whole.
void OfferSplices(const SettingParts& sp, const Offers& webs, const Offers& flanges,
                  Evaluator& evaluator, Offers& offers) {
    std::vector<Offer> pairs;
    for (const Offer& web : webs.Best())
        for (const Offer& flange : flanges.Best()) {
            Offer pair{web.candidate, {}, web.distinction, &sp};
            sp.parts[1]->CopyPart(flange.candidate, pair.candidate);
            pair.ranking = RankCandidate(sp, pair.candidate);
            pair.distinction.insert(pair.distinction.end(), flange.distinction.begin(),
                                    flange.distinction.end());
            pairs.push_back(std::move(pair));
        }
    std::stable_sort(pairs.begin(), pairs.end(), [](const Offer& a, const Offer& b) {
        return a.ranking.Compare(b.ranking) < 0;
    });
    for (Offer& pair : pairs) {
        const auto bound = offers.Bound();
        if (bound && pair.ranking.Compare(*bound) >= 0) break;
        if (IsSound(evaluator.Design(pair.candidate, false))) offers.Take(std::move(pair));
    }
}

// A splice's web and flange are checked by rows of their own, but for the checks that compare
// plies or bolt groups of both (slip, end and edge distances, spacing, buildable geometry), so
// each part is searched against a sound other part. Within the detailing rules only slip can
// fail there. With bearing-type bolts the cheapest sound flange is found first (when none is
// within reach the setting is done at that cost), then the webs against it, then the flanges
// against the web found; with slip-critical bolts the webs are searched first, against the
// flange of least slip (the most bolts, inner plates), then the flanges against the web found.
// Webs before flanges: with the flange fixed the web's search is the narrower one, and the
// flanges are then searched only up to what the best web leaves of the bound.
struct SpliceSetting {
    const SettingParts* sp;
    Candidate strongFlange;
    Candidate cheapest;  // the cheapest web with the cheapest flange
    double cost;
};

std::vector<SpliceSetting> SpliceSettings(
    const std::vector<std::unique_ptr<SettingParts>>& settings, std::vector<PartLog>& logs) {
    std::vector<SpliceSetting> order;
    for (const auto& sp : settings) {
        const auto strong = StrongFlange(sp->setting);
        if (!strong) continue;
        logs[1].anyLayout = true;
        const auto web = CheapestOfPart(*sp, 0, *strong);
        if (!web) continue;
        logs[0].anyLayout = true;
        const Candidate both = CheapestOfPart(*sp, 1, *web).value_or(*web);
        order.push_back({sp.get(), *strong, both, RankCandidate(*sp, both).cost});
    }
    // The strongest bolts first: their splices need the fewest bolts, so the bound they set
    // early spares the search most of the weaker bolts' layouts.
    std::stable_sort(order.begin(), order.end(),
                     [](const SpliceSetting& a, const SpliceSetting& b) {
                         if (a.sp->setting.boltMm != b.sp->setting.boltMm)
                             return a.sp->setting.boltMm > b.sp->setting.boltMm;
                         return a.sp->setting.state.Fv > b.sp->setting.state.Fv;
                     });
    return order;
}

void SearchSplices(const std::vector<std::unique_ptr<SettingParts>>& settings, Evaluator& evaluator,
                   Offers& offers, std::vector<PartLog>& logs, int count) {
    PartSearch searches[] = {PartSearch(evaluator, logs[0].closest),
                             PartSearch(evaluator, logs[1].closest)};
    for (const SpliceSetting& o : SpliceSettings(settings, logs)) {
        const auto bound = offers.Bound();
        if (bound && o.cost > bound->cost + kTolerance) continue;
        const bool slip = IsSlipCriticalGrade(o.sp->setting.boltGrade);
        std::optional<double> ceiling;
        if (bound) ceiling = bound->cost;
        Candidate flangeForWebs = o.strongFlange;
        if (!slip) {
            Offers cheapestFlange(1);
            searches[1].Run({{o.sp, 1, o.cheapest}}, cheapestFlange, ceiling);
            logs[1].searched = true;
            if (cheapestFlange.Best().empty()) continue;
            logs[1].passed = true;
            flangeForWebs = cheapestFlange.Best().front().candidate;
        } else if (bound) {
            // With the strong flange in the pair the web may cost as much more as that flange
            // costs more than the cheapest.
            Candidate withStrong = o.cheapest;
            o.sp->parts[1]->CopyPart(o.strongFlange, withStrong);
            ceiling = bound->cost + RankCandidate(*o.sp, withStrong).cost - o.cost;
        }
        Offers found[2] = {Offers(count), Offers(count)};
        searches[0].Run({{o.sp, 0, flangeForWebs}}, found[0], ceiling);
        logs[0].searched = true;
        if (found[0].Best().empty()) continue;
        logs[0].passed = true;
        searches[1].Run({{o.sp, 1, found[0].Best().front().candidate}}, found[1],
                        bound ? std::optional<double>(bound->cost) : std::nullopt);
        logs[1].searched = true;
        if (found[1].Best().empty()) continue;
        logs[1].passed = true;
        OfferSplices(*o.sp, found[0], found[1], evaluator, offers);
    }
}

// The part that stopped the search: one with no layout within the detailing rules, else one
// searched that never passed, else the first.
const PartLog& FailingPart(const std::vector<PartLog>& logs) {
    for (const PartLog& log : logs)
        if (!log.anyLayout) return log;
    for (const PartLog& log : logs)
        if (log.searched && !log.passed) return log;
    return logs.front();
}

// A check that reads only the loads and the beam: when it fails no connection can pass.
std::optional<CheckRow> BeamFailure(const DesignResult& closest) {
    for (const CheckRow& check : closest.further.checks)
        if (check.name == "Beam web shear" && !check.Passed()) return check;
    return std::nullopt;
}

std::string NothingPassesMessage(const PartLog& part, const DesignResult& closest) {
    if (!part.anyLayout || !part.closest)
        return "No layout of the " + part.name +
               " keeps the detailing rules on this beam with the bolts allowed.";
    if (const auto beam = BeamFailure(closest))
        return "No connection can carry this load: the beam itself fails \"" + beam->name +
               "\" at a ratio of " + beam->ratioText + ".";
    const Candidate& c = part.closest->candidate;
    const autodesign::Verdict& verdict = part.closest->verdict;
    const std::string lead = "No practical connection passes: the closest candidate for the " +
                             part.name + " (" + std::string(kBoltGradeNames[c.boltGrade]) + " M" +
                             std::to_string(BoltMm(c.boltDiameter)) + " bolts) ";
    if (verdict.stopped) return lead + "stops the design: " + verdict.mode;
    if (verdict.mode.rfind("a warning: ", 0) == 0) return lead + "draws " + verdict.mode;
    return lead + "fails \"" + verdict.mode + "\" at a ratio of " +
           FormatFixed(verdict.worstRatio, 2) + ".";
}

// A shear plate that passes as well with E60 electrodes is given them: the same cost.
Candidate WithGentlerElectrode(const Candidate& found, Evaluator& evaluator, bool oneSided) {
    Candidate e60 = found;
    e60.row[kElectrodeRow] = kE60;
    return IsSound(evaluator.Design(e60, false), oneSided) ? e60 : found;
}

AutoDesignChoice ChoiceOf(const Offer& offer, Evaluator& evaluator, bool oneSided) {
    Candidate candidate = offer.candidate;
    if (offer.setting->setting.request.type == ConnectionType::WSP)
        candidate = WithGentlerElectrode(candidate, evaluator, oneSided);
    AutoDesignChoice choice;
    choice.input = evaluator.InputOf(candidate);
    choice.design = evaluator.Design(candidate, true);
    choice.ranking = offer.ranking;
    const DesignState& s = choice.design.state;
    choice.quantities = QuantitiesOf(choice.input.type, s, candidate.angleSection);
    choice.governingRatio = GoverningRatio(choice.design);
    return choice;
}

}  // namespace

int Ranking::Compare(const Ranking& other) const {
    if (const int c = CompareAmounts(cost, other.cost)) return c;
    if (bolts != other.bolts) return bolts < other.bolts ? -1 : 1;
    if (boltMm != other.boltMm) return boltMm < other.boltMm ? -1 : 1;
    if (const int c = CompareAmounts(steelKg, other.steelKg)) return c;
    if (const int c = CompareAmounts(weldCmMm, other.weldCmMm)) return c;
    if (boltGrade != other.boltGrade) return boltGrade < other.boltGrade ? -1 : 1;
    return 0;
}

std::vector<int> SearchedBoltGrades(ConnectionType type, bool slipCritical) {
    // The end plate's bolts work in tension, which A307 and slip-critical bolts are not
    // designed for here.
    if (type == ConnectionType::BMEP)
        return slipCritical ? std::vector<int>{} : std::vector<int>{kA325X, kA490X};
    if (slipCritical) return {kA325S, kA490S};
    return {kA307, kA325X, kA490X};
}

bool IsSlipCriticalGrade(int boltGrade) {
    return boltGrade >= 0 && boltGrade < kBoltGradeCount &&
           kBoltGradeNames[boltGrade].ends_with("-S");
}

bool IsSound(const DesignResult& result, bool oneSidedWeldsWanted) {
    return result.status == RunStatus::Accepted &&
           !result.further.HasDetailingWarning(oneSidedWeldsWanted);
}

double GoverningRatio(const DesignResult& result) {
    double highest = LeadingNumber(MaxRatio(result.table));
    for (const CheckRow& check : result.further.checks)
        highest = std::max(highest, LeadingNumber(check.ratioText));
    return highest;
}

std::optional<Ranking> RankingOf(const ConnectionInput& input, const UnitCosts& costs) {
    const auto& c = input.choices;
    if (c.boltDiameter < 0 || c.boltDiameter >= kBoltDiameterCount ||
        BeamRowAt(c.beamSection).empty())
        return std::nullopt;
    try {
        const DesignState s = ReadDesignInput(input.type, input.grid, c);
        const FabricationQuantities q = QuantitiesOf(input.type, s, c.angleSection);
        return Ranking{CostOf(q, costs), q.bolts,    BoltMm(c.boltDiameter),
                       q.steelKg,        q.weldCmMm, c.boltGrade};
    } catch (const DesignError&) {
        return std::nullopt;
    }
}

AutoDesignResult AutoDesign(const AutoDesignRequest& request) {
    AutoDesignResult result;
    if (const auto fault = RequestFault(request)) {
        result.message = *fault;
        result.invalidRequest = true;
        return result;
    }
    Evaluator evaluator(request);
    const auto settings = MakeSettings(request, evaluator);
    const bool oneSided = request.weldSides == 1;
    Offers offers(request.alternatives);
    std::vector<PartLog> logs;
    for (const auto& part : MakeParts(settings.front()->setting))
        logs.push_back({std::string(part->Name()), false, false, false, std::nullopt});
    if (request.type == ConnectionType::BSPL)
        SearchSplices(settings, evaluator, offers, logs, request.alternatives);
    else
        SearchWholeConnections(settings, evaluator, offers, logs);
    for (const Offer& offer : offers.Best())
        result.alternatives.push_back(ChoiceOf(offer, evaluator, oneSided));
    result.designsRun = evaluator.Runs();
    if (result.alternatives.empty()) {
        const PartLog& part = FailingPart(logs);
        if (part.closest) {
            result.input = evaluator.InputOf(part.closest->candidate);
            result.design = RunDesign(result.input, RunOptions{""});
        }
        result.message = NothingPassesMessage(part, result.design);
        return result;
    }
    result.found = true;
    result.input = result.alternatives.front().input;
    result.design = result.alternatives.front().design;
    return result;
}

}  // namespace jw
