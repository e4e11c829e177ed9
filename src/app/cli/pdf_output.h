// The printed calculation sheet as a PDF file, for `design --pdf`.
//
// The sheet is drawn with Qt's fonts and PDF writer. Loading Qt costs every run of the
// command-line program about ten milliseconds, ten times a whole design, so the sheet is
// written by a small companion program installed beside this one, and only a run that asks
// for a PDF starts it.
#pragma once

#include <string>
#include <vector>

#include "data/code_page.h"

namespace jw::cli {

// False in a build without Qt, which has no PDF output.
bool PdfOutputAvailable();

// What a build without the companion says when asked for a sheet.
inline constexpr const char* kNoPdfOutput =
    "jointwright-cli: this build has no PDF output: the sheet is written by the companion "
    "program jointwright-pdf, which needs Qt and was not built (build with Qt, -DJW_GUI=ON).";

// Writes the sheet of the accepted project whose file bytes are `projectBytes` to `pdfPath`,
// whole or not at all. The companion gets the very bytes this run designed, on its standard
// input: the file is not read a second time (it may be a pipe, or saved again meanwhile).
// Returns the exit status: kExitAccepted when written; otherwise the reason is on standard
// error and no file was written.
int WriteSheetPdf(const std::string& projectBytes, const std::string& pdfPath, CodePage page);

// Any document of the PDF writer: `options` choose it ("--with-calc", "--calc", "--package",
// "--name" NAME; see pdf_writer_main.cpp) and `input` is sent on its standard input. What the
// writer prints on its standard output is kept in `output` when one is given. Returns the exit
// status as WriteSheetPdf does.
int RunPdfWriter(const std::vector<std::string>& options, const std::string& input,
                 const std::string& pdfPath, CodePage page, std::string* output = nullptr);

}  // namespace jw::cli
