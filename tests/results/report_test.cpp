#include "results/report.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "../design/design_fixtures.h"

namespace jw {
namespace {

using testing::NoReportFile;

// Compares with the golden file; JW_UPDATE_GOLDEN=1 rewrites it after an intended change.
void ExpectGolden(const std::string& text, const std::string& name) {
    const std::string path = std::string(JW_TEST_DIR) + "/golden/" + name;
    if (std::getenv("JW_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << text;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing golden file " << path;
    std::stringstream golden;
    golden << in.rdbuf();
    EXPECT_EQ(text, golden.str()) << "report differs from " << path;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

bool HasLine(const std::string& text, const std::string& line) {
    for (const auto& l : Lines(text))
        if (l == line) return true;
    return false;
}

TEST(Report, GoldenFilesOfEachType) {
    struct Case {
        ConnectionInput input;
        const char* golden;
    } cases[] = {
        {testing::WspWorkedRun(), "wsp_worked_run.out"},
        {testing::AcltWorkedRun(), "aclt_worked_run.out"},
        {testing::BmepWorkedRun(), "bmep_worked_run.out"},
        {testing::BsplWorkedRun(), "bspl_worked_run.out"},
    };
    for (const auto& c : cases) {
        const DesignResult r = RunDesign(c.input, NoReportFile());
        ASSERT_NE(r.status, RunStatus::Stopped) << c.golden << ": " << r.message;
        ExpectGolden(r.report, c.golden);
        EXPECT_EQ(r.report.find('\n'), r.report.find("\r\n") + 1) << "CR LF line ends";
        EXPECT_EQ(r.report.find("nan"), std::string::npos);
        EXPECT_EQ(r.report.find("inf"), std::string::npos);
    }
}

TEST(Report, LinesThatAreEasyToGetWrong) {
    const DesignResult wsp = RunDesign(testing::WspWorkedRun(), NoReportFile());
    EXPECT_TRUE(HasLine(wsp.report, "    Bolt Diameter         = 2.0 cm"));
    EXPECT_TRUE(HasLine(wsp.report, "    Bolt X-section Area   = 3.14 sq.cm."));
    EXPECT_TRUE(HasLine(wsp.report, "    Lvc = 16.40cm"));
    EXPECT_TRUE(HasLine(wsp.report, "Cleat Thickness = 0.90 cm"));
    EXPECT_TRUE(HasLine(wsp.report, "    Bolt Max. Shear Stress ratio    = 1.03"));
    const auto lines = Lines(wsp.report);
    const auto h =
        std::find(lines.begin(), lines.end(), "H.Shear resistance at welded Cleat plate");
    ASSERT_NE(h, lines.end());
    EXPECT_EQ(*(h + 1), "") << "section H has no rule line";

    const DesignResult aclt = RunDesign(testing::AcltWorkedRun(), NoReportFile());
    EXPECT_TRUE(HasLine(aclt.report, "Cleat Thickness = 1.00cm"));
    EXPECT_TRUE(HasLine(aclt.report, "    Lvc = 16.40 cm"));
    EXPECT_TRUE(HasLine(aclt.report, "Total Number of bolt at support = 6"));

    const DesignResult bmep = RunDesign(testing::BmepWorkedRun(), NoReportFile());
    EXPECT_TRUE(HasLine(bmep.report, "Number of Cleat Plate = 1"));
    EXPECT_TRUE(HasLine(bmep.report, "Total Number of bolt at support = 8"));
    EXPECT_EQ(bmep.report.find("B.Bolt Information"), std::string::npos);
    EXPECT_LT(bmep.report.find("F. Combined Shear Tension"), bmep.report.find("E. End Support"));
}

TEST(Report, SlipCriticalPrintsNoStaleBearingValues) {
    // A bearing-type run first, then a slip-critical one: the second report's bearing lines
    // must agree with its own table (0.00), not repeat the first run's numbers.
    RunDesign(testing::AcltWorkedRun(), NoReportFile());
    ConnectionInput slip = testing::AcltWorkedRun();
    slip.choices.boltGrade = 3;
    const DesignResult r = RunDesign(slip, NoReportFile());
    EXPECT_TRUE(HasLine(r.report, "    Allowable Bearing Stress = 0.00 ksc"));
    EXPECT_FALSE(HasLine(r.report, "    Allowable Bearing Stress = 4894.80 ksc"));
}

TEST(Report, ZeroCountsPrintNothingAfterTheLabel) {
    DesignState s;
    ReportValues rv;
    const std::string text = FormatReport(ConnectionType::WSP, s, rv);
    EXPECT_TRUE(HasLine(text, "Number of Cleat Plate = "));
    EXPECT_EQ(FormatReport(ConnectionType::None, s, rv), "");
}

}  // namespace
}  // namespace jw
