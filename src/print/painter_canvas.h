// The drawing canvas on a QPainter: the same class draws a connection into a window on screen,
// into an image, onto a printer page and into a PDF file. It needs Qt's GUI module only, so the
// command-line tools can print without the widgets.
#pragma once

#include <QFont>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <stdexcept>
#include <string>
#include <string_view>

#include "drawing/canvas.h"

class QPainter;
class QPaintDevice;

namespace jw::print {

// The printer refused a page or the document: what was printed may be incomplete.
class PrinterError : public std::runtime_error {
  public:
    explicit PrinterError(const std::string& message) : std::runtime_error(message) {}
};

class PainterCanvas : public DrawingCanvas {
  public:
    // Draws into `target`, given in the painter's coordinates. `twipsPerUnit` is the size of one
    // painter unit: 15 for screen pixels, 1440 / dpi for a printer in device pixels. Pen widths
    // count pixels of 1/96 inch on every device, so a drawing keeps its look when printed.
    PainterCanvas(QPainter& painter, const QRectF& target, double twipsPerUnit = kTwipsPerPixel);
    // Measures text with the fonts of `device` and draws nothing: a layout can be tried out in
    // full, and its extent known, before a printer job starts.
    PainterCanvas(const QPaintDevice& device, const QRectF& target,
                  double twipsPerUnit = kTwipsPerPixel);

    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    double Width() const override { return target_.width() * twipsPerUnit_; }

    // A font name the system lacks is replaced by the nearest installed face (see
    // printer_fonts.h).
    void SetFontName(std::string_view name) override;
    void SetFontSize(double points) override;
    void SetFontBold(bool bold) override;
    void SetFontUnderline(bool underline) override;
    // On a paged device; throw PrinterError when the device refuses.
    void NewPage() override;
    void EndDocument() override;

    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font) { font_ = font; }

    // Where a world point lands on the painter.
    QPointF Map(double x, double y) const;
    // The world rectangle everything drawn so far covers, on every page (text by its extent,
    // lines without their pen width); a null rectangle before anything is drawn.
    QRectF DrawnBounds() const { return bounds_; }

  protected:
    void DoClear() override;
    void DoLine(double x1, double y1, double x2, double y2, int colour) override;
    void DoBox(double x1, double y1, double x2, double y2, int colour) override;
    void DoCircle(double cx, double cy, double radius, int colour) override;
    void DoText(double x, double y, std::string_view text, int colour) override;

  private:
    QPen Pen(int colour) const;
    void Cover(double x1, double y1, double x2, double y2);

    QPainter* painter_;  // null when only measuring
    const QPaintDevice* device_;
    QRectF target_;
    double twipsPerUnit_;
    QFont font_;
    QRectF bounds_;
};

}  // namespace jw::print
