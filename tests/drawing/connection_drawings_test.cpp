#include "drawing/connection_drawings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "data/design_error.h"
#include "data/sections.h"
#include "drawing/recording_canvas.h"

namespace jw {
namespace {

using Kind = DrawCall::Kind;
constexpr double kTol = 1e-3;

TextGrid Grid(ConnectionType type, const std::vector<std::string>& values) {
    TextGrid grid = BuildInputGrid(type);
    for (std::size_t i = 0; i < values.size(); ++i)
        grid.At(static_cast<int>(i) + 1, kValueColumn) = values[i];
    return grid;
}

// The sample inputs the main form fills in, with beam position 8 ("H-200X100X21.3(kg/m)":
// d 200, bf 100, tw 5.5, tf 8), bolt diameter 18 mm and, for angle cleats, angle position 7
// ("L-75X75X9.96(kg/m)": A 75, t 9).
const std::vector<std::string> kWspSample = {"10000", "9",  "2",  "2", "1", "15",
                                             "40",    "60", "70", "6", "1"};
const std::vector<std::string> kAcltSample = {"10000", "2", "2", "1", "2", "15", "40", "60"};
const std::vector<std::string> kBmepSample = {"100000", "10000", "9", "4", "40", "80"};
const std::vector<std::string> kBsplSample = {"100000", "10000", "12", "2", "2",  "1",  "15", "40",
                                              "60",     "12",    "2",  "3", "30", "20", "45", "40"};

ConnectionChoices SampleChoices() {
    ConnectionChoices choices;
    choices.beamSection = 8;
    choices.boltGrade = 1;
    choices.boltDiameter = 2;
    choices.angleSection = 7;
    return choices;
}

ConnectionChoices BeamAndBolt(std::string_view beam, int boltDiameter) {
    ConnectionChoices choices;
    choices.beamSection = *FindBeamPosition(beam);
    choices.boltDiameter = boltDiameter;
    return choices;
}

RecordingCanvas Draw(ConnectionType type, const TextGrid& grid, const ConnectionChoices& choices) {
    RecordingCanvas canvas;
    DrawClassicConnection(canvas, type, grid, choices);
    return canvas;
}

bool Near(double a, double b) {
    return std::fabs(a - b) < kTol;
}

std::vector<DrawCall> BoxesOf(const RecordingCanvas& canvas, int colour) {
    std::vector<DrawCall> boxes;
    for (const DrawCall& box : canvas.CallsOf(Kind::Box))
        if (box.colour == colour) boxes.push_back(box);
    return boxes;
}

bool HasBox(const RecordingCanvas& canvas, double x1, double y1, double x2, double y2) {
    for (const DrawCall& b : canvas.CallsOf(Kind::Box))
        if (Near(b.x1, x1) && Near(b.y1, y1) && Near(b.x2, x2) && Near(b.y2, y2)) return true;
    return false;
}

TEST(ShearDrawing, PlateBoltsAndDimensionChainsFollowTheGrid) {
    struct Case {
        const char* why;
        std::vector<std::string> grid;
        double plateLeft, plateBottom, plateRight, plateTop;
        std::vector<std::pair<double, double>> bolts;
        std::vector<std::string> labels;
    } cases[] = {
        {"one column of three: edge and last column to the face, no pitch along the beam",
         {"10000", "9", "1", "3", "1", "10", "35", "70", "70", "6", "2"},
         230,
         195,
         310,
         405,
         {{265, 230}, {265, 300}, {265, 370}},
         {"210", "80", "80", "70", "70", "300", "35", "45"}},
        {"the worked run",
         {"10000", "9", "1", "3", "1", "10", "40", "75", "70", "6", "2"},
         220,
         185,
         310,
         415,
         {{260, 225}, {260, 300}, {260, 375}},
         {"230", "75", "75", "75", "75", "300", "40", "50"}},
        {"two columns add a pitch along the beam",
         {"10000", "9", "1", "2", "2", "10", "40", "75", "70", "6", "2"},
         145,
         222.5,
         310,
         377.5,
         {{185, 262.5}, {185, 337.5}, {260, 262.5}, {260, 337.5}},
         {"155", "113", "113", "75", "300", "40", "50", "75"}},
    };
    // d 300, tf 9; 20 mm bolts.
    const ConnectionChoices choices = BeamAndBolt("H-300X150X36.7(kg/m)", 3);
    for (const Case& c : cases) {
        const RecordingCanvas canvas =
            Draw(ConnectionType::WSP, Grid(ConnectionType::WSP, c.grid), choices);
        EXPECT_TRUE(HasBox(canvas, c.plateLeft, c.plateTop, c.plateRight, c.plateBottom)) << c.why;
        const auto circles = canvas.CallsOf(Kind::Circle);
        ASSERT_EQ(circles.size(), c.bolts.size()) << c.why;
        for (std::size_t k = 0; k < circles.size(); ++k) {
            EXPECT_NEAR(circles[k].x1, c.bolts[k].first, kTol) << c.why << " bolt " << k;
            EXPECT_NEAR(circles[k].y1, c.bolts[k].second, kTol) << c.why << " bolt " << k;
            EXPECT_NEAR(circles[k].x2, 5, kTol) << c.why << ": a 20 mm bolt";
        }
        EXPECT_EQ(canvas.Texts(), c.labels) << c.why;
    }
}

TEST(ShearDrawing, OneShankPerBoltRowThroughAnAngleAndNoneThroughAPlate) {
    struct Case {
        const char* why;
        ConnectionType type;
        std::vector<std::string> grid;
        std::vector<double> rowYs;
    } cases[] = {
        // Angle: face at d + a = 215, H = 140, first row at 200 - 70 + 40 = 170.
        {"two angle rows", ConnectionType::ACLT, kAcltSample, {170, 230}},
        {"four angle rows",
         ConnectionType::ACLT,
         {"10000", "2", "4", "2", "2", "15", "40", "60"},
         {110, 170, 230, 290}},
        {"welded plate", ConnectionType::WSP, kWspSample, {}},
    };
    for (const Case& c : cases) {
        const RecordingCanvas canvas = Draw(c.type, Grid(c.type, c.grid), SampleChoices());
        const auto shanks = BoxesOf(canvas, kLightRed);
        ASSERT_EQ(shanks.size(), c.rowYs.size()) << c.why;
        for (std::size_t i = 0; i < shanks.size(); ++i) {
            // From the leg's inner face (215 - t 9) through the support flange (tf 8).
            EXPECT_NEAR(shanks[i].x1, 206, kTol) << c.why;
            EXPECT_NEAR(shanks[i].x2, 223, kTol) << c.why;
            EXPECT_NEAR(shanks[i].y1, c.rowYs[i] - 4.5, kTol) << c.why << ": D/4 below the row";
            EXPECT_NEAR(shanks[i].y2, c.rowYs[i] + 4.5, kTol) << c.why;
        }
    }
}

TEST(EndPlateDrawing, WindowKeepsABeamDeeperThanThePlateInThePicture) {
    struct Case {
        const char* why;
        std::vector<std::string> grid;
        double bottom, top;  // of the window: y extent plus a margin of 0.1 of it
    } cases[] = {
        {"plate 320 deeper than beam 200: y from 0 to 1.3 Hp", kBmepSample, -41.6, 457.6},
        {"plate 160 within beam 200: y from Hp - d to d",
         {"100000", "10000", "9", "2", "40", "80"},
         -40 - 24,
         200 + 24},
    };
    for (const Case& c : cases) {
        const RecordingCanvas canvas =
            Draw(ConnectionType::BMEP, Grid(ConnectionType::BMEP, c.grid), SampleChoices());
        EXPECT_NEAR(canvas.ScaleTop(), c.top, kTol) << c.why;
        EXPECT_NEAR(canvas.ScaleTop() + canvas.ScaleHeight(), c.bottom, kTol) << c.why;
        EXPECT_NEAR(canvas.ScaleWidth(), -canvas.ScaleHeight(), kTol) << c.why << ": square";
        // The section outline is the pen-2 polyline; every corner lies inside the window.
        int sectionLines = 0;
        for (const DrawCall& line : canvas.CallsOf(Kind::Line)) {
            if (line.penWidth != 2) continue;
            ++sectionLines;
            for (double y : {line.y1, line.y2}) {
                EXPECT_LT(y, c.top) << c.why;
                EXPECT_GT(y, c.bottom) << c.why;
            }
        }
        EXPECT_EQ(sectionLines, 12) << c.why;
        // Two bolt columns one bolt diameter in from the plate edges: x = 18 and 100 - 18.
        for (const DrawCall& bolt : canvas.CallsOf(Kind::Circle))
            EXPECT_TRUE(Near(bolt.x1, 18) || Near(bolt.x1, 82)) << c.why << " x " << bolt.x1;
        // The note is centred along the window's top edge.
        const DrawCall note = canvas.CallsOf(Kind::Text).front();
        EXPECT_EQ(note.text, "(Configuration of Bolt Group Shall be designed by User)");
        EXPECT_NEAR(note.x1 + canvas.TextWidth(note.text) / 2,
                    canvas.ScaleLeft() + canvas.ScaleWidth() / 2, kTol)
            << c.why;
        EXPECT_NEAR(note.y1, canvas.ScaleTop(), kTol) << c.why;
        EXPECT_EQ(note.colour, kLightBlue);
    }
}

// The splice's flange bolts stand in the plan, above Y0 = 2 tfc + d + bf/2 = 274.
std::map<double, std::vector<double>> FlangeBoltLines(const RecordingCanvas& canvas) {
    std::map<double, std::vector<double>> lines;  // y to the xs of its bolts
    for (const DrawCall& bolt : canvas.CallsOf(Kind::Circle))
        if (bolt.y1 > 274) lines[std::round(bolt.y1 * 100) / 100].push_back(bolt.x1);
    return lines;
}

TEST(SpliceDrawing, FlangeBoltsOnStraightOrStaggeredLines) {
    struct Case {
        const char* why;
        std::string rows, stagger;
        std::vector<std::size_t> countsByLine;  // from the lowest line up
        double innerOffset;                     // x of the first bolt on the second line
    } cases[] = {
        {"staggered, five rows: 3 outer and 2 inner per line", "5", "20", {3, 2, 2, 3}, 45},
        {"staggered, four rows: 2 on every line", "4", "20", {2, 2, 2, 2}, 45},
        {"straight lines of five", "5", "0", {5, 5}, 0},
    };
    for (const Case& c : cases) {
        std::vector<std::string> values = kBsplSample;
        values[11] = c.rows;
        values[13] = c.stagger;
        const RecordingCanvas canvas =
            Draw(ConnectionType::BSPL, Grid(ConnectionType::BSPL, values), SampleChoices());
        const auto lines = FlangeBoltLines(canvas);
        std::vector<std::size_t> counts;
        for (const auto& [y, xs] : lines) counts.push_back(xs.size());
        EXPECT_EQ(counts, c.countsByLine) << c.why;
        ASSERT_GE(lines.size(), 2u) << c.why;
        const double firstX = lines.begin()->second.front();
        const double secondX = std::next(lines.begin())->second.front();
        EXPECT_NEAR(secondX - firstX, c.innerOffset, kTol) << c.why;
        const auto& outer = lines.begin()->second;
        const double linePitch = c.innerOffset > 0 ? 90 : 45;
        for (std::size_t k = 1; k < outer.size(); ++k)
            EXPECT_NEAR(outer[k] - outer[k - 1], linePitch, kTol) << c.why;
    }
}

TEST(SpliceDrawing, StaggerDimensionsOnlyForAPositiveStagger) {
    auto labelCount = [](const std::string& stagger) {
        std::vector<std::string> values = kBsplSample;
        values[13] = stagger;
        const RecordingCanvas canvas =
            Draw(ConnectionType::BSPL, Grid(ConnectionType::BSPL, values), SampleChoices());
        return canvas.Texts().size();
    };
    EXPECT_EQ(labelCount("20"), labelCount("0") + 2);
    EXPECT_EQ(labelCount("-20"), labelCount("0"))
        << "a negative stagger staggers the bolts but draws no stagger dimensions";
}

TEST(SpliceDrawing, InnerFlangeCleatsStopTheBeamEnd) {
    // L = (3 - 1) 45 + 60 + 15 = 165: the beam end at 1.5 L - a = 232.5; web cleat from
    // yb = 24 + 100 - 70 = 54 to 194; tfc 12, tf 8, d 200.
    struct Case {
        const char* why;
        std::string cleats;
        std::size_t cleatBoxes;  // black boxes from 0.5 L to 1.5 L, the plan's cleat included
        std::vector<std::pair<double, double>> endLines;
    } cases[] = {
        {"one cleat per flange", "1", 3, {{32, 54}, {194, 216}}},
        {"inner cleats as well", "2", 5, {{44, 54}, {194, 204}}},
        {"no flange cleat", "0", 3, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> values = kBsplSample;
        values[10] = c.cleats;
        const RecordingCanvas canvas =
            Draw(ConnectionType::BSPL, Grid(ConnectionType::BSPL, values), SampleChoices());
        std::size_t cleatBoxes = 0;
        for (const DrawCall& box : BoxesOf(canvas, kBlack))
            if (Near(box.x1, 82.5) && Near(box.x2, 247.5)) ++cleatBoxes;
        EXPECT_EQ(cleatBoxes, c.cleatBoxes) << c.why;
        std::vector<std::pair<double, double>> endLines;
        for (const DrawCall& line : canvas.CallsOf(Kind::Line))
            if (Near(line.x1, 232.5) && Near(line.x2, 232.5) && line.y1 < 274)
                endLines.emplace_back(line.y1, line.y2);
        ASSERT_EQ(endLines.size(), c.endLines.size()) << c.why;
        for (std::size_t k = 0; k < endLines.size(); ++k) {
            EXPECT_NEAR(endLines[k].first, c.endLines[k].first, kTol) << c.why;
            EXPECT_NEAR(endLines[k].second, c.endLines[k].second, kTol) << c.why;
        }
    }
}

TEST(ConnectionDrawing, EveryTypeStartsClearAndEndsWithAThinBluePen) {
    struct Case {
        ConnectionType type;
        std::vector<std::string> grid;
    } cases[] = {
        {ConnectionType::WSP, kWspSample},
        {ConnectionType::ACLT, kAcltSample},
        {ConnectionType::BMEP, kBmepSample},
        {ConnectionType::BSPL, kBsplSample},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas;
        canvas.SetForeColor(kLightRed);
        canvas.SetDrawWidth(4);
        DrawClassicConnection(canvas, c.type, Grid(c.type, c.grid), SampleChoices());
        ASSERT_GE(canvas.Calls().size(), 2u) << TypeName(c.type);
        EXPECT_EQ(canvas.Calls()[0].kind, Kind::Clear) << TypeName(c.type);
        EXPECT_EQ(canvas.Calls()[1].kind, Kind::Window) << TypeName(c.type);
        EXPECT_EQ(canvas.DrawWidth(), 1) << TypeName(c.type);
        EXPECT_EQ(canvas.ForeColor(), kLightBlue) << TypeName(c.type);
        for (const DrawCall& call : canvas.Calls()) {
            if (call.kind == Kind::Box || (call.kind == Kind::Line && call.penWidth == 2)) {
                EXPECT_NE(call.colour, kLightBlue) << TypeName(c.type) << ": members are black";
            }
            if (call.kind == Kind::Circle) {
                EXPECT_EQ(call.colour, kLightRed) << TypeName(c.type);
            }
            if (call.kind == Kind::Text) {
                EXPECT_EQ(call.colour, kLightBlue) << TypeName(c.type);
            }
        }
    }
}

// The sample grid of a type with one value changed (row counted from 1).
TextGrid SampleWith(ConnectionType type, int row, const std::string& value) {
    const std::vector<std::string>* samples[] = {nullptr, &kWspSample, &kAcltSample, &kBmepSample,
                                                 &kBsplSample};
    TextGrid grid = Grid(type, *samples[static_cast<int>(type)]);
    if (row > 0) grid.At(row, kValueColumn) = value;
    return grid;
}

TEST(ConnectionDrawing, StopsWithAMessageBeforeDrawingWhatCannotBeDrawn) {
    struct Case {
        const char* why;
        ConnectionType type;
        TextGrid grid;
        ConnectionChoices choices;
        const char* message;
    };
    ConnectionChoices noBeam = SampleChoices();
    noBeam.beamSection = -1;
    ConnectionChoices noAngle = SampleChoices();
    noAngle.angleSection = -1;
    ConnectionChoices noBolt = SampleChoices();
    noBolt.boltDiameter = 9;
    TextGrid hugeGroup = SampleWith(ConnectionType::WSP, 4, "32767");
    hugeGroup.At(5, kValueColumn) = "32767";
    const auto WSP = ConnectionType::WSP;
    const auto BSPL = ConnectionType::BSPL;
    const Case cases[] = {
        {"no beam section", WSP, SampleWith(WSP, 0, ""), noBeam,
         "No beam section is chosen: choose a beam section before drawing."},
        {"no beam for the splice", BSPL, SampleWith(BSPL, 0, ""), noBeam,
         "No beam section is chosen"},
        {"no angle for angle cleats", ConnectionType::ACLT, SampleWith(ConnectionType::ACLT, 0, ""),
         noAngle, "No angle section is chosen"},
        {"no bolt diameter", ConnectionType::BMEP, SampleWith(ConnectionType::BMEP, 0, ""), noBolt,
         "No bolt diameter is chosen"},
        {"a count beyond 16 bits", BSPL, SampleWith(BSPL, 5, "40000"), SampleChoices(),
         "\"Row of Bolt\" is out of range"},
        {"a bolt group no connection has", WSP, hugeGroup, SampleChoices(),
         "A bolt group of 32767 rows by 32767 columns is too large to draw"},
        {"flange bolts no splice has", BSPL, SampleWith(BSPL, 12, "32767"), SampleChoices(),
         "32767 rows by 2 columns"},
        {"a length beyond any number", WSP, SampleWith(WSP, 6, "1E999"), SampleChoices(),
         "\"Clr Dis. from Column (a)\" is too large to draw"},
        {"a length whose window overflows", WSP, SampleWith(WSP, 6, "3.4E38"), SampleChoices(),
         "too large to show"},
        {"the grid of another type", WSP, SampleWith(ConnectionType::BMEP, 0, ""), SampleChoices(),
         "The input grid has no row \"Number of Bolt Row\""},
    };
    // The detailed drawing refuses exactly what the classic one does, before drawing anything.
    for (const Case& c : cases) {
        for (const auto draw : {&DrawClassicConnection, &DrawConnection}) {
            RecordingCanvas canvas;
            try {
                draw(canvas, c.type, c.grid, c.choices);
                ADD_FAILURE() << c.why << ": no error";
            } catch (const DesignError& error) {
                EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
                    << c.why << ": " << error.what();
            }
            EXPECT_TRUE(canvas.CallsOf(Kind::Line).empty()) << c.why << ": nothing drawn";
            EXPECT_TRUE(canvas.CallsOf(Kind::Circle).empty()) << c.why;
        }
    }
}

}  // namespace
}  // namespace jw
