// The drawing canvas on a QPainter: the same class draws a connection into a window on screen,
// into an image and onto a printer page.
#pragma once

#include <QFont>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <string_view>

#include "drawing/canvas.h"

class QPainter;

namespace jw::ui {

class PainterCanvas : public DrawingCanvas {
  public:
    // Draws into `target`, given in the painter's coordinates. `twipsPerUnit` is the size of one
    // painter unit: 15 for screen pixels, 1440 / dpi for a printer in device pixels. Pen widths
    // count pixels of 1/96 inch on every device, so a drawing keeps its look when printed.
    PainterCanvas(QPainter& painter, const QRectF& target, double twipsPerUnit = kTwipsPerPixel);

    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    double Width() const override { return target_.width() * twipsPerUnit_; }

    void SetFontName(std::string_view name) override;
    void SetFontSize(double points) override;
    void SetFontBold(bool bold) override;
    void SetFontUnderline(bool underline) override;
    void NewPage() override;
    void EndDocument() override;

    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font) { font_ = font; }

    // Where a world point lands on the painter.
    QPointF Map(double x, double y) const;

  protected:
    void DoClear() override;
    void DoLine(double x1, double y1, double x2, double y2, int colour) override;
    void DoBox(double x1, double y1, double x2, double y2, int colour) override;
    void DoCircle(double cx, double cy, double radius, int colour) override;
    void DoText(double x, double y, std::string_view text, int colour) override;

  private:
    QPen Pen(int colour) const;

    QPainter& painter_;
    QRectF target_;
    double twipsPerUnit_;
    QFont font_;
};

}  // namespace jw::ui
