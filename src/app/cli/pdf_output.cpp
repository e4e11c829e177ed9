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
#ifdef JW_PDF_WRITER
    // The companion program is installed in the same folder as this one.
    const std::filesystem::path writer = ProgramFolder() / JW_PDF_WRITER;
    const ChildOutcome outcome =
        RunWithInput(writer, {"--codepage", std::string(CodePageKey(page)), pdfPath}, projectBytes);
    if (outcome.status >= 0) return outcome.status;
    std::cerr << "jointwright-cli: the PDF writer " << writer.string() << " " << outcome.problem
              << "; no PDF was written.\n";
    return kExitStopped;
#else
    (void)projectBytes;
    (void)pdfPath;
    (void)page;
    std::cerr << kNoPdfOutput << "\n";
    return kExitStopped;
#endif
}

}  // namespace jw::cli
