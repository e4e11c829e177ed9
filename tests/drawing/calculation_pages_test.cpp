// The detailed calculation's printed pages on a recording canvas (characters 100 twips wide,
// lines 200 high): the title block on every page, lines in order from the top of each page, no
// page that begins with an empty line or ends with a heading, long lines continued, and the page
// number at the foot.
#include "drawing/calculation_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing/recording_canvas.h"

namespace jw {
namespace {

struct PrintedLine {
    std::string text;
    double x;
    double y;
    bool bold;
    int page;
};

class PageRecorder : public RecordingCanvas {
  public:
    PageRecorder() : RecordingCanvas(12000) {}
    void SetFontBold(bool bold) override { bold_ = bold; }
    void NewPage() override { ++page_; }
    int Pages() const { return page_ + 1; }
    std::vector<PrintedLine> lines;

  protected:
    void DoText(double x, double y, std::string_view text, int colour) override {
        lines.push_back({std::string(text), x, y, bold_, page_});
        RecordingCanvas::DoText(x, y, text, colour);
    }

  private:
    bool bold_ = false;
    int page_ = 0;
};

// A calculation of `count` body lines with a heading every `every` lines.
std::vector<CalcTextLine> Lines(int count, int every) {
    std::vector<CalcTextLine> lines = {{CalcLineKind::Title, "JointWright - Detailed calculation"}};
    for (int i = 1; i <= count; ++i) {
        if (i % every == 0) {
            lines.push_back({CalcLineKind::Blank, ""});
            lines.push_back({CalcLineKind::Subheading, "Heading " + std::to_string(i)});
        }
        lines.push_back({CalcLineKind::Body, "line " + std::to_string(i)});
    }
    return lines;
}

std::vector<const PrintedLine*> OnPage(const PageRecorder& page, int number,
                                       const std::string& prefix) {
    std::vector<const PrintedLine*> found;
    for (const PrintedLine& line : page.lines)
        if (line.page == number && line.text.rfind(prefix, 0) == 0) found.push_back(&line);
    return found;
}

TEST(CalculationPages, EveryPageHasTheTitleBlockAndTheLinesGoOnInOrder) {
    PageRecorder page;
    PrintTitledLines(page, ProjectInfo{}, "2026-08-12", Lines(150, 7));
    ASSERT_GE(page.Pages(), 3);
    int expected = 1;
    for (int p = 0; p < page.Pages(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        EXPECT_EQ(OnPage(page, p, "Tittle :").size(), 1u);
        EXPECT_EQ(OnPage(page, p, "2026-08-12").size(), 1u);
        double y = 0;
        for (const PrintedLine* line : OnPage(page, p, "line ")) {
            EXPECT_EQ(line->text, "line " + std::to_string(expected++));
            EXPECT_GT(line->y, y);
            EXPECT_EQ(line->x, 1000);
            EXPECT_LE(line->y, 14000 - 200);
            y = line->y;
        }
    }
    EXPECT_EQ(expected, 151) << "every line printed once";
}

TEST(CalculationPages, NoPageEndsWithAHeadingOrBeginsEmpty) {
    PageRecorder page;
    PrintTitledLines(page, ProjectInfo{}, "", Lines(300, 3));
    for (int p = 0; p < page.Pages(); ++p) {
        std::vector<const PrintedLine*> body;
        for (const PrintedLine& line : page.lines)
            if (line.page == p && line.y >= 2400) body.push_back(&line);
        ASSERT_FALSE(body.empty());
        EXPECT_EQ(body.front()->y, 2400) << "page " << p + 1 << " starts at its top";
        EXPECT_NE(body.back()->text.rfind("Heading", 0), 0u) << "page " << p + 1;
    }
}

TEST(CalculationPages, HeadingsBoldLongLinesContinuedUnderTheirIndent) {
    PageRecorder page;
    const std::string words = "    " + std::string(60, 'a') + " " + std::string(60, 'b');
    PrintTitledLines(page, ProjectInfo{}, "",
                     {{CalcLineKind::Heading, "1. Input"}, {CalcLineKind::Body, words}});
    const std::vector<const PrintedLine*> heading = OnPage(page, 0, "1. Input");
    ASSERT_EQ(heading.size(), 1u);
    EXPECT_TRUE(heading.front()->bold);
    const std::vector<const PrintedLine*> a = OnPage(page, 0, "    aaa");
    const std::vector<const PrintedLine*> b = OnPage(page, 0, "        bbb");
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_FALSE(a.front()->bold);
    EXPECT_DOUBLE_EQ(b.front()->y, a.front()->y + 200);
}

TEST(CalculationPages, PageNumberAtTheFootEndingAtTheTitleBlocksEdge) {
    PageRecorder page;
    PrintPageNumber(page, 3, 12);
    ASSERT_EQ(page.lines.size(), 1u);
    EXPECT_EQ(page.lines[0].text, "Page 3 of 12");
    EXPECT_DOUBLE_EQ(page.lines[0].x, 11000 - 12 * 100);
    EXPECT_GT(page.lines[0].y, 14000);
}

}  // namespace
}  // namespace jw
