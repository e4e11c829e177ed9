// jointwright-pdf PROJECT.Bol OUT.pdf: designs the project and writes its two-page calculation
// sheet as a PDF file, without a display. jointwright-cli runs it for `design --pdf`; it exits
// with the same statuses: 0 written, 1 the connection must be redesigned (nothing written),
// 2 the run or the file failed, 3 not a valid project file.
#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>
#include <iostream>

#include "app/cli/commands.h"
#include "app/cli/load_project.h"
#include "design/design_run.h"
#include "drawing/print_sheet.h"
#include "print/sheet_printer.h"

namespace {

// Qt's notes about the session (a missing runtime folder and the like) mean nothing to an
// engineer at a terminal; only its real failures are passed on.
void QuietQtMessages(QtMsgType type, const QMessageLogContext& /*context*/,
                     const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "jointwright-pdf: %s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
    using namespace jw;
    using namespace jw::cli;
    if (argc != 3) {
        std::cerr << "Usage: jointwright-pdf FILE.Bol OUT.pdf\n";
        return kExitStopped;
    }
    const std::string projectPath = argv[1];
    const QString pdfPath = QString::fromLocal8Bit(argv[2]);

    // Fonts and the PDF writer need a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    const auto project = LoadProjectForCommand(projectPath);
    if (!project) return kExitBadFile;
    const ConnectionInput input{project->type, project->choices, ProjectGrid(*project)};
    // The command-line program has written the report file already; this run only needs its
    // text.
    const DesignResult result = RunDesign(input, RunOptions{""});
    if (result.status == RunStatus::Stopped) {
        std::cerr << result.message << "\n";
        return kExitStopped;
    }
    if (result.status != RunStatus::Accepted) {
        std::cerr << kRedesignMessage << " No sheet was written.\n";
        return kExitRejected;
    }

    const std::string date =
        QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toLatin1().toStdString();
    const QString problem =
        print::PrintSheetToPdf(pdfPath, SheetOfRun(project->info, input, result, date));
    if (!problem.isEmpty()) {
        std::cerr << problem.toLocal8Bit().toStdString() << "\n";
        return kExitStopped;
    }
    return kExitAccepted;
}
