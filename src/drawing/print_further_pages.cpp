#include "drawing/print_further_pages.h"

#include <algorithm>
#include <string>
#include <vector>

#include "data/text_helpers.h"
#include "drawing/print_sheet.h"

namespace jw {
namespace {

// Twips, as the report's page: the same left edge and first line, and a last line that clears
// the bottom of a Letter page's printable area (the shorter of the two paper sizes).
constexpr double kLeftX = 1000;
constexpr double kTopY = 3000;
constexpr double kBottomY = 14000;
constexpr double kHeadingRise = 250;
constexpr int kReportStyle = 5;

constexpr std::string_view kSectionTitle = "I. Further checks";

void StartPage(DrawingCanvas& page, const ProjectInfo& info, std::string_view date) {
    page.NewPage();
    page.SetForeColor(0);
    PrintTitleBlock(page, info, date);
    SetPrintFont(page, kReportStyle);
    page.SetFontBold(true);
    page.SetFontUnderline(true);
    page.SetCurrentX(kLeftX);
    page.SetCurrentY(kTopY - kHeadingRise);
    page.Print("Result");
    page.SetFontBold(false);
    page.SetFontUnderline(false);
}

}  // namespace

std::vector<std::string> WrapPrintedLine(std::string_view line, std::size_t width) {
    std::vector<std::string> out;
    const std::string indent(std::min(line.find_first_not_of(' '), std::size_t{40}) + 4, ' ');
    std::string prefix;
    while (prefix.size() + line.size() > width && width > prefix.size()) {
        const std::size_t room = width - prefix.size();
        std::size_t cut = line.rfind(' ', room);
        if (cut == std::string_view::npos || cut == 0) cut = room;
        out.push_back(prefix + std::string(line.substr(0, cut)));
        line.remove_prefix(cut);
        while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
        prefix = indent;
    }
    out.push_back(prefix + std::string(line));
    return out;
}

ReportParts SplitReport(std::string_view report) {
    std::size_t at = 0;
    while (at < report.size()) {
        if (report.compare(at, kSectionTitle.size(), kSectionTitle) == 0)
            return {report.substr(0, at), report.substr(at)};
        const std::size_t end = report.find('\n', at);
        if (end == std::string_view::npos) break;
        at = end + 1;
    }
    return {report, {}};
}

void PrintFurtherPages(DrawingCanvas& page, const ProjectInfo& info, std::string_view date,
                       std::string_view further) {
    if (further.empty()) return;
    std::vector<std::string> lines;
    for (const std::string_view line : SplitLines(further))
        for (std::string& part : WrapPrintedLine(line, kFurtherLineChars))
            lines.push_back(std::move(part));
    double y = 0;
    double pitch = 0;
    bool onPage = false;
    for (const std::string& line : lines) {
        if (!onPage || y + pitch > kBottomY) {
            onPage = true;
            StartPage(page, info, date);
            pitch = page.TextHeight("0");
            y = kTopY;
        }
        page.SetCurrentX(kLeftX);
        page.SetCurrentY(y);
        page.Print(line);
        y += pitch;
    }
}

}  // namespace jw
