#include "print/painter_canvas.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "print/printer_fonts.h"

namespace jw::print {
namespace {

QColor PaletteQColor(int index) {
    const Rgb rgb = PaletteColour(index);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The core's texts are UTF-8; the files' code pages are converted where files are read.
QString FromCoreText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont DefaultFont() {
    QFont font(QStringLiteral("Arial"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, const QRectF& target, double twipsPerUnit)
    : painter_(&painter),
      device_(painter.device()),
      target_(target),
      twipsPerUnit_(twipsPerUnit > 0 ? twipsPerUnit : kTwipsPerPixel),
      font_(DefaultFont()) {
    // Until a drawing sets its window, the surface counts in twips from its top-left corner.
    Scale(0, 0, target_.width() * twipsPerUnit_, target_.height() * twipsPerUnit_);
}

PainterCanvas::PainterCanvas(const QPaintDevice& device, const QRectF& target, double twipsPerUnit)
    : painter_(nullptr),
      device_(&device),
      target_(target),
      twipsPerUnit_(twipsPerUnit > 0 ? twipsPerUnit : kTwipsPerPixel),
      font_(DefaultFont()) {
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

void PainterCanvas::Cover(double x1, double y1, double x2, double y2) {
    const QRectF area = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    // A rectangle of no width or height still counts: a straight line is one.
    if (bounds_.isNull()) {
        bounds_ = area;
        return;
    }
    bounds_.setLeft(std::min(bounds_.left(), area.left()));
    bounds_.setTop(std::min(bounds_.top(), area.top()));
    bounds_.setRight(std::max(bounds_.right(), area.right()));
    bounds_.setBottom(std::max(bounds_.bottom(), area.bottom()));
}

double PainterCanvas::TextWidth(std::string_view text) const {
    const QFontMetricsF metrics(font_, device_);
    return metrics.horizontalAdvance(FromCoreText(text)) / target_.width() *
           std::fabs(ScaleWidth());
}

double PainterCanvas::TextHeight(std::string_view /*text*/) const {
    const QFontMetricsF metrics(font_, device_);
    return metrics.height() / target_.height() * ScaleHeight();
}

void PainterCanvas::SetFontName(std::string_view name) {
    UseNearestFamily(font_, FromCoreText(name));
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
    if (!painter_) return;
    auto* pages = dynamic_cast<QPagedPaintDevice*>(painter_->device());
    if (pages && !pages->newPage()) throw PrinterError("The printer did not start a new page.");
}

void PainterCanvas::EndDocument() {
    if (!painter_ || !painter_->isActive()) return;
    if (!painter_->end()) throw PrinterError("The printer did not take the finished document.");
}

void PainterCanvas::DoClear() {
    if (painter_) painter_->fillRect(target_, Qt::white);
}

void PainterCanvas::DoLine(double x1, double y1, double x2, double y2, int colour) {
    Cover(x1, y1, x2, y2);
    if (!painter_) return;
    painter_->setPen(Pen(colour));
    painter_->drawLine(Map(x1, y1), Map(x2, y2));
}

void PainterCanvas::DoBox(double x1, double y1, double x2, double y2, int colour) {
    Cover(x1, y1, x2, y2);
    if (!painter_) return;
    painter_->setPen(Pen(colour));
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(QRectF(Map(x1, y1), Map(x2, y2)).normalized());
}

void PainterCanvas::DoCircle(double cx, double cy, double radius, int colour) {
    // The radius follows the horizontal scale, as on every back end, so a circle stays round.
    const double r = radius / std::fabs(ScaleWidth()) * target_.width();
    const double worldRadiusY = r / target_.height() * std::fabs(ScaleHeight());
    Cover(cx - radius, cy - worldRadiusY, cx + radius, cy + worldRadiusY);
    if (!painter_) return;
    painter_->setPen(Pen(colour));
    painter_->setBrush(Qt::NoBrush);
    painter_->drawEllipse(Map(cx, cy), r, r);
}

void PainterCanvas::DoText(double x, double y, std::string_view text, int colour) {
    Cover(x, y, x + TextWidth(text) * (ScaleWidth() < 0 ? -1 : 1), y + TextHeight(text));
    if (!painter_) return;
    // (x, y) is the text's top-left corner; the painter places text by its baseline.
    const QFontMetricsF metrics(font_, device_);
    const QPointF topLeft = Map(x, y);
    painter_->setFont(font_);
    painter_->setPen(PaletteQColor(colour));
    painter_->drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), FromCoreText(text));
}

}  // namespace jw::print
