#include "data/connection_input.h"

#include <gtest/gtest.h>

#include <vector>

#include "data/design_error.h"
#include "data/input_readers.h"
#include "data/sections.h"

namespace jw {
namespace {

TextGrid FilledGrid(ConnectionType type, const std::vector<std::string>& values) {
    TextGrid grid = BuildInputGrid(type);
    for (std::size_t i = 0; i < values.size(); ++i)
        grid.At(static_cast<int>(i) + 1, kValueColumn) = values[i];
    return grid;
}

const std::vector<std::string> kWspSample = {"10000", "9",  "1",  "3", "1", "10",
                                             "40",    "75", "70", "6", "2"};

TEST(InputLayout, EachTypeHasItsRowsLabelsAndUnits) {
    struct Case {
        ConnectionType type;
        int rows;
        int row;
        const char* label;
        const char* unit;
    } cases[] = {
        {ConnectionType::WSP, 11, 9, "Fillet Weld Grade E60 or E70", "Exx"},
        {ConnectionType::WSP, 11, 3, "Number of Cleat", "plate"},
        {ConnectionType::ACLT, 8, 2, "Number of Angle", ""},
        {ConnectionType::ACLT, 8, 5, "Number of Bolt at Support", "bolts"},
        {ConnectionType::BMEP, 6, 3, "End Plate Thicness", "mm."},
        {ConnectionType::BMEP, 6, 1, "Design Moment", "kg-cm"},
        {ConnectionType::BSPL, 16, 3, "Cleat Thicness", "mm."},
        {ConnectionType::BSPL, 16, 16, "Flange Bolt C-to-c Distance(C3)", "mm."},
    };
    for (const auto& c : cases) {
        const TextGrid grid = BuildInputGrid(c.type);
        EXPECT_EQ(grid.rows, c.rows + 1);
        EXPECT_EQ(grid.columns, 3);
        EXPECT_EQ(grid.At(0, kUnitColumn), "Unit");
        EXPECT_EQ(grid.At(c.row, kLabelColumn), c.label);
        EXPECT_EQ(grid.At(c.row, kUnitColumn), c.unit);
        EXPECT_EQ(grid.At(c.row, kValueColumn), "");
        EXPECT_FALSE(IsInputComplete(grid)) << "a fresh grid is incomplete";
    }
}

TEST(TypeTexts, NamesCaptionsAndTitles) {
    EXPECT_EQ(TypeName(ConnectionType::ACLT), "ACLT");
    EXPECT_EQ(TypeCaption(ConnectionType::BMEP), "Bending Moment End Plate");
    EXPECT_EQ(TypeReportTitle(ConnectionType::BSPL), "Type - Bending Splice Plate (BSPL)");
    EXPECT_EQ(TypeFromIndex(1), ConnectionType::WSP);
    EXPECT_EQ(TypeFromIndex(5), ConnectionType::None);
    EXPECT_EQ(TypeFromName("BSPL"), ConnectionType::BSPL);
}

TEST(InputGate, CompletenessAndCleatCount) {
    struct Case {
        const char* why;
        int row;
        const char* value;
        GateResult expected;
    } cases[] = {
        {"sample", 1, "10000", GateResult::Passed},
        {"zero is a number", 1, "0", GateResult::Passed},
        {"empty cell", 4, "", GateResult::Incomplete},
        {"weld grade with its letter", 9, "E70", GateResult::Incomplete},
        {"decimal comma", 2, "9,5", GateResult::Incomplete},
        {"blanks inside", 1, "10 000", GateResult::Incomplete},
        {"three plates", 3, "3", GateResult::TooManyCleats},
        {"two and a half plates", 3, "2.5", GateResult::TooManyCleats},
        {"two plates", 3, "2", GateResult::Passed},
    };
    for (const auto& c : cases) {
        TextGrid grid = FilledGrid(ConnectionType::WSP, kWspSample);
        grid.At(c.row, kValueColumn) = c.value;
        EXPECT_EQ(CheckInputGate(grid), c.expected) << c.why;
    }
}

TEST(InputGate, IncompleteRowsNameEveryRowTheGateRefuses) {
    TextGrid grid = FilledGrid(ConnectionType::WSP, kWspSample);
    EXPECT_TRUE(IncompleteRows(grid).empty());
    grid.At(2, kValueColumn) = "9,5";
    grid.At(7, kValueColumn) = "";
    grid.At(9, kValueColumn) = "E70";
    grid.At(11, kValueColumn) = "0";
    EXPECT_EQ(IncompleteRows(grid), (std::vector<int>{2, 7, 9}));
    EXPECT_EQ(IncompleteRows(BuildInputGrid(ConnectionType::BMEP)).size(), 6u);
}

TEST(InputGate, CleatMessageWinsAndAnglesAreLimitedByLabel) {
    TextGrid wsp = BuildInputGrid(ConnectionType::WSP);
    wsp.At(3, kValueColumn) = "3";
    EXPECT_EQ(CheckInputGate(wsp), GateResult::TooManyCleats);
    TextGrid aclt =
        FilledGrid(ConnectionType::ACLT, {"4000", "3", "2", "1", "2", "10", "20", "45"});
    EXPECT_TRUE(IsInputComplete(aclt));
    EXPECT_FALSE(IsCleatCountValid(aclt));
    TextGrid bspl = BuildInputGrid(ConnectionType::BSPL);
    bspl.At(11, kValueColumn) = "4";
    EXPECT_FALSE(IsCleatCountValid(bspl));
}

TEST(InputReaders, WspReadsRowsBeamBoltAndGrades) {
    ConnectionChoices choices;
    choices.beamSection = *FindBeamPosition("H-300X150X36.7(kg/m)");
    choices.boltGrade = 2;     // A325-N
    choices.boltDiameter = 3;  // 20 mm.
    const DesignState s =
        ReadDesignInput(ConnectionType::WSP, FilledGrid(ConnectionType::WSP, kWspSample), choices);
    EXPECT_EQ(s.shearKg, 10000);
    EXPECT_DOUBLE_EQ(s.cleatThicknessCm, 0.9);
    EXPECT_EQ(s.cleats, 1);
    EXPECT_EQ(s.boltRows, 3);
    EXPECT_EQ(s.boltColumns, 1);
    EXPECT_DOUBLE_EQ(s.setBackCm, 1.0);
    EXPECT_DOUBLE_EQ(s.edgeCm, 4.0);
    EXPECT_DOUBLE_EQ(s.pitchCm, 7.5);
    EXPECT_NEAR(s.depthCm, 30.0, 1e-6);
    EXPECT_NEAR(s.webCm, 0.65, 1e-6);
    EXPECT_NEAR(s.flangeCm, 0.9, 1e-6);
    EXPECT_DOUBLE_EQ(s.BoltDia, 2.0);
    EXPECT_DOUBLE_EQ(s.HoleCm(), 2.2);
    EXPECT_EQ(s.boltGrade, "A325-N");
    EXPECT_EQ(s.memberGrade, "SS400");
    EXPECT_EQ(s.cleatGrade, "SS400");
    EXPECT_EQ(s.weldGrade, "E70xx");
    EXPECT_FLOAT_EQ(s.weldSizeCm, 0.6f);
    EXPECT_EQ(s.weldSides, 2);
    EXPECT_FALSE(s.SlipCritical);
}

TEST(InputReaders, AcltTakesTheAngleThicknessAndCountsSupportCleats) {
    ConnectionChoices choices;
    choices.beamSection = 8;
    choices.angleSection = 13;  // L-100X100X10.7(kg/m), t = 7 mm
    const DesignState s = ReadDesignInput(
        ConnectionType::ACLT,
        FilledGrid(ConnectionType::ACLT, {"4000", "2", "2", "1", "2", "10", "20", "45"}), choices);
    EXPECT_NEAR(s.cleatThicknessCm, 0.7, 1e-6);
    EXPECT_EQ(s.cleats, 2);
    EXPECT_EQ(s.supportCleats, 2);
    EXPECT_EQ(s.supportBolts, 2);
    EXPECT_NEAR(s.depthCm, 20.0, 1e-6);
    EXPECT_NEAR(s.webCm, 0.55, 1e-6);
    EXPECT_NEAR(s.flangeCm, 0.8, 1e-6);
}

TEST(InputReaders, BmepFixesItsCountsAndBsplReadsTheFlangeSplice) {
    ConnectionChoices choices;
    choices.beamSection = 8;
    const DesignState e = ReadDesignInput(
        ConnectionType::BMEP,
        FilledGrid(ConnectionType::BMEP, {"110880", "5500", "6", "4", "30", "60"}), choices);
    EXPECT_EQ(e.momentKgCm, 110880);
    EXPECT_EQ(e.supportBolts, 8);
    EXPECT_EQ(e.boltColumns, 2);
    EXPECT_EQ(e.cleats, 1);
    EXPECT_EQ(e.supportCleats, 2);
    const DesignState s = ReadDesignInput(
        ConnectionType::BSPL,
        FilledGrid(ConnectionType::BSPL, {"75000", "3000", "9", "2", "2", "1", "10", "18", "43",
                                          "9", "1", "2", "20", "0", "30", "45"}),
        choices);
    EXPECT_EQ(s.flangeCleats, 1);
    EXPECT_EQ(s.flangeRows, 2);
    EXPECT_DOUBLE_EQ(s.flangeEdgeCm, 2.0);
    EXPECT_DOUBLE_EQ(s.c3Cm, 4.5);
    EXPECT_NEAR(s.flangeWidthCm, 10.0, 1e-6);
    EXPECT_NEAR(s.rootRadiusCm, 1.1, 1e-6);
}

TEST(InputReaders, CountsOutsideSixteenBitsNameTheirRow) {
    TextGrid grid = FilledGrid(ConnectionType::WSP, kWspSample);
    grid.At(4, kValueColumn) = "40000";
    try {
        ReadDesignInput(ConnectionType::WSP, grid, {});
        FAIL() << "expected a DesignError";
    } catch (const DesignError& e) {
        EXPECT_NE(std::string(e.what()).find("\"Number of Bolt Row\""), std::string::npos)
            << e.what();
    }
    TextGrid bmep = FilledGrid(ConnectionType::BMEP, {"1", "1", "6", "20000", "30", "60"});
    EXPECT_THROW(ReadDesignInput(ConnectionType::BMEP, bmep, {}), DesignError);
}

TEST(InputReaders, HalvesRoundToEvenAndNoChoiceReadsZero) {
    TextGrid grid = FilledGrid(ConnectionType::WSP, kWspSample);
    grid.At(4, kValueColumn) = "2.5";
    const DesignState s = ReadDesignInput(ConnectionType::WSP, grid, {});
    EXPECT_EQ(s.boltRows, 2);
    EXPECT_EQ(s.depthCm, 0);
    EXPECT_EQ(s.webCm, 0);
}

}  // namespace
}  // namespace jw
