#include "drawing/fitted_drawing.h"

#include <algorithm>
#include <cmath>

namespace jw {
namespace {

// Room left round everything drawn, as a share of the window.
constexpr double kMarginFraction = 0.03;
// Each try overshoots what the last one needed by this factor, since labels grow with the
// window on a picture: the layout settles in two or three tries.
constexpr double kOvershoot = 1.05;
// Text as large as the picture itself (a thumbnail) can never fit; the drawing then keeps the
// last window tried.
constexpr int kMaxTries = 12;

void SetSquare(DrawingCanvas& canvas, double centreX, double centreY, double side) {
    canvas.Scale(centreX - side / 2, centreY + side / 2, centreX + side / 2, centreY - side / 2);
}

}  // namespace

BoundsCanvas::BoundsCanvas(DrawingCanvas& target) : target_(target) {}

double BoundsCanvas::TextWidth(std::string_view text) const {
    // The target is measured in the colour this canvas prints in: a CAD drawing sizes text by
    // its role. Its window is the one this canvas has.
    target_.SetForeColor(ForeColor());
    return target_.TextWidth(text);
}

double BoundsCanvas::TextHeight(std::string_view text) const {
    target_.SetForeColor(ForeColor());
    return target_.TextHeight(text);
}

void BoundsCanvas::Cover(const Rect& rect) {
    extent_ = extent_ ? extent_->Joined(rect) : rect;
}

void BoundsCanvas::DoLine(double x1, double y1, double x2, double y2, int /*colour*/) {
    Cover(Rect::Spanning(x1, y1, x2, y2));
}

void BoundsCanvas::DoBox(double x1, double y1, double x2, double y2, int /*colour*/) {
    Cover(Rect::Spanning(x1, y1, x2, y2));
}

void BoundsCanvas::DoCircle(double cx, double cy, double radius, int /*colour*/) {
    // A wide pen spreads half its width past the radius.
    const double pixel = std::fabs(ScaleWidth()) * kTwipsPerPixel / Width();
    const double reach = radius + (std::isfinite(pixel) ? DrawWidth() * pixel / 2 : 0);
    Cover({cx - reach, cy - reach, cx + reach, cy + reach});
}

void BoundsCanvas::DoText(double x, double y, std::string_view text, int /*colour*/) {
    Cover(Rect::Spanning(x, y, x + TextWidth(text), y + TextHeight(text)));
}

void DrawFitted(DrawingCanvas& canvas, const WorldWindow& classic,
                const std::function<void(DrawingCanvas&)>& draw) {
    canvas.Cls();
    const Rect least = Rect::Spanning(classic.left, classic.bottom, classic.right, classic.top);
    double side = std::max(least.Width(), least.Height());
    double centreX = least.CentreX();
    double centreY = least.CentreY();
    for (int attempt = 0; attempt < kMaxTries; ++attempt) {
        SetSquare(canvas, centreX, centreY, side);
        BoundsCanvas bounds(canvas);
        SetSquare(bounds, centreX, centreY, side);
        draw(bounds);
        Rect needed = least;
        if (const auto drawn = bounds.Extent())
            needed = needed.Joined(drawn->Grown(kMarginFraction * side));
        const double neededSide = std::max(needed.Width(), needed.Height());
        centreX = needed.CentreX();
        centreY = needed.CentreY();
        // The layout was made for this side; a window of the same side round what it needs
        // holds all of it.
        if (!(neededSide > side)) break;
        side = neededSide * kOvershoot;
    }
    SetSquare(canvas, centreX, centreY, side);
    draw(canvas);
}

}  // namespace jw
