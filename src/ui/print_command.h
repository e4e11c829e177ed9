// The printer dialog of the result window's Print command.
#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace jw::ui {

// Shows a printer dialog for `printer` over `parent`; false when the engineer cancels.
using PrinterDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;

// The platform's printer dialog: printer, paper, copies and printing to a PDF file. It offers
// no page range, selection or collation: the sheet is always its two pages.
bool ShowPrinterDialog(QPrinter& printer, QWidget* parent);

}  // namespace jw::ui
