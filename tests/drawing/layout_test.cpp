// The pieces the detailed drawings are laid out with: part marks, dimension chains that move
// clear of what is in their way, and a window fitted to everything drawn.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "drawing/dimension_chains.h"
#include "drawing/fitted_drawing.h"
#include "drawing/part_marks.h"
#include "drawing/recording_canvas.h"

namespace jw {
namespace {

constexpr double kTol = 1e-9;

TEST(PartMarks, PlatesAnglesAndBoltsAsTheyAreOrdered) {
    EXPECT_EQ(PlateMark(1, 9, 230, 90), "PL-9X230X90");
    EXPECT_EQ(PlateMark(2, 12, 36.25, 360), "2-PL-12X36.25X360");
    EXPECT_EQ(PlateMark(0, 6, 50, 40), "PL-6X50X40") << "no count for none";
    EXPECT_EQ(AngleMark(2, 90, 90, 10, 230), (std::vector<std::string>{"2-L-90X90X10", "L=230"}));
    EXPECT_EQ(BoltCallout(3, 20, "A325-N"),
              (std::vector<std::string>{"3-M20 A325-N", "(HOLE 22)"}));
    EXPECT_EQ(BoltCallout(4, 24, ""), (std::vector<std::string>{"4-M24", "(HOLE 27)"}));
    // 2 mm over the bolt up to 20 mm, 3 mm over larger bolts.
    const std::pair<double, double> holes[] = {{12, 14}, {16, 18}, {20, 22}, {22, 25}, {36, 39}};
    for (const auto& [bolt, hole] : holes) EXPECT_DOUBLE_EQ(HoleDiameterMm(bolt), hole) << bolt;
}

// A square window 400 wide with y up; text a sixtieth of it per character.
RecordingCanvas Window400() {
    RecordingCanvas canvas;
    canvas.Scale(-100, 300, 300, -100);
    return canvas;
}

TEST(DimensionChains, AChainMovesOutwardPastAPartInItsWay) {
    RecordingCanvas canvas = Window400();
    LayoutRoom room = RoomFor(canvas);
    room.parts.Take({0, 0, 100, 100});
    const auto placed =
        PlaceChain(canvas, room, ChainSide::Right, 50, std::vector<ChainSpan>{{0, 100}});
    ASSERT_EQ(placed.size(), 1u);
    const double tick = 0.015 * 400;
    EXPECT_GT(placed[0].x1, 100 + tick) << "clear of the part with its ticks";
    EXPECT_EQ(placed[0].x1, placed[0].x2);
    EXPECT_EQ(placed[0].label, "100");
    EXPECT_GT(placed[0].labelLeft, placed[0].x1 + tick)
        << "the label beside the line, past the ticks";

    // A second chain at the same place stands beyond the first and its label.
    const auto second =
        PlaceChain(canvas, room, ChainSide::Right, 50, std::vector<ChainSpan>{{0, 100}});
    EXPECT_GT(second[0].x1, placed[0].labelLeft + canvas.TextWidth("100"));
}

TEST(DimensionChains, ArrowheadsShrinkToAShortSpan) {
    RecordingCanvas canvas = Window400();
    LayoutRoom room = RoomFor(canvas);
    const auto placed = PlaceChain(canvas, room, ChainSide::Top, 0,
                                   std::vector<ChainSpan>{{0, 200}, {200, 210}, {210, 210}});
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_NEAR(placed[0].arrowLength, 0.015 * 400, kTol) << "the window's share on a long span";
    EXPECT_NEAR(placed[1].arrowLength, 0.3 * 10, kTol) << "a third of a short span at most";
    EXPECT_NEAR(placed[2].arrowLength, 0, kTol);
    EXPECT_NEAR(placed[1].halfWidth / placed[1].tick, 0.5 * 3 / 6, kTol)
        << "a shrunken arrowhead keeps its shape";
}

TEST(DimensionChains, LabelsNeverOverlapAndARunOfShortPitchesIsLabelledOnce) {
    struct Case {
        const char* why;
        std::vector<ChainSpan> spans;
        std::vector<std::string> labels;  // non-empty ones, in order
    } cases[] = {
        {"labels that fit beside their spans",
         {{0, 60}, {60, 120}, {120, 160}},
         {"60", "60", "40"}},
        {"a short span between long ones moves its label",
         {{0, 60}, {60, 64}, {64, 124}},
         {"60", "4", "60"}},
        {"twelve pitches of 2: one label for the run",
         {{-10, 0},
          {0, 2},
          {2, 4},
          {4, 6},
          {6, 8},
          {8, 10},
          {10, 12},
          {12, 14},
          {14, 16},
          {16, 18},
          {18, 20},
          {20, 22},
          {22, 24}},
         {"10", "12 x 2"}},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas = Window400();
        LayoutRoom room = RoomFor(canvas);
        const auto placed = PlaceChain(canvas, room, ChainSide::Top, 0, c.spans);
        ASSERT_EQ(placed.size(), c.spans.size()) << c.why << ": every dimension is drawn";
        std::vector<std::string> labels;
        std::vector<Rect> boxes;
        for (const PlacedDimension& d : placed) {
            if (d.label.empty()) continue;
            labels.push_back(d.label);
            const double w = canvas.TextWidth(d.label);
            const double h = std::fabs(canvas.TextHeight(d.label));
            boxes.push_back({d.labelLeft, d.labelTop - h, d.labelLeft + w, d.labelTop});
            EXPECT_GT(boxes.back().bottom, d.y1) << c.why << ": above its line";
        }
        EXPECT_EQ(labels, c.labels) << c.why;
        for (std::size_t i = 0; i < boxes.size(); ++i)
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                EXPECT_FALSE(boxes[i].Overlaps(boxes[j])) << c.why << ": " << i << " and " << j;
    }
}

TEST(FittedDrawing, TheClassicWindowUnlessSomethingReachesPastIt) {
    const WorldWindow classic{0, 100, 100, 0};
    struct Case {
        const char* why;
        double x1, y1, x2, y2;
    } cases[] = {
        {"inside", 10, 10, 90, 90},
        {"past the right edge", 10, 10, 400, 50},
        {"below", 50, -300, 60, 20},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas;
        DrawFitted(canvas, classic,
                   [&](DrawingCanvas& on, bool) { on.Line(c.x1, c.y1, c.x2, c.y2, kBlack); });
        const Rect window = Rect::Spanning(canvas.ScaleLeft(), canvas.ScaleTop(),
                                           canvas.ScaleLeft() + canvas.ScaleWidth(),
                                           canvas.ScaleTop() + canvas.ScaleHeight());
        EXPECT_NEAR(canvas.ScaleWidth(), -canvas.ScaleHeight(), kTol) << c.why << ": square";
        EXPECT_TRUE(window.Contains({0, 0, 100, 100})) << c.why;
        EXPECT_TRUE(window.Contains(Rect::Spanning(c.x1, c.y1, c.x2, c.y2))) << c.why;
        const auto lines = canvas.CallsOf(DrawCall::Kind::Line);
        ASSERT_EQ(lines.size(), 1u) << c.why << ": drawn once on the canvas";
        EXPECT_EQ(canvas.Calls().front().kind, DrawCall::Kind::Clear) << c.why;
    }
    RecordingCanvas canvas;
    DrawFitted(canvas, classic, [](DrawingCanvas& on, bool) { on.Line(10, 10, 90, 90, kBlack); });
    EXPECT_NEAR(canvas.ScaleWidth(), 100, kTol) << "nothing past it: the classic window itself";
    EXPECT_NEAR(canvas.ScaleLeft(), 0, kTol);
}

}  // namespace
}  // namespace jw
