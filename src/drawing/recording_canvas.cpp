#include "drawing/recording_canvas.h"

#include <cmath>

namespace jw {

RecordingCanvas::RecordingCanvas(double surfaceTwips) : surfaceTwips_(surfaceTwips) {
    Scale(0, 0, surfaceTwips, surfaceTwips);
    calls_.clear();
}

std::vector<DrawCall> RecordingCanvas::CallsOf(DrawCall::Kind kind) const {
    std::vector<DrawCall> found;
    for (const DrawCall& call : calls_)
        if (call.kind == kind) found.push_back(call);
    return found;
}

std::vector<std::string> RecordingCanvas::Texts() const {
    std::vector<std::string> texts;
    for (const DrawCall& call : calls_)
        if (call.kind == DrawCall::Kind::Text) texts.push_back(call.text);
    return texts;
}

// World units per twip follow the window, so the same text takes the same room on the surface
// whatever the drawing's scale.
double RecordingCanvas::TextWidth(std::string_view text) const {
    return static_cast<double>(text.size()) * kCharWidthTwips * std::abs(ScaleWidth()) /
           surfaceTwips_;
}

double RecordingCanvas::TextHeight(std::string_view /*text*/) const {
    return kLineHeightTwips * ScaleHeight() / surfaceTwips_;
}

void RecordingCanvas::DoClear() {
    Record(DrawCall::Kind::Clear, 0, 0, 0, 0, ForeColor());
}

void RecordingCanvas::DoWindowChanged() {
    Record(DrawCall::Kind::Window, ScaleLeft(), ScaleTop(), ScaleLeft() + ScaleWidth(),
           ScaleTop() + ScaleHeight(), ForeColor());
}

void RecordingCanvas::DoLine(double x1, double y1, double x2, double y2, int colour) {
    Record(DrawCall::Kind::Line, x1, y1, x2, y2, colour);
}

void RecordingCanvas::DoBox(double x1, double y1, double x2, double y2, int colour) {
    Record(DrawCall::Kind::Box, x1, y1, x2, y2, colour);
}

void RecordingCanvas::DoCircle(double cx, double cy, double radius, int colour) {
    Record(DrawCall::Kind::Circle, cx, cy, radius, 0, colour);
}

void RecordingCanvas::DoText(double x, double y, std::string_view text, int colour) {
    Record(DrawCall::Kind::Text, x, y, 0, 0, colour, text);
}

void RecordingCanvas::Record(DrawCall::Kind kind, double x1, double y1, double x2, double y2,
                             int colour, std::string_view text) {
    calls_.push_back({kind, x1, y1, x2, y2, colour, DrawWidth(), std::string(text)});
}

}  // namespace jw
