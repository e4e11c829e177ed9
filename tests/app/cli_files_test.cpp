// The command-line program's files as a tester attacks them: outputs that would replace the
// project, a device, a link or a read-only report; standard output as the report; a project
// that is a pipe, cut short, or has line ends of another system.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli_fixture.h"

namespace jw {
namespace {

namespace fs = std::filesystem;

using testing::Outcome;

const fs::path kExample = fs::path(JW_EXAMPLES_DIR) / "worked_bmep_h350x175.Bol";

class CliFiles : public testing::CliFolderTest {
  protected:
    void SetUp() override {
        CliFolderTest::SetUp();
        fs::copy_file(kExample, folder_ / "p.Bol");
        project_ = Read("p.Bol");
    }
    void ExpectProjectIntact() const { EXPECT_EQ(Read("p.Bol"), project_); }

    // The program at the end of a shell pipeline.
    Outcome RunPiped(const std::string& feed, const std::string& arguments) const {
        return RunCli("--help > /dev/null && " + feed + " | '" JW_CLI_PATH "' " + arguments);
    }

    std::string project_;
};

TEST_F(CliFiles, NoOutputReplacesTheProjectItReads) {
    fs::create_symlink("p.Bol", folder_ / "link.Bol");
    const char* commands[] = {
        "design p.Bol --report p.Bol",   "design p.Bol --svg p.Bol",
        "design p.Bol --dxf link.Bol",   "draw p.Bol --svg link.Bol",
        "batch p.Bol --csv p.Bol",       "design link.Bol --report p.Bol",
        "design p.Bol --report ./p.Bol", "draw p.Bol --dxf p.Bol",
    };
    for (const char* command : commands) {
        SCOPED_TRACE(command);
        const Outcome o = RunCli(command);
        EXPECT_EQ(o.status, 2) << o.out;
        EXPECT_NE(o.out.find("which this run reads."), std::string::npos) << o.out;
        ExpectProjectIntact();
        EXPECT_TRUE(fs::is_symlink(folder_ / "link.Bol"));
    }
    EXPECT_FALSE(fs::exists(folder_ / "result.out")) << "refused before anything was written";
}

TEST_F(CliFiles, BadOutputsAreRefusedBeforeAnythingIsWritten) {
    fs::create_symlink("nowhere.out", folder_ / "dangling.out");
    fs::create_directories(folder_ / "folder.out");
    std::ofstream(folder_ / "result.out") << "issued";
    fs::permissions(folder_ / "result.out", fs::perms::owner_read | fs::perms::group_read);
    const struct {
        const char* command;
        const char* message;
    } cases[] = {
        {"design p.Bol --report dangling.out",
         "Cannot write \"dangling.out\": it is a link to \"nowhere.out\", which does not exist."},
        {"design p.Bol --report folder.out", "Cannot write \"folder.out\": it is a folder."},
        {"design p.Bol", "Cannot write \"result.out\": the file is read-only."},
        {"design p.Bol --report ok.out --svg folder.out",
         "Cannot write \"folder.out\": it is a folder."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        const Outcome o = RunCli(c.command);
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.out, std::string(c.message) + "\n");
    }
    EXPECT_EQ(Read("result.out"), "issued");
    EXPECT_FALSE(fs::exists(folder_ / "nowhere.out"));
    EXPECT_FALSE(fs::exists(folder_ / "ok.out")) << "no output before every output is known good";
}

TEST_F(CliFiles, StandardOutputTakesTheReportWhereItStands) {
    const Outcome o = RunCli("design p.Bol --report /dev/stdout > out.txt");
    EXPECT_EQ(o.status, 0) << o.out;
    const std::string out = Read("out.txt");
    const std::size_t report = out.find("A.Material Properties");
    const std::size_t table = out.find("Connection   | Accept");
    EXPECT_NE(report, std::string::npos) << out;
    EXPECT_NE(table, std::string::npos) << "the printed table is not lost: " << out;
    EXPECT_LT(report, table);

    const Outcome piped = RunCli("design p.Bol --report /dev/stdout | grep -c 'E.3 Tearing'");
    EXPECT_EQ(piped.out, "1\n") << "the report went down the pipe";
}

TEST_F(CliFiles, ProjectsFromPipesAreReadOnceAndNeverHang) {
    Outcome o = RunCli("design - --report r.out < p.Bol");
    EXPECT_EQ(o.status, 0) << o.out;
    o = RunPiped("cat p.Bol", "design /dev/stdin --report r.out");
    EXPECT_EQ(o.status, 0) << o.out;

    ASSERT_EQ(mkfifo((folder_ / "pipe.Bol").c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    o = RunCli("design pipe.Bol");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(o.status, 3);
    EXPECT_EQ(o.out,
              "pipe.Bol: Cannot open \"pipe.Bol\": no data arrived through the pipe within 2 "
              "seconds.\n");
}

TEST_F(CliFiles, ACutOffOrForeignProjectIsNotDesigned) {
    const struct {
        const char* name;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"missing its last 8 bytes (85 read as 8)", project_.substr(0, project_.size() - 8),
         "Line 20: \"End\" expected: the file is incomplete."},
        {"CR CR LF line ends",
         [&] {
             std::string text;
             for (const char c : project_)
                 text += c == '\n' ? std::string("\r\n") : std::string(1, c);
             return text;
         }(),
         "Line 1: the lines end in CR CR LF (a carriage return too many); a project file's lines "
         "end in CR LF."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::ofstream(folder_ / "bad.Bol", std::ios::binary) << c.bytes;
        const Outcome o = RunCli("design bad.Bol");
        EXPECT_EQ(o.status, 3);
        EXPECT_EQ(o.out, "bad.Bol: " + c.message + "\n");
    }
    const Outcome o = RunCli("design p.Bol --codepage utf8");
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.out.find("--codepage takes cp1252 or cp874, not utf8"), std::string::npos) << o.out;
}

}  // namespace
}  // namespace jw
