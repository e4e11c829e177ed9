#include "app/cli/pdf_output.h"

#include <iostream>

#include "app/cli/commands.h"
#include "app/cli/process.h"

namespace jw::cli {

bool PdfOutputAvailable() {
#ifdef JW_PDF_WRITER
    return true;
#else
    return false;
#endif
}

int WriteSheetPdf(const std::string& projectBytes, const std::string& pdfPath, CodePage page) {
    return RunPdfWriter({}, projectBytes, pdfPath, page);
}

int RunPdfWriter(const std::vector<std::string>& options, const std::string& input,
                 const std::string& pdfPath, CodePage page, std::string* output) {
#ifdef JW_PDF_WRITER
    // The companion program is installed in the same folder as this one.
    const std::filesystem::path writer = ProgramFolder() / JW_PDF_WRITER;
    std::vector<std::string> arguments = {"--codepage", std::string(CodePageKey(page))};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.push_back(pdfPath);
    const ChildOutcome outcome = RunWithInput(writer, arguments, input, output);
    if (outcome.status >= 0) return outcome.status;
    std::cerr << "jointwright-cli: the PDF writer " << writer.string() << " " << outcome.problem
              << "; no PDF was written.\n";
    return kExitStopped;
#else
    (void)options;
    (void)input;
    (void)pdfPath;
    (void)page;
    (void)output;
    std::cerr << kNoPdfOutput << "\n";
    return kExitStopped;
#endif
}

}  // namespace jw::cli
