// Reading an input once and whole: regular files and pipes are read, anything else is refused,
// and a pipe without a writer never hangs the program.
#include "data/input_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

namespace jw {
namespace {

namespace fs = std::filesystem;

class InputFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("jw_input_" + std::to_string(std::random_device()()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string At(const std::string& name) const { return (folder_ / name).string(); }

    fs::path folder_;
};

TEST_F(InputFileTest, ReadsRegularFilesAndPipesWhole) {
    std::ofstream(folder_ / "project.Bol", std::ios::binary) << "TAV JOINTWRIGHT\r\n";
    InputBytes file;
    EXPECT_EQ(ReadInputFile(At("project.Bol"), 100, file), "");
    EXPECT_EQ(file.bytes, "TAV JOINTWRIGHT\r\n");
    EXPECT_NE(file.identity, FileIdentity{});

    ASSERT_EQ(mkfifo(At("pipe").c_str(), 0600), 0);
    const std::string sent(100000, 'p');  // more than a pipe holds at once
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));  // a writer that is late
        std::ofstream(folder_ / "pipe", std::ios::binary) << sent;
    });
    InputBytes piped;
    EXPECT_EQ(ReadInputFile(At("pipe"), 1 << 20, piped), "");
    writer.join();
    EXPECT_EQ(piped.bytes, sent);
}

TEST_F(InputFileTest, APipeWithoutAWriterIsGivenUpAfterAShortWait) {
    ASSERT_EQ(mkfifo(At("pipe").c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    InputBytes input;
    EXPECT_EQ(ReadInputFile(At("pipe"), 100, input),
              "no data arrived through the pipe within 2 seconds");
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(1900));
    EXPECT_LT(waited, std::chrono::seconds(5));
}

TEST_F(InputFileTest, RefusesWhatIsNotAFileOrAPipe) {
    fs::create_directories(folder_ / "folder");
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {At("folder"), "it is a folder, not a file"},
        {"/dev/zero", "it is a device, not a file"},
        {At("missing.Bol"), "No such file or directory"},
    };
    for (const auto& c : cases) {
        InputBytes input;
        EXPECT_EQ(ReadInputFile(c.path, 100, input), c.reason) << c.path;
    }
}

TEST_F(InputFileTest, StopsOneByteBeyondTheLimit) {
    std::ofstream(folder_ / "big", std::ios::binary) << std::string(100000, 'b');
    InputBytes input;
    EXPECT_EQ(ReadInputFile(At("big"), 1000, input), "");
    EXPECT_GT(input.bytes.size(), 1000u);
    EXPECT_LT(input.bytes.size(), 100000u);
}

}  // namespace
}  // namespace jw
