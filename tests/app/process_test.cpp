// Starting the PDF companion: the arguments arrive exactly as given (spaces, quotes, trailing
// backslashes, empty ones, names in any script), the project bytes arrive whole on its standard
// input, and its exit status comes back; a companion that is not there is reported.
#include "app/cli/process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace jw::cli {
namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) {
    const std::u8string bytes = path.u8string();
    return std::string(bytes.begin(), bytes.end());
}

TEST(RunWithInput, HandsOverArgumentsAndInputExactlyAndReturnsTheStatus) {
    const fs::path folder =
        fs::temp_directory_path() / ("jw_process_" + std::to_string(std::random_device()()));
    fs::create_directories(folder);
    const std::string record = Utf8(folder / u8"ran \u0E01.txt");
    const std::vector<std::string> passed = {
        "plain",
        "with space",
        "quote \"inside\" it",
        "trailing backslash\\",
        "C:\\folder with space\\",
        "back\\\\\"slashes",
        "",
        "\u0E42\u0E04\u0E23\u0E07\u0E01\u0E32\u0E23 Stra\u00DFe.pdf",
    };
    std::vector<std::string> arguments = {record, "3"};
    arguments.insert(arguments.end(), passed.begin(), passed.end());
    // A project with its CR LF line ends and more than a pipe holds at once.
    const std::string input = "TAV JOINTWRIGHT\r\n" + std::string(300000, 'b') + "\r\nEnd\r\n";

    const ChildOutcome outcome = RunWithInput(ProgramFolder() / JW_CHILD_NAME, arguments, input);
    EXPECT_EQ(outcome.problem, "");
    EXPECT_EQ(outcome.status, 3);
    std::string expected;
    for (const std::string& argument : passed) expected += argument + "\n";
    expected += "--\n" + input;
    std::ifstream in(fs::path(std::u8string(record.begin(), record.end())), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), expected);
    in.close();
    fs::remove_all(folder);
}

// What the companion prints is kept when asked for: the PDF writer tells where each file of a
// package begins, after it has read the whole package.
TEST(RunWithInput, KeepsWhatTheCompanionPrints) {
    const fs::path folder =
        fs::temp_directory_path() / ("jw_process_" + std::to_string(std::random_device()()));
    fs::create_directories(folder);
    const std::string input(300000, 'p');
    std::string printed;
    const ChildOutcome outcome = RunWithInput(ProgramFolder() / JW_CHILD_NAME,
                                              {Utf8(folder / "record.txt"), "0"}, input, &printed);
    EXPECT_EQ(outcome.status, 0) << outcome.problem;
    EXPECT_EQ(printed, "read 300000 bytes\n");
    fs::remove_all(folder);
}

TEST(RunWithInput, AMissingCompanionIsReported) {
    const ChildOutcome outcome = RunWithInput(ProgramFolder() / "no_such_companion", {}, "x");
    EXPECT_EQ(outcome.status, -1);
    EXPECT_EQ(outcome.problem.rfind("cannot be started: ", 0), 0u) << outcome.problem;
}

}  // namespace
}  // namespace jw::cli
