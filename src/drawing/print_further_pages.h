// The printed sheet's pages after the calculation report: section "I. Further checks" of the
// report, one column at full width, as many pages as it takes, each with the title block.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "drawing/canvas.h"
#include "project/project_file.h"

namespace jw {

// The report before its further-checks section, and the section itself (empty when the
// report has none).
struct ReportParts {
    std::string_view classic;
    std::string_view further;
};
ReportParts SplitReport(std::string_view report);

// Starts a new page for each page of `further` and prints it below the title block. Nothing
// when `further` is empty.
void PrintFurtherPages(DrawingCanvas& page, const ProjectInfo& info, std::string_view date,
                       std::string_view further);

// The longest line a further page prints; longer lines continue on the next line, indented.
inline constexpr std::size_t kFurtherLineChars = 110;

// A line of fixed-pitch text cut between words into lines of at most `width` characters; each
// continuation is indented four places more than the line itself.
std::vector<std::string> WrapPrintedLine(std::string_view line, std::size_t width);

}  // namespace jw
