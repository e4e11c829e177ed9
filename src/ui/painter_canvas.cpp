#include "ui/painter_canvas.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "ui/ui_helpers.h"

namespace jw::ui {
namespace {

QColor PaletteQColor(int index) {
    const Rgb rgb = PaletteColour(index);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, const QRectF& target, double twipsPerUnit)
    : painter_(painter),
      target_(target),
      twipsPerUnit_(twipsPerUnit > 0 ? twipsPerUnit : kTwipsPerPixel),
      font_(QStringLiteral("Arial"), 8) {
    font_.setStyleHint(QFont::SansSerif);
    // Until a drawing sets its window, the surface counts in twips from its top-left corner.
    Scale(0, 0, target_.width() * twipsPerUnit_, target_.height() * twipsPerUnit_);
}

QPointF PainterCanvas::Map(double x, double y) const {
    return {target_.left() + (x - ScaleLeft()) / ScaleWidth() * target_.width(),
            target_.top() + (y - ScaleTop()) / ScaleHeight() * target_.height()};
}

QPen PainterCanvas::Pen(int colour) const {
    QPen pen(PaletteQColor(colour));
    pen.setWidthF(DrawWidth() * kTwipsPerPixel / twipsPerUnit_);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

double PainterCanvas::TextWidth(std::string_view text) const {
    const QFontMetricsF metrics(font_, painter_.device());
    return metrics.horizontalAdvance(FromCoreText(text)) / target_.width() *
           std::fabs(ScaleWidth());
}

double PainterCanvas::TextHeight(std::string_view /*text*/) const {
    const QFontMetricsF metrics(font_, painter_.device());
    return metrics.height() / target_.height() * ScaleHeight();
}

void PainterCanvas::SetFontName(std::string_view name) {
    font_.setFamily(FromCoreText(name));
}

void PainterCanvas::SetFontSize(double points) {
    if (std::isfinite(points) && points > 0) font_.setPointSizeF(points);
}

void PainterCanvas::SetFontBold(bool bold) {
    font_.setBold(bold);
}

void PainterCanvas::SetFontUnderline(bool underline) {
    font_.setUnderline(underline);
}

void PainterCanvas::NewPage() {
    if (auto* pages = dynamic_cast<QPagedPaintDevice*>(painter_.device())) pages->newPage();
}

void PainterCanvas::EndDocument() {
    if (painter_.isActive()) painter_.end();
}

void PainterCanvas::DoClear() {
    painter_.fillRect(target_, Qt::white);
}

void PainterCanvas::DoLine(double x1, double y1, double x2, double y2, int colour) {
    painter_.setPen(Pen(colour));
    painter_.drawLine(Map(x1, y1), Map(x2, y2));
}

void PainterCanvas::DoBox(double x1, double y1, double x2, double y2, int colour) {
    painter_.setPen(Pen(colour));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(Map(x1, y1), Map(x2, y2)).normalized());
}

void PainterCanvas::DoCircle(double cx, double cy, double radius, int colour) {
    // The radius follows the horizontal scale, as on every back end, so a circle stays round.
    const double r = radius / std::fabs(ScaleWidth()) * target_.width();
    painter_.setPen(Pen(colour));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(Map(cx, cy), r, r);
}

void PainterCanvas::DoText(double x, double y, std::string_view text, int colour) {
    // (x, y) is the text's top-left corner; the painter places text by its baseline.
    const QFontMetricsF metrics(font_, painter_.device());
    const QPointF topLeft = Map(x, y);
    painter_.setFont(font_);
    painter_.setPen(PaletteQColor(colour));
    painter_.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), FromCoreText(text));
}

}  // namespace jw::ui
