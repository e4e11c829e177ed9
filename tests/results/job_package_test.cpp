#include "results/job_package.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace jw {
namespace {

std::string Example(const std::string& name) {
    std::ifstream in(std::string(JW_EXAMPLES_DIR) + "/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A shear plate of a single bolt: the web bolt group cannot resist the moment, the run stops.
std::string OneBolt() {
    std::string bytes = Example("standard_wsp_h300x150.Bol");
    Project p = ParseProject(bytes);
    p.values[3] = "1";  // rows
    p.values[4] = "1";  // columns
    return FormatProject(p);
}

TEST(JobPackage, StreamCarriesEveryFileAndEveryReasonWhole) {
    const std::vector<PackageInput> inputs = {
        {"a/b.Bol", std::string("TAV\r\n\0\xff bytes", 13), {}},
        {"", std::string(), {}},
        {"missing.Bol", std::nullopt, "cannot open: no such file"},
    };
    const auto back = ParsePackageStream(PackageStream(inputs));
    ASSERT_TRUE(back);
    ASSERT_EQ(back->size(), inputs.size());
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        EXPECT_EQ((*back)[i].file, inputs[i].file);
        EXPECT_EQ((*back)[i].bytes, inputs[i].bytes);
        EXPECT_EQ((*back)[i].readError, inputs[i].readError);
    }
    const std::string stream = PackageStream(inputs);
    for (const std::string& damaged :
         {std::string("something else"), stream.substr(0, stream.size() - 1), stream + "F 1\n",
          stream + "X 1 1\nab", stream + "F 1 99\nab", stream + "F -1 0\n"})
        EXPECT_FALSE(ParsePackageStream(damaged)) << damaged.substr(stream.size() - 1);
}

TEST(JobPackage, EachFileEndsAsItsDesignRunEnds) {
    struct Case {
        PackageInput input;
        EntryStatus status;
        std::string mark;
        std::string verdict;
        bool calculation;
        bool sheet;
    } cases[] = {
        {{"examples/standard_wsp_h300x150.Bol", Example("standard_wsp_h300x150.Bol"), {}},
         EntryStatus::Accepted,
         "standard_wsp_h300x150",
         "Accept",
         true,
         true},
        {{"c:\\jobs\\b1.Bol", Example("wsp_shear_plate.Bol"), {}},
         EntryStatus::Rejected,
         "b1",
         "REDESIGNED",
         true,
         false},
        {{"one.bolt.Bol", OneBolt(), {}},
         EntryStatus::Stopped,
         "one.bolt",
         "stopped",
         false,
         false},
        {{"bad", std::string("not a project"), {}},
         EntryStatus::NotAProject,
         "bad",
         "not a project file",
         false,
         false},
        {{"gone.Bol", std::nullopt, "cannot open"},
         EntryStatus::NotAProject,
         "gone",
         "not a project file",
         false,
         false},
    };
    std::vector<PackageEntry> entries;
    for (const Case& c : cases) {
        const PackageEntry e = DesignPackageEntry(c.input, kDefaultCodePage, "2026-08-12");
        SCOPED_TRACE(c.input.file);
        EXPECT_EQ(e.status, c.status);
        EXPECT_EQ(e.mark, c.mark);
        EXPECT_EQ(e.verdict, c.verdict);
        EXPECT_EQ(e.HasCalculation(), c.calculation);
        EXPECT_EQ(e.HasSheet(), c.sheet);
        EXPECT_EQ(e.reason.empty(), c.calculation) << "a file without pages says why";
        if (e.connection) {
            EXPECT_EQ(e.connection->calculation.source.fileName, c.input.file);
        }
        entries.push_back(e);
    }
    EXPECT_EQ(entries[1].governingMode, "Bearing at Beam Web");
    EXPECT_EQ(entries[1].governingRatio, "2.15");
    EXPECT_NE(entries[2].reason.find("cannot resist"), std::string::npos) << entries[2].reason;
    EXPECT_EQ(entries[4].reason, "cannot open");
}

TEST(JobPackage, ExitStatusIsTheWorstFile) {
    auto entry = [](EntryStatus status) {
        PackageEntry e;
        e.status = status;
        return e;
    };
    using S = EntryStatus;
    EXPECT_EQ(PackageExitStatus({}), 0);
    EXPECT_EQ(PackageExitStatus({entry(S::Accepted), entry(S::Accepted)}), 0);
    EXPECT_EQ(PackageExitStatus({entry(S::Rejected), entry(S::Accepted)}), 1);
    EXPECT_EQ(PackageExitStatus({entry(S::Rejected), entry(S::Stopped)}), 2);
    EXPECT_EQ(PackageExitStatus({entry(S::NotAProject), entry(S::Stopped), entry(S::Accepted)}), 3);
}

TEST(JobPackage, CoverTakesTheFirstProjectAndTheIndexHasALinePerFile) {
    std::vector<PackageEntry> entries = {
        DesignPackageEntry({"bad.Bol", std::string("junk"), {}}, kDefaultCodePage, "d"),
        DesignPackageEntry({"wsp.Bol", Example("wsp_shear_plate.Bol"), {}}, kDefaultCodePage, "d"),
        DesignPackageEntry({"std.Bol", Example("standard_wsp_h300x150.Bol"), {}}, kDefaultCodePage,
                           "d"),
    };
    entries[2].firstPage = 7;
    EXPECT_EQ(PackageInfo(entries).title, "Sample WSP");
    std::string cover;
    for (const CalcTextLine& line : PackageCoverLines(entries, "2026-08-12"))
        cover += line.text + "\n";
    for (const char* expected : {"Title    : Sample WSP", "Date     : 2026-08-12", "Connections: 3",
                                 "accepted                : 1", "to be redesigned        : 1",
                                 "not designed (see index): 1"})
        EXPECT_NE(cover.find(expected), std::string::npos) << expected;

    const std::vector<CalcTextLine> index = PackageIndexLines(entries);
    std::vector<std::string> firstLines;
    for (const CalcTextLine& line : index)
        if (line.kind == CalcLineKind::Body && line.text.rfind("     ", 0) != 0)
            firstLines.push_back(line.text);
    ASSERT_EQ(firstLines.size(), 3u);
    EXPECT_EQ(firstLines[0].rfind("-    bad ", 0), 0u) << firstLines[0];
    EXPECT_NE(firstLines[0].find("not a project file"), std::string::npos);
    EXPECT_EQ(firstLines[2].rfind("7    std ", 0), 0u) << firstLines[2];
    EXPECT_NE(firstLines[2].find("Accept"), std::string::npos);
}

}  // namespace
}  // namespace jw
