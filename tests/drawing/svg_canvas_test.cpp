#include "drawing/svg_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "data/design_error.h"

namespace jw {
namespace {

namespace fs = std::filesystem;

TextGrid Grid(ConnectionType type, const std::vector<std::string>& values) {
    TextGrid grid = BuildInputGrid(type);
    for (std::size_t i = 0; i < values.size(); ++i)
        grid.At(static_cast<int>(i) + 1, kValueColumn) = values[i];
    return grid;
}

ConnectionChoices SampleChoices() {
    ConnectionChoices choices;
    choices.beamSection = 8;
    choices.boltGrade = 1;
    choices.boltDiameter = 2;
    choices.angleSection = 7;
    return choices;
}

struct Sample {
    ConnectionType type;
    std::vector<std::string> values;
};

const Sample kSamples[] = {
    {ConnectionType::WSP, {"10000", "9", "2", "2", "1", "15", "40", "60", "70", "6", "1"}},
    {ConnectionType::ACLT, {"10000", "2", "2", "1", "2", "15", "40", "60"}},
    {ConnectionType::BMEP, {"100000", "10000", "9", "4", "40", "80"}},
    {ConnectionType::BSPL,
     {"100000", "10000", "12", "2", "2", "1", "15", "40", "60", "12", "2", "3", "30", "20", "45",
      "40"}},
};

// A small XML check: every element closes in order, attribute values are quoted, and text holds
// no raw "<" or stray "&". Returns the empty text when the document is well formed.
std::string XmlProblem(const std::string& doc) {
    std::vector<std::string> open;
    std::size_t i = 0;
    if (doc.rfind("<?xml ", 0) != 0) return "no XML declaration";
    i = doc.find("?>") + 2;
    int roots = 0;
    while (i < doc.size()) {
        if (doc[i] == '&') {
            const std::size_t end = doc.find(';', i);
            if (end == std::string::npos || end - i > 8) return "stray & at " + std::to_string(i);
            i = end + 1;
            continue;
        }
        if (doc[i] != '<') {
            if (open.empty() && !std::isspace(static_cast<unsigned char>(doc[i])))
                return "text outside the root";
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        bool quoted = false;
        for (; end < doc.size() && (quoted || doc[end] != '>'); ++end) {
            if (doc[end] == '"') quoted = !quoted;
            if (doc[end] == '<' && !quoted) return "< inside a tag at " + std::to_string(end);
        }
        if (end >= doc.size()) return "unterminated tag";
        const std::string tag = doc.substr(i + 1, end - i - 1);
        if (tag.empty()) return "empty tag";
        if (tag[0] == '/') {
            if (open.empty() || open.back() != tag.substr(1)) return "mismatched </" + tag + ">";
            open.pop_back();
        } else {
            const std::string name = tag.substr(0, tag.find_first_of(" /"));
            if (open.empty() && ++roots > 1) return "two root elements";
            if (tag.back() != '/') open.push_back(name);
        }
        i = end + 1;
    }
    return open.empty() ? "" : "unclosed <" + open.back() + ">";
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return text;
}

TEST(SvgDrawing, EverySampleIsAWellFormedPictureWithBlueDimensionsAndRedBolts) {
    for (const Sample& sample : kSamples) {
        const std::string svg =
            DrawConnectionSvg(sample.type, Grid(sample.type, sample.values), SampleChoices());
        const std::string name(TypeName(sample.type));
        EXPECT_EQ(XmlProblem(svg), "") << name;
        EXPECT_NE(svg.find("<svg xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos);
        EXPECT_NE(svg.find("viewBox=\"0 0 800 800\""), std::string::npos) << name;
        EXPECT_NE(svg.find("<line x1="), std::string::npos) << name;
        EXPECT_NE(svg.find("<circle "), std::string::npos) << name << ": bolts";
        EXPECT_NE(svg.find("stroke=\"#FF0000\""), std::string::npos) << name << ": red bolts";
        EXPECT_NE(svg.find("stroke=\"#0000FF\""), std::string::npos) << name << ": blue dims";
        EXPECT_NE(svg.find("fill=\"#0000FF\">"), std::string::npos) << name << ": blue labels";
        const std::string lower = Lower(svg);
        EXPECT_EQ(lower.find("nan"), std::string::npos) << name;
        EXPECT_EQ(lower.find("inf"), std::string::npos) << name;
    }
}

TEST(SvgCanvas, MapsAnUpwardWindowOntoThePictureAndEscapesText) {
    SvgCanvas canvas(SvgOptions{400, 200, 10});
    canvas.Scale(0, 100, 100, 0);
    canvas.SetDrawWidth(3);
    canvas.Line(0, 0, 100, 100, kLightBlue);
    canvas.Box(10, 90, 20, 80, kBlack);
    canvas.Circle(50, 50, 5, kLightRed);
    canvas.SetForeColor(kLightBlue);
    canvas.SetCurrentX(50);
    canvas.SetCurrentY(50);
    canvas.Print("a<b & \"c\"");
    const std::string svg = canvas.Document();
    EXPECT_EQ(XmlProblem(svg), "");
    EXPECT_NE(svg.find("<line x1=\"0.00\" y1=\"200.00\" x2=\"400.00\" y2=\"0.00\" "
                       "stroke=\"#0000FF\" stroke-width=\"3\"/>"),
              std::string::npos)
        << "y points up: the world's bottom-left is the picture's bottom-left\n"
        << svg;
    EXPECT_NE(svg.find("<rect x=\"40.00\" y=\"20.00\" width=\"40.00\" height=\"20.00\""),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("<circle cx=\"200.00\" cy=\"100.00\" r=\"20.00\" stroke=\"#FF0000\""),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find(">a&lt;b &amp; &quot;c&quot;</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("font-size=\"10.00\""), std::string::npos) << svg;
    EXPECT_LT(canvas.TextHeight("1"), 0) << "text height follows the upward window";
}

TEST(SvgCanvas, EscapesWhatXmlCannotCarryRaw) {
    EXPECT_EQ(EscapeXml("<&>'\""), "&lt;&amp;&gt;&apos;&quot;");
    EXPECT_EQ(EscapeXml(std::string("a\x01"
                                    "b")),
              "a?b");
    EXPECT_EQ(EscapeXml("\xB0"), "&#176;") << "a Latin-1 degree sign";
}

TEST(SvgCanvas, RefusesAPictureWithoutSize) {
    EXPECT_THROW(SvgCanvas(SvgOptions{0, 800, 14}), DesignError);
    EXPECT_THROW(SvgCanvas(SvgOptions{800, 800, 0}), DesignError);
    EXPECT_THROW(DrawConnectionSvg(ConnectionType::None, TextGrid{}, SampleChoices()), DesignError);
}

class SvgFile : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("jw_svg_test_" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path folder_;
};

TEST_F(SvgFile, WritesTheWholeDrawingAndNothingElse) {
    const Sample& wsp = kSamples[0];
    const std::string path = (folder_ / "wsp.svg").string();
    std::ofstream(path) << "an older drawing";
    WriteConnectionSvg(path, wsp.type, Grid(wsp.type, wsp.values), SampleChoices());
    EXPECT_EQ(Read(path), DrawConnectionSvg(wsp.type, Grid(wsp.type, wsp.values), SampleChoices()));
    EXPECT_EQ(Entries(), std::vector<std::string>{"wsp.svg"}) << "no temporary file is left";
}

TEST_F(SvgFile, AFailureNamesThePathAndLeavesNoPartialFile) {
    const Sample& wsp = kSamples[0];
    const TextGrid grid = Grid(wsp.type, wsp.values);
    fs::create_directory(folder_ / "taken");
    std::ofstream(folder_ / "kept.svg") << "an older drawing";
    ConnectionChoices noBeam = SampleChoices();
    noBeam.beamSection = -1;
    struct Case {
        const char* why;
        std::string path;
        ConnectionChoices choices;
        const char* message;
    } cases[] = {
        {"missing folder", (folder_ / "no such folder" / "a.svg").string(), SampleChoices(),
         "no such folder"},
        {"the name of a folder", (folder_ / "taken").string(), SampleChoices(), "taken"},
        {"a drawing that fails", (folder_ / "kept.svg").string(), noBeam, "No beam section"},
    };
    for (const Case& c : cases) {
        try {
            WriteConnectionSvg(c.path, wsp.type, grid, c.choices);
            ADD_FAILURE() << c.why << ": no error";
        } catch (const DesignError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
                << c.why << ": " << error.what();
        }
        EXPECT_EQ(Entries(), (std::vector<std::string>{"kept.svg", "taken"})) << c.why;
        EXPECT_EQ(Read(folder_ / "kept.svg"), "an older drawing") << c.why;
    }
}

}  // namespace
}  // namespace jw
