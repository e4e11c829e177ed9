#include "drawing/primitives.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "data/design_error.h"
#include "drawing/recording_canvas.h"

namespace jw {
namespace {

using Kind = DrawCall::Kind;
constexpr double kTol = 1e-3;

// The window FitWorldWindow(0, 200, 0, 100, 0.05) gives: square, y up.
void SetUpwardWindow(DrawingCanvas& canvas) {
    canvas.Scale(-10, 160, 210, -60);
}

TEST(FitWorldWindow, SquaresTheExtentAndAddsTheMargin) {
    struct Case {
        const char* why;
        float x1, x2, y1, y2, margin;
        float wantX1, wantX2, wantY1, wantY2;
        double left, top, right, bottom;
    } cases[] = {
        {"wider than high: y widened", 0, 200, 0, 100, 0.05f, 0, 200, -50, 150, -10, 160, 210, -60},
        {"higher than wide: x widened", 0, 100, 0, 200, 0.05f, -50, 150, 0, 200, -60, 210, 160,
         -10},
        {"square: left alone", 0, 100, 0, 100, 0.1f, 0, 100, 0, 100, -10, 110, 110, -10},
        {"only a height", 5, 5, 0, 40, 0.0f, -15, 25, 0, 40, -15, 40, 25, 0},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas;
        float x1 = c.x1, x2 = c.x2, y1 = c.y1, y2 = c.y2;
        FitWorldWindow(canvas, x1, x2, y1, y2, c.margin);
        EXPECT_NEAR(x1, c.wantX1, kTol) << c.why;
        EXPECT_NEAR(x2, c.wantX2, kTol) << c.why;
        EXPECT_NEAR(y1, c.wantY1, kTol) << c.why;
        EXPECT_NEAR(y2, c.wantY2, kTol) << c.why;
        EXPECT_NEAR(canvas.ScaleLeft(), c.left, kTol) << c.why;
        EXPECT_NEAR(canvas.ScaleTop(), c.top, kTol) << c.why;
        EXPECT_NEAR(canvas.ScaleLeft() + canvas.ScaleWidth(), c.right, kTol) << c.why;
        EXPECT_NEAR(canvas.ScaleTop() + canvas.ScaleHeight(), c.bottom, kTol) << c.why;
        ASSERT_EQ(canvas.Calls().size(), 2u) << c.why;
        EXPECT_EQ(canvas.Calls()[0].kind, Kind::Clear) << "the surface is cleared first";
        EXPECT_EQ(canvas.Calls()[1].kind, Kind::Window);
    }
}

TEST(FitWorldWindow, RefusesAWindowThatCannotBeShown) {
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* why;
        float x1, x2, y1, y2;
    } cases[] = {
        {"no extent at all", 0, 0, 0, 0},
        {"a point away from the origin", 7, 7, 3, 3},
        {"an infinite extent", 0, inf, 0, 10},
        {"a margin past the single-precision range", 0, 3.3e38f, 0, 10},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas;
        float x1 = c.x1, x2 = c.x2, y1 = c.y1, y2 = c.y2;
        EXPECT_THROW(FitWorldWindow(canvas, x1, x2, y1, y2, 0.1f), DesignError) << c.why;
        EXPECT_TRUE(canvas.CallsOf(Kind::Window).empty()) << c.why;
    }
}

TEST(DrawDimension, LabelIsTheRoundedLengthPlacedBesideTheLine) {
    struct Case {
        const char* why;
        float x1, y1, x2, y2;
        const char* label;
        bool horizontal;
    } cases[] = {
        {"vertical", 10, 0, 10, 60, "60", false},
        {"a half rounds away from zero", 0, 0, 12.5f, 0, "13", true},
        {"just under a half rounds down", 0, 0, 12.49f, 0, "12", true},
        {"right to left", 100, 20, 40, 20, "60", true},
        {"steep diagonal", 0, 0, 30, 40, "50", false},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas;
        SetUpwardWindow(canvas);
        DrawDimension(canvas, c.x1, c.y1, c.x2, c.y2, kLightBlue);
        const auto texts = canvas.CallsOf(Kind::Text);
        ASSERT_EQ(texts.size(), 1u) << c.why;
        const DrawCall& label = texts[0];
        EXPECT_EQ(label.text, c.label) << c.why;
        EXPECT_EQ(label.colour, kLightBlue) << c.why;

        const double th = canvas.TextHeight("1");  // negative: the window is upward
        const double gap = 0.01 * canvas.ScaleWidth();
        const double midX = (c.x1 + c.x2) / 2.0;
        const double midY = (c.y1 + c.y2) / 2.0;
        if (c.horizontal) {
            EXPECT_NEAR(label.x1 + canvas.TextWidth(c.label) / 2, midX, kTol) << c.why;
            EXPECT_NEAR(label.y1 + th, midY + gap, kTol) << c.why << ": bottom above the line";
        } else {
            EXPECT_NEAR(label.x1, midX + gap, kTol) << c.why << ": to the right of the line";
            EXPECT_NEAR(label.y1 + th / 2, midY, kTol) << c.why << ": centred on the midpoint";
        }
        EXPECT_EQ(canvas.ForeColor(), kLightBlue) << c.why;
        EXPECT_NEAR(canvas.CurrentY(), label.y1 + th, kTol) << c.why << ": one line down";
    }
}

double Distance(double x1, double y1, double x2, double y2) {
    return std::hypot(x2 - x1, y2 - y1);
}

// Each end has an arrow whose back corners lie one arrow length toward the other end, and a
// tick through the tip square to the line: both arrowheads point outward.
TEST(DrawDimension, ArrowheadsPointOutwardAtBothEnds) {
    struct Case {
        const char* why;
        float x1, y1, x2, y2;
    } cases[] = {
        {"left to right", 0, 50, 100, 50},
        {"right to left", 100, 50, 0, 50},
        {"upward", 10, 0, 10, 60},
        {"diagonal", 0, 0, 90, 120},
        {"diagonal leftward", 90, 0, 0, 120},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas;
        SetUpwardWindow(canvas);
        DrawDimension(canvas, c.x1, c.y1, c.x2, c.y2, kLightBlue);
        const auto lines = canvas.CallsOf(Kind::Line);
        ASSERT_EQ(lines.size(), 7u) << c.why;
        const double arrow = 0.015 * canvas.ScaleWidth();
        const double length = Distance(c.x1, c.y1, c.x2, c.y2);
        const double ux = (c.x2 - c.x1) / length;
        const double uy = (c.y2 - c.y1) / length;
        struct End {
            double tipX, tipY, inwardX, inwardY;
            std::size_t first;
        } ends[] = {{c.x1, c.y1, ux, uy, 0}, {c.x2, c.y2, -ux, -uy, 3}};
        for (const End& end : ends) {
            for (std::size_t k = end.first; k < end.first + 2; ++k) {
                const DrawCall& side = lines[k];
                EXPECT_NEAR(side.x1, end.tipX, kTol) << c.why << ": arrow starts at the tip";
                EXPECT_NEAR(side.y1, end.tipY, kTol) << c.why;
                const double along =
                    (side.x2 - side.x1) * end.inwardX + (side.y2 - side.y1) * end.inwardY;
                EXPECT_NEAR(along, arrow, kTol) << c.why << ": back corner toward the other end";
            }
            const DrawCall& tick = lines[end.first + 2];
            EXPECT_NEAR((tick.x1 + tick.x2) / 2, end.tipX, kTol) << c.why << ": tick through tip";
            EXPECT_NEAR((tick.y1 + tick.y2) / 2, end.tipY, kTol) << c.why;
            const double across =
                (tick.x2 - tick.x1) * end.inwardX + (tick.y2 - tick.y1) * end.inwardY;
            EXPECT_NEAR(across, 0, kTol) << c.why << ": tick square to the line";
        }
        EXPECT_NEAR(lines[6].x1, c.x1, kTol) << c.why << ": the dimension line itself";
        EXPECT_NEAR(lines[6].y2, c.y2, kTol) << c.why;
        for (const DrawCall& line : lines) EXPECT_EQ(line.colour, kLightBlue) << c.why;
    }
}

TEST(DrawBoltGrid, DrawsColumnsOfRowsWithAPenAboutHalfTheBolt) {
    RecordingCanvas canvas(6000);
    SetUpwardWindow(canvas);  // 220 wide: Int(6000 / 220 * 20 / 32) + 1 = 18 pixels
    canvas.SetDrawWidth(5);
    DrawBoltGrid(canvas, 10, 20, 20, 3, 2, 30, 40, kLightRed);
    const auto circles = canvas.CallsOf(Kind::Circle);
    ASSERT_EQ(circles.size(), 6u);
    const double want[6][2] = {{10, 20}, {10, 50}, {10, 80}, {50, 20}, {50, 50}, {50, 80}};
    for (std::size_t k = 0; k < circles.size(); ++k) {
        EXPECT_NEAR(circles[k].x1, want[k][0], kTol) << "bolt " << k;
        EXPECT_NEAR(circles[k].y1, want[k][1], kTol) << "bolt " << k;
        EXPECT_NEAR(circles[k].x2, 5, kTol) << "radius D/4";
        EXPECT_EQ(circles[k].penWidth, 18);
        EXPECT_EQ(circles[k].colour, kLightRed);
    }
    EXPECT_EQ(canvas.DrawWidth(), 1);
}

TEST(DrawBoltGrid, NoCountDrawsNothingButStillResetsThePen) {
    for (const auto& [countY, countX] : {std::pair{0, 3}, std::pair{3, 0}, std::pair{-2, 4}}) {
        RecordingCanvas canvas;
        SetUpwardWindow(canvas);
        canvas.SetDrawWidth(7);
        DrawBoltGrid(canvas, 0, 0, 20, countY, countX, 30, 30, kLightRed);
        EXPECT_TRUE(canvas.CallsOf(Kind::Circle).empty()) << countY << " by " << countX;
        EXPECT_EQ(canvas.DrawWidth(), 1) << countY << " by " << countX;
    }
}

TEST(DrawBoltGrid, AnExtremeWindowGivesTheWidestPenInsteadOfOverflowing) {
    RecordingCanvas canvas(6000);
    canvas.Scale(0, 1e-30, 1e-30, 0);
    DrawBoltGrid(canvas, 0, 0, 20, 1, 1, 0, 0, kLightRed);
    ASSERT_EQ(canvas.CallsOf(Kind::Circle).size(), 1u);
    EXPECT_EQ(canvas.CallsOf(Kind::Circle)[0].penWidth, kMaxPenWidth);
}

TEST(DrawISection, ClosedThirteenPointOutlineWithSquareCorners) {
    RecordingCanvas canvas;
    SetUpwardWindow(canvas);
    DrawISection(canvas, 5, -20, 300, 150, 9, 6.5f, kBlack);
    const auto lines = canvas.CallsOf(Kind::Line);
    ASSERT_EQ(lines.size(), 12u);
    const double points[13][2] = {{0, 0},   {0, 9},     {71.75, 9}, {71.75, 291}, {0, 291},
                                  {0, 300}, {150, 300}, {150, 291}, {78.25, 291}, {78.25, 9},
                                  {150, 9}, {150, 0},   {0, 0}};
    for (std::size_t k = 0; k < lines.size(); ++k) {
        EXPECT_NEAR(lines[k].x1, 5 + points[k][0], kTol) << "segment " << k;
        EXPECT_NEAR(lines[k].y1, -20 + points[k][1], kTol) << "segment " << k;
        EXPECT_NEAR(lines[k].x2, 5 + points[k + 1][0], kTol) << "segment " << k;
        EXPECT_NEAR(lines[k].y2, -20 + points[k + 1][1], kTol) << "segment " << k;
        EXPECT_EQ(lines[k].penWidth, kSectionPenWidth);
    }
    EXPECT_EQ(canvas.DrawWidth(), kSectionPenWidth) << "the polyline leaves its pen set";
}

TEST(StaggeredCount, FirstLineTakesTheOddBolt) {
    struct Case {
        int n;
        bool first;
        int want;
    } cases[] = {{5, true, 3}, {5, false, 2}, {4, true, 2}, {4, false, 2},
                 {1, true, 1}, {1, false, 0}, {0, true, 0}, {-3, true, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(StaggeredCount(c.n, c.first), c.want) << c.n << (c.first ? " first" : " second");
}

TEST(DrawingCanvas, RefusesWhatNoSurfaceCanDraw) {
    RecordingCanvas canvas;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(canvas.Scale(0, 10, 0, 0), DesignError) << "no width";
    EXPECT_THROW(canvas.Scale(0, 0, 10, 0), DesignError) << "no height";
    EXPECT_THROW(canvas.Line(0, 0, nan, 1), DesignError);
    EXPECT_THROW(canvas.Circle(0, 0, std::numeric_limits<double>::infinity(), kBlack), DesignError);
    EXPECT_THROW(canvas.SetForeColor(16), DesignError);
    EXPECT_THROW(canvas.Box(0, 0, 1, 1, -1), DesignError);
    EXPECT_TRUE(canvas.CallsOf(Kind::Line).empty());
    EXPECT_TRUE(canvas.CallsOf(Kind::Circle).empty());
    canvas.SetDrawWidth(0);
    EXPECT_EQ(canvas.DrawWidth(), 1);
}

}  // namespace
}  // namespace jw
