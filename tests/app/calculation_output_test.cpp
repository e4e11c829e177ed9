// The detailed calculation and the job package end to end: `design --calc` in each format,
// `--with-calc`, and `package` of the sample projects with a corrupt file, read back as an
// engineer's tools read them (the text, the CSV, and the PDF through poppler's pdftotext).
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "data/sha256.h"

namespace jw {
namespace {

namespace fs = std::filesystem;

#ifdef JW_HAS_PDF
constexpr bool kHasPdf = true;
#else
constexpr bool kHasPdf = false;
#endif

struct Outcome {
    int status;
    std::string out;
};

class CalculationOutput : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("jw_calc_" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs a shell command in the test's folder; standard error joins standard output unless
    // `separateErrors` keeps it apart (in errors.txt).
    Outcome Shell(const std::string& command, bool separateErrors = false) const {
        const std::string errors = separateErrors ? " 2>errors.txt" : " 2>&1";
        FILE* pipe = popen(("cd '" + folder_.string() + "' && " + command + errors).c_str(), "r");
        std::string out;
        char buf[4096];
        for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
        const int status = pclose(pipe);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
    }
    Outcome Cli(const std::string& arguments, bool separateErrors = false) const {
        return Shell("'" JW_CLI_PATH "' " + arguments, separateErrors);
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(folder_ / name, std::ios::binary) << text;
    }
    bool HasPdfTools() const {
        return Shell("command -v pdftotext && command -v pdfinfo").status == 0;
    }
    int Pages(const std::string& pdf) const {
        const std::string info = Shell("pdfinfo " + pdf).out;
        const std::size_t at = info.find("Pages:");
        return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
    }

    fs::path folder_;
};

std::string Example(const std::string& name) {
    return "'" + std::string(JW_EXAMPLES_DIR) + "/" + name + "'";
}

std::string ExampleBytes(const std::string& name) {
    std::ifstream in(std::string(JW_EXAMPLES_DIR) + "/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST_F(CalculationOutput, TextAndHtmlOfAnAcceptedAndARejectedConnection) {
    struct Case {
        const char* file;
        int status;
        const char* verdict;
    } cases[] = {
        {"standard_wsp_h300x150.Bol", 0, "Connection: Accept"},
        {"wsp_shear_plate.Bol", 1, "Connection: REDESIGNED (governing: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(Cli("design " + Example(c.file) + " --calc calc.txt").status, c.status);
        const std::string text = Read("calc.txt");
        EXPECT_EQ(text.rfind("JointWright - Detailed calculation\nVersion 1.13", 0), 0u);
        EXPECT_NE(text.find(std::string(JW_EXAMPLES_DIR) + "/" + c.file), std::string::npos);
        EXPECT_NE(text.find("SHA-256  : " + Sha256Hex(ExampleBytes(c.file))), std::string::npos);
        EXPECT_NE(text.find(c.verdict), std::string::npos);
        EXPECT_NE(text.find("5. What the program does not check"), std::string::npos);

        EXPECT_EQ(Cli("design " + Example(c.file) + " --calc CALC.HTML").status, c.status);
        const std::string html = Read("CALC.HTML");
        EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u) << "the extension chooses, in any case";
        EXPECT_NE(html.find(c.verdict), std::string::npos);
    }
}

TEST_F(CalculationOutput, AnotherExtensionOrWithCalcAloneIsRefusedBeforeAnythingIsWritten) {
    for (const char* arguments : {" --calc calc.doc", " --calc calc", " --with-calc"}) {
        SCOPED_TRACE(arguments);
        const Outcome run = Cli("design " + Example("standard_wsp_h300x150.Bol") + arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.out.find("jointwright-cli:"), std::string::npos) << run.out;
        EXPECT_TRUE(fs::is_empty(folder_)) << "not even result.out";
    }
}

TEST_F(CalculationOutput, ARunThatStopsWritesNoCalculation) {
    // One bolt row of one bolt cannot resist the eccentric moment: the run stops.
    Write("one_bolt.Bol",
          "TAV JOINTWRIGHT\r\nTAV\r\nOne bolt\r\n001\r\n-\r\n-\r\n-\r\n 1 \r\n 1 \r\n"
          " 3 \r\n 20 \r\n 1 \r\n\r\n10000\r\n9\r\n1\r\n1\r\n1\r\n10\r\n40\r\n75\r\n"
          "70\r\n6\r\n2\r\nEnd\r\n");
    EXPECT_EQ(Cli("design one_bolt.Bol --calc calc.txt").status, 2);
    EXPECT_FALSE(fs::exists(folder_ / "calc.txt"));
}

// The 8 sample projects and a corrupt one: an index line for each of the 9, exit status 3.
TEST_F(CalculationOutput, PackageOfTheSamplesAndACorruptFile) {
    Write("corrupt.Bol", "TAV JOINTWRIGHT\r\nbroken\r\n");
    // The "Ex" sample of each type and the standard connection of each type.
    std::string files;
    int accepted = 0;
    for (const char* name :
         {"wsp_shear_plate.Bol", "aclt_angle_cleat.Bol", "bmep_end_plate.Bol", "bspl_splice.Bol",
          "standard_wsp_h300x150.Bol", "standard_aclt_h300x150.Bol", "standard_bmep_h300x150.Bol",
          "standard_bspl_h300x150.Bol"}) {
        files += " " + Example(name);
        accepted += Cli("design " + Example(name) + " --report /dev/null").status == 0;
    }
    const bool withPdf = kHasPdf && HasPdfTools();
    const Outcome run = Cli("package" + files + " corrupt.Bol --csv index.csv --html package.html" +
                            (withPdf ? " --pdf package.pdf" : ""));
    EXPECT_EQ(run.status, 3) << run.out;
    std::istringstream csv(Read("index.csv"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(csv, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 10u) << Read("index.csv");
    EXPECT_EQ(lines[0], "file,mark,type,beam,bolts,plates,ratio,governing,verdict,page");
    EXPECT_EQ(lines[9].rfind("corrupt.Bol,corrupt,,,,,,", 0), 0u) << lines[9];
    EXPECT_NE(lines[9].find(",not a project file,"), std::string::npos) << lines[9];
    int listed = 0;
    for (std::size_t i = 1; i < 9; ++i) listed += lines[i].find(",Accept,") != std::string::npos;
    EXPECT_EQ(listed, accepted) << "the index's verdicts are those of design";
    const std::string html = Read("package.html");
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("corrupt.Bol"), std::string::npos);
    if (!withPdf) return;

    // Each page number of the index is the page where that connection's pages begin: its sheet
    // with the verdict caption, or the calculation of a connection that must be redesigned.
    const int pages = Pages("package.pdf");
    EXPECT_GT(pages, 20);
    const std::regex row("^([^,]*),([^,]*),.*,(Accept|REDESIGNED),([0-9]+)$");
    int previous = 2;
    for (std::size_t i = 1; i < 9; ++i) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(lines[i], m, row)) << lines[i];
        const int page = std::stoi(m[4]);
        EXPECT_GT(page, previous) << lines[i];
        previous = page;
        const std::string text =
            Shell("pdftotext -layout -f " + m[4].str() + " -l " + m[4].str() + " package.pdf -")
                .out;
        const bool sheet = m[3] == "Accept";
        EXPECT_NE(text.find(sheet ? "Input data" : "Detailed calculation"), std::string::npos)
            << lines[i];
        EXPECT_NE(text.find("Page " + m[4].str() + " of " + std::to_string(pages)),
                  std::string::npos)
            << lines[i];
    }
}

TEST_F(CalculationOutput, PackageExitStatusIsItsWorstFile) {
    Write("one_bolt.Bol",
          "TAV JOINTWRIGHT\r\nTAV\r\nOne bolt\r\n001\r\n-\r\n-\r\n-\r\n 1 \r\n 1 \r\n"
          " 3 \r\n 20 \r\n 1 \r\n\r\n10000\r\n9\r\n1\r\n1\r\n1\r\n10\r\n40\r\n75\r\n"
          "70\r\n6\r\n2\r\nEnd\r\n");
    const std::string accepted = Example("standard_wsp_h300x150.Bol");
    const std::string rejected = Example("wsp_shear_plate.Bol");
    struct Case {
        std::string files;
        int status;
    } cases[] = {
        {accepted, 0},
        {accepted + " " + rejected, 1},
        {rejected + " one_bolt.Bol", 2},
        {"one_bolt.Bol missing.Bol " + accepted, 3},
    };
    for (const Case& c : cases) {
        const Outcome run = Cli("package " + c.files);
        EXPECT_EQ(run.status, c.status) << c.files << "\n" << run.out;
    }
    const Outcome missing = Cli("package missing.Bol");
    EXPECT_NE(missing.out.find("missing.Bol,missing,"), std::string::npos) << missing.out;
}

TEST_F(CalculationOutput, ProgressOnlyForMoreThanTenFiles) {
    const std::string file = Example("standard_wsp_h300x150.Bol");
    std::string ten;
    for (int i = 0; i < 10; ++i) ten += " " + file;
    EXPECT_EQ(Cli("package" + ten + " --csv index.csv", true).status, 0);
    EXPECT_EQ(Read("errors.txt"), "");
    EXPECT_EQ(Cli("package" + ten + " " + file + " --csv index.csv", true).status, 0);
    const std::string progress = Read("errors.txt");
    EXPECT_NE(progress.find("designed 1 of 11\n"), std::string::npos) << progress;
    EXPECT_NE(progress.find("designed 11 of 11\n"), std::string::npos) << progress;
}

TEST_F(CalculationOutput, PackageNeverWritesOverOneOfItsFiles) {
    Write("mine.Bol", ExampleBytes("standard_wsp_h300x150.Bol"));
    EXPECT_EQ(Cli("package mine.Bol --csv mine.Bol").status, 2);
    EXPECT_EQ(Read("mine.Bol"), ExampleBytes("standard_wsp_h300x150.Bol"));
}

#ifdef JW_HAS_PDF
TEST_F(CalculationOutput, PdfCalculationAndSheetWithCalculationNumberEveryPage) {
    if (!HasPdfTools()) GTEST_SKIP() << "poppler-utils is not installed";
    const std::string file = Example("worked_bspl_h300x150.Bol");
    ASSERT_EQ(Cli("design " + file + " --calc calc.pdf").status, 0);
    const int calcPages = Pages("calc.pdf");
    ASSERT_GE(calcPages, 2);
    const std::string calc = Shell("pdftotext -layout calc.pdf -").out;
    EXPECT_NE(calc.find("Detailed calculation"), std::string::npos);
    EXPECT_NE(calc.find("Page " + std::to_string(calcPages) + " of " + std::to_string(calcPages)),
              std::string::npos);

    ASSERT_EQ(Cli("design " + file + " --pdf sheet.pdf").status, 0);
    ASSERT_EQ(Cli("design " + file + " --pdf both.pdf --with-calc").status, 0);
    const int sheetPages = Pages("sheet.pdf");
    const int total = Pages("both.pdf");
    EXPECT_EQ(total, sheetPages + calcPages);
    const std::string both = Shell("pdftotext -layout both.pdf -").out;
    for (int page = 1; page <= total; ++page)
        EXPECT_NE(both.find("Page " + std::to_string(page) + " of " + std::to_string(total)),
                  std::string::npos)
            << page;
    EXPECT_EQ(Shell("pdftotext -layout sheet.pdf -").out.find("Page 1 of"), std::string::npos)
        << "the sheet alone stays as it is";
}
#endif

}  // namespace
}  // namespace jw
