#include "ui/drawing_view.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "data/design_error.h"
#include "drawing/connection_drawings.h"
#include "print/painter_canvas.h"
#include "ui/ui_helpers.h"

namespace jw::ui {
namespace {

using print::PainterCanvas;

// The drawings fit a square world window, so they are drawn into the largest centred square:
// a connection drawn to scale must not be stretched by a wide or tall window.
QRectF SquareInside(const QRect& area) {
    const double side = std::min(area.width(), area.height());
    return {area.left() + (area.width() - side) / 2.0, area.top() + (area.height() - side) / 2.0,
            side, side};
}

}  // namespace

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(80, 80);
}

void DrawingView::SetConnection(const ConnectionInput& input) {
    input_ = input;
    update();
}

void DrawingView::Clear() {
    input_.reset();
    update();
}

void DrawingView::SetLabelPointSize(double points) {
    labelPointSize_ = points;
    update();
}

std::optional<std::string> DrawingView::DrawingProblem(const ConnectionInput& input) {
    QImage scratch(64, 64, QImage::Format_RGB32);
    QPainter painter(&scratch);
    try {
        PainterCanvas canvas(painter, QRectF(scratch.rect()));
        DrawConnection(canvas, input.type, input.grid, input.choices);
    } catch (const DesignError& error) {
        return std::string(error.what());
    }
    return std::nullopt;
}

void DrawingView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QRectF target = SquareInside(rect());
    if (!input_ || target.width() < 1) return;
    painter.setRenderHint(QPainter::Antialiasing);
    try {
        PainterCanvas canvas(painter, target);
        QFont font = canvas.Font();
        font.setPointSizeF(labelPointSize_);
        canvas.SetFont(font);
        DrawConnection(canvas, input_->type, input_->grid, input_->choices);
    } catch (const DesignError& error) {
        // The commands check a connection before they show it; an input that still cannot be
        // drawn says why instead of leaving a blank picture.
        painter.fillRect(rect(), Qt::white);
        painter.setPen(Qt::darkRed);
        painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                         FromCoreText(error.what()));
    }
}

}  // namespace jw::ui
