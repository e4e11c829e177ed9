#include "ui/save_calculation_command.h"

#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "data/safe_output.h"
#include "data/sha256.h"
#include "print/core_file_path.h"
#include "print/document_printer.h"
#include "print/sheet_printer.h"
#include "results/calculation_html.h"
#include "results/calculation_text.h"
#include "ui/code_page_setting.h"
#include "ui/message_sink.h"
#include "ui/ui_helpers.h"

namespace jw::ui {

QString AskCalculationFileName(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Save Calculation"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({kCalcTextFilter, kCalcHtmlFilter, kCalcPdfFilter});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(QStringLiteral("Calculation01.txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

std::string CalculationDateToday() {
    return ToCoreText(QDate::currentDate().toString(Qt::ISODate));
}

CalculationModel DesktopCalculation(const ProjectInfo& info, const std::string& date,
                                    const ConnectionInput& input, const DesignResult& result) {
    CalculationSource source;
    source.info = info;
    source.date = date;
    Project project;
    project.info = info;
    project.type = input.type;
    project.choices = input.choices;
    project.values = GridValues(input.grid);
    try {
        source.sha256 = Sha256Hex(FormatProject(project, StoredCodePage()));
    } catch (const ProjectFileError& error) {
        // A text the code page cannot hold cannot be saved either: no file can match.
        source.sha256 = std::string("none: ") + error.what();
    }
    return BuildCalculation(source, input, result);
}

QString SaveCalculation(const CalculationModel& model, const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("pdf"))
        return print::PrintDocumentToPdf(
            path, FromCoreText(model.source.info.title + " - " + kCalculationTitle),
            {print::CalculationPart(model.source.info, model.source.date, model)}, true,
            print::DefaultSheetLayout());
    const bool html = suffix == QStringLiteral("html") || suffix == QStringLiteral("htm");
    const QString target = html || suffix == QStringLiteral("txt") ? path : path + ".txt";
    const std::string text = html ? CalculationHtml(model) : CalculationText(model);
    const std::string reason = WriteOutputFile(print::CoreFilePath(target), text);
    if (!reason.empty())
        return QStringLiteral("Cannot write \"%1\": %2.").arg(target, FromCoreText(reason));
    return {};
}

void SaveCalculationCommand(const CalculationModel& model, const CalculationFileDialog& ask,
                            MessageSink& messages, QWidget* parent) {
    const QString path = ask(parent);
    if (path.isEmpty()) return;
    const QString problem = SaveCalculation(model, path);
    if (!problem.isEmpty()) messages.Show(problem, QStringLiteral("Save Calculation"));
}

}  // namespace jw::ui
