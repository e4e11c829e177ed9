// Print: the two-page calculation sheet of the connection on show, on the printer the engineer
// picks or in a PDF file.
#include "ui/print_command.h"

#include <QCheckBox>
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "drawing/print_sheet.h"
#include "print/document_printer.h"
#include "print/sheet_date.h"
#include "print/sheet_printer.h"
#include "ui/code_page_setting.h"
#include "ui/drawing_view.h"
#include "ui/message_sink.h"
#include "ui/result_window.h"
#include "ui/save_calculation_command.h"
#include "ui/ui_helpers.h"
#include "ui/verdict_label.h"

namespace jw::ui {
namespace {

const QString kPrintTitle = QStringLiteral("Print");

TextGrid GridShown(const QTableWidget& table) {
    TextGrid grid;
    ShapeGrid(grid, table.rowCount(), table.columnCount(), 0, 0);
    for (int r = 0; r < table.rowCount(); ++r)
        for (int c = 0; c < table.columnCount(); ++c)
            if (const QTableWidgetItem* item = table.item(r, c))
                grid.At(r, c) = ToCoreText(item->text());
    return grid;
}

double WidgetTwips(int pixels, const QWidget& widget) {
    return pixels * kTwipsPerInch / widget.logicalDpiX();
}

}  // namespace

bool ShowPrinterDialog(QPrinter& printer, QWidget* parent, PrintChoices* choices) {
    QPrintDialog dialog(&printer, parent);
    QCheckBox* calculation = nullptr;
    if (choices) {
        auto* tab = new QWidget;
        tab->setWindowTitle(QStringLiteral("Calculation"));
        calculation = new QCheckBox(QStringLiteral("Add the detailed calculation"), tab);
        calculation->setObjectName(QStringLiteral("WithCalculation"));
        auto* layout = new QVBoxLayout(tab);
        layout->addWidget(calculation);
        layout->addStretch();
        dialog.setOptionTabs({tab});
    }
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintShowPageSize, true);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (choices) choices->withCalculation = accepted && calculation->isChecked();
    return accepted;
}

void ResultWindow::PrintAcceptedConnection() {
    // The sheet shows what was designed: the input drawn with this result, not whatever the
    // input form holds by now.
    const std::optional<ConnectionInput>& input = drawing_->Connection();
    if (!input) return;

    // Page 2 is the report file as the run wrote it. Without it there is no sheet to print,
    // and the engineer hears so before choosing a printer.
    QFile reportFile(reportPath_);
    QByteArray report;
    if (reportFile.open(QIODevice::ReadOnly)) report = reportFile.readAll();
    if (!reportFile.isOpen() || reportFile.error() != QFileDevice::NoError) {
        messages_.Show(QStringLiteral("The calculation report %1 cannot be read, so the sheet "
                                      "was not printed. Calculate the connection again.")
                           .arg(reportPath_),
                       kPrintTitle);
        return;
    }

    SheetContent sheet;
    sheet.info = projectInfo_ ? projectInfo_() : ProjectInfo{};
    sheet.date = print::SheetDate(QLocale(), QDate::currentDate(), StoredCodePage());
    sheet.caption = ToCoreText(verdict_->text());
    sheet.summary = GridShown(*summary_);
    sheet.type = input->type;
    sheet.choices = input->choices;
    sheet.input = input->grid;
    sheet.drawingWidthTwips = WidgetTwips(drawing_->width(), *drawing_);
    sheet.drawingHeightTwips = WidgetTwips(drawing_->height(), *drawing_);
    sheet.report = report.toStdString();

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(FromCoreText(sheet.info.title));
    if (!printerDialog_(printer, this)) return;

    if (printChoices_.withCalculation) return PrintWithCalculation(printer, sheet, *input);
    // A PDF file is written whole or not at all; a printer job is withdrawn where the printer
    // allows it.
    const QString problem =
        printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()
            ? print::PrintSheetToPdf(printer.outputFileName(), sheet, printer.pageLayout())
            : print::PrintSheetOnDevice(printer, sheet, [&printer] { printer.abort(); });
    if (!problem.isEmpty()) messages_.Show(problem, kPrintTitle);
}

void ResultWindow::PrintWithCalculation(QPrinter& printer, const SheetContent& sheet,
                                        const ConnectionInput& input) {
    if (!result_) return;
    // Every page numbered, so the calculation's pages can be told from the sheet's and put back
    // in order.
    const std::vector<print::DocumentPart> parts = {
        print::SheetPart(sheet),
        print::CalculationPart(sheet.info, sheet.date,
                               DesktopCalculation(sheet.info, sheet.date, input, *result_))};
    const QString problem =
        printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()
            ? print::PrintDocumentToPdf(printer.outputFileName(), FromCoreText(sheet.info.title),
                                        parts, true, printer.pageLayout())
            : print::PrintDocumentOnDevice(printer, parts, true, [&printer] { printer.abort(); });
    if (!problem.isEmpty()) messages_.Show(problem, kPrintTitle);
}

}  // namespace jw::ui
