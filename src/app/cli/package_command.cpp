// jointwright-cli package: the connections of a job in one package for a checker: a cover, an
// index of every file and each connection's sheet and detailed calculation, as PDF, HTML and a
// CSV index.
#include <iostream>

#include "app/cli/arguments.h"
#include "app/cli/calc_output.h"
#include "app/cli/commands.h"
#include "app/cli/load_project.h"
#include "app/cli/pdf_output.h"
#include "app/cli/text_output.h"
#include "data/design_error.h"
#include "data/numbers.h"
#include "drawing/svg_canvas.h"
#include "results/job_package.h"
#include "results/package_html.h"

namespace jw::cli {
namespace {

constexpr const char* kPackageHelp =
    "Usage: jointwright-cli package FILE.Bol... [--pdf OUT.pdf] [--html OUT.html]\n"
    "                               [--csv OUT.csv] [--codepage CP]\n"
    "\n"
    "Designs every project file and makes one package of them for a checker: a cover (the\n"
    "project texts of the first file, the date, the number of connections), an index with one\n"
    "line per file (file, mark, type, beam, bolts, plates, governing ratio and check, verdict,\n"
    "page), then each connection's sheet and detailed calculation. A connection that must be\n"
    "redesigned gets its calculation but no sheet; a file that cannot be read or designed gets\n"
    "its line in the index with the reason, and no pages.\n"
    "\n"
    "  --pdf OUT.pdf    the package as A4 pages, every page numbered\n"
    "  --html OUT.html  the package as one web page\n"
    "  --csv OUT.csv    the index as CSV (printed on the standard output without it)\n"
    "  --codepage CP    the code page of the project files: cp1252 (the default) or cp874\n"
    "\n"
    "With more than 10 files the progress is printed on the standard error.\n"
    "\n"
    "Exit status: 3 when any file is not a valid project file, otherwise 2 when any run stops,\n"
    "otherwise 1 when any connection must be redesigned, otherwise 0.\n";

// Progress is worth printing only for a package that takes a while.
constexpr std::size_t kProgressAbove = 10;

std::vector<PackageInput> ReadInputs(const std::vector<std::string>& files,
                                     std::vector<InputFile>& read) {
    std::vector<PackageInput> inputs;
    for (const std::string& file : files) {
        PackageInput input{file, std::nullopt, {}};
        try {
            ProjectSource source = ReadProjectSource(file);
            read.push_back(source.file);
            input.bytes = std::move(source.bytes);
        } catch (const ProjectFileError& error) {
            input.readError = error.what();
        }
        inputs.push_back(std::move(input));
    }
    return inputs;
}

std::vector<PackageEntry> DesignAll(const std::vector<PackageInput>& inputs, CodePage page,
                                    const std::string& date) {
    std::vector<PackageEntry> entries;
    for (const PackageInput& input : inputs) {
        entries.push_back(DesignPackageEntry(input, page, date));
        if (inputs.size() > kProgressAbove)
            std::cerr << "designed " << entries.size() << " of " << inputs.size() << "\n";
    }
    return entries;
}

// Writes the PDF and reads back where each file's pages start.
int WritePackagePdf(const std::string& path, const std::vector<PackageInput>& inputs, CodePage page,
                    std::vector<PackageEntry>& entries) {
    std::string printed;
    const int status = RunPdfWriter({"--package"}, PackageStream(inputs), path, page, &printed);
    if (status != kExitAccepted) return status;
    std::size_t at = 0;
    for (PackageEntry& e : entries) {
        const std::size_t end = printed.find('\n', at);
        if (end == std::string::npos) break;
        e.firstPage = static_cast<int>(LeadingNumber(printed.substr(at, end - at)));
        at = end + 1;
    }
    return kExitAccepted;
}

std::string IndexCsv(const std::vector<PackageEntry>& entries) {
    std::string csv = "file,mark,type,beam,bolts,plates,ratio,governing,verdict,page\n";
    for (const PackageEntry& e : entries) {
        const std::string page = e.firstPage > 0 ? std::to_string(e.firstPage) : "";
        const std::string governing = e.reason.empty() ? e.governingMode : e.reason;
        std::string line;
        for (const std::string* field : {&e.file, &e.mark, &e.type, &e.beam, &e.bolts, &e.plates,
                                         &e.governingRatio, &governing, &e.verdict, &page})
            line += (line.empty() ? "" : ",") + CsvField(*field);
        csv += line + "\n";
    }
    return csv;
}

std::string DrawingOf(const PackageConnection& c) {
    try {
        return DrawConnectionSvg(c.input.type, c.input.grid, c.input.choices);
    } catch (const DesignError&) {
        return {};
    }
}

}  // namespace

int PackageCommand(const Arguments& args) {
    const ParsedArguments parsed =
        ParseArguments(args, {"--help"}, {"--pdf", "--html", "--csv", "--codepage"});
    if (parsed.Has("--help")) {
        std::cout << kPackageHelp;
        return kExitAccepted;
    }
    if (parsed.files.empty()) throw UsageError("package needs at least one project file");
    const CodePage page = CodePageOption(parsed);
    const auto pdf = parsed.Option("--pdf");
    if (pdf && !PdfOutputAvailable()) {
        std::cerr << kNoPdfOutput << "\n";
        return kExitStopped;
    }
    std::vector<InputFile> read;
    const std::vector<PackageInput> inputs = ReadInputs(parsed.files, read);
    std::vector<std::string> outputs;
    for (const char* option : {"--pdf", "--html", "--csv"})
        if (const auto path = parsed.Option(option)) outputs.push_back(*path);
    if (!OutputsCanBeWritten(outputs, read)) return kExitStopped;

    const std::string date = CalculationDate();
    std::vector<PackageEntry> entries = DesignAll(inputs, page, date);
    if (pdf)
        if (const int status = WritePackagePdf(*pdf, inputs, page, entries);
            status != kExitAccepted)
            return status;
    if (const auto html = parsed.Option("--html");
        html && !WriteOutput(*html, PackageHtml(entries, date, DrawingOf), read))
        return kExitStopped;
    if (!WriteOrPrint(parsed.Option("--csv"), IndexCsv(entries), read)) return kExitStopped;
    return PackageExitStatus(entries);
}

}  // namespace jw::cli
