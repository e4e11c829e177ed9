// jointwright-pdf [--codepage cp1252|cp874] OUT.pdf < PROJECT.Bol: designs the project read
// from the standard input and writes its two-page calculation sheet as a PDF file, without a
// display. jointwright-cli runs it for `design --pdf` and sends it the project bytes it has
// designed itself; it exits with the same statuses: 0 written, 1 the connection must be
// redesigned (nothing written), 2 the run or the file failed, 3 not a valid project file.
#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>
#include <iostream>

#include "app/cli/commands.h"
#include "app/cli/console.h"
#include "design/design_run.h"
#include "drawing/print_sheet.h"
#include "print/sheet_date.h"
#include "print/sheet_printer.h"
#include "project/project_file.h"

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
    const std::vector<std::string> args = ProgramArguments(argc, argv);
    const bool hasCodePage = args.size() == 4 && args[1] == "--codepage";
    const std::optional<CodePage> page =
        hasCodePage ? CodePageFromKey(args[2]) : std::optional<CodePage>(kDefaultCodePage);
    if ((args.size() != 2 && !hasCodePage) || !page) {
        std::cerr << "Usage: jointwright-pdf [--codepage cp1252|cp874] OUT.pdf < FILE.Bol\n";
        return kExitStopped;
    }
    const QString pdfPath = QString::fromUtf8(args.back());

    // Fonts and the PDF writer need a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    Project project;
    try {
        project = ParseProject(ReadProjectSource(std::string(kStandardInputName)).bytes, *page);
    } catch (const ProjectFileError& error) {
        std::cerr << "jointwright-pdf: " << error.what() << "\n";
        return kExitBadFile;
    }
    const ConnectionInput input{project.type, project.choices, ProjectGrid(project)};
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

    const std::string date = print::SheetDate(QLocale(), QDate::currentDate(), *page);
    const QString problem =
        print::PrintSheetToPdf(pdfPath, SheetOfRun(project.info, input, result, date));
    if (!problem.isEmpty()) {
        std::cerr << problem.toStdString() << "\n";
        return kExitStopped;
    }
    return kExitAccepted;
}
