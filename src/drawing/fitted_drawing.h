// Fit, never clip: a drawing's world window computed from everything it draws. The drawing is
// laid out and measured on a canvas that only records its extent, the window grows until every
// part, bolt, chain and label lies inside it (never smaller than the classic window), and then
// the drawing is made once on the real canvas under that window.
#pragma once

#include <functional>
#include <optional>

#include "drawing/canvas.h"
#include "drawing/layout_space.h"
#include "drawing/primitives.h"

namespace jw {

// A canvas that draws nothing and keeps the extent of what would be drawn. It measures text
// with `target`, which must have the same window, in the colour it would print in, so a layout
// made on it is the layout the target gets.
class BoundsCanvas : public DrawingCanvas {
  public:
    explicit BoundsCanvas(DrawingCanvas& target);

    // Nothing when nothing has been drawn since the last Cls.
    std::optional<Rect> Extent() const { return extent_; }

    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    double Width() const override { return target_.Width(); }

  protected:
    void DoClear() override { extent_.reset(); }
    void DoLine(double x1, double y1, double x2, double y2, int colour) override;
    void DoBox(double x1, double y1, double x2, double y2, int colour) override;
    void DoCircle(double cx, double cy, double radius, int colour) override;
    void DoText(double x, double y, std::string_view text, int colour) override;

  private:
    void Cover(const Rect& rect);

    DrawingCanvas& target_;
    std::optional<Rect> extent_;
};

// Clears the canvas and makes the drawing `draw` under the smallest square window, on the
// classic window's scale or coarser, that holds the classic window and everything drawn with a
// small margin. `draw` is called several times and must draw the same for the same window and
// flag; the flag is false when a picture is too small for the callouts and titles at the size
// its text has, and the drawing then leaves them out.
void DrawFitted(DrawingCanvas& canvas, const WorldWindow& classic,
                const std::function<void(DrawingCanvas&, bool callouts)>& draw);

}  // namespace jw
