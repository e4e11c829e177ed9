#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "project/project_file.h"
#include "project_test_support.h"

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace jw {
namespace {

namespace fs = std::filesystem;
using test::WspSample;

class ProjectFileIo : public testing::Test {
  protected:
    void SetUp() override {
        std::random_device seed;
        folder_ = fs::temp_directory_path() / ("jw_project_io_" + std::to_string(seed()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(folder_, ec);
    }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    // Everything in the folder, so a test sees a temporary file left behind.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // Runs the save, which must fail with a message that names the path.
    static ProjectFileError FailedSave(const std::string& path, const Project& project) {
        try {
            SaveProjectFile(path, project);
        } catch (const ProjectFileError& e) {
            EXPECT_NE(std::string(e.what()).find("\"" + path + "\""), std::string::npos)
                << e.what();
            return e;
        }
        ADD_FAILURE() << "saved " << path;
        return ProjectFileError(-1, "");
    }

    fs::path folder_;
};

TEST_F(ProjectFileIo, SavesTheFormattedBytesAndLoadsThemBack) {
    const std::string path = PathOf("Project01.Bol");
    SaveProjectFile(path, WspSample());
    EXPECT_EQ(Contents(path), FormatProject(WspSample()));
    EXPECT_EQ(FormatProject(LoadProjectFile(path)), FormatProject(WspSample()));
    EXPECT_EQ(Entries(), std::vector<std::string>{"Project01.Bol"});
}

TEST_F(ProjectFileIo, SavingOverAFileReplacesIt) {
    const std::string path = PathOf("Project01.Bol");
    Write(path, std::string(5000, 'x'));  // longer than the project: no old tail may remain
    SaveProjectFile(path, WspSample());
    EXPECT_EQ(Contents(path), FormatProject(WspSample()));
    EXPECT_EQ(Entries(), std::vector<std::string>{"Project01.Bol"});
}

TEST_F(ProjectFileIo, FailedSavesKeepThePreviousFileAndLeaveNoTemporary) {
    const std::string old = "previous project";
    Write(PathOf("kept.Bol"), old);
    fs::create_directory(folder_ / "folder.Bol");
    Write(PathOf("issued.Bol"), old);
    fs::permissions(folder_ / "issued.Bol", fs::perms::owner_read);
    Project broken = WspSample();
    broken.values[0] = "10000\r\n";
    struct Case {
        const char* name;
        std::string path;
        Project project;
        int line;
    } cases[] = {
        {"folder does not exist", PathOf("missing/Project01.Bol"), WspSample(), 0},
        {"target is a folder (the rename fails)", PathOf("folder.Bol"), WspSample(), 0},
        {"a value holds a line break", PathOf("kept.Bol"), broken, 14},
        {"the file is read-only", PathOf("issued.Bol"), WspSample(), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FailedSave(c.path, c.project).line(), c.line);
        EXPECT_EQ(Contents(PathOf("kept.Bol")), old);
        EXPECT_EQ(Contents(PathOf("issued.Bol")), old);
        EXPECT_EQ(Entries(), (std::vector<std::string>{"folder.Bol", "issued.Bol", "kept.Bol"}));
    }
    EXPECT_FALSE(fs::exists(folder_ / "missing"));
    EXPECT_TRUE(fs::is_empty(folder_ / "folder.Bol"));
}

TEST_F(ProjectFileIo, UnwritableFolderKeepsThePreviousFile) {
#if defined(__unix__) || defined(__APPLE__)
    const std::string path = PathOf("Project01.Bol");
    Write(path, "previous project");
    fs::permissions(folder_,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    if (access(folder_.c_str(), W_OK) == 0) GTEST_SKIP() << "this user writes anywhere";
    const ProjectFileError e = FailedSave(path, WspSample());
    EXPECT_NE(std::string(e.what()).find("cannot create a file in its folder"), std::string::npos)
        << e.what();
    EXPECT_EQ(Contents(path), "previous project");
    EXPECT_EQ(Entries(), std::vector<std::string>{"Project01.Bol"});
#else
    GTEST_SKIP() << "folder permissions are not tested here";
#endif
}

TEST_F(ProjectFileIo, SavingThroughALinkUpdatesTheLinkedFile) {
    const std::string real = PathOf("real.Bol");
    Write(real, "previous project");
    fs::create_symlink(real, folder_ / "link.Bol");
    SaveProjectFile(PathOf("link.Bol"), WspSample());
    EXPECT_TRUE(fs::is_symlink(folder_ / "link.Bol"));
    EXPECT_EQ(Contents(real), FormatProject(WspSample()));
}

TEST_F(ProjectFileIo, LoadFailuresNameThePathOrTheLine) {
    fs::create_directory(folder_ / "folder.Bol");
    Write(PathOf("big.Bol"), "TAV JOINTWRIGHT\r\n" + std::string(2 << 20, ' '));
    Write(PathOf("short.Bol"), "TAV JOINTWRIGHT\r\nTAV\r\n");
    struct Case {
        const char* name;
        std::string path;
        int line;
        std::string message;
    } cases[] = {
        {"missing file", PathOf("none.Bol"), 0,
         "Cannot open \"" + PathOf("none.Bol") + "\": No such file or directory."},
        {"a folder", PathOf("folder.Bol"), 0,
         "Cannot open \"" + PathOf("folder.Bol") + "\": it is a folder, not a file."},
        {"a device", "/dev/zero", 0, "Cannot open \"/dev/zero\": it is a device, not a file."},
        {"too large", PathOf("big.Bol"), 0,
         "Cannot open \"" + PathOf("big.Bol") + "\": the file is larger than 1 MB"},
        {"not complete", PathOf("short.Bol"), 3, "Line 3: the file ends before the title."},
    };
    for (const auto& c : cases) {
        try {
            LoadProjectFile(c.path);
            ADD_FAILURE() << c.name << ": loaded";
        } catch (const ProjectFileError& e) {
            EXPECT_EQ(e.line(), c.line) << c.name;
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << c.name << ": " << e.what();
        }
    }
}

}  // namespace
}  // namespace jw
