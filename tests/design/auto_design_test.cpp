// The automatic design: it finds a connection its own design accepts, keeps the detailing
// rules, holds what the engineer fixed, and is no heavier than any other passing configuration
// (checked by designing every configuration of small search spaces).
#include "design/auto_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "data/numbers.h"
#include "data/sections.h"
#include "data/text_helpers.h"
#include "design/detailing_rules.h"
#include "design_fixtures.h"
#include "project/project_file.h"

namespace jw {
namespace {

using namespace detailing;

constexpr int kA307 = 0, kA325X = 1, kA325N = 2, kA325S = 3, kA490X = 4;
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

bool Accepted(const ConnectionInput& input) {
    RunOptions options{""};
    options.formatReport = false;
    return RunDesign(input, options).classicAccepted;
}

TEST(AutoDesign, WorkedShearPlateWithItsBoltGradeHeldPasses) {
    AutoDesignRequest request = Request(ConnectionType::WSP, "H-300X150X36.7(kg/m)", 10000);
    request.boltGrade = kA325N;
    const AutoDesignResult result = AutoDesign(request);
    ASSERT_TRUE(result.found) << result.message;
    EXPECT_TRUE(result.design.classicAccepted);
    EXPECT_EQ(result.input.choices.boltGrade, kA325N);
    EXPECT_TRUE(DetailingFaults(result.input).empty());
    EXPECT_EQ(result.lightness.Compare(LightnessOf(result.input)), 0);
    // Two bolts carry it: nothing lighter exists, as one bolt cannot take the eccentricity.
    EXPECT_EQ(result.lightness.bolts, 2);
    EXPECT_FALSE(result.design.report.empty());
}

// Each type on a small and a large beam, everything free: the result passes its own design,
// keeps every detailing rule, and its lightness is what the search reports.
TEST(AutoDesign, EveryTypeFindsAConnectionItsDesignAcceptsAndThatCanBeBuilt) {
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
        const AutoDesignResult result = AutoDesign(Request(c.type, c.beam, c.shear, c.moment));
        ASSERT_TRUE(result.found) << name << ": " << result.message;
        EXPECT_TRUE(result.design.classicAccepted) << name;
        EXPECT_EQ(DetailingFaults(result.input), std::vector<std::string>{}) << name;
        EXPECT_EQ(result.lightness.Compare(LightnessOf(result.input)), 0) << name;
        EXPECT_EQ(CheckInputGate(result.input.grid), GateResult::Passed) << name;
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

TEST(AutoDesign, NamesTheCheckTheClosestCandidateFailsWhenNothingPasses) {
    const struct {
        AutoDesignRequest request;
        const char* part;
    } cases[] = {
        {Request(ConnectionType::WSP, "H-150X75X14(kg/m)", 200000), "shear plate"},
        {Request(ConnectionType::BMEP, "H-900X300X286(kg/m)V", 10000, 99000000), "end plate"},
        {Request(ConnectionType::BSPL, "H-900X300X286(kg/m)V", 10000, 99000000), "flange cleats"},
    };
    for (const auto& c : cases) {
        const AutoDesignResult result = AutoDesign(c.request);
        EXPECT_FALSE(result.found) << c.part;
        EXPECT_FALSE(result.invalidRequest) << c.part;
        EXPECT_NE(result.message.find(c.part), std::string::npos) << result.message;
        EXPECT_NE(result.message.find("fails \""), std::string::npos) << result.message;
        // The closest candidate is shown with its table, failing as the message says.
        EXPECT_FALSE(result.design.classicAccepted) << c.part;
    }
    // A 50 mm flange cannot hold two bolt lines at the least gauge and edge distances.
    const AutoDesignResult narrow =
        AutoDesign(Request(ConnectionType::BSPL, "H-100X50X9.3(kg/m)", 1000, 1000));
    EXPECT_FALSE(narrow.found);
    EXPECT_NE(narrow.message.find("No layout of the flange cleats"), std::string::npos)
        << narrow.message;
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
        {with([](auto& r) { r.boltDiameter = 9; }), "diameter"},
        {with([](auto& r) { r.plateMm = 0; }), "plate"},
        {with([](auto& r) { r.angleSection = 0; }), "angle"},
        {with([](auto& r) { r.memberGrade = 0; }), "steel grade"},
    };
    for (const auto& c : cases) {
        const AutoDesignResult result = AutoDesign(c.request);
        EXPECT_TRUE(result.invalidRequest) << c.says;
        EXPECT_FALSE(result.found) << c.says;
        EXPECT_NE(result.message.find(c.says), std::string::npos) << result.message;
        EXPECT_EQ(result.designsRun, 0) << c.says;
    }
}

TEST(AutoDesign, LightnessComparesBoltsThenDiameterThenSteelThenWeld) {
    const Lightness base{4, 20, 500, 30};
    const struct {
        Lightness other;
        int expected;
    } cases[] = {
        {{4, 20, 500, 30}, 0},  {{4, 20, 500.0004, 30}, 0}, {{3, 36, 900, 90}, 1},
        {{5, 12, 10, 1}, -1},   {{4, 16, 900, 90}, 1},      {{4, 22, 10, 1}, -1},
        {{4, 20, 499, 90}, 1},  {{4, 20, 501, 1}, -1},      {{4, 20, 500, 29}, 1},
        {{4, 20, 500, 31}, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(base.Compare(c.other), c.expected)
            << c.other.bolts << " " << c.other.boltMm << " " << c.other.plateSteelCm3 << " "
            << c.other.weldCm;
        EXPECT_EQ(c.other.Compare(base), -c.expected);
    }
}

// --- Brute force over small search spaces ---------------------------------------------------

struct Space {
    BeamMm beam;
    int boltMm;
    std::vector<int> edges;
    std::vector<int> pitches;
};

Space SpaceOf(int beam, int diameter) {
    Space s;
    s.beam = BeamDimensions(beam);
    s.boltMm = static_cast<int>(std::lround(BoltDiaFromItem(kBoltDiameterNames[diameter]) * 10));
    s.edges = DistanceSteps(LeastEdgeMm(s.boltMm), LeastEdgeMm(s.boltMm) + kEdgeSearchSpanMm);
    s.pitches = DistanceSteps(LeastPitchMm(s.boltMm), kMaxPitchMm);
    return s;
}

// Calls `each` with the cleats, columns, rows, edge and pitch of every web bolt group that
// fits between the root fillets.
void ForEachWebGroup(const Space& s, const std::function<void(int, int, int, int, int)>& each) {
    for (int cleats = 1; cleats <= kMaxCleats; ++cleats)
        for (int columns = 1; columns <= kMaxWebBoltColumns; ++columns)
            for (int rows = 1; rows <= 30; ++rows)
                for (int edge : s.edges)
                    for (int pitch : s.pitches)
                        if (rows * columns >= 2 &&
                            (rows - 1) * pitch + 2 * edge <= s.beam.ClearWebDepth())
                            each(cleats, columns, rows, edge, pitch);
}

std::vector<ConnectionInput> WspSpace(int beam, double shear, int grade, int diameter, int plate) {
    std::vector<ConnectionInput> space;
    ForEachWebGroup(
        SpaceOf(beam, diameter), [&](int cleats, int columns, int rows, int edge, int pitch) {
            for (int sides = 1; sides <= 2; ++sides)
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
                                       int thickness) {
    std::vector<ConnectionInput> space;
    const Space s = SpaceOf(beam, diameter);
    for (int angle = 0; angle < kAngleCount; ++angle) {
        const std::string_view row = AngleRowAt(angle);
        const double t = SectionField(row, kAngleThicknessField);
        const double leg = SectionField(row, 3);
        if (t != thickness || !AngleOutstandingLegFits(leg, t, s.boltMm)) continue;
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
                                       int diameter) {
    std::vector<ConnectionInput> space;
    const Space s = SpaceOf(beam, diameter);
    for (int rows = 2; rows <= 30; ++rows)
        for (int edge : s.edges)
            for (int pitch : s.pitches)
                for (int plate : kPlateStockMm)
                    if (plate >= s.boltMm &&
                        (rows - 1) * pitch + 2 * edge <= MaxEndPlateHeightMm(s.beam.d))
                        space.push_back(Input(ConnectionType::BMEP, beam,
                                              {plate, rows, edge, pitch}, moment, shear, grade,
                                              diameter));
    return space;
}

std::vector<ConnectionInput> BsplSpace(int beam, double moment, double shear, int grade,
                                       int diameter, int plate) {
    const Space s = SpaceOf(beam, diameter);
    std::vector<std::vector<int>> webs, flanges;
    ForEachWebGroup(s, [&](int cleats, int columns, int rows, int edge, int pitch) {
        webs.push_back({plate, cleats, rows, columns, kSetBackMm, edge, pitch});
    });
    for (int cleats = 1; cleats <= kMaxCleats; ++cleats)
        for (int rows = 1; rows <= kMaxFlangeBoltRows; ++rows)
            for (int e : s.edges) {
                const int least = static_cast<int>(
                    std::ceil(LeastFlangeGaugeMm(s.beam, s.boltMm, cleats) - 1e-9));
                for (int gauge : DistanceSteps(least, static_cast<int>(s.beam.bf - 2 * e)))
                    flanges.push_back({plate, cleats, rows, e, 0, LeastPitchMm(s.boltMm), gauge});
            }
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

TEST(AutoDesign, IsNoHeavierThanAnyPassingConfigurationOfSmallSpaces) {
    struct Case {
        const char* name;
        AutoDesignRequest request;
        std::vector<ConnectionInput> space;
    };
    const int wspBeam = Beam("H-200X100X21.3(kg/m)");
    const int bmepBeam = Beam("H-150X100X21.1(kg/m)");
    const int bsplBeam = Beam("H-100X100X17.2(kg/m)");
    auto held = [](AutoDesignRequest r, int grade, int diameter, std::optional<int> plate) {
        r.boltGrade = grade;
        r.boltDiameter = diameter;
        r.plateMm = plate;
        return r;
    };
    const Case cases[] = {
        {"shear plate",
         held(Request(ConnectionType::WSP, "H-200X100X21.3(kg/m)", 6000), kA325X, kM16, 8),
         WspSpace(wspBeam, 6000, kA325X, kM16, 8)},
        {"angle cleats",
         held(Request(ConnectionType::ACLT, "H-200X100X21.3(kg/m)", 7000), kA325X, kM16, 6),
         AcltSpace(wspBeam, 7000, kA325X, kM16, 6)},
        {"end plate",
         held(Request(ConnectionType::BMEP, "H-150X100X21.1(kg/m)", 6000, 200000), kA490X, kM16,
              std::nullopt),
         BmepSpace(bmepBeam, 200000, 6000, kA490X, kM16)},
        {"splice",
         held(Request(ConnectionType::BSPL, "H-100X100X17.2(kg/m)", 2000, 70000), kA325X, kM12, 9),
         BsplSpace(bsplBeam, 70000, 2000, kA325X, kM12, 9)},
    };
    for (const Case& c : cases) {
        const AutoDesignResult result = AutoDesign(c.request);
        ASSERT_TRUE(result.found) << c.name << ": " << result.message;
        int passing = 0;
        bool foundInSpace = false;
        for (const ConnectionInput& input : c.space) {
            if (!Accepted(input)) continue;
            ++passing;
            const Lightness other = LightnessOf(input);
            ASSERT_LE(result.lightness.Compare(other), 0)
                << c.name << ": lighter passing configuration with " << other.bolts << " bolts, "
                << other.plateSteelCm3 << " cm3, " << other.weldCm << " cm";
            foundInSpace =
                foundInSpace || (GridValues(input.grid) == GridValues(result.input.grid) &&
                                 input.choices.angleSection == result.input.choices.angleSection);
        }
        EXPECT_GT(passing, 1) << c.name << ": the space should offer a choice";
        EXPECT_TRUE(foundInSpace) << c.name << ": the result lies outside the search space";
    }
}

}  // namespace
}  // namespace jw
