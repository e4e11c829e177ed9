#include "project/project_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "project_test_support.h"

namespace jw {
namespace {

using test::MakeProject;
using test::WspSample;

std::string Join(const std::vector<std::string>& lines, const std::string& end = "\r\n") {
    std::string text;
    for (const auto& line : lines) text += line + end;
    return text;
}

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

ConnectionChoices Choices(int grade, int diameter, int beam, int member, int angle = -1) {
    ConnectionChoices c;
    c.boltGrade = grade;
    c.boltDiameter = diameter;
    c.beamSection = beam;
    c.memberGrade = member;
    c.angleSection = angle;
    return c;
}

// `run` must throw ProjectFileError for `line` with a message that begins with `message`.
template <typename Run>
void ExpectRefused(Run run, int line, const std::string& message, const std::string& name) {
    try {
        run();
        ADD_FAILURE() << name << ": accepted";
    } catch (const ProjectFileError& e) {
        EXPECT_EQ(e.line(), line) << name;
        EXPECT_EQ(std::string(e.what()).rfind(message, 0), 0u) << name << ": " << e.what();
    }
}

Project WithInfo(Project project, ProjectInfo info) {
    project.info = std::move(info);
    return project;
}

TEST(ProjectFile, EveryTypeRoundTripsByteForByte) {
    ProjectInfo blanks;
    blanks.project = "  Tower B  ";
    blanks.title = "";
    blanks.jobNo = " 0042";
    blanks.engineer = "S. Wong ";
    struct Case {
        const char* name;
        Project project;
        std::size_t lines;
    } cases[] = {
        {"WSP sample", WspSample(), 25},
        {"ACLT with angle",
         MakeProject(ConnectionType::ACLT, Choices(1, 2, 8, 1, 7),
                     {"10000", "2", "2", "1", "2", "15", "40", "60"}),
         22},
        {"ACLT without beam or angle",
         MakeProject(ConnectionType::ACLT, Choices(0, 0, -1, 0, -1),
                     {"", "", "", "", "", "", "", ""}),
         22},
        {"BMEP with blanks around texts and values",
         WithInfo(MakeProject(ConnectionType::BMEP, Choices(12, 8, 90, 4),
                              {" 100000", "10000 ", "  ", "", "4.5", "E70"}),
                  blanks),
         20},
        {"BSPL, last list positions",
         MakeProject(ConnectionType::BSPL, Choices(12, 8, 90, 3),
                     {"100000", "10000", "12", "2", "2", "1", "15", "40", "60", "12", "2", "3",
                      "30", "20", "45", "40"}),
         30},
        {"no type chosen", MakeProject(ConnectionType::None, Choices(0, 0, -1, 1), {}), 14},
    };
    for (const auto& c : cases) {
        const std::string text = FormatProject(c.project);
        EXPECT_EQ(SplitCrLf(text).size(), c.lines) << c.name;
        EXPECT_EQ(FormatProject(ParseProject(text)), text) << c.name;
    }
}

TEST(ProjectFile, WspSampleMatchesGoldenFile) {
    // After an intended change of the format, regenerate with JW_UPDATE_GOLDEN=1.
    const std::string path = JW_TEST_DIR "/golden/wsp_sample.Bol";
    const std::string text = FormatProject(WspSample());
    if (std::getenv("JW_UPDATE_GOLDEN")) std::ofstream(path, std::ios::binary) << text;
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    const std::string golden{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(text, golden);
}

TEST(ProjectFile, ExampleFilesAreWhatFormatWrites) {
    // The "Ex" sample of each type, as a fresh program would save it. Regenerated with
    // JW_UPDATE_GOLDEN=1 like the golden files.
    const ConnectionChoices ex = Choices(1, 2, 8, 1, 7);
    struct Case {
        const char* file;
        Project project;
    } cases[] = {
        {"wsp_shear_plate.Bol",
         MakeProject(ConnectionType::WSP, ex,
                     {"10000", "9", "2", "2", "1", "15", "40", "60", "70", "6", "1"})},
        {"aclt_angle_cleat.Bol",
         MakeProject(ConnectionType::ACLT, ex, {"10000", "2", "2", "1", "2", "15", "40", "60"})},
        {"bmep_end_plate.Bol",
         MakeProject(ConnectionType::BMEP, ex, {"100000", "10000", "9", "4", "40", "80"})},
        {"bspl_splice.Bol", MakeProject(ConnectionType::BSPL, ex,
                                        {"100000", "10000", "12", "2", "2", "1", "15", "40", "60",
                                         "12", "2", "3", "30", "20", "45", "40"})},
    };
    for (auto& c : cases) {
        c.project.info.title = "Sample " + std::string(TypeName(c.project.type));
        const std::string path = JW_TEST_DIR "/../../examples/" + std::string(c.file);
        const std::string text = FormatProject(c.project);
        if (std::getenv("JW_UPDATE_GOLDEN")) std::ofstream(path, std::ios::binary) << text;
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in) << path;
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), text) << c.file;
    }
}

TEST(ProjectFile, NumberLinesUseThePrintFormAndLine13OnlyForAngleCleats) {
    Project wsp = WspSample();
    wsp.choices.beamSection = -1;
    wsp.choices.angleSection = 5;  // not an angle cleat: the angle is not written
    Project aclt =
        MakeProject(ConnectionType::ACLT, Choices(0, 0, 3, 0, -1), std::vector<std::string>(8));
    Project acltAngle = aclt;
    acltAngle.choices.angleSection = 29;
    struct Case {
        const char* name;
        const Project& project;
        std::vector<std::string> lines8to13;
    } cases[] = {
        {"WSP without beam", wsp, {" 1 ", " 2 ", " 3 ", "-1 ", " 1 ", ""}},
        {"ACLT without angle", aclt, {" 2 ", " 0 ", " 0 ", " 3 ", " 0 ", "-1 "}},
        {"ACLT with angle", acltAngle, {" 2 ", " 0 ", " 0 ", " 3 ", " 0 ", " 29 "}},
    };
    for (const auto& c : cases) {
        const auto lines = SplitCrLf(FormatProject(c.project));
        ASSERT_GE(lines.size(), 13u) << c.name;
        EXPECT_EQ(lines[0], "TAV JOINTWRIGHT") << c.name;
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 7, lines.begin() + 13), c.lines8to13)
            << c.name;
        EXPECT_EQ(lines.back(), "End") << c.name;
    }
}

// The lines of the WSP sample file, for cases that change one of them.
std::vector<std::string> WspLines() {
    return SplitCrLf(FormatProject(WspSample()));
}

std::vector<std::string> WithLine(int line, const std::string& text,
                                  std::vector<std::string> lines = WspLines()) {
    lines[static_cast<std::size_t>(line) - 1] = text;
    return lines;
}

std::vector<std::string> FirstLines(std::size_t count,
                                    std::vector<std::string> lines = WspLines()) {
    lines.resize(count);
    return lines;
}

TEST(ProjectFile, ReadingAcceptsOtherWritersForms) {
    const Project sample = WspSample();
    std::vector<std::string> bare = WspLines();
    for (int line = 8; line <= 12; ++line) {
        std::string& text = bare[static_cast<std::size_t>(line) - 1];
        text = text.substr(text.find_first_not_of(' '));
        text.pop_back();
    }
    std::vector<std::string> extra = WspLines();
    extra.insert(extra.end(), {"anything", "", "more"});
    std::string noFinalBreak = Join(WspLines());
    noFinalBreak.resize(noFinalBreak.size() - 2);
    std::string noFinalLineFeed = Join(WspLines());
    noFinalLineFeed.pop_back();
    struct Case {
        const char* name;
        std::string text;
    } cases[] = {
        {"LF line ends", Join(WspLines(), "\n")},
        {"numbers without blanks", Join(bare)},
        {"numbers with tabs and more blanks", Join(WithLine(9, "\t  2   "))},
        {"number written as 2.0", Join(WithLine(9, "2.0"))},
        {"lines after the last row ignored", Join(extra)},
        {"no line break after End", noFinalBreak},
        {"only the LF of the last line break missing", noFinalLineFeed},
        {"End with blanks around it", Join(WithLine(25, " End\t"))},
        {"a UTF-8 byte-order mark before the header", "\xEF\xBB\xBF" + Join(WspLines())},
        {"a number on line 13 of another type is not used", Join(WithLine(13, " 4 "))},
        {"exactly 50 lines (padded with empty lines)", Join(FirstLines(50, extra))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Project read;
        ASSERT_NO_THROW(read = ParseProject(c.text));
        EXPECT_EQ(FormatProject(read), FormatProject(sample));
    }
}

TEST(ProjectFile, RejectsFaultyFilesNamingTheLine) {
    const auto acltLines = SplitCrLf(FormatProject(MakeProject(
        ConnectionType::ACLT, Choices(1, 2, 8, 1, 7), std::vector<std::string>(8, "1"))));
    std::vector<std::string> tooLong = WspLines();
    tooLong.resize(51);
    struct Case {
        const char* name;
        std::string text;
        int line;
        std::string message;
    } cases[] = {
        {"empty file", "", 1,
         "Line 1: not a JointWright project file (the first line is not \"TAV JOINTWRIGHT\")."},
        {"other header", Join(WithLine(1, "TAV JOINTWRIGHT 2")), 1, "Line 1: not a JointWright"},
        {"byte-order mark of UTF-16", "\xFF\xFE" + Join(WspLines()), 1, "Line 1: not a"},
        {"51 lines", Join(tooLong), 51, "Line 51: the file has more than 50 lines"},
        {"type not a number", Join(WithLine(8, "WSP")), 8,
         "Line 8: the connection type \"WSP\" is not a whole number."},
        {"type 5", Join(WithLine(8, " 5 ")), 8, "Line 8: the connection type 5 does not exist."},
        {"bolt grade 13", Join(WithLine(9, " 13 ")), 9,
         "Line 9: the bolt grade position 13 does not exist."},
        {"bolt grade 1.5", Join(WithLine(9, "1.5")), 9,
         "Line 9: the bolt grade position \"1.5\" is not a whole number."},
        {"a page on one line is quoted cut short", Join(WithLine(9, std::string(5000, 'x'))), 9,
         "Line 9: the bolt grade position \"" + std::string(40, 'x') +
             "...\" is not a whole number."},
        {"bolt grade decimal comma", Join(WithLine(9, "1,0")), 9,
         "Line 9: the bolt grade position \"1,0\" is not a whole number."},
        {"diameter 9", Join(WithLine(10, " 9 ")), 10,
         "Line 10: the bolt diameter position 9 does not exist."},
        {"beam 95", Join(WithLine(11, " 95 ")), 11,
         "Line 11: the beam section position 95 does not exist."},
        {"beam -2", Join(WithLine(11, "-2 ")), 11, "Line 11: the beam section position -2 does"},
        {"beam far past any integer", Join(WithLine(11, "1E300")), 11,
         "Line 11: the beam section position 1E300 does not exist."},
        {"grade option 5", Join(WithLine(12, " 5 ")), 12,
         "Line 12: the member steel grade option 5 does not exist."},
        {"ACLT angle 30", Join(WithLine(13, " 30 ", acltLines)), 13,
         "Line 13: the angle section position 30 does not exist."},
        {"ACLT angle empty", Join(WithLine(13, "", acltLines)), 13,
         "Line 13: the angle section position is missing (the line is empty)."},
        {"WSP line 13 text", Join(WithLine(13, "L-75X75")), 13,
         "Line 13: the angle section position \"L-75X75\" is not a whole number."},
        {"ends inside the texts", Join(FirstLines(5)), 6,
         "Line 6: the file ends before the engineer."},
        {"ends before line 13", Join(FirstLines(12)), 13,
         "Line 13: the file ends before the angle section position."},
        {"ends before the last WSP row", Join(FirstLines(23)), 24,
         "Line 24: the file ends before the value of grid row 11 (\"Number of Weld Side\")."},
        {"ACLT ends early", Join(FirstLines(20, acltLines)), 21,
         "Line 21: the file ends before the value of grid row 8 (\"Bolt c-to-c Distance (c)\")."},
    };
    for (const auto& c : cases)
        ExpectRefused([&] { ParseProject(c.text); }, c.line, c.message, c.name);
}

// Every writer ends the file with "End": a file without it was cut short, and its last value
// may be cut with it ("115" read as "11").
TEST(ProjectFile, RefusesAFileCutShortBeforeItsEndLine) {
    const std::string whole = Join(WithLine(24, "115"));  // ends "115\r\nEnd\r\n"
    const std::string incomplete = "Line 25: \"End\" expected: the file is incomplete.";
    struct Case {
        const char* name;
        std::string text;
        std::string message;
    } cases[] = {
        {"no End line", Join(FirstLines(24)), incomplete},
        {"cut inside End", whole.substr(0, whole.size() - 3), incomplete},
        {"cut before End", whole.substr(0, whole.size() - 5), incomplete},
        {"cut inside the line break before End", whole.substr(0, whole.size() - 6), incomplete},
        {"cut inside the last value (115 would read 11)", whole.substr(0, whole.size() - 8),
         incomplete},
        {"a value where End belongs", Join(WithLine(25, "2")),
         "Line 25: \"End\" expected after the 11 values of the connection type, not \"2\"."},
        {"an empty line where End belongs", Join(WithLine(25, "")),
         "Line 25: \"End\" expected after the 11 values of the connection type, not \"\"."},
    };
    for (const auto& c : cases) ExpectRefused([&] { ParseProject(c.text); }, 25, c.message, c.name);
}

// Line ends of other systems, and a carriage return inside a line, would read as texts that
// hold a CR and that no save can write back.
TEST(ProjectFile, RefusesOtherLineEndsAndCarriageReturnsInsideLines) {
    const std::string wanted = "; a project file's lines end in CR LF.";
    struct Case {
        const char* name;
        std::string text;
        int line;
        std::string message;
    } cases[] = {
        {"CR alone", Join(WspLines(), "\r"), 1,
         "Line 1: the lines end in a carriage return (CR) alone" + wanted},
        {"CR CR LF", Join(WspLines(), "\r\r\n"), 1,
         "Line 1: the lines end in CR CR LF (a carriage return too many)" + wanted},
        {"CR CR LF after a BOM", "\xEF\xBB\xBF" + Join(WspLines(), "\r\r\n"), 1,
         "Line 1: the lines end in CR CR LF"},
        {"one line ends in CR CR LF", Join(WithLine(3, "Connection 01\r")), 3,
         "Line 3: the line ends in CR CR LF (a carriage return too many)" + wanted},
        {"a CR inside the title", Join(WithLine(3, "Conn\rection")), 3,
         "Line 3: the line holds a carriage return (CR) inside it, which a project file cannot "
         "hold."},
        {"a CR inside a value", Join(WithLine(16, "1\r5")), 16,
         "Line 16: the line holds a carriage return (CR) inside it"},
    };
    for (const auto& c : cases)
        ExpectRefused([&] { ParseProject(c.text); }, c.line, c.message, c.name);
}

// The texts are kept in the chosen code page and read back as typed; a character the code page
// cannot hold is refused by name, never written as "?".
TEST(ProjectFile, TextsKeepEveryCharacterOfTheirCodePage) {
    Project thai = WspSample();
    thai.info.project = "\u0E2D\u0E32\u0E04\u0E32\u0E23 A";  // "อาคาร A", a building
    thai.info.title = "\u20AC 12 \u2013 \u201Cok\u201D";
    const std::string bytes = FormatProject(thai, CodePage::Windows874);
    EXPECT_NE(bytes.find("\r\n\xCD\xD2\xA4\xD2\xC3 A\r\n\x80 12 \x96 \x93ok\x94\r\n"),
              std::string::npos);
    EXPECT_EQ(ParseProject(bytes, CodePage::Windows874).info.project, thai.info.project);
    EXPECT_EQ(ParseProject(bytes, CodePage::Windows874).info.title, thai.info.title);

    Project western = WspSample();
    western.info.engineer = "Fran\u00E7ois M\u00FCller \u20AC";
    const std::string latin = FormatProject(western, CodePage::Windows1252);
    EXPECT_NE(latin.find("\r\nFran\xE7ois M\xFCller \x80\r\n"), std::string::npos);
    EXPECT_EQ(ParseProject(latin).info.engineer, western.info.engineer);

    ExpectRefused([&] { FormatProject(thai, CodePage::Windows1252); }, 2,
                  "The project name holds \"\u0E2D\" (U+0E2D), which the code page Windows-1252 "
                  "(Western European) cannot store.",
                  "Thai in Windows-1252");
    ExpectRefused([&] { FormatProject(western, CodePage::Windows874); }, 6,
                  "The engineer holds \"\u00E7\" (U+00E7), which the code page Windows-874",
                  "a cedilla in Windows-874");
    Project value = WspSample();
    value.values[0] = "10000\u2009";  // a thin space typed after the number
    ExpectRefused([&] { FormatProject(value); }, 14,
                  "The value of grid row 1 (\"Design Shear Force\") holds \"\u2009\" (U+2009)",
                  "a thin space in a value");

    // A file an editor saved as UTF-8, with its byte-order mark, keeps its characters.
    const std::string utf8 = "\xEF\xBB\xBF" + Join(WithLine(2, "\u0E2D\u0E32\u0E04\u0E32\u0E23 A"));
    EXPECT_EQ(ParseProject(utf8).info.project, thai.info.project);
}

TEST(ProjectFile, RefusesToFormatWhatCannotBeReadBack) {
    const auto with = [](auto change) {
        Project p = WspSample();
        change(p);
        return p;
    };
    struct Case {
        const char* name;
        Project project;
        int line;
        std::string message;
    } cases[] = {
        {"line break in the title", with([](Project& p) { p.info.title = "A\r\nB"; }), 3,
         "The title holds a line break, which a project file cannot store."},
        {"LF in the checker", with([](Project& p) { p.info.checker = "x\n"; }), 7,
         "The checker holds a line break"},
        {"CR in a value", with([](Project& p) { p.values[2] = "1\r"; }), 16,
         "The value of grid row 3 (\"Number of Cleat\") holds a line break"},
        {"too few values", with([](Project& p) { p.values.pop_back(); }), 14,
         "The project holds 10 values but its grid has 11 rows."},
        {"values without a type", with([](Project& p) { p.type = ConnectionType::None; }), 14,
         "The project holds 11 values but its grid has 0 rows."},
        {"type outside the list", with([](Project& p) { p.type = ConnectionType{7}; }), 8,
         "The connection type 7 does not exist."},
        {"bolt grade 13", with([](Project& p) { p.choices.boltGrade = 13; }), 9,
         "The bolt grade position 13 does not exist."},
        {"beam -2", with([](Project& p) { p.choices.beamSection = -2; }), 11,
         "The beam section position -2 does not exist."},
        {"ACLT angle 30",
         MakeProject(ConnectionType::ACLT, Choices(0, 0, 0, 1, 30), std::vector<std::string>(8)),
         13, "The angle section position 30 does not exist."},
    };
    for (const auto& c : cases)
        ExpectRefused([&] { FormatProject(c.project); }, c.line, c.message, c.name);
}

TEST(ProjectFile, GridHoldsTheValuesUnderTheTypesLabels) {
    const Project sample = WspSample();
    const TextGrid grid = ProjectGrid(sample);
    ASSERT_EQ(grid.rows, 12);
    EXPECT_EQ(grid.At(11, kLabelColumn), "Number of Weld Side");
    EXPECT_EQ(grid.At(11, kValueColumn), "2");
    EXPECT_EQ(GridValues(grid), sample.values);
    EXPECT_EQ(GridValues(BuildInputGrid(ConnectionType::BSPL)), std::vector<std::string>(16));
}

}  // namespace
}  // namespace jw
