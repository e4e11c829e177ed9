// A printed document of several parts, each from a new page: a connection's sheet, its detailed
// calculation, the cover and index of a job package. The whole document is laid out first on
// the device's own fonts, so a part that cannot be drawn starts no job, and every page can say
// "Page n of m".
#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>
#include <vector>

#include "drawing/canvas.h"
#include "drawing/print_sheet.h"
#include "results/calculation_model.h"

class QPagedPaintDevice;

namespace jw::print {

struct DocumentPart {
    // Draws the part's pages: a new page between two of them, never before the first, and the
    // document is not ended.
    std::function<void(DrawingCanvas&)> draw;
    // Scaled down as a whole when it runs past the printable area (the sheet, whose drawing
    // follows the size of a window on screen).
    bool fitToPage = false;
};

// The printed sheet of a connection (pages 1 and 2 and the further-checks pages).
DocumentPart SheetPart(SheetContent sheet);
// The detailed calculation's pages under the title block.
DocumentPart CalculationPart(ProjectInfo info, std::string date, const CalculationModel& model);

// The pages of each part on `device`, counted without printing. Throws DesignError as a part
// that cannot be drawn does.
std::vector<int> CountPages(const QPagedPaintDevice& device,
                            const std::vector<DocumentPart>& parts);

// Prints the parts in order, numbering every page "Page n of m" when `numberPages`. Returns the
// empty text on success, else why; `abortJob` is called when the printer fails part way.
QString PrintDocumentOnDevice(QPagedPaintDevice& device, const std::vector<DocumentPart>& parts,
                              bool numberPages, const std::function<void()>& abortJob = {});

// Makes a PDF document in memory with `print` and writes it to `path` whole or not at all,
// through the safe output writer: a document that fails leaves any earlier file as it was.
// Returns the empty text on success, else why.
QString WritePdf(const QString& path, const QString& title, const QPageLayout& layout,
                 const std::function<QString(QPagedPaintDevice& device)>& print);

// The document as a PDF file, whole or not at all, through the safe output writer.
QString PrintDocumentToPdf(const QString& path, const QString& title,
                           const std::vector<DocumentPart>& parts, bool numberPages,
                           const QPageLayout& layout);

}  // namespace jw::print
