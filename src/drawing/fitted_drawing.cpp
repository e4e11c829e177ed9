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

// Where two tries show how the need grows with the side (labels grow with the window on a
// picture), the next try goes straight to where need and side meet, within these bounds.
constexpr double kMaxGrowth = 0.95;
constexpr double kMaxLeap = 4;

double NextSide(double previousSide, double previousNeeded, double side, double needed) {
    double next = needed * kOvershoot;
    if (previousSide > 0 && side != previousSide) {
        const double growth = (needed - previousNeeded) / (side - previousSide);
        if (growth > 0 && growth < kMaxGrowth) {
            const double meet = (needed - growth * side) / (1 - growth);
            next = std::clamp(meet * kOvershoot, next, kMaxLeap * needed);
        }
    }
    return next;
}

// The window's centre and side on a binary grid a few millionths of the side fine, so its edges
// and extent come out exactly and the same side gives the same text sizes wherever the window
// stands: the layout made on the bounds canvas is then the layout drawn, to the last bit.
double OnGrid(double value, double side) {
    int exponent = 0;
    std::frexp(side, &exponent);
    const double step = std::ldexp(1.0, exponent - 24);
    return std::round(value / step) * step;
}

void SetSquare(DrawingCanvas& canvas, double centreX, double centreY, double side) {
    const double half = OnGrid(side / 2, side);
    const double x = OnGrid(centreX, side);
    const double y = OnGrid(centreY, side);
    canvas.Scale(x - half, y + half, x + half, y - half);
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

namespace {

// The window for `draw` and whether everything drawn fits in it.
struct Fit {
    double centreX, centreY, side;
    bool fits;
};

Fit FitOf(DrawingCanvas& canvas, const Rect& least,
          const std::function<void(DrawingCanvas&)>& draw) {
    Fit fit{least.CentreX(), least.CentreY(), std::max(least.Width(), least.Height()), false};
    double lastSide = 0;
    double lastNeeded = 0;
    for (int attempt = 0; attempt < kMaxTries && !fit.fits; ++attempt) {
        SetSquare(canvas, fit.centreX, fit.centreY, fit.side);
        BoundsCanvas bounds(canvas);
        SetSquare(bounds, fit.centreX, fit.centreY, fit.side);
        draw(bounds);
        Rect needed = least;
        if (const auto drawn = bounds.Extent())
            needed = needed.Joined(drawn->Grown(kMarginFraction * fit.side));
        const double neededSide = std::max(needed.Width(), needed.Height());
        fit.centreX = needed.CentreX();
        fit.centreY = needed.CentreY();
        // The layout was made for this side; a window of the same side round what it needs
        // holds all of it.
        fit.fits = !(neededSide > fit.side);
        if (fit.fits) break;
        const double tried = fit.side;
        fit.side = NextSide(lastSide, lastNeeded, tried, neededSide);
        lastSide = tried;
        lastNeeded = neededSide;
    }
    return fit;
}

}  // namespace

void DrawFitted(DrawingCanvas& canvas, const WorldWindow& classic,
                const std::function<void(DrawingCanvas&, bool)>& draw) {
    canvas.Cls();
    const Rect least = Rect::Spanning(classic.left, classic.bottom, classic.right, classic.top);
    // A picture too small for its callouts at the size its text has shows the drawing without
    // them rather than cut off: the files and the sheet, larger, carry them.
    bool callouts = true;
    Fit fit = FitOf(canvas, least, [&](DrawingCanvas& c) { draw(c, true); });
    if (!fit.fits) {
        fit = FitOf(canvas, least, [&](DrawingCanvas& c) { draw(c, false); });
        callouts = false;
    }
    SetSquare(canvas, fit.centreX, fit.centreY, fit.side);
    draw(canvas, callouts);
}

}  // namespace jw
