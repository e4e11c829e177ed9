// The automatic design: what it finds passes every check of its design with no detailing
// warning and keeps the detailing rules, it holds what the engineer fixed, it uses slip-critical
// bolts only when asked, and nothing in its search space is cheaper (checked by designing every
// configuration of small search spaces).
#include "design/auto_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

#include "data/bolt_distances.h"
#include "data/numbers.h"
#include "data/sections.h"
#include "data/text_helpers.h"
#include "design/detailing_rules.h"
#include "design/further/geometry.h"
#include "design_fixtures.h"
#include "project/project_file.h"

namespace jw {
namespace {

using namespace detailing;

constexpr int kA307 = 0, kA325X = 1, kA325N = 2, kA325S = 3, kA490X = 4, kA490S = 6;
constexpr int kM12 = 0, kM16 = 1, kM20 = 3;

int Beam(const char* name) {
    return FindBeamPosition(name).value_or(-1);
}

AutoDesignRequest Request(ConnectionType type, const char* beam, double shear, double moment = 0) {
    AutoDesignRequest request;
    request.type = type;
    request.beamSection = Beam(beam);
    request.shearKg = shear;
    request.momentKgCm = moment;
    return request;
}

ConnectionInput Input(ConnectionType type, int beam, const std::vector<int>& values,
                      double firstLoad, double secondLoad, int grade, int diameter) {
    ConnectionInput input;
    input.type = type;
    input.grid = BuildInputGrid(type);
    input.choices.beamSection = beam;
    input.choices.boltGrade = grade;
    input.choices.boltDiameter = diameter;
    const bool moment = type == ConnectionType::BMEP || type == ConnectionType::BSPL;
    input.grid.At(1, kValueColumn) = FormatPlain(firstLoad);
    if (moment) input.grid.At(2, kValueColumn) = FormatPlain(secondLoad);
    const int first = moment ? 3 : 2;
    for (std::size_t i = 0; i < values.size(); ++i)
        input.grid.At(first + static_cast<int>(i), kValueColumn) = std::to_string(values[i]);
    return input;
}

DesignResult Designed(const ConnectionInput& input) {
    RunOptions options{""};
    options.formatReport = false;
    return RunDesign(input, options);
}

// What the search may propose: sound and within the detailing rules.
bool Proposable(const ConnectionInput& input, bool oneSided = false) {
    return DetailingFaults(input, {.oneSidedWelds = oneSided}).empty() &&
           IsSound(Designed(input), oneSided);
}

void ExpectProposable(const AutoDesignResult& result, const std::string& name) {
    ASSERT_TRUE(result.found) << name << ": " << result.message;
    for (const AutoDesignChoice& choice : result.alternatives) {
        EXPECT_EQ(choice.design.status, RunStatus::Accepted) << name;
        EXPECT_FALSE(choice.design.further.HasDetailingWarning()) << name;
        EXPECT_EQ(DetailingFaults(choice.input), std::vector<std::string>{}) << name;
        EXPECT_EQ(CheckInputGate(choice.input.grid), GateResult::Passed) << name;
        EXPECT_FALSE(IsSlipCriticalGrade(choice.input.choices.boltGrade)) << name;
        const auto ranking = RankingOf(choice.input);
        ASSERT_TRUE(ranking) << name;
        EXPECT_EQ(choice.ranking.Compare(*ranking), 0) << name;
    }
}

TEST(AutoDesign, WorkedShearPlateWithItsBoltGradeHeldPasses) {
    AutoDesignRequest request = Request(ConnectionType::WSP, "H-300X150X36.7(kg/m)", 10000);
    request.boltGrade = kA325N;
    const AutoDesignResult result = AutoDesign(request);
    ExpectProposable(result, "worked shear plate");
    EXPECT_EQ(result.input.choices.boltGrade, kA325N);
    EXPECT_FALSE(result.design.report.empty());
    // Welded on both sides, as a shear plate must be.
    EXPECT_EQ(result.input.grid.At(11, kValueColumn), "2");
}

// Each type on a small and a large beam, everything free: every alternative passes every check
// with no detailing warning, keeps every detailing rule, and costs what the search says.
TEST(AutoDesign, EveryTypeFindsConnectionsThatPassEveryCheckAndCanBeBuilt) {
    const struct {
        ConnectionType type;
        const char* beam;
        double shear, moment;
    } cases[] = {
        {ConnectionType::WSP, "H-150X75X14(kg/m)", 5000, 0},
        {ConnectionType::WSP, "H-900X300X286(kg/m)V", 100000, 0},
        {ConnectionType::ACLT, "H-200X100X21.3(kg/m)", 6000, 0},
        {ConnectionType::ACLT, "H-600X200X106(kg/m)", 40000, 0},
        {ConnectionType::BMEP, "H-150X100X21.1(kg/m)", 6000, 150000},
        {ConnectionType::BMEP, "H-500X200X89.6(kg/m)", 30000, 2500000},
        {ConnectionType::BSPL, "H-200X200X49.9(kg/m)", 8000, 400000},
        {ConnectionType::BSPL, "I-600X190X133(kg/m)", 50000, 3000000},
    };
    for (const auto& c : cases) {
        const std::string name = std::string(TypeName(c.type)) + " " + c.beam;
        AutoDesignRequest request = Request(c.type, c.beam, c.shear, c.moment);
        request.alternatives = 3;
        const AutoDesignResult result = AutoDesign(request);
        ExpectProposable(result, name);
        EXPECT_EQ(result.alternatives.size(), 3u) << name;
        for (std::size_t i = 1; i < result.alternatives.size(); ++i)
            EXPECT_LE(result.alternatives[i - 1].ranking.Compare(result.alternatives[i].ranking), 0)
                << name;
    }
}

TEST(AutoDesign, HoldsWhatTheEngineerFixed) {
    AutoDesignRequest plate = Request(ConnectionType::WSP, "H-400X200X66(kg/m)", 25000);
    plate.plateMm = 12;
    AutoDesignRequest bolt = Request(ConnectionType::BSPL, "H-300X150X36.7(kg/m)", 9000, 300000);
    bolt.boltGrade = kA307;
    bolt.boltDiameter = kM20;
    AutoDesignRequest angle = Request(ConnectionType::ACLT, "H-300X150X36.7(kg/m)", 9000);
    angle.angleSection = FindAnglePosition("L-90X90X13.3(kg/m)").value_or(-1);
    AutoDesignRequest grade = Request(ConnectionType::BMEP, "H-300X150X36.7(kg/m)", 9000, 400000);
    grade.memberGrade = kGradeSM520;

    const AutoDesignResult p = AutoDesign(plate);
    ASSERT_TRUE(p.found) << p.message;
    EXPECT_EQ(p.input.grid.At(2, kValueColumn), "12");
    const AutoDesignResult b = AutoDesign(bolt);
    ASSERT_TRUE(b.found) << b.message;
    EXPECT_EQ(b.input.choices.boltGrade, kA307);
    EXPECT_EQ(b.input.choices.boltDiameter, kM20);
    const AutoDesignResult a = AutoDesign(angle);
    ASSERT_TRUE(a.found) << a.message;
    EXPECT_EQ(a.input.choices.angleSection, angle.angleSection);
    const AutoDesignResult g = AutoDesign(grade);
    ASSERT_TRUE(g.found) << g.message;
    EXPECT_EQ(g.input.choices.memberGrade, kGradeSM520);
}

// The loopholes the classic rows left: a single angle on one support bolt, two-bolt plates
// with one-sided welds, slip-critical bolts that switch bearing off, end plates shorter than the
// beam, splices with one flange bolt row. None comes back.
TEST(AutoDesign, NeverProposesWhatTheClassicRowsAloneWouldAllow) {
    const AutoDesignRequest requests[] = {
        Request(ConnectionType::WSP, "H-300X150X36.7(kg/m)", 18000),
        Request(ConnectionType::ACLT, "H-300X150X36.7(kg/m)", 10000),
        Request(ConnectionType::BMEP, "H-300X150X36.7(kg/m)", 10000, 600000),
        Request(ConnectionType::BSPL, "H-300X150X36.7(kg/m)", 9000, 400000),
        Request(ConnectionType::WSP, "H-600X200X106(kg/m)", 50000),
        Request(ConnectionType::ACLT, "H-500X200X89.6(kg/m)", 35000),
    };
    for (const AutoDesignRequest& request : requests) {
        const std::string name =
            std::string(TypeName(request.type)) + " " + SectionName(BeamRowAt(request.beamSection));
        const AutoDesignResult result = AutoDesign(request);
        ExpectProposable(result, name);
        const TextGrid& g = result.input.grid;
        switch (request.type) {
            case ConnectionType::WSP:
                EXPECT_EQ(g.At(11, kValueColumn), "2") << name;
                break;
            case ConnectionType::ACLT:
                EXPECT_GE(LeadingNumber(g.At(5, kValueColumn)), 2) << name;
                break;
            case ConnectionType::BMEP: {
                const double height = (LeadingNumber(g.At(4, kValueColumn)) - 1) *
                                          LeadingNumber(g.At(6, kValueColumn)) +
                                      2 * LeadingNumber(g.At(5, kValueColumn));
                EXPECT_GE(height, 300) << name;
                break;
            }
            default:
                EXPECT_GE(LeadingNumber(g.At(12, kValueColumn)), 2) << name;
        }
    }
}

TEST(AutoDesign, UsesSlipCriticalBoltsOnlyWhenAsked) {
    AutoDesignRequest asked = Request(ConnectionType::WSP, "H-300X150X36.7(kg/m)", 12000);
    asked.slipCritical = true;
    const AutoDesignResult result = AutoDesign(asked);
    ASSERT_TRUE(result.found) << result.message;
    for (const AutoDesignChoice& c : result.alternatives) {
        EXPECT_TRUE(IsSlipCriticalGrade(c.input.choices.boltGrade));
        EXPECT_TRUE(IsSound(c.design));
    }
    EXPECT_EQ(SearchedBoltGrades(ConnectionType::WSP, false),
              (std::vector<int>{kA307, kA325X, kA490X}));
    EXPECT_EQ(SearchedBoltGrades(ConnectionType::ACLT, true), (std::vector<int>{kA325S, kA490S}));
    EXPECT_EQ(SearchedBoltGrades(ConnectionType::BMEP, false), (std::vector<int>{kA325X, kA490X}));
    // A slip-critical grade named outright is searched too.
    AutoDesignRequest named = Request(ConnectionType::BSPL, "H-300X150X36.7(kg/m)", 9000, 300000);
    named.boltGrade = kA490S;
    const AutoDesignResult splice = AutoDesign(named);
    ASSERT_TRUE(splice.found) << splice.message;
    EXPECT_EQ(splice.input.choices.boltGrade, kA490S);
    EXPECT_TRUE(IsSound(splice.design));
}

TEST(AutoDesign, WeldsOneSideOnlyWhenAsked) {
    AutoDesignRequest request = Request(ConnectionType::WSP, "H-300X150X36.7(kg/m)", 9000);
    request.weldSides = 1;
    const AutoDesignResult result = AutoDesign(request);
    ASSERT_TRUE(result.found) << result.message;
    EXPECT_EQ(result.input.grid.At(11, kValueColumn), "1");
    EXPECT_EQ(result.design.status, RunStatus::Accepted);
    EXPECT_TRUE(result.design.further.HasDetailingWarning());
    EXPECT_FALSE(result.design.further.HasDetailingWarning(true));
}

TEST(AutoDesign, NamesTheCheckTheClosestCandidateFailsWhenNothingPasses) {
    const struct {
        AutoDesignRequest request;
        const char* part;
    } cases[] = {
        {Request(ConnectionType::WSP, "H-150X75X14(kg/m)", 7000), "shear plate"},
        {Request(ConnectionType::BMEP, "H-900X300X286(kg/m)V", 10000, 99000000), "end plate"},
        {Request(ConnectionType::BSPL, "H-900X300X286(kg/m)V", 10000, 99000000), "flange plates"},
    };
    for (const auto& c : cases) {
        const AutoDesignResult result = AutoDesign(c.request);
        EXPECT_FALSE(result.found) << c.part;
        EXPECT_FALSE(result.invalidRequest) << c.part;
        EXPECT_NE(result.message.find(c.part), std::string::npos) << result.message;
        EXPECT_NE(result.message.find("fails \""), std::string::npos) << result.message;
        // The closest candidate is shown with its table, failing as the message says.
        EXPECT_NE(result.design.status, RunStatus::Accepted) << c.part;
    }
    // A 70 mm clear web cannot hold two rows of bolts, nor a 50 mm flange two bolt lines.
    const AutoDesignResult narrow =
        AutoDesign(Request(ConnectionType::BSPL, "H-100X50X9.3(kg/m)", 1000, 1000));
    EXPECT_FALSE(narrow.found);
    EXPECT_NE(narrow.message.find("No layout of the web plates"), std::string::npos)
        << narrow.message;
    // A load the beam's web cannot carry stops the search at once, saying so.
    const AutoDesignResult beam =
        AutoDesign(Request(ConnectionType::ACLT, "H-150X75X14(kg/m)", 200000));
    EXPECT_NE(beam.message.find("the beam itself fails \"Beam web shear\" at a ratio of 27.82"),
              std::string::npos)
        << beam.message;
    EXPECT_LT(beam.designsRun, 5);
}

TEST(AutoDesign, RefusesRequestsThatCannotBeDesigned) {
    auto with = [](std::function<void(AutoDesignRequest&)> change) {
        AutoDesignRequest request = Request(ConnectionType::BMEP, "H-300X150X36.7(kg/m)", 9000);
        change(request);
        return request;
    };
    const struct {
        AutoDesignRequest request;
        const char* says;
    } cases[] = {
        {with([](auto& r) { r.type = ConnectionType::None; }), "connection type"},
        {with([](auto& r) { r.beamSection = -1; }), "beam section"},
        {with([](auto& r) { r.shearKg = -1; }), "shear"},
        {with([](auto& r) { r.momentKgCm = NAN; }), "moment"},
        {with([](auto& r) { r.type = ConnectionType::WSP, r.momentKgCm = 5; }), "moment"},
        {with([](auto& r) { r.boltGrade = kA325S; }), "bearing-type"},
        {with([](auto& r) { r.slipCritical = true; }), "bearing-type"},
        {with([](auto& r) {
             r.type = ConnectionType::WSP, r.slipCritical = true, r.boltGrade = kA325X;
         }),
         "Slip-critical bolts are asked for"},
        {with([](auto& r) { r.boltDiameter = 9; }), "diameter"},
        {with([](auto& r) { r.plateMm = 0; }), "plate"},
        {with([](auto& r) { r.angleSection = 0; }), "angle"},
        {with([](auto& r) { r.memberGrade = 0; }), "steel grade"},
        {with([](auto& r) { r.weldSides = 1; }), "one side apply only to the shear plate"},
        {with([](auto& r) { r.type = ConnectionType::WSP, r.weldSides = 3; }), "1 or 2 sides"},
        {with([](auto& r) { r.alternatives = 0; }), "alternatives"},
        {with([](auto& r) { r.costs.boltEach = -1; }), "unit cost"},
    };
    for (const auto& c : cases) {
        const AutoDesignResult result = AutoDesign(c.request);
        EXPECT_TRUE(result.invalidRequest) << c.says;
        EXPECT_FALSE(result.found) << c.says;
        EXPECT_NE(result.message.find(c.says), std::string::npos) << result.message;
        EXPECT_EQ(result.designsRun, 0) << c.says;
    }
}

TEST(AutoDesign, RankingComparesCostThenBoltsThenDiameterThenSteelThenWeldThenGrade) {
    const Ranking base{50, 4, 20, 5, 300, 1};
    const struct {
        Ranking other;
        int expected;
    } cases[] = {
        {{50, 4, 20, 5, 300, 1}, 0},   {{50.0000004, 4, 20, 5, 300, 1}, 0},
        {{49, 9, 36, 90, 900, 4}, 1},  {{51, 2, 12, 1, 10, 0}, -1},
        {{50, 3, 36, 9, 900, 4}, 1},   {{50, 4, 16, 9, 900, 4}, 1},
        {{50, 4, 20, 4.9, 900, 4}, 1}, {{50, 4, 20, 5, 299, 4}, 1},
        {{50, 4, 20, 5, 300, 0}, 1},   {{50, 4, 20, 5, 300, 4}, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(base.Compare(c.other), c.expected) << c.other.cost << " " << c.other.bolts;
        EXPECT_EQ(c.other.Compare(base), -c.expected);
    }
}

// A cheaper unit cost of a part moves the choice towards it: with bolts free the search spends
// them instead of steel, with steel free it spends steel instead of bolts.
TEST(AutoDesign, UnitCostsSteerTheChoice) {
    AutoDesignRequest request = Request(ConnectionType::WSP, "H-400X200X66(kg/m)", 20000);
    request.boltDiameter = kM20;
    request.boltGrade = kA325X;
    AutoDesignRequest boltsFree = request;
    boltsFree.costs = {10, 0, 0, 0.015};
    AutoDesignRequest steelFree = request;
    steelFree.costs = {0, 10, 10, 0};
    const AutoDesignResult a = AutoDesign(boltsFree);
    const AutoDesignResult b = AutoDesign(steelFree);
    ASSERT_TRUE(a.found && b.found);
    EXPECT_GT(a.alternatives[0].quantities.bolts, b.alternatives[0].quantities.bolts);
    EXPECT_LT(a.alternatives[0].quantities.steelKg, b.alternatives[0].quantities.steelKg);
}

// --- Brute force over small search spaces ---------------------------------------------------

struct Space {
    BeamMm beam;
    int boltMm;
    std::vector<int> edges;
    std::vector<int> pitches;
};

Space SpaceOf(int beam, int diameter, int maxPitch = kMaxPitchMm) {
    Space s;
    s.beam = BeamDimensions(beam);
    s.boltMm = static_cast<int>(std::lround(BoltDiaFromItem(kBoltDiameterNames[diameter]) * 10));
    s.edges = DistanceSteps(LeastEdgeMm(s.boltMm), LeastEdgeMm(s.boltMm) + kEdgeSearchSpanMm);
    s.pitches = DistanceSteps(LeastPitchMm(s.boltMm), maxPitch);
    return s;
}

// Calls `each` with the cleats, columns, rows, edge and pitch of every web bolt group of the
// detailing rules' least bolts (and `leastRows`) that fits between the root fillets.
void ForEachWebGroup(const Space& s, const std::function<void(int, int, int, int, int)>& each,
                     int leastRows = 1) {
    for (int cleats = 1; cleats <= kMaxCleats; ++cleats)
        for (int columns = 1; columns <= kMaxWebBoltColumns; ++columns)
            for (int rows = leastRows; rows <= 30; ++rows)
                for (int edge : s.edges)
                    for (int pitch : s.pitches)
                        if (rows * columns >= kMinWebBolts &&
                            (rows - 1) * pitch + 2 * edge <= s.beam.ClearWebDepth())
                            each(cleats, columns, rows, edge, pitch);
}

const std::vector<int> kStock(kPlateStockMm.begin(), kPlateStockMm.end());

std::vector<ConnectionInput> WspSpace(int beam, double shear, int grade, int diameter,
                                      const std::vector<int>& plates, int sides = 2) {
    std::vector<ConnectionInput> space;
    ForEachWebGroup(
        SpaceOf(beam, diameter), [&](int cleats, int columns, int rows, int edge, int pitch) {
            for (int plate : plates)
                for (int size : kWeldSizesMm)
                    if (size >= MinWeldSizeMm(plate) && size <= MaxWeldSizeMm(plate))
                        for (int electrode : {60, 70})
                            space.push_back(Input(ConnectionType::WSP, beam,
                                                  {plate, cleats, rows, columns, kSetBackMm, edge,
                                                   pitch, electrode, size, sides},
                                                  shear, 0, grade, diameter));
        });
    return space;
}

std::vector<ConnectionInput> AcltSpace(int beam, double shear, int grade, int diameter,
                                       std::optional<int> thickness) {
    std::vector<ConnectionInput> space;
    const Space s = SpaceOf(beam, diameter);
    for (int angle = 0; angle < kAngleCount; ++angle) {
        const std::string_view row = AngleRowAt(angle);
        const double t = SectionField(row, kAngleThicknessField);
        const double leg = SectionField(row, kAngleLegField);
        if ((thickness && t != *thickness) || !AngleOutstandingLegFits(leg, t, s.boltMm)) continue;
        ForEachWebGroup(s, [&](int cleats, int columns, int rows, int edge, int pitch) {
            if (!AngleWebLegFits(leg, kSetBackMm, edge, columns, pitch)) return;
            ConnectionInput input = Input(ConnectionType::ACLT, beam,
                                          {cleats, rows, columns, rows, kSetBackMm, edge, pitch},
                                          shear, 0, grade, diameter);
            input.choices.angleSection = angle;
            space.push_back(input);
        });
    }
    return space;
}

std::vector<ConnectionInput> BmepSpace(int beam, double moment, double shear, int grade,
                                       int diameter, const std::vector<int>& plates) {
    std::vector<ConnectionInput> space;
    const Space s = SpaceOf(beam, diameter, kMaxEndPlatePitchMm);
    for (int rows = 2; rows <= 30; ++rows)
        for (int edge : s.edges)
            for (int pitch : s.pitches)
                for (int plate : plates)
                    if ((rows - 1) * pitch + 2 * edge <= MaxEndPlateHeightMm(s.beam.d))
                        space.push_back(Input(ConnectionType::BMEP, beam,
                                              {plate, rows, edge, pitch}, moment, shear, grade,
                                              diameter));
    return space;
}

std::vector<ConnectionInput> BsplSpace(int beam, double moment, double shear, int grade,
                                       int diameter, int plate) {
    const Space s = SpaceOf(beam, diameter);
    std::vector<std::vector<int>> webs, flanges;
    ForEachWebGroup(
        s,
        [&](int cleats, int columns, int rows, int edge, int pitch) {
            webs.push_back({plate, cleats, rows, columns, kSetBackMm, edge, pitch});
        },
        kMinSpliceWebBoltRows);
    const int least = LeastEdgeMm(s.boltMm);
    for (int cleats = 1; cleats <= kMaxCleats; ++cleats)
        for (int rows = 2; rows <= kMaxFlangeBoltRows; ++rows)
            for (int e : DistanceSteps(least, least + kFlangeEdgeSearchSpanMm))
                for (int gauge : FlangeGauges(s.beam, s.boltMm, cleats, e))
                    for (int c2 : FlangePitches(s.boltMm, kSetBackMm, e))
                        flanges.push_back({plate, cleats, rows, e, 0, c2, gauge});
    std::vector<ConnectionInput> space;
    for (const auto& web : webs)
        for (const auto& flange : flanges) {
            std::vector<int> values = web;
            values.insert(values.end(), flange.begin(), flange.end());
            space.push_back(
                Input(ConnectionType::BSPL, beam, values, moment, shear, grade, diameter));
        }
    return space;
}

// What tells alternatives apart, as the search does: the bolts, their arrangement and the plates.
std::vector<int> Distinction(const ConnectionInput& input) {
    const TextGrid& g = input.grid;
    auto v = [&](int row) { return static_cast<int>(LeadingNumber(g.At(row, kValueColumn))); };
    switch (input.type) {
        case ConnectionType::WSP:
            return {v(3), v(4), v(5), v(2), input.choices.boltDiameter};
        case ConnectionType::ACLT:
            return {v(2), v(3), v(4), input.choices.angleSection, input.choices.boltDiameter};
        case ConnectionType::BMEP:
            return {v(4), v(3), input.choices.boltDiameter};
        default:
            return {v(4), v(5), v(6), v(3), v(11), v(12), v(10), input.choices.boltDiameter};
    }
}

// Designs the configurations of the space from the cheapest up, until the four cheapest
// distinctions are settled: the search's alternatives must be the cheapest passing
// configuration of each of them, in order.
void ExpectCheapestOf(const char* name, AutoDesignRequest request,
                      const std::vector<ConnectionInput>& space) {
    const bool oneSided = request.weldSides == 1;
    request.alternatives = 4;
    const AutoDesignResult result = AutoDesign(request);
    ASSERT_TRUE(result.found) << name << ": " << result.message;
    std::vector<std::pair<Ranking, std::size_t>> order;
    for (std::size_t i = 0; i < space.size(); ++i) order.emplace_back(*RankingOf(space[i]), i);
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first.Compare(b.first) < 0; });
    std::vector<std::pair<std::vector<int>, Ranking>> best;  // distinct, cheapest first
    int designed = 0;
    for (const auto& [ranking, i] : order) {
        if (best.size() == 4 && ranking.Compare(best.back().second) > 0) break;
        const std::vector<int> key = Distinction(space[i]);
        const bool known =
            std::any_of(best.begin(), best.end(), [&](const auto& b) { return b.first == key; });
        if (known) continue;  // its cheapest passing configuration is already in the list
        ++designed;
        if (Proposable(space[i], oneSided)) best.emplace_back(key, ranking);
    }
    EXPECT_GT(designed, 4) << name << ": the space should offer a choice";
    ASSERT_EQ(result.alternatives.size(), best.size()) << name;
    for (std::size_t i = 0; i < result.alternatives.size(); ++i) {
        const AutoDesignChoice& found = result.alternatives[i];
        EXPECT_TRUE(Proposable(found.input, oneSided)) << name << " alternative " << i;
        EXPECT_EQ(found.ranking.Compare(best[i].second), 0)
            << name << " alternative " << i << ": found cost " << found.ranking.cost << " with "
            << found.ranking.bolts << " bolts, the space has " << best[i].second.cost << " with "
            << best[i].second.bolts;
    }
}

AutoDesignRequest Held(AutoDesignRequest r, int grade, int diameter, std::optional<int> plate) {
    r.boltGrade = grade;
    r.boltDiameter = diameter;
    r.plateMm = plate;
    return r;
}

TEST(AutoDesignSpaces, ShearPlate) {
    const int beam = Beam("H-200X100X21.3(kg/m)");
    ExpectCheapestOf(
        "shear plate",
        Held(Request(ConnectionType::WSP, "H-200X100X21.3(kg/m)", 6000), kA325X, kM16, 8),
        WspSpace(beam, 6000, kA325X, kM16, {8}));
    // Every plate and weld: a thicker plate needs a larger weld, and past three webs is refused.
    ExpectCheapestOf(
        "shear plate, every plate",
        Held(Request(ConnectionType::WSP, "H-200X100X21.3(kg/m)", 8000), kA325X, kM16, {}),
        WspSpace(beam, 8000, kA325X, kM16, kStock));
    AutoDesignRequest oneSided =
        Held(Request(ConnectionType::WSP, "H-200X100X21.3(kg/m)", 7500), kA325X, kM16, {});
    oneSided.weldSides = 1;
    ExpectCheapestOf("shear plate welded on one side", oneSided,
                     WspSpace(beam, 7500, kA325X, kM16, kStock, 1));
}

TEST(AutoDesignSpaces, AngleCleats) {
    const int beam = Beam("H-200X100X21.3(kg/m)");
    ExpectCheapestOf(
        "angle cleats",
        Held(Request(ConnectionType::ACLT, "H-200X100X21.3(kg/m)", 7000), kA325X, kM16, 6),
        AcltSpace(beam, 7000, kA325X, kM16, 6));
    // Every angle: a single angle's support bolts carry the moment of its longer leg.
    ExpectCheapestOf(
        "angle cleats, every angle",
        Held(Request(ConnectionType::ACLT, "H-200X100X21.3(kg/m)", 8000), kA325X, kM16, {}),
        AcltSpace(beam, 8000, kA325X, kM16, std::nullopt));
}

// Every plate from stock: thicker plates need larger welds to the beam and more room for them,
// and the rows' places against the flanges follow the pitch.
TEST(AutoDesignSpaces, EndPlate) {
    ExpectCheapestOf("end plate",
                     Held(Request(ConnectionType::BMEP, "H-100X100X17.2(kg/m)", 4000, 50000),
                          kA490X, kM12, std::nullopt),
                     BmepSpace(Beam("H-100X100X17.2(kg/m)"), 50000, 4000, kA490X, kM12, kStock));
    ExpectCheapestOf("end plate, eight bolts",
                     Held(Request(ConnectionType::BMEP, "H-150X100X21.1(kg/m)", 6000, 150000),
                          kA490X, kM12, std::nullopt),
                     BmepSpace(Beam("H-150X100X21.1(kg/m)"), 150000, 6000, kA490X, kM12, kStock));
}

TEST(AutoDesignSpaces, Splice) {
    const int beam = Beam("H-125X125X23.8(kg/m)");
    ExpectCheapestOf(
        "splice",
        Held(Request(ConnectionType::BSPL, "H-125X125X23.8(kg/m)", 3000, 90000), kA325X, kM12, 9),
        BsplSpace(beam, 90000, 3000, kA325X, kM12, 9));
    // Slip-critical bolts: the web is searched before the flange.
    ExpectCheapestOf(
        "slip-critical splice",
        Held(Request(ConnectionType::BSPL, "H-125X125X23.8(kg/m)", 3000, 90000), kA325S, kM12, 9),
        BsplSpace(beam, 90000, 3000, kA325S, kM12, 9));
}

}  // namespace
}  // namespace jw
