// The printer dialog of the result window's Print command.
#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace jw::ui {

// Shows a printer dialog for `printer` over `parent`; false when the engineer cancels.
using PrinterDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;

// What the print job holds besides the sheet.
struct PrintChoices {
    bool withCalculation = false;  // the detailed calculation after the sheet
};

// The platform's printer dialog: printer, paper, copies and printing to a PDF file. It offers
// no page range, selection or collation: the sheet is always all its pages. With `choices`, the
// dialog also offers "Add the detailed calculation", off each time it opens, and sets it there.
bool ShowPrinterDialog(QPrinter& printer, QWidget* parent, PrintChoices* choices = nullptr);

}  // namespace jw::ui
