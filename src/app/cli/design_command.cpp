#include <iostream>

#include "app/cli/arguments.h"
#include "app/cli/calc_output.h"
#include "app/cli/commands.h"
#include "app/cli/console.h"
#include "app/cli/load_project.h"
#include "app/cli/pdf_output.h"
#include "app/cli/text_output.h"
#include "data/design_error.h"
#include "drawing/dxf_canvas.h"
#include "drawing/svg_canvas.h"

namespace jw::cli {
namespace {

constexpr const char* kDesignHelp =
    "Usage: jointwright-cli design FILE.Bol [--json] [--report PATH] [--svg OUT.svg]\n"
    "                              [--dxf OUT.dxf] [--pdf OUT.pdf [--with-calc]]\n"
    "                              [--calc OUT.txt|OUT.html|OUT.pdf] [--codepage CP]\n"
    "\n"
    "Designs the connection of a project file (\"-\" reads it from the standard input),\n"
    "writes the calculation report (result.out in the current folder, or PATH) and prints the\n"
    "result table and summary.\n"
    "\n"
    "  --json         print one JSON object instead of the aligned table\n"
    "  --report PATH  write the report to PATH instead of result.out\n"
    "  --svg OUT.svg  also draw the designed connection to scale as an SVG file\n"
    "  --dxf OUT.dxf  also draw it as a DXF file for CAD, in millimetres at a plot scale that\n"
    "                 fits A4, with the layers MEMBERS, BOLTS, DIMENSIONS, NOTES and HATCH\n"
    "  --pdf OUT.pdf  also write the two-page printed calculation sheet (A4) of an accepted\n"
    "                 connection; a connection that must be redesigned gets no sheet\n"
    "  --with-calc    add the detailed calculation to the sheet of --pdf, every page\n"
    "                 numbered\n"
    "  --calc OUT     write the detailed calculation: every input, derived value and check\n"
    "                 with its formula and numbers, the verdict and what is not checked; the\n"
    "                 extension chooses plain text (.txt), a web page (.html) or A4 pages\n"
    "                 (.pdf). A connection that must be redesigned gets its calculation too\n"
    "  --codepage CP  the code page of the project file's texts: cp1252 (Western European,\n"
    "                 the default) or cp874 (Thai)\n"
    "\n"
    "No output may be the project file itself; a folder, a dangling link or a read-only file\n"
    "is refused before anything is written.\n"
    "\n"
    "A connection is accepted when every classic row and every further check passes.\n"
    "\n"
    "Exit status: 0 accepted, 1 must be redesigned, 2 the run stopped, 3 the file is not a\n"
    "valid project file.\n";

// Writes the drawings and the sheet of a designed connection. The exit status: kExitAccepted
// when everything asked for was written (a rejected connection gets no sheet), else why not is
// on standard error.
int WriteDesignOutputs(const ParsedArguments& parsed, const LoadedProject& loaded,
                       const ConnectionInput& input, const DesignResult& result,
                       const std::vector<InputFile>& inputs) {
    try {
        if (const auto svg = parsed.Option("--svg");
            svg &&
            !WriteOutput(*svg, DrawConnectionSvg(input.type, input.grid, input.choices), inputs))
            return kExitStopped;
        if (const auto dxf = parsed.Option("--dxf");
            dxf &&
            !WriteOutput(*dxf, DrawConnectionDxf(input.type, input.grid, input.choices), inputs))
            return kExitStopped;
    } catch (const DesignError& error) {
        std::cerr << error.what() << "\n";
        return kExitStopped;
    }
    // A sheet is what an engineer files and sends: one of a rejected connection is never made.
    const auto pdf = parsed.Option("--pdf");
    if (!pdf) return kExitAccepted;
    if (result.status != RunStatus::Accepted) {
        std::cerr << kRedesignMessage << " No sheet was written to " << *pdf << ".\n";
        return kExitAccepted;
    }
    if (parsed.Has("--with-calc"))
        return RunPdfWriter({"--with-calc", "--name", ProjectFileName(parsed.files.front())},
                            loaded.source.bytes, *pdf, CodePageOption(parsed));
    return WriteSheetPdf(loaded.source.bytes, *pdf, CodePageOption(parsed));
}

}  // namespace

int DesignCommand(const Arguments& args) {
    const ParsedArguments parsed =
        ParseArguments(args, {"--json", "--help", "--with-calc"},
                       {"--report", "--svg", "--dxf", "--pdf", "--codepage", "--calc"});
    if (parsed.Has("--help")) {
        std::cout << kDesignHelp;
        return kExitAccepted;
    }
    if (parsed.files.size() != 1) throw UsageError("design takes exactly one project file");
    const CodePage page = CodePageOption(parsed);
    CheckCalculationOptions(parsed);
    const bool calcPdf = CalcFormatOf(parsed.Option("--calc").value_or("")) == CalcFormat::Pdf;
    if ((parsed.Option("--pdf") || calcPdf) && !PdfOutputAvailable()) {
        std::cerr << kNoPdfOutput << "\n";
        return kExitStopped;
    }
    const auto loaded = LoadProjectForCommand(parsed.files.front(), page);
    if (!loaded) return kExitBadFile;
    const std::vector<InputFile> inputs = {loaded->source.file};
    const std::string reportPath = parsed.Option("--report").value_or("result.out");
    std::vector<std::string> outputs = {reportPath};
    for (const char* option : {"--svg", "--dxf", "--pdf", "--calc"})
        if (const auto path = parsed.Option(option)) outputs.push_back(*path);
    if (!OutputsCanBeWritten(outputs, inputs)) return kExitStopped;

    const Project& project = loaded->project;
    const ConnectionInput input{project.type, project.choices, ProjectGrid(project)};
    const DesignResult result = RunDesign(input, RunOptions{""});
    if (result.status == RunStatus::Stopped) {
        std::cerr << result.message << "\n";
        return kExitStopped;
    }
    if (!WriteOutput(reportPath, result.report, inputs)) return kExitStopped;
    if (const int status = WriteDesignOutputs(parsed, *loaded, input, result, inputs);
        status != kExitAccepted)
        return status;
    if (const int status =
            WriteCalculationOutput(parsed, *loaded, parsed.files.front(), input, result, inputs);
        status != kExitAccepted)
        return status;
    if (parsed.Has("--json"))
        PrintExact(JsonText(input.type, result));
    else
        std::cout << AlignedText(result);
    return result.status == RunStatus::Accepted ? kExitAccepted : kExitRejected;
}

}  // namespace jw::cli
