// The standard connection tables and the connection advisor: an established row stays word for
// word where it passes every check and is replaced (and said to be) where it fails, every beam
// has a proposal of its own, every proposal passes every check of its design and can be built,
// and the checked-in tables are what the generator writes.
#include "data/standard_connections.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "data/established_rows.h"
#include "data/sections.h"
#include "data/text_helpers.h"
#include "design/auto_design.h"
#include "design/detailing_rules.h"
#include "design/standard_proposals.h"
#include "tools/standard_rows_generator.h"

namespace jw {
namespace {

using Type = ConnectionType;

// The established rows, as engineers have used them, at their places in each table.
struct GivenRow {
    Type type;
    int row;
    const char* text;
};
const GivenRow kGiven[] = {
    {Type::WSP, 1, "H-100X100X17.2(kg/m) 4000 9 1 2 1 10 20 45 60 6 1 1 1 "},
    {Type::WSP, 2, "H-125X125X23.8(kg/m) 5500 6 2 2 1 10 25 55 60 6 2 1 1 "},
    {Type::WSP, 3, "H-150X75X14(kg/m) 5400 6 2 3 1 10 22 45 60 6 1 1 1 "},
    {Type::WSP, 27, "H-300X300X106(kg/m)* 32000 9 2 4 1 10 35 65 60 8 1 1 3 "},
    {Type::WSP, 28, "H-300X300X106(kg/m)* 24000 6 2 4 1 10 35 65 60 6 1 1 3 "},
    {Type::WSP, 30, "H-350X175X49.6(kg/m) 17500 6 2 4 1 10 40 70 60 6 1 1 3 "},
    {Type::WSP, 31, "H-350X175X49.6(kg/m) 17500 6 2 4 1 10 40 70 60 6 1 1 3 "},
    {Type::WSP, 37, "H-350X350X115(kg/m) 24750 6 2 4 1 10 40 70 60 6 1 1 3 "},
    {Type::WSP, 48, "H-400X400X168(kg/m)* 51050 12 2 4 1 10 50 80 60 9 1 1 6 "},
    {Type::WSP, 94, "H-900X300X286(kg/m)V 120000 12 2 9 1 20 75 85 60 9 1 1 6 "},
    {Type::ACLT, 1, "H-100X100X17.2(kg/m) 4000 2 2 1 2 10 20 45 1 1 1 "},
    {Type::ACLT, 2, "H-125X125X23.8(kg/m) 5500 2 2 1 2 10 27 50 2 1 1 "},
    {Type::ACLT, 3, "H-150X75X14(kg/m) 5400 2 3 1 2 10 25 40 3 1 1 "},
    {Type::ACLT, 27, "H-300X300X106(kg/m)* 32000 2 4 1 4 10 35 65 7 1 3 "},
    {Type::ACLT, 28, "H-300X300X106(kg/m)* 24000 2 4 1 4 10 35 65 7 1 3 "},
    {Type::ACLT, 46, "H-400X400X168(kg/m)* 51050 2 4 1 4 10 50 80 14 1 6 "},
    {Type::ACLT, 92, "H-900X300X286(kg/m)V 120000 2 9 1 9 20 85 85 24 1 6 "},
    {Type::BMEP, 1, "H-100X100X17.2(kg/m) 110880 5500 6 3 30 60 1 1 "},
    {Type::BMEP, 2, "H-125X125X23.8(kg/m) 195750 5750 6 3 30 75 1 3 "},
    {Type::BMEP, 3, "H-150X75X14(kg/m) 128160 5500 6 3 30 90 1 1 "},
    {Type::BMEP, 27, "H-300X300X106(kg/m)* 2070000 32000 15 5 45 110 4 7 "},
    {Type::BMEP, 28, "H-300X300X106(kg/m)* 2215000 24000 15 5 45 110 4 7 "},
    {Type::BMEP, 46, "H-400X400X168(kg/m)* 4350000 51000 15 7 45 120 5 6 "},
    {Type::BMEP, 73, "I-150X75X17.1(kg/m)* 155000 5900 6 3 30 90 1 1 "},
    {Type::BMEP, 92, "H-900X300X286(kg/m)V 12500000 100000 15 11 50 100 5 7 "},
    {Type::BSPL, 1, "H-100X100X17.2(kg/m) 75000 3000 9 2 2 1 10 18 43 9 1 2 20 0 30 45 1 0 "},
    {Type::BSPL, 2, "H-125X125X23.8(kg/m) 100000 5000 6 2 2 1 10 25 50 9 1 2 20 0 40 60 1 1 "},
    {Type::BSPL, 3, "H-150X75X14(kg/m) 60000 4500 6 2 2 1 10 30 60 9 1 2 20 0 35 35 1 1 "},
    {Type::BSPL, 27,
     "H-300X300X106(kg/m)* 1800000 32000 16 2 3 2 10 40 70 12 2 4 40 45 55 120 1 5 "},
    {Type::BSPL, 28,
     "H-300X300X106(kg/m)* 1800000 23500 12 2 3 2 10 40 70 15 2 4 40 45 55 120 1 5 "},
    {Type::BSPL, 46,
     "H-400X400X168(kg/m)* 4100000 51000 16 2 4 2 10 40 75 16 2 6 40 70 60 150 1 5 "},
    {Type::BSPL, 73, "I-150X75X17.1(kg/m)* 78000 5000 6 2 2 1 10 30 60 9 1 2 20 0 35 35 1 1 "},
    {Type::BSPL, 92,
     "H-900X300X286(kg/m)V 11000000 80500 12 2 7 1 10 45 90 20 2 5 40 60 60 100 1 5 "},
};

const Type kTypes[] = {Type::WSP, Type::ACLT, Type::BMEP, Type::BSPL};

TEST(StandardTables, HoldTheirRowCountsAndEveryRowItsFields) {
    const std::map<Type, std::pair<int, int>> shape = {{Type::WSP, {94, 14}},
                                                       {Type::ACLT, {92, 12}},
                                                       {Type::BMEP, {92, 9}},
                                                       {Type::BSPL, {92, 19}}};
    for (Type type : kTypes) {
        const auto rows = StandardRows(type);
        ASSERT_EQ(static_cast<int>(rows.size()), shape.at(type).first) << TypeName(type);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int fields = WordCount(rows[i]);
            EXPECT_TRUE(fields == shape.at(type).second || fields == 1)
                << TypeName(type) << " row " << i + 1 << ": " << rows[i];
            EXPECT_TRUE(rows[i].ends_with(' ')) << TypeName(type) << " row " << i + 1;
        }
        EXPECT_EQ(StandardRowAt(type, 0), "");
        EXPECT_EQ(StandardRowAt(type, static_cast<int>(rows.size()) + 1), "");
    }
    EXPECT_TRUE(StandardRows(Type::None).empty());
}

TEST(StandardTables, KeepEachEstablishedRowThatPassesAndReplaceTheOthersSayingWhy) {
    ASSERT_EQ(EstablishedRows().size(), std::size(kGiven));
    int kept = 0;
    for (const GivenRow& given : kGiven) {
        const std::string where =
            std::string(TypeName(given.type)) + " row " + std::to_string(given.row);
        const EstablishedRow* established = EstablishedRowAt(given.type, given.row);
        ASSERT_NE(established, nullptr) << where;
        EXPECT_EQ(established->text, given.text) << where;
        const std::string_view row = StandardRowAt(given.type, given.row);
        // A replaced row proposes for the same beam, at the same place.
        EXPECT_EQ(WordAt(row, 1), WordAt(given.text, 1)) << where;
        const std::string failure = EstablishedRowFailure(given.type, given.text);
        if (row == given.text) {
            ++kept;
            EXPECT_EQ(failure, "") << where;
            EXPECT_EQ(ReplacementNote(given.type, given.row), "") << where;
        } else {
            EXPECT_EQ(failure.rfind("fails ", 0), 0u) << where << ": " << failure;
            EXPECT_EQ(ReplacementNote(given.type, given.row), "given row replaced: " + failure)
                << where;
        }
    }
    // The two shear plates of H-350X175X49.6 and the rows whose names are no section's.
    EXPECT_EQ(kept, 9);
    EXPECT_EQ(ReplacementNote(Type::WSP, 1),
              "given row replaced: fails Plate within clear web at 1.33");
    EXPECT_EQ(ReplacementNote(Type::WSP, 4), "");  // a rule row: none was established there
}

TEST(StandardTables, GiveEveryBeamSectionARowOfItsOwn) {
    // Names no section carries, and beams the moment tables leave out.
    const std::map<Type, std::set<std::string>> strangers = {
        {Type::WSP, {"H-350X350X115(kg/m)", "H-400X400X168(kg/m)*"}},
        {Type::ACLT, {"H-400X400X168(kg/m)*"}},
        {Type::BMEP, {"H-400X400X168(kg/m)*", "I-150X75X17.1(kg/m)*"}},
        {Type::BSPL, {"H-400X400X168(kg/m)*", "I-150X75X17.1(kg/m)*"}}};
    std::set<std::string> sections;
    for (std::string_view row : kSectionRows) sections.insert(SectionName(row));
    for (Type type : kTypes) {
        std::map<std::string, int> rowsOf;
        for (std::string_view row : StandardRows(type)) ++rowsOf[WordAt(row, 1)];
        for (const std::string& name : sections) {
            const bool left =
                (type == Type::BMEP || type == Type::BSPL) && name == "I-150X75X17.1(kg/m)";
            EXPECT_EQ(rowsOf.count(name), left ? 0u : 1u) << TypeName(type) << " " << name;
        }
        for (const auto& [name, count] : rowsOf) {
            EXPECT_TRUE(sections.count(name) || strangers.at(type).count(name))
                << TypeName(type) << " " << name;
            const bool repeated = name == "H-300X300X106(kg/m)*" ||
                                  (type == Type::WSP && name == "H-350X175X49.6(kg/m)");
            EXPECT_EQ(count, repeated ? 2 : 1) << TypeName(type) << " " << name;
        }
    }
}

TEST(Advisor, FillsTheGridAndListsFromTheLastRowOfTheBeamsName) {
    const struct {
        Type type;
        const char* beam;
        int row;
        std::vector<std::string> values;
        int grade, diameter, angle;
    } cases[] = {
        // An established row kept as it stands; the later of the two rows of its name wins.
        {Type::WSP,
         "H-350X175X49.6(kg/m)",
         31,
         {"17500", "6", "2", "4", "1", "10", "40", "70", "60", "6", "1"},
         1,
         3,
         -1},
        // Replaced established rows.
        {Type::WSP,
         "H-100X100X17.2(kg/m)",
         1,
         {"4000", "9", "2", "1", "2", "10", "32", "130", "60", "5", "2"},
         1,
         2,
         -1},
        {Type::WSP,
         "H-300X300X106(kg/m)*",
         28,
         {"24000", "6", "2", "3", "1", "10", "35", "80", "60", "5", "2"},
         1,
         3,
         -1},
        {Type::ACLT,
         "H-125X125X23.8(kg/m)",
         2,
         {"5500", "2", "2", "2", "2", "10", "22", "36"},
         1,
         0,
         10},
        {Type::BMEP,
         "H-300X300X106(kg/m)*",
         28,
         {"2104000", "22800", "36", "4", "50", "140"},
         4,
         6,
         -1},
    };
    for (const auto& c : cases) {
        const auto proposal = AdvisorLookup(c.type, c.beam);
        ASSERT_TRUE(proposal) << c.beam;
        EXPECT_EQ(proposal->row, c.row) << c.beam;
        TextGrid grid = BuildInputGrid(c.type);
        ConnectionChoices choices;
        ApplyAdvisorProposal(*proposal, grid, choices);
        for (std::size_t i = 0; i < c.values.size(); ++i)
            EXPECT_EQ(grid.At(static_cast<int>(i) + 1, kValueColumn), c.values[i])
                << c.beam << " grid row " << i + 1;
        EXPECT_EQ(choices.boltGrade, c.grade) << c.beam;
        EXPECT_EQ(choices.boltDiameter, c.diameter) << c.beam;
        EXPECT_EQ(choices.angleSection, c.angle) << c.beam;
    }
    // No angle cleats with two support bolts each fit the 64 mm clear web of H-100X100X17.2:
    // its row replaces the established one with the name alone, which empties the grid.
    const auto none = AdvisorLookup(Type::ACLT, "H-100X100X17.2(kg/m)");
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->clearsGrid);
}

TEST(Advisor, LeavesTheInputAloneWhenNoRowCarriesTheName) {
    for (Type type : {Type::BMEP, Type::BSPL})
        EXPECT_FALSE(AdvisorLookup(type, "I-150X75X17.1(kg/m)")) << TypeName(type);
    EXPECT_FALSE(AdvisorLookup(Type::None, "H-100X100X17.2(kg/m)"));
    EXPECT_FALSE(AdvisorLookup(Type::WSP, "H-100X100X17.2"));
}

TEST(Advisor, ARowWithoutValuesEmptiesTheGridAndKeepsTheLists) {
    AdvisorProposal nameOnly;
    nameOnly.clearsGrid = true;
    TextGrid grid = BuildInputGrid(Type::BSPL);
    for (int row = 1; row < grid.rows; ++row) grid.At(row, kValueColumn) = "7";
    ConnectionChoices choices;
    choices.boltGrade = 5;
    ApplyAdvisorProposal(nameOnly, grid, choices);
    for (int row = 1; row < grid.rows; ++row) EXPECT_EQ(grid.At(row, kValueColumn), "") << row;
    EXPECT_EQ(grid.At(1, kLabelColumn), "Design Moment");
    EXPECT_EQ(choices.boltGrade, 5);
}

TEST(Advisor, AMalformedProposalWritesNothingOutsideTheGridOrTheLists) {
    AdvisorProposal proposal;
    proposal.values.assign(30, "1");  // more values than any grid has rows
    proposal.boltGrade = 13;
    proposal.boltDiameter = -1;
    proposal.angleSection = 30;
    TextGrid grid = BuildInputGrid(Type::BMEP);
    ConnectionChoices choices;
    ApplyAdvisorProposal(proposal, grid, choices);
    EXPECT_EQ(grid.rows, 7);
    for (int row = 1; row < grid.rows; ++row) EXPECT_EQ(grid.At(row, kValueColumn), "1");
    EXPECT_EQ(choices.boltGrade, ConnectionChoices{}.boltGrade);
    EXPECT_EQ(choices.boltDiameter, ConnectionChoices{}.boltDiameter);
    EXPECT_EQ(choices.angleSection, ConnectionChoices{}.angleSection);
}

// The rows that propose nothing: beams no practical connection of the type fits (a clear web too
// short for two bolts or for an angle's two support bolts, a flange too narrow for the wrench or
// two bolt lines).
const std::set<std::pair<Type, int>> kNoProposal = {
    {Type::ACLT, 1},  {Type::ACLT, 4}, {Type::BMEP, 3}, {Type::BMEP, 4},
    {Type::BMEP, 91}, {Type::BSPL, 1}, {Type::BSPL, 3}, {Type::BSPL, 4}};

TEST(StandardProposals, PassEveryCheckAndKeepTheDetailingRules) {
    int designed = 0;
    for (const ProposalDesign& p : DesignStandardProposals(Type::None)) {
        const std::string where =
            std::string(TypeName(p.type)) + " row " + std::to_string(p.row) + " " + p.section;
        if (p.kind == ProposalDesign::Kind::NoProposal) {
            EXPECT_TRUE(kNoProposal.count({p.type, p.row})) << where;
            continue;
        }
        if (p.kind != ProposalDesign::Kind::Designed) continue;
        ++designed;
        EXPECT_EQ(p.result.status, RunStatus::Accepted)
            << where << ": " << p.result.message << p.result.governingMode;
        if (EstablishedRowAt(p.type, p.row) &&
            StandardRowAt(p.type, p.row) == EstablishedRowAt(p.type, p.row)->text)
            continue;  // established rows keep their own detailing
        EXPECT_TRUE(IsSound(p.result)) << where;
        EXPECT_EQ(detailing::DetailingFaults(p.input), std::vector<std::string>{}) << where;
    }
    // Every row, less the 7 strangers and the rows without a proposal, plus the second beam of
    // the shared name in rows 27 and 28 of each table.
    EXPECT_EQ(designed, 94 + 3 * 92 - 7 - static_cast<int>(kNoProposal.size()) + 4 * 2);
}

TEST(StandardProposals, LoadRuleTakesItsShareOfTheBeamsAllowables) {
    const struct {
        Type type;
        const char* beam;
        double share, shear, moment;
    } cases[] = {
        // Va = 0.4 x 2400 x 30 x 0.65 = 18720 kg, Ma = 0.6 x 2400 x 481 = 692640 kg-cm.
        {Type::WSP, "H-300X150X36.7(kg/m)", 1.0, 14000, 0},
        {Type::BMEP, "H-300X150X36.7(kg/m)", 1.0, 14000, 692000},
        {Type::BSPL, "H-300X150X36.7(kg/m)", 1.0, 11200, 415000},
        {Type::BMEP, "H-300X150X36.7(kg/m)", 0.8, 11200, 554000},
        // Va = 0.4 x 2400 x 10 x 0.6 = 5760 kg, Ma = 0.6 x 2400 x 77 = 110880 kg-cm.
        {Type::ACLT, "H-100X100X17.2(kg/m)", 1.0, 4300, 0},
        {Type::BMEP, "H-100X100X17.2(kg/m)", 1.0, 4300, 110000},
    };
    for (const auto& c : cases) {
        const auto loads = tools::LoadRule(c.type, FindBeamPosition(c.beam).value_or(-1), c.share);
        EXPECT_EQ(loads.shearKg, c.shear) << TypeName(c.type) << " " << c.beam;
        EXPECT_EQ(loads.momentKgCm, c.moment) << TypeName(c.type) << " " << c.beam;
    }
}

TEST(StandardTables, AreWhatTheGeneratorWrites) {
    std::ifstream in(JW_TEST_DIR "/../../src/data/standard_connection_rows.cpp", std::ios::binary);
    ASSERT_TRUE(in) << "cannot read the checked-in tables";
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_TRUE(text.str() == tools::FormatStandardRowsSource())
        << "src/data/standard_connection_rows.cpp differs from what tools/generate_standard_rows "
           "writes: after an intended change, run cmake --build build --target "
           "regenerate_standard_rows";
}

}  // namespace
}  // namespace jw
