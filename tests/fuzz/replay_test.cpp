// Replays every kept fuzz input (seeds and the inputs of past findings) through the checks the
// fuzzers make, so a fixed fault stays fixed in every build.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz_checks.h"

namespace jw {
namespace {

using Check = std::string (*)(const std::uint8_t*, std::size_t);

void ReplayCorpus(const std::string& name, Check check) {
    const std::filesystem::path folder = std::filesystem::path(JW_CORPUS_DIR) / name;
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        const std::string fault =
            check(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        EXPECT_EQ(fault, "") << entry.path();
        ++replayed;
    }
    EXPECT_GT(replayed, 0) << folder;
}

TEST(FuzzCorpus, DesignRun) {
    ReplayCorpus("design_run", fuzz::CheckDesignRun);
}
TEST(FuzzCorpus, ProjectReader) {
    ReplayCorpus("project_reader", fuzz::CheckProjectReader);
}
TEST(FuzzCorpus, Numbers) {
    ReplayCorpus("numbers", fuzz::CheckNumbers);
}
TEST(FuzzCorpus, Drawing) {
    ReplayCorpus("design_run", fuzz::CheckDrawing);
}

}  // namespace
}  // namespace jw
