// A canvas that keeps every call with its world coordinates, pen width and colour, and measures
// text with a fixed metric, so what a drawing does can be checked exactly.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "drawing/canvas.h"

namespace jw {

struct DrawCall {
    enum class Kind { Clear, Window, Line, Box, Circle, Text };
    Kind kind = Kind::Line;
    // Line and Box: the two points. Circle: centre (x1, y1) and radius x2. Text: its top-left
    // corner (x1, y1). Window: left x1, top y1, right x2, bottom y2.
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    int colour = 0;
    int penWidth = 1;
    std::string text;
};

class RecordingCanvas : public DrawingCanvas {
  public:
    // Characters are kCharWidthTwips wide and a line kLineHeightTwips high on a square surface
    // `surfaceTwips` wide; the initial window is that surface in twips, y downward.
    static constexpr double kCharWidthTwips = 100;
    static constexpr double kLineHeightTwips = 200;
    explicit RecordingCanvas(double surfaceTwips = 6000);

    const std::vector<DrawCall>& Calls() const { return calls_; }
    std::vector<DrawCall> CallsOf(DrawCall::Kind kind) const;
    // The texts printed, in order.
    std::vector<std::string> Texts() const;

    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    double Width() const override { return surfaceTwips_; }

  protected:
    void DoClear() override;
    void DoWindowChanged() override;
    void DoLine(double x1, double y1, double x2, double y2, int colour) override;
    void DoBox(double x1, double y1, double x2, double y2, int colour) override;
    void DoCircle(double cx, double cy, double radius, int colour) override;
    void DoText(double x, double y, std::string_view text, int colour) override;

  private:
    void Record(DrawCall::Kind kind, double x1, double y1, double x2, double y2, int colour,
                std::string_view text = {});

    double surfaceTwips_;
    std::vector<DrawCall> calls_;
};

}  // namespace jw
