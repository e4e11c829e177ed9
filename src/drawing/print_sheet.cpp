#include "drawing/print_sheet.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "data/text_helpers.h"
#include "design/design_run.h"
#include "drawing/connection_drawings.h"
#include "drawing/primitives.h"
#include "drawing/print_further_pages.h"
#include "drawing/sheet_text.h"

namespace jw {
namespace {

// Page 1 (twips).
constexpr double kCaptionY = 2750;
constexpr int kCaptionStyle = 4;
constexpr double kSummaryX0 = 6250;
constexpr double kSummaryX1 = 8000;
constexpr double kGridsY = 3500;
constexpr int kSummaryStyle = 2;
constexpr double kInputLabelX = 1000;
constexpr double kInputValueRight = 4250;
constexpr double kInputUnitX = 4500;
constexpr int kInputStyle = 1;
// The input rows sit closer than a full line so that the longest grid ends above the drawing.
constexpr double kInputLineFactor = 0.8;
// A font whose lines run taller closes its rows up further, down to 0.9 of its size: closer
// than that, letters of one row would touch the next, and the font is made smaller instead.
// (A second column has no room on page 1: the only free place, below the summary, shrinks as
// the same tall font lengthens the summary.)
constexpr double kLegiblePitchEm = 0.9;
constexpr double kTwipsPerPoint = 20;
// Clear space between the input data and the drawing.
constexpr double kClearance = 60;
constexpr double kDrawingX = 2000;
constexpr double kDrawingY = 7000;
// The drawing's labels keep the size they have on the screen picture.
constexpr double kDrawingLabelPoints = 8;

// Page 2 (twips).
constexpr double kReportLeftX = 1000;
constexpr double kReportRightX = 6000;
constexpr double kReportY = 3000;
constexpr int kReportStyle = 5;
constexpr double kResultHeadingRise = 250;

// Title block (twips; the block's height follows the height of its font).
constexpr double kBlockTop = 500;
constexpr double kBlockLeft = 1000;
constexpr double kBlockMiddle = 7000;
constexpr double kBlockRight = 11000;
constexpr double kRuleRight = 6900;
constexpr double kRuleRise = 100;
constexpr int kRulePen = 10;
constexpr int kFramePen = 2;
constexpr double kProjectLabelX = 1100;
constexpr double kProjectTextX = 2000;
constexpr double kJobLabelX = 7100;
constexpr double kJobTextX = 8100;
constexpr double kLogoX = 9800;
constexpr double kLogoY = 550;
// The logo's box is 1150 twips wide: the mark takes the height, the name the rest of the width.
constexpr double kLogoHeight = 440;
// Texts keep this far inside the right edge of their box, as far as the labels start inside its
// left edge. A longer text is cut there: the sheet never shrinks for it.
constexpr double kBoxPadding = 100;

// The split counts: a report line numbered at or above the count goes to the right column.
struct ReportSplit {
    ConnectionType type;
    int count;
};
constexpr ReportSplit kReportSplits[] = {
    {ConnectionType::WSP, 29},
    {ConnectionType::ACLT, 43},
    {ConnectionType::BMEP, 23},
    {ConnectionType::BSPL, 43},
};

// Prints the lines one below the other from (x, y), each placed by its x.
void PrintLines(DrawingCanvas& page, double x, double y,
                std::initializer_list<std::string_view> lines) {
    page.SetCurrentY(y);
    for (const std::string_view line : lines) {
        page.SetCurrentX(x);
        page.Print(line);
    }
}

void PrintAt(DrawingCanvas& page, double x, double y, std::string_view text) {
    page.SetCurrentX(x);
    page.SetCurrentY(y);
    page.Print(text);
}

// The line pitch of a style: the height of "0" in it, times the factor.
// The lines of a text no wider than `width`, each continuation starting at one of the separators
// between the plates of a summary (" / ", " + "); a part with no such break stays whole.
std::vector<std::string> WrapAtSeparators(const DrawingCanvas& page, const std::string& text,
                                          double width) {
    std::vector<std::string> lines;
    std::string rest = text;
    while (page.TextWidth(rest) > width) {
        std::size_t cut = 0;
        for (std::size_t at = 1; at + 3 <= rest.size(); ++at) {
            const std::string_view sep(rest.data() + at, 3);
            if ((sep == " / " || sep == " + ") && page.TextWidth(rest.substr(0, at)) <= width)
                cut = at;
        }
        if (cut == 0) break;
        lines.push_back(rest.substr(0, cut));
        rest = rest.substr(cut + 1);
    }
    lines.push_back(rest);
    return lines;
}

double LinePitch(const DrawingCanvas& page, double lineFactor) {
    return page.TextHeight("0") * lineFactor;
}

// The program's own mark: an H-section end-on with bolts through its flanges, and the name.
void DrawLogo(DrawingCanvas& page, double x, double y, double height) {
    const float depth = static_cast<float>(height * 0.9);
    const float flangeWidth = static_cast<float>(height * 0.7);
    const float flange = depth * 0.2f;
    const float web = depth * 0.12f;
    const float left = static_cast<float>(x + height * 0.05);
    const float top = static_cast<float>(y + (height - depth) / 2);
    DrawISection(page, left, top, depth, flangeWidth, flange, web, kBlack);
    const double boltRadius = flange * 0.22;
    for (const double boltY : {top + flange / 2.0, top + depth - flange / 2.0})
        for (const double boltX : {left + flangeWidth * 0.22, left + flangeWidth * 0.78})
            page.Circle(boltX, boltY, boltRadius, kLightRed);

    page.SetFontName("Ms Sans Serif");
    page.SetFontSize(9);
    page.SetFontBold(true);
    page.SetFontUnderline(false);
    const double nameX = left + flangeWidth + height * 0.15;
    const double lineHeight = page.TextHeight("J");
    const double nameY = y + std::max(0.0, (height - 2 * lineHeight) / 2);
    const int colour = page.ForeColor();
    page.SetForeColor(kLightBlue);
    PrintLines(page, nameX, nameY, {"Joint", "Wright"});
    page.SetForeColor(colour);
}

// A canvas that maps its own world window onto a square of the page, so a connection drawing,
// which sets its window and clears its surface, lands on the sheet without touching the rest of
// the page.
class PlacedCanvas : public DrawingCanvas {
  public:
    PlacedCanvas(DrawingCanvas& page, double x, double y, double side)
        : page_(page), x_(x), y_(y), side_(side) {
        Scale(0, 0, side, side);
    }

    double TextWidth(std::string_view text) const override {
        return page_.TextWidth(text) * std::fabs(ScaleWidth()) / side_;
    }
    double TextHeight(std::string_view text) const override {
        return std::fabs(page_.TextHeight(text)) * ScaleHeight() / side_;
    }
    double Width() const override { return page_.Width() / std::fabs(page_.ScaleWidth()) * side_; }

  protected:
    // The page under the drawing is blank already; erasing it would erase the sheet.
    void DoClear() override {}
    void DoLine(double x1, double y1, double x2, double y2, int colour) override {
        page_.SetDrawWidth(DrawWidth());
        page_.Line(PageX(x1), PageY(y1), PageX(x2), PageY(y2), colour);
    }
    void DoBox(double x1, double y1, double x2, double y2, int colour) override {
        page_.SetDrawWidth(DrawWidth());
        page_.Box(PageX(x1), PageY(y1), PageX(x2), PageY(y2), colour);
    }
    void DoCircle(double cx, double cy, double radius, int colour) override {
        page_.SetDrawWidth(DrawWidth());
        page_.Circle(PageX(cx), PageY(cy), radius * side_ / std::fabs(ScaleWidth()), colour);
    }
    void DoText(double x, double y, std::string_view text, int colour) override {
        page_.SetForeColor(colour);
        page_.SetCurrentX(PageX(x));
        page_.SetCurrentY(PageY(y));
        page_.Print(text);
    }

  private:
    double PageX(double x) const { return x_ + (x - ScaleLeft()) / ScaleWidth() * side_; }
    double PageY(double y) const { return y_ + (y - ScaleTop()) / ScaleHeight() * side_; }

    DrawingCanvas& page_;
    double x_;
    double y_;
    double side_;
};

// The report's lines as a sequential reader sees them: without their line ends, and no empty
// line after the last line end.

}  // namespace

SheetContent SheetOfRun(const ProjectInfo& info, const ConnectionInput& input,
                        const DesignResult& result, std::string date) {
    SheetContent sheet;
    sheet.info = info;
    sheet.date = std::move(date);
    sheet.caption = result.caption;
    sheet.summary = result.summary;
    sheet.type = input.type;
    sheet.choices = input.choices;
    sheet.input = input.grid;
    sheet.report = result.report;
    return sheet;
}

void SetPrintFont(DrawingCanvas& page, int style) {
    if (style < 1 || style > kPrintFontStyleCount) return;
    const PrintFontStyle& font = kPrintFontStyles[style - 1];
    page.SetFontName(font.name);
    page.SetFontSize(font.points);
    page.SetFontBold(font.bold);
    page.SetFontUnderline(false);
}

void PrintTitleBlock(DrawingCanvas& page, const ProjectInfo& info, std::string_view date) {
    SetPrintFont(page, 1);
    const double h = page.TextHeight("P");
    const double y1 = kBlockTop + 3 * h;
    const double y2 = y1 + 2.2 * h;

    page.SetDrawWidth(kRulePen);
    page.Line(kBlockLeft, y1 - kRuleRise, kRuleRight, y1 - kRuleRise, kBlack);
    page.SetDrawWidth(kFramePen);
    page.Box(kBlockLeft, y1, kBlockMiddle, y2, kBlack);
    page.Box(kBlockMiddle, kBlockTop, kBlockRight, y2, kBlack);

    const double gap = 0.05 * h;
    const double projectWidth = kBlockMiddle - kBoxPadding - kProjectTextX;
    PrintLines(page, kProjectLabelX, y1 + gap, {"Project :  ", "Tittle :  "});
    PrintLines(
        page, kProjectTextX, y1 + gap,
        {FitText(page, info.project, projectWidth), FitText(page, info.title, projectWidth)});
    PrintLines(page, kJobLabelX, kBlockTop + gap,
               {"Job No.", "Revise", "Engineer", "Check", "Date"});
    const std::string_view jobTexts[] = {info.jobNo, info.revise, info.engineer, info.checker,
                                         date};
    for (std::size_t i = 0; i < std::size(jobTexts); ++i) {
        const double y = kBlockTop + gap + static_cast<double>(i) * h;
        const bool besideLogo = y < kLogoY + kLogoHeight && y + h > kLogoY;
        const double right = (besideLogo ? kLogoX : kBlockRight) - kBoxPadding;
        PrintAt(page, kJobTextX, y, FitText(page, jobTexts[i], right - kJobTextX));
    }

    DrawLogo(page, kLogoX, kLogoY, kLogoHeight);
}

void PrintCentredCaption(DrawingCanvas& page, std::string_view text, double y, int style) {
    SetPrintFont(page, style);
    PrintAt(page, (page.ScaleWidth() - page.TextWidth(text)) / 2, y, text);
}

void PrintGridColumns(DrawingCanvas& page, const TextGrid& grid, double x0, double x1, double y0,
                      int style, double lineFactor, double right) {
    SetPrintFont(page, style);
    const double pitch = LinePitch(page, lineFactor);
    const double gap = page.TextWidth(" ");
    int line = 0;
    for (int row = 0; row < grid.rows; ++row, ++line) {
        const double y = y0 + line * pitch;
        if (grid.Has(row, 0)) PrintAt(page, x0, y, FitText(page, grid.At(row, 0), x1 - gap - x0));
        if (!grid.Has(row, 1)) continue;
        const std::vector<std::string> parts =
            right > x1 ? WrapAtSeparators(page, grid.At(row, 1), right - x1)
                       : std::vector<std::string>{FitText(page, grid.At(row, 1), kBlockRight - x1)};
        for (std::size_t i = 0; i < parts.size(); ++i)
            PrintAt(page, x1, y0 + (line + static_cast<int>(i)) * pitch, parts[i]);
        line += static_cast<int>(parts.size()) - 1;
    }
}

// The underlined heading "Input data" at (x, y), leaving the page in the style's plain font.
void PrintInputHeading(DrawingCanvas& page, double x, double y, int style) {
    SetPrintFont(page, style);
    page.SetFontUnderline(true);
    PrintAt(page, x, y, "Input data");
    SetPrintFont(page, style);
}

void PrintInputData(DrawingCanvas& page, const TextGrid& grid, double xLabel, double xRight,
                    double xUnit, double y0, int style, double lineFactor) {
    PrintInputHeading(page, xLabel, y0, style);
    const double pitch = LinePitch(page, lineFactor);
    PrintInputRows(page, grid, 1, grid.rows - 1, {xLabel, xRight, xUnit, kBlockRight}, y0 + pitch,
                   pitch);
}

void PrintSheetInputData(DrawingCanvas& page, const SheetContent& sheet) {
    const TextGrid& grid = sheet.input;
    const int rows = grid.rows - 1;
    PrintInputHeading(page, kInputLabelX, kGridsY, kInputStyle);
    if (rows <= 0) return;

    // Row i stands at y0 + i * pitch and ends one line height lower, above the drawing.
    const double room = kDrawingY - kClearance - kGridsY;
    const double points = kPrintFontStyles[kInputStyle - 1].points;
    double height = page.TextHeight("0");
    const double wanted = height * kInputLineFactor;
    double pitch = std::min(wanted, (room - height) / rows);
    const double closest = std::min(wanted, kLegiblePitchEm * points * kTwipsPerPoint);
    if (pitch < closest) {
        // Lines and letters shrink together, so the rows end above the drawing legibly.
        page.SetFontSize(points * room / (rows * closest + height));
        height = page.TextHeight("0");
        pitch = std::max(0.0, std::min(height * kInputLineFactor, (room - height) / rows));
    }
    PrintInputRows(page, grid, 1, rows, {kInputLabelX, kInputValueRight, kInputUnitX, kSummaryX0},
                   kGridsY + pitch, pitch);
}

void PrintReportText(DrawingCanvas& page, std::string_view report, double x1, double x2, double y0,
                     int style, double lineFactor) {
    SetPrintFont(page, style);
    const double pitch = LinePitch(page, lineFactor);
    page.SetFontBold(true);
    page.SetFontUnderline(true);
    PrintAt(page, x1, y0 - kResultHeadingRise, "Result");
    page.SetFontBold(false);
    page.SetFontUnderline(false);

    int split = 0;
    int printed = 0;
    bool started = false;
    for (const std::string_view line : SplitLines(report)) {
        for (const ReportSplit& s : kReportSplits)
            if (line == TypeReportTitle(s.type)) split = s.count;
        if (!started && !line.empty() && line.front() == 'A') started = true;
        if (!started) continue;
        ++printed;
        if (printed < split)
            PrintAt(page, x1, y0 + printed * pitch, line);
        else
            PrintAt(page, x2, y0 + (printed - split + 1) * pitch, line);
    }
}

void PrintSheetDrawing(DrawingCanvas& page, const SheetContent& sheet, double x, double y) {
    const double width = sheet.drawingWidthTwips;
    const double height = sheet.drawingHeightTwips;
    const double side = std::min(width, height);
    if (!(side > 0) || !std::isfinite(side)) return;

    const int pen = page.DrawWidth();
    const int colour = page.ForeColor();
    const double textX = page.CurrentX();
    const double textY = page.CurrentY();
    page.SetFontName(kPrintFontStyles[0].name);
    page.SetFontSize(kDrawingLabelPoints);
    page.SetFontBold(false);
    page.SetFontUnderline(false);
    PlacedCanvas drawing(page, x + (width - side) / 2, y + (height - side) / 2, side);
    DrawConnection(drawing, sheet.type, sheet.input, sheet.choices);
    page.SetDrawWidth(pen);
    page.SetForeColor(colour);
    page.SetCurrentX(textX);
    page.SetCurrentY(textY);
}

void PrintSheetPageOne(DrawingCanvas& page, const SheetContent& sheet) {
    page.SetForeColor(kBlack);
    PrintTitleBlock(page, sheet.info, sheet.date);
    PrintSheetDrawing(page, sheet, kDrawingX, kDrawingY);
    PrintCentredCaption(page, sheet.caption, kCaptionY, kCaptionStyle);
    PrintGridColumns(page, sheet.summary, kSummaryX0, kSummaryX1, kGridsY, kSummaryStyle, 1.0,
                     kBlockRight);
    PrintSheetInputData(page, sheet);
}

void PrintSheetPageTwo(DrawingCanvas& page, const SheetContent& sheet) {
    PrintTitleBlock(page, sheet.info, sheet.date);
    PrintReportText(page, SplitReport(sheet.report).classic, kReportLeftX, kReportRightX, kReportY,
                    kReportStyle, 1.0);
}

void PrintConnectionSheet(DrawingCanvas& page, const SheetContent& sheet) {
    PrintSheetPageOne(page, sheet);
    page.NewPage();
    PrintSheetPageTwo(page, sheet);
    PrintFurtherPages(page, sheet.info, sheet.date, SplitReport(sheet.report).further);
    page.EndDocument();
}

}  // namespace jw
