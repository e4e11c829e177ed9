#include "drawing/calculation_pages.h"

#include <optional>

#include "drawing/print_further_pages.h"
#include "drawing/print_sheet.h"

namespace jw {
namespace {

// Twips: below the title block, above a Letter page's printable bottom (the shorter paper),
// with the page number in the margin under the last line.
constexpr double kLeftX = 1000;
constexpr double kRightX = 11000;
constexpr double kTopY = 2400;
constexpr double kBottomY = 14000;
constexpr double kNumberY = 14350;
constexpr const char* kFixedFont = "Courier New";
constexpr double kBodyPoints = 8;
constexpr double kTitlePoints = 10;
// A heading keeps at least this many lines of its own on the page it starts.
constexpr int kHeadingKeepsLines = 3;

void SetFont(DrawingCanvas& page, CalcLineKind kind) {
    page.SetFontName(kFixedFont);
    page.SetFontSize(kind == CalcLineKind::Title ? kTitlePoints : kBodyPoints);
    page.SetFontBold(kind != CalcLineKind::Body && kind != CalcLineKind::Blank);
    page.SetFontUnderline(false);
}

bool IsHeading(CalcLineKind kind) {
    return kind == CalcLineKind::Heading || kind == CalcLineKind::Subheading;
}

}  // namespace

void PrintTitledLines(DrawingCanvas& page, const ProjectInfo& info, std::string_view date,
                      const std::vector<CalcTextLine>& lines) {
    SetFont(page, CalcLineKind::Body);
    const double pitch = page.TextHeight("0");
    const double last = kBottomY - pitch;
    bool started = false;
    double y = kTopY;
    // Choosing a font costs a search of the installed faces: only a change of kind sets one.
    std::optional<CalcLineKind> font = CalcLineKind::Body;
    for (const CalcTextLine& line : lines) {
        const bool keepWithNext = IsHeading(line.kind);
        for (const std::string& part : WrapPrintedLine(line.text, kCalculationLineChars)) {
            const double room = keepWithNext ? (kHeadingKeepsLines - 1) * pitch : 0;
            if (!started || y + room > last) {
                if (started) page.NewPage();
                started = true;
                page.SetForeColor(kBlack);
                PrintTitleBlock(page, info, date);
                font.reset();
                y = kTopY;
                // A page never starts with an empty line.
                if (line.kind == CalcLineKind::Blank) break;
            }
            if (font != line.kind) SetFont(page, line.kind);
            font = line.kind;
            page.SetCurrentX(kLeftX);
            page.SetCurrentY(y);
            page.Print(part);
            y += pitch;
        }
    }
    if (!started) PrintTitleBlock(page, info, date);
}

void PrintPageNumber(DrawingCanvas& page, int number, int total) {
    SetPrintFont(page, 1);
    const std::string text = "Page " + std::to_string(number) + " of " + std::to_string(total);
    page.SetForeColor(kBlack);
    page.SetCurrentX(kRightX - page.TextWidth(text));
    page.SetCurrentY(kNumberY);
    page.Print(text);
}

}  // namespace jw
