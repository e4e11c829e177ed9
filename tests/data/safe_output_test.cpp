// The safe output writer against every kind of thing an output path can name: files are
// replaced whole, links followed to their file, devices and pipes written in place, and
// folders, sockets, block devices, dangling or looping links, read-only files and the run's own
// inputs refused with the earlier state untouched.
#include "data/safe_output.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

namespace jw {
namespace {

namespace fs = std::filesystem;

class SafeOutput : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("jw_safe_output_" + std::to_string(std::random_device()()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    std::string At(const std::string& name) const { return (folder_ / name).string(); }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    // The folder's entries, so a test sees a temporary file left behind.
    std::vector<std::string> Entries(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static FileIdentity IdentityOf(const fs::path& path) {
        struct stat status {};
        EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
        return {static_cast<std::uint64_t>(status.st_dev),
                static_cast<std::uint64_t>(status.st_ino)};
    }

    fs::path folder_;
};

TEST_F(SafeOutput, FilesAreReplacedWholeKeepingTheirPermissions) {
    EXPECT_EQ(WriteOutputFile(At("new.out"), "first"), "");
    EXPECT_EQ(Read(folder_ / "new.out"), "first");

    Write(folder_ / "old.out", std::string(5000, 'x'));
    fs::permissions(folder_ / "old.out",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(WriteOutputFile(At("old.out"), "second"), "");
    EXPECT_EQ(Read(folder_ / "old.out"), "second") << "no tail of the longer old file";
    EXPECT_EQ(fs::status(folder_ / "old.out").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Entries(folder_), (std::vector<std::string>{"new.out", "old.out"}));
}

TEST_F(SafeOutput, LinksAreFollowedToTheirFileAndStayLinks) {
    fs::create_directories(folder_ / "a");
    fs::create_directories(folder_ / "b");
    Write(folder_ / "b" / "real.out", "old");
    // a/first -> second -> ../b/real.out: the second link's text is relative to its own folder.
    fs::create_symlink("../b/real.out", folder_ / "a" / "second");
    fs::create_symlink("second", folder_ / "a" / "first");
    EXPECT_EQ(WriteOutputFile(At("a/first"), "through two links"), "");
    EXPECT_EQ(Read(folder_ / "b" / "real.out"), "through two links");
    EXPECT_TRUE(fs::is_symlink(folder_ / "a" / "first"));
    EXPECT_TRUE(fs::is_symlink(folder_ / "a" / "second"));
    EXPECT_EQ(Entries(folder_ / "b"), std::vector<std::string>{"real.out"})
        << "the temporary file went to the linked file's folder and is gone";

    fs::create_symlink((folder_ / "b" / "real.out").string(), folder_ / "absolute");
    EXPECT_EQ(WriteOutputFile(At("absolute"), "absolute link"), "");
    EXPECT_EQ(Read(folder_ / "b" / "real.out"), "absolute link");
}

TEST_F(SafeOutput, RefusesWhatIsNotAnOutputAndChangesNothing) {
    fs::create_symlink("nowhere", folder_ / "dangling");
    fs::create_symlink("loop2", folder_ / "loop1");
    fs::create_symlink("loop1", folder_ / "loop2");
    fs::create_directories(folder_ / "folder");
    fs::create_symlink("folder", folder_ / "link to folder");
    Write(folder_ / "issued.out", "issued");
    fs::permissions(folder_ / "issued.out", fs::perms::owner_read | fs::perms::group_read);
    Write(folder_ / "project.Bol", "project");
    fs::create_symlink("project.Bol", folder_ / "link to project");
    fs::create_hard_link(folder_ / "project.Bol", folder_ / "second name.Bol");
    const std::vector<InputFile> inputs = {{"project.Bol", IdentityOf(folder_ / "project.Bol")}};

    int socketFd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = At("socket");
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    const struct {
        const char* name;
        std::string path;
        std::string reason;
    } cases[] = {
        {"dangling link", At("dangling"), "it is a link to \"nowhere\", which does not exist"},
        {"looping link", At("loop1"), "it is a loop of links"},
        {"folder", At("folder"), "it is a folder"},
        {"folder with a slash", At("folder") + "/", "it is a folder"},
        {"link to a folder", At("link to folder"), "it is a folder"},
        {"socket", At("socket"), "it is a socket"},
        {"missing folder", At("missing/x.out"), "its folder does not exist"},
        {"read-only file, whoever runs the program", At("issued.out"), "the file is read-only"},
        {"the input itself", At("project.Bol"),
         "it is the same file as \"project.Bol\", which this run reads"},
        {"the input through a link", At("link to project"),
         "it is the same file as \"project.Bol\", which this run reads"},
        {"the input under a second name", At("second name.Bol"),
         "it is the same file as \"project.Bol\", which this run reads"},
        {"no name", "", "no file name was given"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(OutputTargetProblem(c.path, inputs), c.reason);
        OutputOptions options;
        options.inputs = inputs;
        EXPECT_EQ(WriteOutputFile(c.path, "output", options), c.reason);
    }
    close(socketFd);
    EXPECT_EQ(Read(folder_ / "issued.out"), "issued");
    EXPECT_EQ(Read(folder_ / "project.Bol"), "project");
    EXPECT_TRUE(fs::is_symlink(folder_ / "dangling"));
    EXPECT_FALSE(fs::exists(folder_ / "nowhere"));
    EXPECT_TRUE(fs::is_empty(folder_ / "folder"));
    EXPECT_EQ(Entries(folder_).size(), 10u) << "no temporary file is left";
}

TEST_F(SafeOutput, DevicesAreWrittenInPlaceAndBlockDevicesRefused) {
    // Nodes of their own, so the test never touches the system's /dev.
    if (mknod(At("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
        mknod(At("disk").c_str(), S_IFBLK | 0600, makedev(7, 250)) != 0)
        GTEST_SKIP() << "this user cannot make device nodes";
    EXPECT_EQ(WriteOutputFile(At("null"), "discarded"), "");
    EXPECT_EQ(fs::status(folder_ / "null").type(), fs::file_type::character);
    fs::create_symlink("null", folder_ / "to null");
    EXPECT_EQ(WriteOutputFile(At("to null"), "discarded"), "");
    EXPECT_EQ(fs::status(folder_ / "null").type(), fs::file_type::character);
    EXPECT_EQ(WriteOutputFile(At("disk"), "never"), "it is a block device (a disk or a partition)");
    EXPECT_EQ(fs::status(folder_ / "disk").type(), fs::file_type::block);
    EXPECT_EQ(Entries(folder_), (std::vector<std::string>{"disk", "null", "to null"}));
}

TEST_F(SafeOutput, PipesAreWrittenInPlaceOnceAProgramReadsThem) {
    ASSERT_EQ(mkfifo(At("pipe").c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));  // a reader that is late
        std::ifstream in(folder_ / "pipe", std::ios::binary);
        received.assign(std::istreambuf_iterator<char>(in), {});
    });
    EXPECT_EQ(WriteOutputFile(At("pipe"), "through the pipe"), "");
    reader.join();
    EXPECT_EQ(received, "through the pipe");
    EXPECT_EQ(fs::status(folder_ / "pipe").type(), fs::file_type::fifo);

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(WriteOutputFile(At("pipe"), "nobody reads"), "no program reads from the pipe");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << "no hang";
}

// /dev/stdout, /dev/fd/N and /proc/self/fd/N are the program's own stream: written where it
// stands, so a report sent to a redirected standard output is not renamed away from it.
TEST_F(SafeOutput, TheProgramsOwnStreamsAreWrittenWhereTheyStand) {
    if (!fs::exists("/proc/self/fd")) GTEST_SKIP() << "no /proc file system";
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    EXPECT_EQ(WriteOutputFile("/dev/fd/" + std::to_string(pipeFds[1]), "to a pipe"), "");
    close(pipeFds[1]);
    char buffer[64] = {};
    EXPECT_EQ(read(pipeFds[0], buffer, sizeof buffer), 9);
    EXPECT_STREQ(buffer, "to a pipe");
    close(pipeFds[0]);

    Write(folder_ / "redirected.txt", "");
    const int file = open(At("redirected.txt").c_str(), O_WRONLY);
    ASSERT_GE(file, 0);
    ASSERT_EQ(write(file, "table ", 6), 6);
    const FileIdentity before = IdentityOf(folder_ / "redirected.txt");
    EXPECT_EQ(WriteOutputFile("/proc/self/fd/" + std::to_string(file), "report "), "");
    ASSERT_EQ(write(file, "more", 4), 4);
    close(file);
    EXPECT_EQ(Read(folder_ / "redirected.txt"), "table report more");
    EXPECT_EQ(IdentityOf(folder_ / "redirected.txt"), before) << "the file was not replaced";

    const int readOnly = open(At("redirected.txt").c_str(), O_RDONLY);
    EXPECT_EQ(WriteOutputFile("/dev/fd/" + std::to_string(readOnly), "x"),
              "it is not open for writing");
    close(readOnly);
}

// Another user's link in a shared sticky folder such as /tmp is not followed, as the kernel's
// own guard would refuse it.
TEST_F(SafeOutput, AnotherUsersLinkInASharedFolderIsNotFollowed) {
    if (geteuid() != 0) GTEST_SKIP() << "giving a link to another user needs root";
    fs::create_directories(folder_ / "shared");
    fs::permissions(folder_ / "shared", fs::perms::all | fs::perms::sticky_bit);
    Write(folder_ / "victim.out", "keep");
    fs::create_symlink(folder_ / "victim.out", folder_ / "shared" / "planted");
    ASSERT_EQ(lchown(At("shared/planted").c_str(), 4242, 4242), 0);
    EXPECT_EQ(WriteOutputFile(At("shared/planted"), "overwritten"),
              "it is a link in a shared folder that belongs to another user, which is not "
              "followed");
    EXPECT_EQ(Read(folder_ / "victim.out"), "keep");

    ASSERT_EQ(lchown(At("shared/planted").c_str(), 0, 0), 0);
    EXPECT_EQ(WriteOutputFile(At("shared/planted"), "own link"), "");
    EXPECT_EQ(Read(folder_ / "victim.out"), "own link");
}

// A disk that fills part way: the earlier file stays and no temporary file is left.
TEST_F(SafeOutput, AFailedWriteLeavesTheEarlierFile) {
    Write(folder_ / "report.out", "earlier");
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string reason = WriteOutputFile(At("report.out"), std::string(1000, 'r'));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_EQ(reason.rfind("writing failed (", 0), 0u) << reason;
    EXPECT_EQ(Read(folder_ / "report.out"), "earlier");
    EXPECT_EQ(Entries(folder_), std::vector<std::string>{"report.out"});
}

}  // namespace
}  // namespace jw
