#include "print/sheet_printer.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "data/design_error.h"
#include "print/document_printer.h"
#include "print/painter_canvas.h"

namespace jw::print {
namespace {

constexpr double kSheetMarginMm = 6.35;

double TwipsPerDevicePixel(const QPaintDevice& device) {
    return kTwipsPerInch / device.logicalDpiX();
}

QRectF PrintableArea(const QPaintDevice& device) {
    return QRectF(0, 0, device.width(), device.height());
}

QString FromCoreText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QPageLayout DefaultSheetLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kSheetMarginMm, kSheetMarginMm, kSheetMarginMm, kSheetMarginMm),
                       QPageLayout::Millimeter);
}

double SheetFitScale(const QPagedPaintDevice& device, const SheetContent& sheet) {
    const double twips = TwipsPerDevicePixel(device);
    const QRectF area = PrintableArea(device);
    PainterCanvas measure(device, area, twips);
    PrintConnectionSheet(measure, sheet);
    const QRectF drawn = measure.DrawnBounds();
    const double widthTwips = area.width() * twips;
    const double heightTwips = area.height() * twips;
    double scale = 1;
    if (drawn.right() > widthTwips) scale = std::min(scale, widthTwips / drawn.right());
    if (drawn.bottom() > heightTwips) scale = std::min(scale, heightTwips / drawn.bottom());
    return scale;
}

QString PrintSheetOnDevice(QPagedPaintDevice& device, const SheetContent& sheet,
                           const std::function<void()>& abortJob) {
    double scale = 1;
    try {
        scale = SheetFitScale(device, sheet);
    } catch (const DesignError& error) {
        return QString::fromStdString(error.what());
    }

    QPainter painter;
    if (!painter.begin(&device)) return QStringLiteral("The printer could not be opened.");
    painter.setRenderHint(QPainter::Antialiasing);
    // Shrinking the painter shrinks text, pens and drawing alike, so the sheet keeps its look.
    painter.scale(scale, scale);
    const QRectF area = PrintableArea(device);
    PainterCanvas page(painter,
                       QRectF(area.left(), area.top(), area.width() / scale, area.height() / scale),
                       TwipsPerDevicePixel(device));
    try {
        PrintConnectionSheet(page, sheet);
    } catch (const std::exception& error) {
        if (abortJob) abortJob();
        if (painter.isActive()) painter.end();
        return QString::fromStdString(error.what());
    }
    return {};
}

QString PrintSheetToPdf(const QString& path, const SheetContent& sheet, const QPageLayout& layout) {
    // Made in memory first and handed to the safe writer whole: a sheet that fails leaves any
    // earlier file as it was, and a link or a device is treated as every other output is.
    return WritePdf(
        path, FromCoreText(sheet.info.title) + QStringLiteral(" - ") + FromCoreText(sheet.caption),
        layout, [&](QPagedPaintDevice& device) { return PrintSheetOnDevice(device, sheet); });
}

}  // namespace jw::print
