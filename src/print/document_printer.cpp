#include "print/document_printer.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "data/design_error.h"
#include "data/safe_output.h"
#include "drawing/calculation_pages.h"
#include "drawing/print_further_pages.h"
#include "print/core_file_path.h"
#include "print/painter_canvas.h"
#include "results/calculation_text.h"

namespace jw::print {
namespace {

double TwipsPerDevicePixel(const QPaintDevice& device) {
    return kTwipsPerInch / device.logicalDpiX();
}

QRectF PrintableArea(const QPaintDevice& device) {
    return QRectF(0, 0, device.width(), device.height());
}

// Lays a part out on the device's fonts without printing, counting its pages.
class PageCounter : public PainterCanvas {
  public:
    using PainterCanvas::PainterCanvas;
    void NewPage() override { ++pages_; }
    void EndDocument() override {}
    int Pages() const { return pages_; }

  private:
    int pages_ = 1;
};

struct Measured {
    int pages = 1;
    double scale = 1;
};

Measured Measure(const QPagedPaintDevice& device, const DocumentPart& part) {
    const double twips = TwipsPerDevicePixel(device);
    const QRectF area = PrintableArea(device);
    PageCounter counter(device, area, twips);
    part.draw(counter);
    Measured measured{counter.Pages(), 1};
    if (!part.fitToPage) return measured;
    const QRectF drawn = counter.DrawnBounds();
    const double widthTwips = area.width() * twips;
    const double heightTwips = area.height() * twips;
    if (drawn.right() > widthTwips) measured.scale = std::min(1.0, widthTwips / drawn.right());
    if (drawn.bottom() > heightTwips)
        measured.scale = std::min(measured.scale, heightTwips / drawn.bottom());
    return measured;
}

// Draws on the painter and numbers each page, unscaled, before it is left.
class NumberedCanvas : public PainterCanvas {
  public:
    NumberedCanvas(QPainter& painter, const QRectF& target, double twips, int firstPage,
                   int totalPages, bool numberPages)
        : PainterCanvas(painter, target, twips),
          painter_(painter),
          twips_(twips),
          page_(firstPage),
          total_(totalPages),
          numberPages_(numberPages) {}

    void NewPage() override {
        NumberThisPage();
        PainterCanvas::NewPage();
        ++page_;
    }
    void EndDocument() override {}

    void NumberThisPage() {
        if (!numberPages_) return;
        painter_.save();
        painter_.resetTransform();
        PainterCanvas plain(painter_, PrintableArea(*painter_.device()), twips_);
        PrintPageNumber(plain, page_, total_);
        painter_.restore();
    }
    int Page() const { return page_; }

  private:
    QPainter& painter_;
    double twips_;
    int page_;
    int total_;
    bool numberPages_;
};

}  // namespace

DocumentPart SheetPart(SheetContent sheet) {
    return {[sheet = std::move(sheet)](DrawingCanvas& page) { PrintSheetPages(page, sheet); },
            true};
}

DocumentPart CalculationPart(ProjectInfo info, std::string date, const CalculationModel& model) {
    return {[info = std::move(info), date = std::move(date), lines = CalculationLines(model)](
                DrawingCanvas& page) { PrintTitledLines(page, info, date, lines); },
            false};
}

std::vector<int> CountPages(const QPagedPaintDevice& device,
                            const std::vector<DocumentPart>& parts) {
    std::vector<int> pages;
    for (const DocumentPart& part : parts) pages.push_back(Measure(device, part).pages);
    return pages;
}

QString PrintDocumentOnDevice(QPagedPaintDevice& device, const std::vector<DocumentPart>& parts,
                              bool numberPages, const std::function<void()>& abortJob) {
    std::vector<Measured> measured;
    int total = 0;
    try {
        for (const DocumentPart& part : parts) {
            measured.push_back(Measure(device, part));
            total += measured.back().pages;
        }
    } catch (const DesignError& error) {
        return QString::fromStdString(error.what());
    }

    QPainter painter;
    if (!painter.begin(&device)) return QStringLiteral("The printer could not be opened.");
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = PrintableArea(device);
    const double twips = TwipsPerDevicePixel(device);
    int page = 1;
    try {
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (i > 0) {
                if (!device.newPage()) throw PrinterError("The printer did not start a new page.");
                ++page;
            }
            const double scale = measured[i].scale;
            painter.save();
            // Shrinking the painter shrinks text, pens and drawing alike, so a part keeps its look.
            painter.scale(scale, scale);
            NumberedCanvas canvas(
                painter,
                QRectF(area.left(), area.top(), area.width() / scale, area.height() / scale), twips,
                page, total, numberPages);
            parts[i].draw(canvas);
            canvas.NumberThisPage();
            page = canvas.Page();
            painter.restore();
        }
        if (!painter.end()) throw PrinterError("The printer did not take the finished document.");
    } catch (const std::exception& error) {
        if (abortJob) abortJob();
        if (painter.isActive()) painter.end();
        return QString::fromStdString(error.what());
    }
    return {};
}

QString WritePdf(const QString& path, const QString& title, const QPageLayout& layout,
                 const std::function<QString(QPagedPaintDevice& device)>& print) {
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    QString problem;
    {
        QPdfWriter writer(&document);
        writer.setPageLayout(layout);
        writer.setCreator(QStringLiteral("JointWright"));
        writer.setTitle(title);
        problem = print(writer);
    }
    if (!problem.isEmpty()) return problem;
    const QByteArray& bytes = document.data();
    const std::string reason = WriteOutputFile(
        CoreFilePath(path),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!reason.empty())
        return QStringLiteral("Cannot write \"%1\": %2.").arg(path, QString::fromUtf8(reason));
    return {};
}

QString PrintDocumentToPdf(const QString& path, const QString& title,
                           const std::vector<DocumentPart>& parts, bool numberPages,
                           const QPageLayout& layout) {
    return WritePdf(path, title, layout, [&](QPagedPaintDevice& device) {
        return PrintDocumentOnDevice(device, parts, numberPages);
    });
}

}  // namespace jw::print
