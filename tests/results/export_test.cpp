#include "results/export.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../design/design_fixtures.h"

#ifdef __linux__
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <set>
#endif

namespace jw {
namespace {

namespace fs = std::filesystem;
using testing::MakeInput;

// The fields of a record, each without its " ," end.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end; (end = line.find(" ,", start)) != std::string::npos; start = end + 2)
        fields.push_back(line.substr(start, end - start));
    fields.push_back(line.substr(start));
    return fields;
}

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(ExportLineTest, ShearPlateRecordFieldByField) {
    const ConnectionInput input = MakeInput(
        ConnectionType::WSP, {"10000", "9", "2", "3", "1", "10", "40", "75", "70", "6", "2"},
        "H-200X100X21.3(kg/m)");
    EXPECT_EQ(ExportLine(input, "0.21 / 0.87"),
              "Type WSP ,H-200X100X21.3(kg/m)(8) ,A325-N(2) ,20 mm.(3) ,SS400 / SM400(1) ,"
              "10000 ,9 ,2 ,3 ,1 ,10 ,40 ,75 ,70 ,6 ,2 ,Stress Range = 0.21 / 0.87");
}

struct RecordCase {
    const char* name;
    ConnectionType type;
    int memberGrade;
    const char* firstField;
    // Fields between the bolt diameter and the first value: angle and grade.
    std::vector<std::string> chosenFields;
    std::size_t valueFields;
};

void PrintTo(const RecordCase& c, std::ostream* os) {
    *os << c.name;
}

class ExportRecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(ExportRecordTest, FieldsInOrder) {
    const RecordCase& c = GetParam();
    ConnectionInput input = MakeInput(c.type, {});
    for (int row = 1; row < input.grid.rows; ++row)
        input.grid.At(row, kValueColumn) = "v" + std::to_string(row);
    input.choices.memberGrade = c.memberGrade;
    input.choices.angleSection = 7;
    const std::vector<std::string> fields = Fields(ExportLine(input, "0.10 / 0.90"));

    ASSERT_EQ(fields.size(), 4 + c.chosenFields.size() + c.valueFields + 1) << c.name;
    EXPECT_EQ(fields[0], c.firstField) << c.name;
    EXPECT_EQ(fields[1], "H-300X150X36.7(kg/m)(21)") << c.name;
    EXPECT_EQ(fields[3], "20 mm.(3)") << c.name;
    for (std::size_t i = 0; i < c.chosenFields.size(); ++i)
        EXPECT_EQ(fields[4 + i], c.chosenFields[i]) << c.name << ", field " << 4 + i;
    const std::size_t firstValue = 4 + c.chosenFields.size();
    for (std::size_t i = 0; i < c.valueFields; ++i)
        EXPECT_EQ(fields[firstValue + i], "v" + std::to_string(i + 1)) << c.name;
    EXPECT_EQ(fields.back(), "Stress Range = 0.10 / 0.90") << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    EveryTypeAndGrade, ExportRecordTest,
    ::testing::Values(
        RecordCase{"WSP SS490", ConnectionType::WSP, 2, "Type WSP", {"SS490(2)"}, 11},
        RecordCase{"ACLT adds its angle before the grade",
                   ConnectionType::ACLT,
                   3,
                   "Type ACLT",
                   {"L-75X75X9.96(kg/m)(7)", "SM520(3)"},
                   8},
        RecordCase{"ACLT with SM490 has no grade field",
                   ConnectionType::ACLT,
                   4,
                   "Type ACLT",
                   {"L-75X75X9.96(kg/m)(7)"},
                   8},
        RecordCase{
            "BMEP SM490 goes straight to the values", ConnectionType::BMEP, 4, "Type BMEP", {}, 6},
        RecordCase{"BSPL is written BSLP",
                   ConnectionType::BSPL,
                   1,
                   "Type BSLP",
                   {"SS400 / SM400(1)"},
                   16}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(ExportLineTest, NothingChosenWritesMinusOneAndAnEmptyName) {
    ConnectionInput input = MakeInput(ConnectionType::WSP, {});
    input.choices.beamSection = -1;
    input.choices.memberGrade = 0;
    const std::vector<std::string> fields = Fields(ExportLine(input, ""));
    EXPECT_EQ(fields[1], "(-1)");
    EXPECT_EQ(fields[4], "") << "an empty value cell is an empty field, not a grade";
    EXPECT_EQ(fields.back(), "Stress Range = ");
}

TEST(ExportLineTest, ValuesAreWrittenExactlyAsTyped) {
    ConnectionInput input = MakeInput(ConnectionType::BMEP, {" 100000", "1,5", "9 ,4", "", "", ""});
    const std::string line = ExportLine(input, "x");
    EXPECT_NE(line.find(",SS400 / SM400(1) , 100000 ,1,5 ,9 ,4 , , , ,Stress Range = x"),
              std::string::npos)
        << line;
}

class AppendExportLineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() /
            ("jw_export_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_F(AppendExportLineTest, CreatesTheFileThenAppendsOneLineEach) {
    const fs::path path = folder_ / "BoltData.txt";
    EXPECT_EQ(AppendExportLine(path.string(), "first ,"), "");
    EXPECT_EQ(FileBytes(path), "first ,\r\n");
    EXPECT_EQ(AppendExportLine(path.string(), "first ,"), "");
    EXPECT_EQ(FileBytes(path), "first ,\r\nfirst ,\r\n") << "the same export twice: two lines";
}

TEST_F(AppendExportLineTest, KeepsWhatTheFileHeld) {
    const fs::path path = folder_ / "BoltData.txt";
    std::ofstream(path, std::ios::binary) << "older record without a line end";
    EXPECT_EQ(AppendExportLine(path.string(), "new"), "");
    EXPECT_EQ(FileBytes(path), "older record without a line endnew\r\n");
}

TEST_F(AppendExportLineTest, RecordsAreWrittenInTheCodePage) {
    const fs::path path = folder_ / "BoltData.txt";
    EXPECT_EQ(
        AppendExportLine(path.string(), "Type WSP ,\u0E01\u0E02 ,\u20AC", CodePage::Windows874),
        "");
    EXPECT_EQ(FileBytes(path), "Type WSP ,\xA1\xA2 ,\x80\r\n");
    EXPECT_EQ(AppendExportLine(path.string(), "Type WSP ,\u0E01 ,"),
              "the record holds \"\u0E01\" (U+0E01), which the code page Windows-1252 (Western "
              "European) cannot store");
    EXPECT_EQ(FileBytes(path), "Type WSP ,\xA1\xA2 ,\x80\r\n") << "nothing of a refused record";
}

TEST_F(AppendExportLineTest, ReportsAFileThatCannotBeWritten) {
    const fs::path missingFolder = folder_ / "no such folder" / "BoltData.txt";
    EXPECT_NE(AppendExportLine(missingFolder.string(), "line"), "");
    EXPECT_FALSE(fs::exists(missingFolder));
    EXPECT_NE(AppendExportLine(folder_.string(), "line"), "") << "a folder is not a file";
}

#ifdef __linux__
// A disk that fills part way through the record: the file size limit lets the first bytes of
// the record through and refuses the rest, as a full disk would.
TEST_F(AppendExportLineTest, AFailedAppendLeavesNoHalfRecord) {
    const fs::path path = folder_ / "BoltData.txt";
    std::ofstream(path, std::ios::binary) << "kept\r\n";
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 10;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string reason = AppendExportLine(path.string(), "a record longer than the limit");
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_NE(reason, "");
    EXPECT_EQ(FileBytes(path), "kept\r\n");
}

// The record of exporter `e`'s `r`-th export: lengths differ so records straddle the end of the
// disk at every offset.
std::string ConcurrentRecord(int e, int r) {
    return "Type WSP ,exporter " + std::to_string(e) + " record " + std::to_string(r) + " ," +
           std::string(40 + (r * 7) % 50, 'x') + " ,Stress Range = 0.10 / 0.90";
}

// Exporters appending to one file at the same time on a disk that fills up (the file size limit
// lets a write through up to the limit and refuses the rest, as a full disk does): every record
// an exporter was told was written is in the file whole and once, and nothing else is.
TEST_F(AppendExportLineTest, ConcurrentExportersOnAFillingDiskLoseNoReportedRecord) {
    // Every record waits for the disk; a memory file system keeps the test quick.
    const fs::path memory = "/dev/shm";
    const fs::path path = (fs::is_directory(memory) && access(memory.c_str(), W_OK) == 0
                               ? memory / ("jw_export_" + std::to_string(getpid()) + ".txt")
                               : folder_ / "BoltData.txt");
    struct Remove {
        fs::path path;
        ~Remove() { fs::remove(path); }
    } remove{path};
    constexpr int kExporters = 6;
    constexpr int kRecords = 150;
    constexpr rlim_t kDiskBytes = 16 * 1024;
    int reports[2];
    ASSERT_EQ(pipe(reports), 0);
    std::vector<pid_t> exporters;
    for (int e = 0; e < kExporters; ++e) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(reports[0]);
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = kDiskBytes;
            setrlimit(RLIMIT_FSIZE, &limit);
            for (int r = 0; r < kRecords; ++r) {
                if (!AppendExportLine(path.string(), ConcurrentRecord(e, r)).empty()) continue;
                const std::string told = std::to_string(e) + " " + std::to_string(r) + "\n";
                if (write(reports[1], told.data(), told.size()) < 0) _exit(2);
            }
            _exit(0);
        }
        exporters.push_back(pid);
    }
    close(reports[1]);
    std::string told;
    char buffer[4096];
    for (ssize_t n; (n = read(reports[0], buffer, sizeof buffer)) > 0;) told.append(buffer, n);
    close(reports[0]);
    for (const pid_t pid : exporters) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    std::set<std::string> reported;
    std::istringstream lines(told);
    for (int e, r; lines >> e >> r;) reported.insert(ConcurrentRecord(e, r));
    const std::string bytes = FileBytes(path);
    EXPECT_EQ(bytes.find('\0'), std::string::npos) << "no NUL bytes";
    EXPECT_TRUE(bytes.empty() || bytes.ends_with("\r\n")) << "no half record at the end";
    std::map<std::string, int> inFile;
    for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        ++inFile[bytes.substr(start, end - start)];
    for (const auto& [record, count] : inFile) {
        EXPECT_EQ(count, 1) << record;
        EXPECT_EQ(reported.count(record), 1u) << "a torn or unreported record: " << record;
    }
    for (const std::string& record : reported)
        EXPECT_EQ(inFile.count(record), 1u) << "reported as written but lost: " << record;
    EXPECT_GT(reported.size(), 50u);
    EXPECT_LT(reported.size(), std::size_t{kExporters * kRecords}) << "the disk never filled";
}
#endif

}  // namespace
}  // namespace jw
