// `design --pdf` end to end: every sample project, and an accepted connection of each type,
// printed to a PDF file and read back with poppler's pdfinfo and pdftotext: two pages, the title
// block, the verdict caption, the input data, the summary and the report from its "A" line. A
// connection that must be redesigned prints nothing.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "design/design_run.h"
#include "project/project_file.h"

namespace jw {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string out;
};

// Runs a shell command in `folder`; standard error joins standard output.
Outcome Shell(const std::string& command, const fs::path& folder) {
    FILE* pipe = popen(("cd '" + folder.string() + "' && " + command + " 2>&1").c_str(), "r");
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

std::string Cli(const std::string& arguments) {
    return "'" JW_CLI_PATH "' " + arguments;
}

// pdftotext sets its columns apart with spaces of its own choosing: texts are compared without
// any white space.
std::string Squeezed(std::string_view text) {
    std::string squeezed;
    for (const char c : text)
        if (!std::isspace(static_cast<unsigned char>(c))) squeezed += c;
    return squeezed;
}

class PdfOutput : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("jw_pdf_" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
#ifdef JW_HAS_PDF
        if (Shell("command -v pdftotext && command -v pdfinfo", folder_).status != 0)
            GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) is not installed";
#endif
    }
    void TearDown() override {
        fs::remove_all(folder_);
    }

    // The sheet of the project at `project` in `pdf`, against what a design run of it gives.
    void ExpectSheet(const fs::path& project, const std::string& pdf) {
        SCOPED_TRACE(project.filename().string());
        // The sheet's two pages, then the further checks on one or more.
        const std::string info = Shell("pdfinfo " + pdf, folder_).out;
        const std::size_t pages = info.find("Pages:");
        ASSERT_NE(pages, std::string::npos);
        EXPECT_GE(std::stoi(info.substr(pages + 6)), 3) << info;
        const std::string text = Squeezed(Shell("pdftotext -layout " + pdf + " -", folder_).out);
        const Project p = LoadProjectFile(project.string());
        const ConnectionInput input{p.type, p.choices, ProjectGrid(p)};
        const DesignResult result = RunDesign(input, RunOptions{""});

        std::vector<std::string> expected = {
            "Project :",  "Tittle :",          "Job No.",
            "Revise",     "Engineer",          "Check",
            "Date",       p.info.project,      p.info.title,
            p.info.jobNo, result.caption,      "Input data",
            "Result",     "I. Further checks", "Connection: Accept"};
        for (int r = 1; r < input.grid.rows; ++r)
            for (const int c : {kLabelColumn, kValueColumn, kUnitColumn})
                expected.push_back(input.grid.At(r, c));
        // A long plate list continues on the next line at one of its separators.
        for (const std::string& cell : result.summary.cells) {
            std::size_t start = 0;
            for (std::size_t at; (at = cell.find_first_of("/+", start)) != std::string::npos;
                 start = at + 1)
                expected.push_back(cell.substr(start, at - start));
            expected.push_back(cell.substr(start));
        }
        std::istringstream report(result.report);
        bool started = false;
        for (std::string line; std::getline(report, line);) {
            started = started || line.starts_with('A');
            if (started) expected.push_back(line);
        }
        for (const std::string& e : expected)
            EXPECT_NE(text.find(Squeezed(e)), std::string::npos) << "missing: " << e;
    }

    fs::path folder_;
};

#ifdef JW_HAS_PDF

TEST_F(PdfOutput, SampleProjectsPrintWhenAcceptedAndNothingWhenRejected) {
    int accepted = 0;
    for (const auto& entry : fs::directory_iterator(JW_EXAMPLES_DIR)) {
        if (entry.path().extension() != ".Bol") continue;
        const std::string pdf = entry.path().stem().string() + ".pdf";
        const Outcome o =
            Shell(Cli("design '" + entry.path().string() + "' --pdf " + pdf), folder_);
        if (o.status == 0) {
            ++accepted;
            ExpectSheet(entry.path(), pdf);
        } else {
            EXPECT_EQ(o.status, 1) << entry.path() << o.out;
            EXPECT_NE(o.out.find("The Connection Should Be REDESIGNED!"), std::string::npos);
            EXPECT_FALSE(fs::exists(folder_ / pdf)) << entry.path();
        }
    }
    EXPECT_GT(accepted, 0);
}

TEST_F(PdfOutput, AnAcceptedConnectionOfEachTypePrints) {
    // Every standard proposal passes every check, and so do the worked samples.
    for (const char* type : {"WSP", "ACLT", "BMEP", "BSPL"}) {
        const std::string project = std::string(type) + ".Bol";
        ASSERT_EQ(Shell(Cli(std::string("advise --type ") + type +
                            " --section 'H-300X150X36.7(kg/m)' --out " + project),
                        folder_)
                      .status,
                  0);
        const Outcome o = Shell(Cli("design " + project + " --pdf " + type + ".pdf"), folder_);
        ASSERT_EQ(o.status, 0) << o.out;
        ExpectSheet(folder_ / project, std::string(type) + ".pdf");
    }
    for (const char* sample : {"worked_bmep_h350x175", "worked_bspl_h300x150"}) {
        const fs::path project = fs::path(JW_EXAMPLES_DIR) / (std::string(sample) + ".Bol");
        const Outcome o =
            Shell(Cli("design '" + project.string() + "' --pdf " + sample + ".pdf"), folder_);
        ASSERT_EQ(o.status, 0) << o.out;
        ExpectSheet(project, std::string(sample) + ".pdf");
    }
}

// The sheet is made from the very bytes the run designed, sent to the PDF writer: a project on
// standard input is read once, and the file is not read a second time.
TEST_F(PdfOutput, AProjectFromAPipePrintsItsSheet) {
    const fs::path accepted = fs::path(JW_EXAMPLES_DIR) / "worked_bmep_h350x175.Bol";
    const Outcome o = Shell("cat '" + accepted.string() + "' | " +
                                Cli("design /dev/stdin --report r.out --pdf piped.pdf"),
                            folder_);
    ASSERT_EQ(o.status, 0) << o.out;
    ExpectSheet(accepted, "piped.pdf");
}

// Thai texts kept in Windows-874 print as Thai, never as "?".
TEST_F(PdfOutput, TheCodePageCarriesThaiTextsToTheSheet) {
    Project project = LoadProjectFile(std::string(JW_EXAMPLES_DIR) + "/worked_bmep_h350x175.Bol");
    project.info.title = "\u0E2D\u0E32\u0E04\u0E32\u0E23 A";  // "อาคาร A", building A
    std::ofstream(folder_ / "thai.Bol", std::ios::binary)
        << FormatProject(project, CodePage::Windows874);
    const Outcome o = Shell(Cli("design thai.Bol --codepage cp874 --pdf thai.pdf"), folder_);
    ASSERT_EQ(o.status, 0) << o.out;
    // The document's title is the sheet's title text; pdfinfo shows it as UTF-8.
    EXPECT_NE(Shell("pdfinfo thai.pdf", folder_).out.find(project.info.title + " - Bending"),
              std::string::npos);
}

TEST_F(PdfOutput, NoSheetLeavesAnEarlierFileAsItWas) {
    std::ofstream(folder_ / "sheet.pdf") << "earlier";
    const std::string rejected = std::string(JW_EXAMPLES_DIR) + "/wsp_shear_plate.Bol";
    EXPECT_EQ(Shell(Cli("design '" + rejected + "' --pdf sheet.pdf"), folder_).status, 1);
    std::ifstream in(folder_ / "sheet.pdf");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "earlier");

    const std::string accepted = std::string(JW_EXAMPLES_DIR) + "/worked_bmep_h350x175.Bol";
    const Outcome o = Shell(Cli("design '" + accepted + "' --pdf missing/sheet.pdf"), folder_);
    EXPECT_EQ(o.status, 2) << o.out;
    EXPECT_NE(o.out.find("Cannot write \"missing/sheet.pdf\""), std::string::npos) << o.out;
}

#else

TEST_F(PdfOutput, ABuildWithoutQtSaysItHasNoPdfOutput) {
    const std::string accepted = std::string(JW_EXAMPLES_DIR) + "/worked_bmep_h350x175.Bol";
    const Outcome o = Shell(Cli("design '" + accepted + "' --pdf sheet.pdf"), folder_);
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.out.find("no PDF output"), std::string::npos) << o.out;
    EXPECT_FALSE(fs::exists(folder_ / "sheet.pdf"));
}

#endif

}  // namespace
}  // namespace jw
