// The safe output writer and the input reader on Windows: names in any script, files replaced
// whole, read-only files and the run's own inputs refused by the file's identity whatever name
// it goes by, NUL and named pipes written in place, and exports from many writers at once
// appended whole under the lock.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <thread>
#include <utility>

#include "data/input_file.h"
#include "data/safe_output.h"

namespace jw {
namespace {

namespace fs = std::filesystem;

// The UTF-8 name the programs pass around; fs::path::string() would give the system's code page.
std::string Utf8(const fs::path& path) {
    const std::u8string bytes = path.u8string();
    return std::string(bytes.begin(), bytes.end());
}

fs::path FromUtf8(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

class WindowsFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("jw_windows_" + std::to_string(std::random_device()()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override {
        for (const auto& entry : fs::recursive_directory_iterator(folder_))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    std::string At(const std::string& name) const { return Utf8(folder_ / FromUtf8(name)); }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::vector<std::string> Entries(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(Utf8(entry.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }
    static FileIdentity IdentityOf(const std::string& path) {
        InputBytes input;
        EXPECT_EQ(ReadInputFile(path, 1 << 20, input), "") << path;
        return input.identity;
    }

    fs::path folder_;
};

// A Thai office's project folder and a German engineer's report name, neither of which the
// system's single-byte code page can hold.
TEST_F(WindowsFiles, NamesInAnyScriptAreWrittenReplacedAndRead) {
    const std::string folderName = "\u0E42\u0E04\u0E23\u0E07\u0E01\u0E32\u0E23 Stra\u00DFe";
    fs::create_directories(folder_ / FromUtf8(folderName));
    const std::string report = At(folderName + "/Pr\u00FCfbericht \u0E01.out");

    EXPECT_EQ(WriteOutputFile(report, "first"), "");
    EXPECT_EQ(WriteOutputFile(report, "second"), "");
    EXPECT_EQ(Read(FromUtf8(report)), "second");
    InputBytes input;
    EXPECT_EQ(ReadInputFile(report, 100, input), "");
    EXPECT_EQ(input.bytes, "second");
    EXPECT_NE(input.identity, FileIdentity{});
    EXPECT_EQ(AppendRecord(report, " and more"), "");
    EXPECT_EQ(Read(FromUtf8(report)), "second and more");
    EXPECT_EQ(Entries(folder_ / FromUtf8(folderName)),
              std::vector<std::string>{"Pr\u00FCfbericht \u0E01.out"})
        << "no temporary file is left";
}

TEST_F(WindowsFiles, RefusesWhatIsNotAnOutputAndChangesNothing) {
    fs::create_directories(folder_ / "folder");
    Write(folder_ / "issued.out", "issued");
    fs::permissions(folder_ / "issued.out", fs::perms::owner_write, fs::perm_options::remove);
    Write(folder_ / "project.Bol", "project");
    fs::create_hard_link(folder_ / "project.Bol", folder_ / "second name.Bol");
    const std::vector<InputFile> inputs = {{"project.Bol", IdentityOf(At("project.Bol"))}};

    const struct {
        const char* name;
        std::string path;
        std::string reason;
    } cases[] = {
        {"folder", At("folder"), "it is a folder"},
        {"folder with a backslash", At("folder") + "\\", "it is a folder"},
        {"missing folder", At("missing/x.out"), "its folder does not exist"},
        {"read-only file", At("issued.out"), "the file is read-only"},
        {"the input itself", At("project.Bol"),
         "it is the same file as \"project.Bol\", which this run reads"},
        {"the input in other letters", At("PROJECT.bol"),
         "it is the same file as \"project.Bol\", which this run reads"},
        {"the input under a second name", At("second name.Bol"),
         "it is the same file as \"project.Bol\", which this run reads"},
        {"no name", "", "no file name was given"},
        {"a name that is not UTF-8", Utf8(folder_) + "\\r\xE9sultat.out",
         "its name is not valid UTF-8 text"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(OutputTargetProblem(c.path, inputs), c.reason);
        OutputOptions options;
        options.inputs = inputs;
        EXPECT_EQ(WriteOutputFile(c.path, "output", options), c.reason);
    }
    EXPECT_EQ(AppendRecord(At("issued.out"), "record"), "the file is read-only");
    EXPECT_EQ(Read(folder_ / "issued.out"), "issued");
    EXPECT_EQ(Read(folder_ / "project.Bol"), "project");
    EXPECT_TRUE(fs::is_empty(folder_ / "folder"));
    EXPECT_EQ(Entries(folder_),
              (std::vector<std::string>{"folder", "issued.out", "project.Bol", "second name.Bol"}))
        << "no temporary file is left";
}

TEST_F(WindowsFiles, TheNullDeviceIsWrittenInPlaceAndNeverRead) {
    for (const std::string& path : std::vector<std::string>{"NUL", "nul", At("nul")}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(OutputTargetProblem(path, {}), "");
        EXPECT_EQ(WriteOutputFile(path, "discarded"), "");
        EXPECT_EQ(AppendRecord(path, "discarded"), "");
    }
    InputBytes input;
    EXPECT_EQ(ReadInputFile("NUL", 100, input), "it is a device, not a file");
    EXPECT_TRUE(Entries(folder_).empty());
}

TEST_F(WindowsFiles, ReadingRefusesFoldersAndNamesAMissingFile) {
    fs::create_directories(folder_ / "folder");
    InputBytes input;
    EXPECT_EQ(ReadInputFile(At("folder"), 100, input), "it is a folder, not a file");
    EXPECT_EQ(ReadInputFile(At("none.Bol"), 100, input), "No such file or directory");
}

// A pipe named \\.\pipe\NAME whose server this test plays.
struct PipeServer {
    explicit PipeServer(DWORD direction)
        : name(L"\\\\.\\pipe\\jw_test_" + std::to_wstring(std::random_device()())),
          handle(CreateNamedPipeW(name.c_str(), direction, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 1 << 16,
                                  1 << 16, 0, nullptr)) {}
    ~PipeServer() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
    std::string Path() const { return Utf8(fs::path(name)); }
    void WaitForClient() const { ConnectNamedPipe(handle, nullptr); }

    std::wstring name;
    HANDLE handle;
};

TEST_F(WindowsFiles, NamedPipesAreWrittenInPlace) {
    PipeServer server(PIPE_ACCESS_INBOUND);
    ASSERT_NE(server.handle, INVALID_HANDLE_VALUE);
    std::string received;
    std::thread reader([&] {
        server.WaitForClient();
        char buffer[256];
        for (DWORD n = 0; ReadFile(server.handle, buffer, sizeof buffer, &n, nullptr) && n > 0;)
            received.append(buffer, n);
    });
    EXPECT_EQ(WriteOutputFile(server.Path(), "through the pipe"), "");
    reader.join();
    EXPECT_EQ(received, "through the pipe");
    EXPECT_EQ(WriteOutputFile("\\\\.\\pipe\\jw_nobody_reads", "lost"),
              "no program reads from the pipe");
}

TEST_F(WindowsFiles, PipesAreReadWholeAndAPipeWithoutAWriterIsGivenUp) {
    const std::string sent(100000, 'p');  // more than the pipe holds at once
    {
        PipeServer server(PIPE_ACCESS_OUTBOUND);
        std::thread writer([&] {
            server.WaitForClient();
            std::this_thread::sleep_for(std::chrono::milliseconds(200));  // a writer that is late
            DWORD n = 0;
            WriteFile(server.handle, sent.data(), static_cast<DWORD>(sent.size()), &n, nullptr);
            // The data waits in the pipe until read; closing the server's end then ends it.
            FlushFileBuffers(server.handle);
            CloseHandle(std::exchange(server.handle, INVALID_HANDLE_VALUE));
        });
        InputBytes piped;
        EXPECT_EQ(ReadInputFile(server.Path(), 1 << 20, piped), "");
        writer.join();
        EXPECT_EQ(piped.bytes, sent);
    }
    PipeServer silent(PIPE_ACCESS_OUTBOUND);
    std::thread holder([&] { silent.WaitForClient(); });
    const auto start = std::chrono::steady_clock::now();
    InputBytes input;
    EXPECT_EQ(ReadInputFile(silent.Path(), 100, input),
              "no data arrived through the pipe within 2 seconds");
    const auto waited = std::chrono::steady_clock::now() - start;
    holder.join();
    EXPECT_GE(waited, std::chrono::milliseconds(1900));
    EXPECT_LT(waited, std::chrono::seconds(5));
}

// Engineers exporting at the same time to one shared BoltData.txt: the lock keeps every record
// whole and in the file once.
TEST_F(WindowsFiles, ExportersAtTheSameTimeAppendWholeRecords) {
    const std::string path = At("BoltData.txt");
    constexpr int kExporters = 6;
    constexpr int kRecords = 40;
    std::vector<std::thread> exporters;
    std::vector<int> failures(kExporters, 0);
    for (int e = 0; e < kExporters; ++e)
        exporters.emplace_back([&, e] {
            for (int r = 0; r < kRecords; ++r) {
                const std::string record = "Type WSP ,exporter " + std::to_string(e) + " record " +
                                           std::to_string(r) + " ," +
                                           std::string(40 + (r * 7) % 50, 'x') + "\r\n";
                if (!AppendRecord(path, record).empty()) ++failures[e];
            }
        });
    for (std::thread& exporter : exporters) exporter.join();
    EXPECT_EQ(std::count(failures.begin(), failures.end(), 0), kExporters);
    const std::string bytes = Read(FromUtf8(path));
    std::set<std::string> records;
    std::size_t lines = 0;
    for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos;
         start = end + 2, ++lines) {
        const std::string line = bytes.substr(start, end - start);
        EXPECT_TRUE(line.starts_with("Type WSP ,exporter ")) << "a torn record: " << line;
        records.insert(line);
    }
    EXPECT_EQ(lines, std::size_t{kExporters * kRecords});
    EXPECT_EQ(records.size(), std::size_t{kExporters * kRecords}) << "each record once";
}

}  // namespace
}  // namespace jw
