// The detailed drawings as a fabricator reads them: everything inside the picture, no label over
// another, the parts and bolts named, the geometry warned about, the classic drawing first.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "../design/design_fixtures.h"
#include "data/sections.h"
#include "drawing/connection_drawings.h"
#include "drawing/layout_space.h"
#include "drawing/recording_canvas.h"

namespace jw {
namespace {

using Kind = DrawCall::Kind;
constexpr double kTol = 1e-6;

struct Case {
    const char* why;
    ConnectionType type;
    const char* beam;
    int boltDiameter;  // list position: 0 M12, 2 M18, 3 M20, 5 M24, 8 M36
    std::vector<std::string> values;
    const char* angle = nullptr;
};

ConnectionInput InputOf(const Case& c) {
    ConnectionInput input = testing::MakeInput(c.type, c.values, c.beam);
    input.choices.boltDiameter = c.boltDiameter;
    input.choices.boltGrade = 1;  // A325-X
    if (c.angle) input.choices.angleSection = FindAnglePosition(c.angle).value_or(-1);
    return input;
}

constexpr const char* kH100 = "H-100X50X9.3(kg/m)";
constexpr const char* kH200 = "H-200X100X21.3(kg/m)";
constexpr const char* kH300 = "H-300X150X36.7(kg/m)";
constexpr const char* kH900 = "H-900X300X286(kg/m)V";

// The inputs a fabricator's drawing office would throw at the drawings: plates taller than the
// picture, bolts beyond the parts, plates shorter or wider than what they join, thick plies,
// tiny and huge beams and many bolts.
const std::vector<Case>& AwkwardCases() {
    static const std::vector<Case> cases = {
        {"WSP five rows at 60 on H-100: a plate taller than the beam",
         ConnectionType::WSP,
         kH100,
         0,
         {"5000", "6", "1", "5", "1", "10", "25", "60", "70", "5", "2"}},
        {"WSP six columns on H-200: a plate past the beam's cut end",
         ConnectionType::WSP,
         kH200,
         1,
         {"5000", "8", "2", "2", "6", "10", "40", "60", "70", "6", "1"}},
        {"WSP 12 x 6 bolts on H-900",
         ConnectionType::WSP,
         kH900,
         5,
         {"50000", "12", "2", "12", "6", "10", "40", "75", "70", "8", "2"}},
        {"WSP one bolt on the smallest beam",
         ConnectionType::WSP,
         kH100,
         0,
         {"1000", "6", "1", "1", "1", "10", "20", "40", "70", "5", "1"}},
        {"ACLT columns beyond the angle leg and the support face",
         ConnectionType::ACLT,
         kH200,
         1,
         {"5000", "2", "2", "3", "2", "10", "30", "60"},
         "L-75X75X9.96(kg/m)"},
        {"ACLT 12 x 2 bolts on H-900",
         ConnectionType::ACLT,
         kH900,
         5,
         {"50000", "2", "12", "2", "12", "10", "40", "75"},
         "L-90X90X13.3(kg/m)"},
        {"ACLT the smallest angle on the smallest beam",
         ConnectionType::ACLT,
         kH100,
         0,
         {"2000", "1", "1", "1", "1", "10", "25", "40"},
         "L-50X50X3.06(kg/m)"},
        {"BMEP a plate shorter than the beam",
         ConnectionType::BMEP,
         kH300,
         3,
         {"500000", "10000", "20", "2", "40", "80"}},
        {"BMEP 36 mm bolts on a 50 mm flange: a negative gauge",
         ConnectionType::BMEP,
         kH100,
         8,
         {"100000", "5000", "36", "2", "50", "100"}},
        {"BMEP twelve rows on H-900",
         ConnectionType::BMEP,
         kH900,
         5,
         {"5000000", "50000", "30", "12", "40", "80"}},
        {"BSPL a flange cleat wider than the flange",
         ConnectionType::BSPL,
         kH100,
         0,
         {"100000", "2000", "6", "2", "1", "1", "10", "25", "40", "10", "1", "2", "35", "20", "40",
          "90"}},
        {"BSPL a 40 mm flange cleat",
         ConnectionType::BSPL,
         kH200,
         2,
         {"300000", "5000", "9", "2", "2", "2", "10", "35", "70", "40", "2", "3", "30", "20", "45",
          "40"}},
        {"BSPL many bolts on H-900",
         ConnectionType::BSPL,
         kH900,
         5,
         {"9000000", "60000", "12", "2", "8", "2", "10", "40", "75", "25", "2", "8", "40", "30",
          "75", "120"}},
    };
    return cases;
}

struct TextBox {
    std::string text;
    Rect box;
};

// Every printed text with the room it takes under the final window.
std::vector<TextBox> TextBoxes(const RecordingCanvas& canvas) {
    std::vector<TextBox> boxes;
    for (const DrawCall& t : canvas.CallsOf(Kind::Text)) {
        const double w = canvas.TextWidth(t.text);
        const double h = std::fabs(canvas.TextHeight(t.text));
        boxes.push_back({t.text, {t.x1, t.y1 - h, t.x1 + w, t.y1}});
    }
    return boxes;
}

Rect WindowOf(const DrawingCanvas& canvas) {
    return Rect::Spanning(canvas.ScaleLeft(), canvas.ScaleTop(),
                          canvas.ScaleLeft() + canvas.ScaleWidth(),
                          canvas.ScaleTop() + canvas.ScaleHeight());
}

// What a call covers: a line or box its corners, a circle its square, a text its box.
Rect Covered(const RecordingCanvas& canvas, const DrawCall& call) {
    if (call.kind == Kind::Circle) return Rect{call.x1, call.y1, call.x1, call.y1}.Grown(call.x2);
    if (call.kind == Kind::Text) {
        const double h = std::fabs(canvas.TextHeight(call.text));
        return {call.x1, call.y1 - h, call.x1 + canvas.TextWidth(call.text), call.y1};
    }
    return Rect::Spanning(call.x1, call.y1, call.x2, call.y2);
}

TEST(DetailedDrawing, AwkwardInputsFitTheWindowWithoutOverprinting) {
    // Text a sixtieth of the picture wide per character, as on the screen, the sheet and in an
    // SVG, and larger: a small picture leaves the callouts out rather than cut them off.
    for (const double surface : {6000.0, 5000.0, 4000.0}) {
        for (const Case& c : AwkwardCases()) {
            const ConnectionInput in = InputOf(c);
            RecordingCanvas canvas(surface);
            DrawConnection(canvas, in.type, in.grid, in.choices);
            RecordingCanvas classic(surface);
            DrawClassicConnection(classic, in.type, in.grid, in.choices);
            const Rect window = WindowOf(canvas).Grown(kTol * canvas.ScaleWidth());
            EXPECT_TRUE(window.Contains(WindowOf(classic))) << c.why << ": the classic window";
            for (const DrawCall& call : canvas.Calls()) {
                if (call.kind == Kind::Clear || call.kind == Kind::Window) continue;
                EXPECT_TRUE(window.Contains(Covered(canvas, call)))
                    << c.why << " on " << surface << ": call at " << call.x1 << ", " << call.y1
                    << " \"" << call.text << "\" leaves the window";
            }
            // Lines of one note touch; a label over another shares more than rounding.
            const double touch = kTol * canvas.ScaleWidth();
            const std::vector<TextBox> texts = TextBoxes(canvas);
            for (std::size_t i = 0; i < texts.size(); ++i)
                for (std::size_t j = i + 1; j < texts.size(); ++j)
                    EXPECT_FALSE(texts[i].box.Grown(-touch).Overlaps(texts[j].box))
                        << c.why << " on " << surface << ": \"" << texts[i].text << "\" over \""
                        << texts[j].text << "\"";
        }
    }
}

std::vector<std::string> TextsIn(const RecordingCanvas& canvas, int colour) {
    std::vector<std::string> texts;
    for (const DrawCall& t : canvas.CallsOf(Kind::Text))
        if (t.colour == colour) texts.push_back(t.text);
    return texts;
}

TEST(DetailedDrawing, GeometryWarningsNameTheDetailingFailure) {
    const std::vector<std::vector<std::string>> expected = {
        {"Plate within clear web: 290 > 70"},
        {},
        {"Plate within clear web: 905 > 788"},
        {},
        {"Bolts outside the angle leg", "Bolts beyond the beam end"},
        {"Angle within clear web: 905 > 788", "Bolts outside the angle leg",
         "Bolts beyond the beam end"},
        {},
        {"Plate covers beam: 160 < 300"},
        {"Gauge within flange: g -42 < 44", "Bolts outside the plate"},
        {},
        {"Flange plate within flange: 200 > 50", "Flange bolts outside the flange"},
        {"Flange plate within flange: 140 > 100", "Flange bolts on the web fillets"},
        {},
    };
    const auto& cases = AwkwardCases();
    ASSERT_EQ(cases.size(), expected.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const ConnectionInput in = InputOf(cases[i]);
        RecordingCanvas canvas;
        DrawConnection(canvas, in.type, in.grid, in.choices);
        EXPECT_EQ(TextsIn(canvas, kWarningColour), expected[i]) << cases[i].why;
    }
}

TEST(DetailedDrawing, CalloutsNameThePartsBoltsAndWelds) {
    struct Expect {
        const char* why;
        ConnectionInput input;
        std::vector<std::string> texts;
    };
    const Expect cases[] = {
        {"shear plate worked run",
         testing::WspWorkedRun(),
         {"ELEVATION", "SECTION AT BOLTS", "PL-9X230X90", "3-M20 A325-N", "(HOLE 22)", "6", "E70XX",
          "PL 9 + WEB 6.5", "GRIP 15.5"}},
        {"angle cleat worked run",
         testing::AcltWorkedRun(),
         {"ELEVATION", "SECTION AT BOLTS", "2-L-90X90X10", "L=230", "3-M20 A325-N", "(HOLE 22)",
          "6-M20 A325-N", "IN SUPPORT LEGS", "2 L 10 + WEB 6.5", "GRIP 26.5"}},
        {"end plate worked run",
         testing::BmepWorkedRun(),
         {"VIEW ON END PLATE", "SECTION ON CENTRE LINE", "PL-20X290X150", "8-M20 A325-N",
          "(HOLE 22)", "E70XX", "SIZE PER CALC."}},
        {"splice worked run",
         testing::BsplWorkedRun(),
         {"ELEVATION", "PLAN OF TOP FLANGE", "SECTION AT SPLICE", "2-PL-9X140X160", "2-M20 A325-N",
          "(HOLE 22)", "EACH SIDE", "2-PL-12X190X360", "OUTER, ONE", "EACH FLANGE", "6-M20 A325-N",
          "4-PL-12X36.25X360", "INNER, TWO"}},
    };
    for (const Expect& c : cases) {
        RecordingCanvas canvas;
        DrawConnection(canvas, c.input.type, c.input.grid, c.input.choices);
        const std::vector<std::string> notes = TextsIn(canvas, kNoteColour);
        for (const std::string& text : c.texts)
            EXPECT_NE(std::find(notes.begin(), notes.end(), text), notes.end())
                << c.why << ": no \"" << text << "\"";
    }
}

TEST(DetailedDrawing, EndPlateBoltsStandAtTheGaugeTheChecksTake) {
    struct Expect {
        const char* beam;
        int boltDiameter;
        double left, right;  // bolt columns: the gas-cut edge distance in from each plate edge
        const char* gauge;
    } cases[] = {
        {kH200, 2, 24, 76, "52"},   // M18: 24 from each edge of a 100 plate
        {kH300, 3, 26, 124, "98"},  // M20: 150 - 2 x 26
        {kH100, 8, 46, 4, "42"},    // M36 on 50: the lines cross over (gauge -42)
    };
    for (const Expect& e : cases) {
        ConnectionInput in = testing::BmepWorkedRun();
        in.choices.beamSection = *FindBeamPosition(e.beam);
        in.choices.boltDiameter = e.boltDiameter;
        RecordingCanvas canvas;
        DrawConnection(canvas, in.type, in.grid, in.choices);
        // The front view's bolts are the circles; the first column comes first.
        const auto bolts = canvas.CallsOf(Kind::Circle);
        ASSERT_EQ(bolts.size(), 8u) << e.beam;
        EXPECT_NEAR(bolts.front().x1, e.left, kTol) << e.beam;
        EXPECT_NEAR(bolts.back().x1, e.right, kTol) << e.beam;
        const auto texts = canvas.Texts();
        EXPECT_NE(std::find(texts.begin(), texts.end(), e.gauge), texts.end()) << e.beam;
    }
}

// Kind and colour of every call of the members and bolts (dimensions may move outward and gain
// leaders, so only their place in the order is compared).
std::vector<std::pair<Kind, int>> Parts(const RecordingCanvas& canvas) {
    std::vector<std::pair<Kind, int>> kinds;
    for (const DrawCall& call : canvas.Calls())
        if (call.kind != Kind::Clear && call.kind != Kind::Window && call.colour != kLightBlue)
            kinds.emplace_back(call.kind, call.colour);
    return kinds;
}

// Where the first call in a colour the classic drawing never uses comes.
std::size_t FirstNewCall(const RecordingCanvas& canvas) {
    const auto& calls = canvas.Calls();
    for (std::size_t i = 0; i < calls.size(); ++i)
        if (calls[i].kind != Kind::Clear && calls[i].kind != Kind::Window &&
            calls[i].colour != kBlack && calls[i].colour != kLightBlue &&
            calls[i].colour != kLightRed)
            return i;
    return calls.size();
}

TEST(DetailedDrawing, ClassicPrimitivesComeFirstInTheirOrder) {
    for (const ConnectionInput& in : {testing::WspWorkedRun(), testing::AcltWorkedRun(),
                                      testing::BmepWorkedRun(), testing::BsplWorkedRun()}) {
        RecordingCanvas classic;
        DrawClassicConnection(classic, in.type, in.grid, in.choices);
        RecordingCanvas detailed;
        DrawConnection(detailed, in.type, in.grid, in.choices);
        const auto before = Parts(classic);
        const auto after = Parts(detailed);
        ASSERT_GT(after.size(), before.size()) << TypeName(in.type);
        EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()))
            << TypeName(in.type) << ": the classic parts and bolts open the detailed drawing";
        // Every classic dimension is drawn before anything new.
        std::size_t dimensions = 0;
        for (std::size_t i = 0; i < FirstNewCall(detailed); ++i)
            if (detailed.Calls()[i].kind == Kind::Text && detailed.Calls()[i].colour == kLightBlue)
                ++dimensions;
        EXPECT_GT(dimensions, 0u) << TypeName(in.type);
        EXPECT_EQ(detailed.Calls().front().kind, Kind::Clear) << TypeName(in.type);
        EXPECT_EQ(detailed.DrawWidth(), 1) << TypeName(in.type);
        EXPECT_EQ(detailed.ForeColor(), kLightBlue) << TypeName(in.type);
    }
    // Where the plate stays within the beam the shear elevation's parts and bolts are the
    // classic ones to the millimetre.
    const ConnectionInput wsp = testing::WspWorkedRun();
    RecordingCanvas classic;
    DrawClassicConnection(classic, wsp.type, wsp.grid, wsp.choices);
    RecordingCanvas detailed;
    DrawConnection(detailed, wsp.type, wsp.grid, wsp.choices);
    const auto parts = [](const RecordingCanvas& c) {
        std::vector<DrawCall> found;
        for (const DrawCall& call : c.Calls())
            if (call.kind == Kind::Box || call.kind == Kind::Circle ||
                (call.kind == Kind::Line && call.colour == kBlack))
                found.push_back(call);
        return found;
    };
    const auto classicParts = parts(classic);
    const auto detailedParts = parts(detailed);
    ASSERT_GE(detailedParts.size(), classicParts.size());
    for (std::size_t i = 0; i < classicParts.size(); ++i) {
        EXPECT_NEAR(detailedParts[i].x1, classicParts[i].x1, kTol) << i;
        EXPECT_NEAR(detailedParts[i].y1, classicParts[i].y1, kTol) << i;
        EXPECT_NEAR(detailedParts[i].x2, classicParts[i].x2, kTol) << i;
        EXPECT_NEAR(detailedParts[i].y2, classicParts[i].y2, kTol) << i;
    }
}

TEST(DetailedDrawing, SectionShowsThePliesAtTheirThicknessHatched) {
    struct Expect {
        ConnectionInput input;
        double plyThickness;
    };
    for (const Expect& e :
         {Expect{testing::WspWorkedRun(), 9}, Expect{testing::BmepWorkedRun(), 20},
          Expect{testing::BsplWorkedRun(), 9}}) {
        RecordingCanvas canvas;
        DrawConnection(canvas, e.input.type, e.input.grid, e.input.choices);
        int hatchLines = 0;
        for (const DrawCall& line : canvas.CallsOf(Kind::Line))
            if (line.colour == kHatchColour) ++hatchLines;
        EXPECT_GT(hatchLines, 10) << TypeName(e.input.type);
        bool ply = false;
        for (const DrawCall& box : canvas.CallsOf(Kind::Box))
            if (box.colour == kBlack &&
                (std::fabs(std::fabs(box.y2 - box.y1) - e.plyThickness) < kTol ||
                 std::fabs(std::fabs(box.x2 - box.x1) - e.plyThickness) < kTol))
                ply = true;
        EXPECT_TRUE(ply) << TypeName(e.input.type) << ": a ply " << e.plyThickness << " thick";
    }
}

}  // namespace
}  // namespace jw
