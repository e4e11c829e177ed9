// The result window's "Save Calculation..." and the detailed calculation on its print job: the
// calculation of the connection on show as plain text, a web page or PDF pages.
#pragma once

#include <QString>
#include <functional>

#include "design/design_run.h"
#include "project/project_file.h"
#include "results/calculation_model.h"

class QWidget;

namespace jw::ui {

class MessageSink;

inline const QString kCalcTextFilter = QStringLiteral("Plain text (*.txt)");
inline const QString kCalcHtmlFilter = QStringLiteral("Web page (*.html)");
inline const QString kCalcPdfFilter = QStringLiteral("PDF pages (*.pdf)");

// Asks for the file to save the calculation to; the empty text when the engineer cancels.
using CalculationFileDialog = std::function<QString(QWidget* parent)>;
QString AskCalculationFileName(QWidget* parent);

// The calculation of a finished run of `input` as the desktop gives it: the title-block texts
// as they stand, the date, and the SHA-256 of the project as Save writes it in the stored code
// page (a file saved from the same connection has the same digest).
CalculationModel DesktopCalculation(const ProjectInfo& info, const std::string& date,
                                    const ConnectionInput& input, const DesignResult& result);

// Today's date as a saved calculation prints it: "2026-08-12", read the same in every country.
std::string CalculationDateToday();

// Writes the calculation to `path` in the format its extension names (.txt, .html or .pdf;
// another extension is saved as text with ".txt" added), whole or not at all. Returns the empty
// text, or the reason it could not be saved.
QString SaveCalculation(const CalculationModel& model, const QString& path);

// Asks, saves, and reports a failure through `messages` (title "Save Calculation").
void SaveCalculationCommand(const CalculationModel& model, const CalculationFileDialog& ask,
                            MessageSink& messages, QWidget* parent);

}  // namespace jw::ui
