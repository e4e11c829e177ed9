// The printed sheet laid out on a recording canvas: where every text lands and in which font,
// the two report columns of each type, the title block on both pages and the drawing in its
// place. Characters are 100 twips wide and lines 200 high on this canvas.
#include "drawing/print_sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../design/design_fixtures.h"
#include "data/design_error.h"
#include "drawing/recording_canvas.h"

namespace jw {
namespace {

struct Font {
    std::string name;
    double points = 0;
    bool bold = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

struct Printed {
    std::string text;
    double x;
    double y;
    Font font;
    int page;
    int colour;
};

// Keeps the font and page of every text as well.
class SheetRecorder : public RecordingCanvas {
  public:
    SheetRecorder() : RecordingCanvas(12000) {}
    void SetFontName(std::string_view name) override { font_.name = name; }
    void SetFontSize(double points) override { font_.points = points; }
    void SetFontBold(bool bold) override { font_.bold = bold; }
    void SetFontUnderline(bool underline) override { font_.underline = underline; }
    void NewPage() override { ++page_; }
    void EndDocument() override { ++ends; }

    const Printed* Find(const std::string& text, int page = 0) const {
        for (const Printed& p : printed)
            if (p.text == text && p.page == page) return &p;
        return nullptr;
    }

    std::vector<Printed> printed;
    int ends = 0;
    Font font_;

  protected:
    void DoText(double x, double y, std::string_view text, int colour) override {
        printed.push_back({std::string(text), x, y, font_, page_, colour});
        RecordingCanvas::DoText(x, y, text, colour);
    }

  private:
    int page_ = 0;
};

void ExpectAt(const SheetRecorder& page, const std::string& text, double x, double y,
              int onPage = 0) {
    const Printed* p = page.Find(text, onPage);
    ASSERT_NE(p, nullptr) << "\"" << text << "\" was not printed on page " << onPage + 1;
    EXPECT_DOUBLE_EQ(p->x, x) << text;
    EXPECT_DOUBLE_EQ(p->y, y) << text;
}

const Font kStyle1{"Ms Sans Serif", 10, false, false};

TEST(PrintFont, StylesSetNameSizeAndBoldAndEndUnderlining) {
    const Font expected[] = {kStyle1,
                             {"Ms Sans Serif", 8, true, false},
                             {"Ms Sans Serif", 12, false, false},
                             {"Ms Sans Serif", 12, true, false},
                             {"Courier New", 7, false, false}};
    for (int style = 1; style <= 5; ++style) {
        SheetRecorder page;
        page.SetFontUnderline(true);
        SetPrintFont(page, style);
        EXPECT_EQ(page.font_, expected[style - 1]) << "style " << style;
    }
    for (const int unknown : {0, 6, -1}) {
        SheetRecorder page;
        SetPrintFont(page, 4);
        SetPrintFont(page, unknown);
        EXPECT_EQ(page.font_, expected[3]) << "style " << unknown << " changed the font";
    }
}

TEST(TitleBlock, FrameTextsAndLogoStandWhereTheyBelong) {
    SheetRecorder page;
    const ProjectInfo info{"Tower A", "Grid B connections", "J-17", "2", "Somchai", "Anan"};
    PrintTitleBlock(page, info, "08/12/2026");

    // h = 200, so the project box runs from Y1 = 1100 to Y2 = 1540 and its texts start 10 below.
    const auto lines = page.CallsOf(DrawCall::Kind::Line);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].penWidth, 10);
    EXPECT_DOUBLE_EQ(lines[0].x1, 1000);
    EXPECT_DOUBLE_EQ(lines[0].y1, 1000);
    EXPECT_DOUBLE_EQ(lines[0].x2, 6900);
    const auto boxes = page.CallsOf(DrawCall::Kind::Box);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(std::vector<double>({boxes[0].x1, boxes[0].y1, boxes[0].x2, boxes[0].y2}),
              std::vector<double>({1000, 1100, 7000, 1540}));
    EXPECT_EQ(std::vector<double>({boxes[1].x1, boxes[1].y1, boxes[1].x2, boxes[1].y2}),
              std::vector<double>({7000, 500, 11000, 1540}));
    EXPECT_EQ(boxes[0].penWidth, 2);

    const struct {
        std::string text;
        double x, y;
    } expected[] = {
        {"Project :  ", 1100, 1110},
        {"Tittle :  ", 1100, 1310},
        {"Tower A", 2000, 1110},
        {"Grid B connections", 2000, 1310},
        {"Job No.", 7100, 510},
        {"Revise", 7100, 710},
        {"Engineer", 7100, 910},
        {"Check", 7100, 1110},
        {"Date", 7100, 1310},
        {"J-17", 8100, 510},
        {"2", 8100, 710},
        {"Somchai", 8100, 910},
        {"Anan", 8100, 1110},
        {"08/12/2026", 8100, 1310},
    };
    for (const auto& e : expected) {
        ExpectAt(page, e.text, e.x, e.y);
        EXPECT_EQ(page.Find(e.text)->font, kStyle1) << e.text;
    }

    // The logo keeps to its box at (9800, 550), 1150 by 440, and leaves the pen at 2.
    for (const DrawCall& call : page.Calls()) {
        if (call.kind == DrawCall::Kind::Window || call.x1 < 9800) continue;
        const double right = call.kind == DrawCall::Kind::Text
                                 ? call.x1 + call.text.size() * 100
                                 : call.x1 + (call.kind == DrawCall::Kind::Circle ? call.x2 : 0);
        EXPECT_LE(right, 10950) << "logo element at x " << call.x1;
        EXPECT_GE(call.y1, 550);
        EXPECT_LE(call.y1 + (call.kind == DrawCall::Kind::Text ? 200 : 0), 990);
    }
    EXPECT_EQ(page.DrawWidth(), 2);
}

TEST(PageOne, CaptionSummaryAndInputDataInTheirColumns) {
    SheetRecorder page;
    PrintCentredCaption(page, "Shear Plate Connection", 2750, 4);
    ExpectAt(page, "Shear Plate Connection", (12000 - 2200) / 2.0, 2750);
    EXPECT_TRUE(page.Find("Shear Plate Connection")->font.bold);

    TextGrid summary;
    ShapeGrid(summary, 5, 2, 0, 1);
    summary.At(0, 0) = "Beam";
    summary.At(0, 1) = "H-300X150X36.7(kg/m)";
    summary.At(4, 0) = "Connection";
    summary.At(4, 1) = "Accept";
    PrintGridColumns(page, summary, 6250, 8000, 3500, 2, 1.0);
    ExpectAt(page, "Beam", 6250, 3500);
    ExpectAt(page, "H-300X150X36.7(kg/m)", 8000, 3500);
    ExpectAt(page, "Accept", 8000, 3500 + 4 * 200);
    EXPECT_EQ(page.Find("Accept")->font, (Font{"Ms Sans Serif", 8, true, false}));

    // Rows 0.8 of a line apart; values end at 4250 whatever their length.
    const TextGrid input = testing::WspWorkedRun().grid;
    PrintInputData(page, input, 1000, 4250, 4500, 3500, 1, 0.8);
    ExpectAt(page, "Input data", 1000, 3500);
    EXPECT_TRUE(page.Find("Input data")->font.underline);
    ExpectAt(page, "Design Shear Force", 1000, 3660);
    ExpectAt(page, "10000", 4250 - 500, 3660);
    ExpectAt(page, "kg", 4500, 3660);
    ExpectAt(page, "9", 4250 - 100, 3820);
    ExpectAt(page, "Number of Weld Side", 1000, 3500 + 11 * 160);
    EXPECT_EQ(page.Find("Design Shear Force")->font, kStyle1);
    EXPECT_EQ(page.Find("Unit"), nullptr) << "the header row is not input data";

    SheetRecorder empty;
    PrintInputData(empty, BuildInputGrid(ConnectionType::None), 1000, 4250, 4500, 3500, 1, 0.8);
    ASSERT_EQ(empty.printed.size(), 1u);
    EXPECT_EQ(empty.printed[0].text, "Input data");
}

// A report with two lines and the type's title ahead of its "A" line, and `count` numbered
// lines from that line on.
std::string Report(std::string_view title, int count) {
    std::string text = "JointWright\r\nVersion 1.13\r\n";
    if (!title.empty()) text += std::string(title) + "\r\n";
    text += "\r\n";
    for (int n = 1; n <= count; ++n)
        text += (n == 1 ? "A.Material " : "line ") + std::to_string(n) + "\r\n";
    return text;
}

std::string LineText(int n) {
    return (n == 1 ? "A.Material " : "line ") + std::to_string(n);
}

TEST(PageTwo, ReportSplitsIntoTwoColumnsByType) {
    const struct {
        ConnectionType type;
        int split;
    } cases[] = {{ConnectionType::WSP, 29},
                 {ConnectionType::ACLT, 43},
                 {ConnectionType::BMEP, 23},
                 {ConnectionType::BSPL, 43}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(TypeName(c.type)));
        SheetRecorder page;
        PrintReportText(page, Report(TypeReportTitle(c.type), 60), 1000, 6000, 3000, 5, 1.0);
        ExpectAt(page, "Result", 1000, 2750);
        EXPECT_EQ(page.Find("Result")->font, (Font{"Courier New", 7, true, true}));
        EXPECT_EQ(page.Find("JointWright"), nullptr) << "lines before the \"A\" line are skipped";
        ExpectAt(page, LineText(1), 1000, 3200);
        ExpectAt(page, LineText(c.split - 1), 1000, 3000 + (c.split - 1) * 200);
        ExpectAt(page, LineText(c.split), 6000, 3200);
        ExpectAt(page, LineText(60), 6000, 3000 + (60 - c.split + 1) * 200);
        EXPECT_EQ(page.Find(LineText(2))->font, (Font{"Courier New", 7, false, false}));
    }
}

TEST(PageTwo, ReportsWithoutATitleOrAnALine) {
    SheetRecorder untitled;
    PrintReportText(untitled, Report("", 3), 1000, 6000, 3000, 5, 1.0);
    ExpectAt(untitled, LineText(1), 6000, 3400);  // all in the right column, one line lower
    ExpectAt(untitled, LineText(3), 6000, 3800);

    SheetRecorder noA;
    PrintReportText(noA, "JointWright\r\nType - Welded Shear Plate (WSP)\r\nB.Bolt\r\n", 1000, 6000,
                    3000, 5, 1.0);
    ASSERT_EQ(noA.printed.size(), 1u);
    EXPECT_EQ(noA.printed[0].text, "Result");
}

// A recorder whose font is `lineEm` of its size high, as a face with tall marks or generous
// leading is.
class TallFontRecorder : public SheetRecorder {
  public:
    explicit TallFontRecorder(double lineEm) : lineEm_(lineEm) {}
    double TextHeight(std::string_view) const override { return font_.points * 20 * lineEm_; }

  private:
    double lineEm_;
};

// Where a printed text ends, as the recorder measures it.
double RightEdge(const Printed& p) {
    return p.x + p.text.size() * RecordingCanvas::kCharWidthTwips;
}

TEST(TitleBlock, LongTextsAreCutAtTheirBoxesAndNeverShrinkTheSheet) {
    const std::string long640(640, 'T');
    const ProjectInfo info{long640, long640, long640, long640, long640, long640};
    SheetRecorder page;
    PrintTitleBlock(page, info, long640);
    // Project and title end inside their box (right edge 7000); the first three fields of the
    // right box stop before the logo at 9800, the last two inside the box's edge at 11000.
    const struct {
        double y;
        double right;
    } rows[] = {{1110, 6900}, {1310, 6900},  {510, 9700},  {710, 9700},
                {910, 9700},  {1110, 10900}, {1310, 10900}};
    for (const auto& row : rows) {
        const auto printed = std::find_if(page.printed.begin(), page.printed.end(), [&](auto& p) {
            return p.y == row.y && p.text.starts_with("TTT") && p.x >= 2000 &&
                   (row.right < 7000) == (p.x < 7000);
        });
        ASSERT_NE(printed, page.printed.end()) << "y " << row.y;
        EXPECT_TRUE(printed->text.ends_with("\u2026")) << printed->text;
        EXPECT_LE(RightEdge(*printed), row.right) << "y " << row.y;
        EXPECT_GT(RightEdge(*printed), row.right - 400) << "cut at the box, not before";
    }
    for (const Printed& p : page.printed) EXPECT_LE(RightEdge(p), 11000) << p.text;
}

std::vector<Printed> InputRowTexts(const SheetRecorder& page) {
    std::vector<Printed> texts;
    for (const Printed& p : page.printed)
        if (p.text != "Input data") texts.push_back(p);
    return texts;
}

SheetContent SpliceSheet(const std::vector<std::string>& values = {}) {
    SheetContent sheet;
    sheet.input = testing::BsplWorkedRun().grid;
    for (std::size_t i = 0; i < values.size(); ++i)
        sheet.input.At(static_cast<int>(i) + 1, kValueColumn) = values[i];
    ShapeGrid(sheet.summary, 5, 2, 0, 1);
    return sheet;
}

TEST(PageOne, TheInputListEndsAboveTheDrawingWhateverTheFont) {
    const struct {
        const char* name;
        double lineEm;
        double pitch;  // expected, or 0 when only the bounds are checked
    } cases[] = {
        {"a font one em high keeps 0.8 of a line", 1.0, 160},
        {"a tall font closes up its rows", 1.5, (7000 - 60 - 3500 - 300) / 16.0},
        {"a very tall font is made smaller", 3.0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TallFontRecorder page(c.lineEm);
        const SheetContent sheet = SpliceSheet();
        ASSERT_EQ(sheet.input.rows, 17);
        PrintSheetInputData(page, sheet);
        const std::vector<Printed> rows = InputRowTexts(page);
        ASSERT_EQ(rows.size(), 48u) << "16 rows of label, value and unit";
        double last = 3500;
        for (const Printed& p : rows) {
            const double height = p.font.points * 20 * c.lineEm;
            EXPECT_LE(p.y + height, 7000) << p.text;
            EXPECT_GE(p.y, last) << p.text;
            last = p.y;
        }
        const double pitch = rows[3].y - rows[0].y;
        if (c.pitch > 0) {
            EXPECT_DOUBLE_EQ(pitch, c.pitch);
        }
        const double em = rows[0].font.points * 20;
        EXPECT_GE(pitch, std::min(0.8 * em * c.lineEm, 0.9 * em) - 1e-9) << "rows never crowd";
        EXPECT_LE(rows[0].font.points, 10) << "never larger than the style";
    }
}

TEST(PageOne, AValueNeverPrintsOverItsLabel) {
    const struct {
        const char* name;
        std::vector<std::string> values;
    } cases[] = {
        {"values as designed", {}},
        {"values typed with decimals", std::vector<std::string>(16, "60.000")},
        {"a value wider than the room to move", {std::string(60, '9')}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SheetRecorder page;
        const SheetContent sheet = SpliceSheet(c.values);
        PrintSheetInputData(page, sheet);
        const std::vector<Printed> rows = InputRowTexts(page);
        ASSERT_EQ(rows.size(), 48u);
        // Just enough room for the longest label and its value, a space apart, and no more.
        double needed = 4250;
        for (int r = 1; r < sheet.input.rows; ++r)
            needed = std::max(needed, 1000 + 100.0 * (sheet.input.At(r, kLabelColumn).size() + 1 +
                                                      sheet.input.At(r, kValueColumn).size()));
        const double room = 6250 - 500;  // the widest unit, "kg-cm", keeps clear of the summary
        for (std::size_t i = 0; i < rows.size(); i += 3) {
            const Printed &label = rows[i], &value = rows[i + 1], &unit = rows[i + 2];
            EXPECT_LE(RightEdge(label) + 100, value.x) << label.text << " | " << value.text;
            EXPECT_LE(RightEdge(value), unit.x) << value.text;
            EXPECT_LE(RightEdge(unit), 6250) << "clear of the summary: " << unit.text;
            EXPECT_DOUBLE_EQ(RightEdge(value), std::min(needed, room - 250)) << value.text;
        }
        EXPECT_EQ(rows[1].text.ends_with("\u2026"), c.values.size() == 1) << rows[1].text;
    }
}

SheetContent AcceptedSheet() {
    const ConnectionInput input = testing::BmepWorkedRun();
    SheetContent sheet =
        SheetOfRun(ProjectInfo{}, input, RunDesign(input, testing::NoReportFile()), "8/12/26");
    sheet.drawingWidthTwips = 6000;
    sheet.drawingHeightTwips = 4000;
    return sheet;
}

TEST(WholeSheet, TwoPagesWithTheTitleBlockOnBothAndTheDrawingInItsPlace) {
    const SheetContent sheet = AcceptedSheet();
    EXPECT_EQ(sheet.caption, "Bending Moment End Plate Connection");
    SheetRecorder page;
    PrintConnectionSheet(page, sheet);

    EXPECT_EQ(page.ends, 1);
    EXPECT_NE(page.Find("Tittle :  ", 0), nullptr);
    EXPECT_NE(page.Find("Tittle :  ", 1), nullptr);
    EXPECT_NE(page.Find("Connection 01", 1), nullptr);
    EXPECT_NE(page.Find("Input data", 0), nullptr);
    EXPECT_NE(page.Find("Result", 1), nullptr);
    EXPECT_NE(page.Find("A.Material Properties", 1), nullptr);
    EXPECT_EQ(page.Find("Result", 0), nullptr);
    // The caption comes after the drawing, in black: the drawing hands the page back as it was.
    EXPECT_EQ(page.Find(sheet.caption)->colour, kBlack);

    // 6000 by 4000: the square of 4000 centred, from (3000, 7000).
    int drawn = 0;
    for (const DrawCall& call : page.Calls()) {
        if (call.kind != DrawCall::Kind::Line && call.kind != DrawCall::Kind::Box) continue;
        if (call.y1 < 7000) continue;
        ++drawn;
        for (const double x : {call.x1, call.x2}) {
            EXPECT_GE(x, 3000);
            EXPECT_LE(x, 7000);
        }
        for (const double y : {call.y1, call.y2}) EXPECT_LE(y, 11000);
    }
    EXPECT_GT(drawn, 10);
}

// Drawings whose classic window would leave parts and labels out print whole inside their
// square, texts included, and never over the input data beside it.
TEST(WholeSheet, AnAwkwardDrawingStaysInsideItsSquare) {
    const ConnectionInput cases[] = {
        testing::MakeInput(ConnectionType::WSP,
                           {"5000", "6", "1", "5", "1", "10", "25", "60", "70", "5", "2"},
                           "H-100X50X9.3(kg/m)"),
        testing::MakeInput(ConnectionType::BSPL,
                           {"300000", "5000", "9", "2", "2", "2", "10", "35", "70", "40", "2", "3",
                            "30", "20", "45", "40"},
                           "H-200X100X21.3(kg/m)"),
    };
    for (const ConnectionInput& input : cases) {
        SheetContent sheet = AcceptedSheet();
        sheet.type = input.type;
        sheet.choices = input.choices;
        sheet.input = input.grid;
        SheetRecorder page;
        PrintSheetDrawing(page, sheet, 2000, 7000);
        // The default drawing size, 5400 twips square, from (2000, 7000); the page counts down.
        int texts = 0;
        for (const DrawCall& call : page.Calls()) {
            double left = std::min(call.x1, call.x2), right = std::max(call.x1, call.x2);
            double top = std::min(call.y1, call.y2), bottom = std::max(call.y1, call.y2);
            if (call.kind == DrawCall::Kind::Window) continue;
            if (call.kind == DrawCall::Kind::Circle) {
                left = call.x1 - call.x2, right = call.x1 + call.x2;
                top = call.y1 - call.x2, bottom = call.y1 + call.x2;
            }
            if (call.kind == DrawCall::Kind::Text) {
                ++texts;
                left = call.x1, right = call.x1 + page.TextWidth(call.text);
                top = call.y1, bottom = call.y1 + page.TextHeight(call.text);
            }
            const std::string what = std::string(TypeName(input.type)) + " \"" + call.text + "\"";
            EXPECT_GE(left, 2000 - 1e-6) << what;
            EXPECT_LE(right, 7400 + 1e-6) << what;
            EXPECT_GE(top, 7000 - 1e-6) << what;
            EXPECT_LE(bottom, 12400 + 1e-6) << what;
        }
        EXPECT_GT(texts, 10) << TypeName(input.type);
    }
}

TEST(WholeSheet, ADrawingThatCannotBeMadeEndsNoDocument) {
    SheetContent sheet = AcceptedSheet();
    sheet.choices.beamSection = -1;
    SheetRecorder page;
    EXPECT_THROW(PrintConnectionSheet(page, sheet), DesignError);
    EXPECT_EQ(page.ends, 0);
    EXPECT_EQ(page.Find("Result", 1), nullptr);
}

}  // namespace
}  // namespace jw
