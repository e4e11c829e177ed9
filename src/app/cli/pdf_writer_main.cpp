// jointwright-pdf [--codepage cp1252|cp874] [--with-calc | --calc | --package] [--name NAME]
//                 OUT.pdf < INPUT
//
// Writes a PDF file without a display, for jointwright-cli, which sends it on its standard input
// the very bytes it has read itself:
//   (no mode)    the two-page calculation sheet of the project (and its further-checks pages);
//   --with-calc  the sheet followed by the detailed calculation, every page numbered;
//   --calc       the detailed calculation alone, every page numbered;
//   --package    a job package (the stream of results/job_package.h): cover, index and each
//                connection's sheet and calculation. The first page of each file's pages (0 for
//                none) is printed on standard output, one line per file.
// NAME is the project file's name for the calculation's header. Exit statuses as the command
// line's: 0 written, 1 the connection must be redesigned (no sheet is made of it; nothing
// written), 2 the run or the file failed, 3 not a valid project file.
#include <QBuffer>
#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <QPdfWriter>
#include <cstdio>
#include <iostream>

#include "app/cli/commands.h"
#include "app/cli/console.h"
#include "data/input_file.h"
#include "data/sha256.h"
#include "design/design_run.h"
#include "drawing/calculation_pages.h"
#include "drawing/print_sheet.h"
#include "print/document_printer.h"
#include "print/sheet_date.h"
#include "print/sheet_printer.h"
#include "project/project_file.h"
#include "results/job_package.h"

namespace {

using namespace jw;
using namespace jw::cli;

// Qt's notes about the session (a missing runtime folder and the like) mean nothing to an
// engineer at a terminal; only its real failures are passed on.
void QuietQtMessages(QtMsgType type, const QMessageLogContext& /*context*/,
                     const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "jointwright-pdf: %s\n", qPrintable(message));
}

enum class Mode { Sheet, SheetWithCalculation, Calculation, Package };

struct Request {
    Mode mode = Mode::Sheet;
    CodePage page = kDefaultCodePage;
    std::string name;
    QString pdfPath;
};

std::optional<Request> ReadArguments(const std::vector<std::string>& args) {
    if (args.size() < 2) return std::nullopt;
    Request request;
    for (std::size_t i = 1; i + 1 < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--with-calc") {
            request.mode = Mode::SheetWithCalculation;
        } else if (arg == "--calc") {
            request.mode = Mode::Calculation;
        } else if (arg == "--package") {
            request.mode = Mode::Package;
        } else if ((arg == "--codepage" || arg == "--name") && i + 2 < args.size()) {
            const std::string& value = args[++i];
            if (arg == "--name") {
                request.name = value;
            } else if (const auto page = CodePageFromKey(value)) {
                request.page = *page;
            } else {
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
    request.pdfPath = QString::fromUtf8(args.back());
    return request;
}

int Fail(const QString& problem) {
    std::cerr << problem.toStdString() << "\n";
    return kExitStopped;
}

QString Title(const ProjectInfo& info, std::string_view what) {
    return QString::fromStdString(info.title + " - " + std::string(what));
}

int WriteConnection(const Request& request, const std::string& date) {
    ProjectSource source;
    Project project;
    try {
        source = ReadProjectSource(std::string(kStandardInputName));
        project = ParseProject(source.bytes, request.page);
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
    const bool wantsSheet = request.mode != Mode::Calculation;
    if (wantsSheet && result.status != RunStatus::Accepted) {
        std::cerr << kRedesignMessage << " No sheet was written.\n";
        return kExitRejected;
    }
    const SheetContent sheet = SheetOfRun(project.info, input, result, date);
    if (request.mode == Mode::Sheet) {
        const QString problem = print::PrintSheetToPdf(request.pdfPath, sheet);
        return problem.isEmpty() ? kExitAccepted : Fail(problem);
    }
    const CalculationModel model = BuildCalculation(
        {project.info, date, request.name, Sha256Hex(source.bytes)}, input, result);
    std::vector<print::DocumentPart> parts;
    if (wantsSheet) parts.push_back(print::SheetPart(sheet));
    parts.push_back(print::CalculationPart(project.info, date, model));
    const QString problem =
        print::PrintDocumentToPdf(request.pdfPath, Title(project.info, kCalculationTitle), parts,
                                  true, print::DefaultSheetLayout());
    return problem.isEmpty() ? kExitAccepted : Fail(problem);
}

print::DocumentPart LinesPart(const ProjectInfo& info, const std::string& date,
                              std::vector<CalcTextLine> lines) {
    return {[info, date, lines = std::move(lines)](DrawingCanvas& page) {
                PrintTitledLines(page, info, date, lines);
            },
            false};
}

// The parts of each file's pages, in file order, and which entry each belongs to.
struct ConnectionParts {
    std::vector<print::DocumentPart> parts;
    std::vector<std::size_t> entryOf;
};

ConnectionParts PartsOf(const std::vector<PackageEntry>& entries, const std::string& date) {
    ConnectionParts out;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const PackageEntry& e = entries[i];
        if (!e.HasCalculation()) continue;
        const PackageConnection& c = *e.connection;
        if (e.HasSheet()) {
            out.parts.push_back(
                print::SheetPart(SheetOfRun(c.project.info, c.input, c.result, date)));
            out.entryOf.push_back(i);
        }
        out.parts.push_back(print::CalculationPart(c.project.info, date, c.calculation));
        out.entryOf.push_back(i);
    }
    return out;
}

int WritePackage(const Request& request, const std::string& date) {
    InputBytes stream;
    // A package of many files: far more than one project file's bytes.
    constexpr std::size_t kStreamLimit = std::size_t{1} << 30;
    if (const std::string reason = ReadStandardInput(kStreamLimit, stream); !reason.empty())
        return Fail(QString::fromStdString("jointwright-pdf: " + reason));
    const auto inputs = ParsePackageStream(stream.bytes);
    if (!inputs) return Fail(QStringLiteral("jointwright-pdf: the package stream is damaged."));
    std::vector<PackageEntry> entries;
    for (const PackageInput& input : *inputs)
        entries.push_back(DesignPackageEntry(input, request.page, date));

    const ProjectInfo info = PackageInfo(entries);
    ConnectionParts connections = PartsOf(entries, date);
    std::vector<int> pages;
    int indexPages = 0;
    try {
        // Pages are counted on the fonts of the same kind of device that prints them.
        QBuffer scratch;
        scratch.open(QIODevice::WriteOnly);
        QPdfWriter measure(&scratch);
        measure.setPageLayout(print::DefaultSheetLayout());
        pages = print::CountPages(measure, connections.parts);
        indexPages =
            print::CountPages(measure, {LinesPart(info, date, PackageIndexLines(entries))}).front();
    } catch (const std::exception& error) {
        return Fail(QString::fromStdString(error.what()));
    }
    int next = 2 + indexPages;  // after the cover and the index
    for (std::size_t p = 0; p < connections.parts.size(); ++p) {
        PackageEntry& e = entries[connections.entryOf[p]];
        if (e.firstPage == 0) e.firstPage = next;
        next += pages[p];
    }

    std::vector<print::DocumentPart> parts = {
        LinesPart(info, date, PackageCoverLines(entries, date)),
        LinesPart(info, date, PackageIndexLines(entries))};
    for (print::DocumentPart& part : connections.parts) parts.push_back(std::move(part));
    const QString problem = print::PrintDocumentToPdf(request.pdfPath, Title(info, "Job package"),
                                                      parts, true, print::DefaultSheetLayout());
    if (!problem.isEmpty()) return Fail(problem);
    std::string firstPages;
    for (const PackageEntry& e : entries) firstPages += std::to_string(e.firstPage) + "\n";
    PrintExact(firstPages);
    return kExitAccepted;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Request> request = ReadArguments(ProgramArguments(argc, argv));
    if (!request) {
        std::cerr << "Usage: jointwright-pdf [--codepage cp1252|cp874] [--with-calc | --calc | "
                     "--package] [--name NAME] OUT.pdf < INPUT\n";
        return kExitStopped;
    }

    // Fonts and the PDF writer need a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    const std::string date = print::SheetDate(QLocale(), QDate::currentDate(), request->page);
    return request->mode == Mode::Package ? WritePackage(*request, date)
                                          : WriteConnection(*request, date);
}
