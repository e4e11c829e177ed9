// Printing the calculation sheet on a Qt paged device: a printer the engineer chose, or a PDF
// file. The whole sheet is laid out first, with the device's own fonts, so a sheet that cannot
// be drawn starts no job; a sheet larger than the printable area is scaled down to fit it.
#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>

#include "drawing/print_sheet.h"

class QPagedPaintDevice;

namespace jw::print {

// The page of a PDF sheet: A4 portrait with a quarter-inch margin, where an office printer's
// printable area begins.
QPageLayout DefaultSheetLayout();

// How much the sheet must shrink to fit the device's printable area: 1 when it fits as laid
// out. Throws DesignError when the connection cannot be drawn.
double SheetFitScale(const QPagedPaintDevice& device, const SheetContent& sheet);

// Prints both pages on `device`. Returns the empty text on success, else why the sheet was not
// printed. A failure before the job starts leaves the device untouched; after it has started
// (the printer refused a page), `abortJob` is called before the painter lets go of the device,
// so a printer that can withdraw a job does.
QString PrintSheetOnDevice(QPagedPaintDevice& device, const SheetContent& sheet,
                           const std::function<void()>& abortJob = {});

// Writes the sheet to a PDF file whole or not at all, through the safe output writer
// (data/safe_output.h): a failure leaves any earlier file as it was. Returns the empty text on
// success, else why.
QString PrintSheetToPdf(const QString& path, const SheetContent& sheet,
                        const QPageLayout& layout = DefaultSheetLayout());

}  // namespace jw::print
