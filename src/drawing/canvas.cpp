#include "drawing/canvas.h"

#include <cmath>
#include <string>

#include "data/design_error.h"

namespace jw {
namespace {

void RequireFinite(std::initializer_list<double> values) {
    for (const double v : values)
        if (!std::isfinite(v))
            throw DesignError(
                "The drawing reached a coordinate too large to draw: check the input distances "
                "and counts.");
}

void RequireColour(int index) {
    if (index < 0 || index >= kPaletteSize)
        throw DesignError("Colour " + std::to_string(index) +
                          " is not one of the 16 palette colours (0 to 15).");
}

}  // namespace

Rgb PaletteColour(int index) {
    RequireColour(index);
    return kPalette[index];
}

void DrawingCanvas::Cls() {
    DoClear();
}

void DrawingCanvas::Scale(double xLeft, double yTop, double xRight, double yBottom) {
    RequireFinite({xLeft, yTop, xRight, yBottom});
    const double width = xRight - xLeft;
    const double height = yBottom - yTop;
    // Every back end divides by the window's extent to place a point on its surface.
    if (!std::isfinite(width) || !std::isfinite(height) || width == 0 || height == 0)
        throw DesignError(
            "The drawing has no extent to show: check the beam section and the input distances.");
    left_ = xLeft;
    top_ = yTop;
    width_ = width;
    height_ = height;
    DoWindowChanged();
}

void DrawingCanvas::Line(double x1, double y1, double x2, double y2) {
    Line(x1, y1, x2, y2, foreColor_);
}

void DrawingCanvas::Line(double x1, double y1, double x2, double y2, int colour) {
    RequireFinite({x1, y1, x2, y2});
    RequireColour(colour);
    DoLine(x1, y1, x2, y2, colour);
}

void DrawingCanvas::Box(double x1, double y1, double x2, double y2, int colour) {
    RequireFinite({x1, y1, x2, y2});
    RequireColour(colour);
    DoBox(x1, y1, x2, y2, colour);
}

void DrawingCanvas::Circle(double cx, double cy, double radius, int colour) {
    RequireFinite({cx, cy, radius});
    RequireColour(colour);
    DoCircle(cx, cy, std::fabs(radius), colour);
}

void DrawingCanvas::Print(std::string_view text) {
    RequireFinite({currentX_, currentY_});
    DoText(currentX_, currentY_, text, foreColor_);
    currentY_ += TextHeight(text);
    currentX_ = left_;
}

void DrawingCanvas::SetCurrentX(double x) {
    RequireFinite({x});
    currentX_ = x;
}

void DrawingCanvas::SetCurrentY(double y) {
    RequireFinite({y});
    currentY_ = y;
}

void DrawingCanvas::SetDrawWidth(int pixels) {
    drawWidth_ = pixels < 1 ? 1 : pixels > kMaxPenWidth ? kMaxPenWidth : pixels;
}

void DrawingCanvas::SetForeColor(int index) {
    RequireColour(index);
    foreColor_ = index;
}

}  // namespace jw
