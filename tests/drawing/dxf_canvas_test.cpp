#include "drawing/dxf_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "../design/design_fixtures.h"
#include "data/design_error.h"
#include "data/grades.h"
#include "drawing/connection_drawings.h"
#include "drawing/recording_canvas.h"
#include "project/project_file.h"

namespace jw {
namespace {

namespace fs = std::filesystem;
using Kind = DrawCall::Kind;
constexpr double kTol = 1e-4;

// A small DXF reader of its own, so the file is checked against the format rather than
// against the writer: code/value lines in pairs, sections, layer table, entities.
struct Entity {
    std::string type;
    std::string layer;
    std::multimap<int, std::string> groups;
    std::vector<std::pair<double, double>> vertices;  // of a POLYLINE

    double Number(int code) const {
        const auto it = groups.find(code);
        if (it == groups.end()) {
            ADD_FAILURE() << type << " has no group " << code;
            return NAN;
        }
        double value = NAN;
        const std::string& text = it->second;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
        if (result.ec != std::errc() || result.ptr != text.data() + text.size())
            ADD_FAILURE() << type << " group " << code << " is not a number: " << text;
        return value;
    }
    std::string Text(int code) const {
        const auto it = groups.find(code);
        return it == groups.end() ? "" : it->second;
    }
};

struct DxfFile {
    std::string problem;  // empty when the structure is sound
    std::vector<std::string> sections;
    std::map<std::string, double> header;  // "$EXTMIN.10" and so on
    std::map<std::string, int> layerColours;
    std::vector<Entity> entities;
};

std::vector<std::pair<int, std::string>> ReadPairs(const std::string& text, std::string& problem) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    if (lines.size() % 2 != 0) problem = "odd number of lines";
    std::vector<std::pair<int, std::string>> pairs;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        const std::string code = lines[i].substr(lines[i].find_first_not_of(' '));
        int value = 0;
        const auto r = std::from_chars(code.data(), code.data() + code.size(), value);
        if (r.ec != std::errc() || r.ptr != code.data() + code.size())
            problem = "line " + std::to_string(i + 1) + " is not a group code: " + lines[i];
        pairs.emplace_back(value, lines[i + 1]);
    }
    return pairs;
}

DxfFile ReadDxf(const std::string& text) {
    DxfFile file;
    const auto pairs = ReadPairs(text, file.problem);
    std::string section;
    std::string variable;
    std::string tableEntry;
    std::string layerName;
    bool ended = false;
    for (const auto& [code, value] : pairs) {
        if (ended) file.problem = "pairs after EOF";
        if (code == 0 && value == "EOF") {
            if (!section.empty()) file.problem = "EOF inside " + section;
            ended = true;
        } else if (code == 0 && value == "SECTION") {
            if (!section.empty()) file.problem = "SECTION inside " + section;
            section = "?";
        } else if (code == 2 && section == "?") {
            section = value;
            file.sections.push_back(value);
        } else if (code == 0 && value == "ENDSEC") {
            if (section.empty()) file.problem = "ENDSEC without SECTION";
            section.clear();
        } else if (section == "HEADER") {
            if (code == 9) variable = value;
            if (code == 10 || code == 20 || code == 70)
                file.header[variable + "." + std::to_string(code)] = std::stod(value);
        } else if (section == "TABLES") {
            if (code == 0) tableEntry = value;
            if (tableEntry == "LAYER" && code == 2) layerName = value;
            if (tableEntry == "LAYER" && code == 62)
                file.layerColours[layerName] = std::stoi(value);
        } else if (section == "ENTITIES") {
            if (code == 0 && value == "VERTEX") {
                if (file.entities.empty() || file.entities.back().type != "POLYLINE")
                    file.problem = "VERTEX outside a POLYLINE";
                else
                    file.entities.back().vertices.emplace_back(NAN, NAN);
            } else if (code == 0 && value == "SEQEND") {
                tableEntry = "SEQEND";
            } else if (code == 0) {
                file.entities.push_back({value, "", {}, {}});
                tableEntry.clear();
            } else if (tableEntry == "SEQEND" || file.entities.empty()) {
                continue;
            } else if (!file.entities.back().vertices.empty() && (code == 10 || code == 20)) {
                auto& v = file.entities.back().vertices.back();
                (code == 10 ? v.first : v.second) = std::stod(value);
            } else if (code == 8) {
                if (file.entities.back().vertices.empty()) file.entities.back().layer = value;
            } else if (file.entities.back().vertices.empty()) {
                file.entities.back().groups.emplace(code, value);
            }
        }
    }
    if (!ended) file.problem = "no EOF";
    return file;
}

std::string LayerOfColour(int colour) {
    return colour == kLightRed ? "BOLTS" : colour == kLightBlue ? "DIMENSIONS" : "MEMBERS";
}

struct Drawn {
    RecordingCanvas recorded;
    DxfFile dxf;
};

Drawn DrawBoth(const Project& project) {
    Drawn d;
    DrawClassicConnection(d.recorded, project.type, ProjectGrid(project), project.choices);
    DxfOptions classic;
    classic.classic = true;
    d.dxf =
        ReadDxf(DrawConnectionDxf(project.type, ProjectGrid(project), project.choices, classic));
    return d;
}

// Every sample project's classic drawing: the file is sound, and it holds exactly what the
// drawing drew, in order, at the same millimetre coordinates and on the layer of each colour's
// role.
TEST(DxfDrawing, EverySampleReadsBackAsTheDrawingMade) {
    const char* samples[] = {"wsp_shear_plate.Bol", "aclt_angle_cleat.Bol", "bmep_end_plate.Bol",
                             "bspl_splice.Bol"};
    for (const char* sample : samples) {
        const Project project =
            LoadProjectFile(JW_TEST_DIR "/../../examples/" + std::string(sample));
        const Drawn d = DrawBoth(project);
        const DxfFile& dxf = d.dxf;
        ASSERT_EQ(dxf.problem, "") << sample;
        EXPECT_EQ(dxf.sections, (std::vector<std::string>{"HEADER", "TABLES", "ENTITIES"}))
            << sample;
        EXPECT_EQ(dxf.header.at("$INSUNITS.70"), 4) << sample << ": millimetres";
        EXPECT_EQ(dxf.layerColours, (std::map<std::string, int>{
                                        {"0", 7}, {"MEMBERS", 7}, {"BOLTS", 1}, {"DIMENSIONS", 5}}))
            << sample;

        std::vector<DrawCall> calls;
        for (const DrawCall& c : d.recorded.Calls())
            if (c.kind != Kind::Clear && c.kind != Kind::Window) calls.push_back(c);
        ASSERT_EQ(dxf.entities.size(), calls.size()) << sample;

        std::map<std::string, int> circlesPerLayer;
        const double boltDia =
            BoltDiaFromItem(kBoltDiameterNames[project.choices.boltDiameter]) * 10;
        for (std::size_t i = 0; i < calls.size(); ++i) {
            const DrawCall& c = calls[i];
            const Entity& e = dxf.entities[i];
            const std::string where = std::string(sample) + " entity " + std::to_string(i);
            EXPECT_EQ(e.layer, LayerOfColour(c.colour)) << where;
            EXPECT_EQ(e.Text(62), "") << where << ": the layer gives the colour";
            switch (c.kind) {
                case Kind::Line:
                    ASSERT_EQ(e.type, "LINE") << where;
                    EXPECT_NEAR(e.Number(10), c.x1, kTol) << where;
                    EXPECT_NEAR(e.Number(20), c.y1, kTol) << where;
                    EXPECT_NEAR(e.Number(11), c.x2, kTol) << where;
                    EXPECT_NEAR(e.Number(21), c.y2, kTol) << where;
                    break;
                case Kind::Box:
                    ASSERT_EQ(e.type, "POLYLINE") << where;
                    EXPECT_EQ(std::stoi(e.Text(70)) & 1, 1) << where << ": closed";
                    ASSERT_EQ(e.vertices.size(), 4u) << where;
                    EXPECT_NEAR(e.vertices[0].first, c.x1, kTol) << where;
                    EXPECT_NEAR(e.vertices[0].second, c.y1, kTol) << where;
                    EXPECT_NEAR(e.vertices[2].first, c.x2, kTol) << where;
                    EXPECT_NEAR(e.vertices[2].second, c.y2, kTol) << where;
                    break;
                case Kind::Circle:
                    ASSERT_EQ(e.type, "CIRCLE") << where;
                    EXPECT_NEAR(e.Number(10), c.x1, kTol) << where;
                    EXPECT_NEAR(e.Number(20), c.y1, kTol) << where;
                    // The ring and its wide pen read as a dot of about the bolt's diameter.
                    EXPECT_NEAR(e.Number(40), boltDia / 2, boltDia * 0.1) << where;
                    ++circlesPerLayer[e.layer];
                    break;
                case Kind::Text:
                    ASSERT_EQ(e.type, "TEXT") << where;
                    EXPECT_EQ(e.Text(1), c.text) << where;
                    EXPECT_GT(e.Number(40), 0) << where << ": a text height";
                    break;
                default:
                    ADD_FAILURE() << where << ": unexpected call";
            }
        }
        EXPECT_EQ(circlesPerLayer["BOLTS"],
                  static_cast<int>(d.recorded.CallsOf(Kind::Circle).size()))
            << sample << ": one bolt circle per bolt drawn";
        EXPECT_EQ(circlesPerLayer.size(), 1u) << sample << ": circles are bolts only";
    }
}

TEST(DxfDrawing, WspWorkedRunPlateAndBoltsAreAtTheirMillimetres) {
    // d 300, a 10, b 40, c 75, 3 rows: W = 90, H = 230, plate from x 220 to 310, y 185 to 415.
    const ConnectionInput in = testing::WspWorkedRun();
    const DxfFile dxf = ReadDxf(DrawConnectionDxf(in.type, in.grid, in.choices));
    ASSERT_EQ(dxf.problem, "");
    const std::vector<std::pair<double, double>> plate = {
        {220, 415}, {310, 415}, {310, 185}, {220, 185}};
    std::vector<std::pair<double, double>> bolts;
    bool plateFound = false;
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (const Entity& e : dxf.entities) {
        if (e.type == "POLYLINE" && e.vertices == plate) plateFound = true;
        if (e.type == "CIRCLE") bolts.emplace_back(e.Number(10), e.Number(20));
        for (const auto& [x, y] : e.vertices) {
            minX = std::fmin(minX, x), maxX = std::fmax(maxX, x);
            minY = std::fmin(minY, y), maxY = std::fmax(maxY, y);
        }
    }
    EXPECT_TRUE(plateFound);
    EXPECT_EQ(bolts, (std::vector<std::pair<double, double>>{{260, 225}, {260, 300}, {260, 375}}));
    // The header's extents hold everything drawn, so CAD zooms to the whole drawing.
    EXPECT_LE(dxf.header.at("$EXTMIN.10"), minX);
    EXPECT_LE(dxf.header.at("$EXTMIN.20"), minY);
    EXPECT_GE(dxf.header.at("$EXTMAX.10"), maxX);
    EXPECT_GE(dxf.header.at("$EXTMAX.20"), maxY);
}

// The detailed drawing of every sample for drafters: at the largest plot scale of the series at
// which it fits A4 landscape, the scale written under it, text at its fixed plotted height by
// role, callouts and hatching on their own layers.
TEST(DxfDrawing, DetailedDrawingsArePlottedToScaleOnA4) {
    const char* samples[] = {"wsp_shear_plate.Bol", "aclt_angle_cleat.Bol", "bmep_end_plate.Bol",
                             "bspl_splice.Bol", "standard_bspl_h300x150.Bol"};
    for (const char* sample : samples) {
        const Project project =
            LoadProjectFile(JW_TEST_DIR "/../../examples/" + std::string(sample));
        const DxfFile dxf =
            ReadDxf(DrawConnectionDxf(project.type, ProjectGrid(project), project.choices));
        ASSERT_EQ(dxf.problem, "") << sample;
        EXPECT_EQ(dxf.header.at("$INSUNITS.70"), 4) << sample;
        EXPECT_EQ(dxf.layerColours, (std::map<std::string, int>{{"0", 7},
                                                                {"MEMBERS", 7},
                                                                {"BOLTS", 1},
                                                                {"DIMENSIONS", 5},
                                                                {"NOTES", 176},
                                                                {"HATCH", 8}}))
            << sample;
        double scale = 0;
        std::map<std::string, int> perLayer;
        for (const Entity& e : dxf.entities) {
            ++perLayer[e.type + " " + e.layer];
            if (e.type == "TEXT" && e.Text(1).rfind("SCALE 1:", 0) == 0)
                scale = std::stod(e.Text(1).substr(8));
        }
        ASSERT_NE(std::find(std::begin(kDxfPlotScales), std::end(kDxfPlotScales), scale),
                  std::end(kDxfPlotScales))
            << sample << ": scale 1:" << scale;
        for (const Entity& e : dxf.entities) {
            if (e.type != "TEXT") continue;
            const double plotted = e.layer == "NOTES" ? 3.5 : 2.5;
            EXPECT_NEAR(e.Number(40), plotted * scale, kTol) << sample << " \"" << e.Text(1);
        }
        for (const char* needed : {"TEXT NOTES", "LINE NOTES", "LINE HATCH", "TEXT DIMENSIONS",
                                   "CIRCLE BOLTS", "POLYLINE MEMBERS"})
            EXPECT_GT(perLayer[needed], 0) << sample << ": no " << needed;
        // The header's extents are the drawing's own, and they fit the sheet at the scale.
        const double width = dxf.header.at("$EXTMAX.10") - dxf.header.at("$EXTMIN.10");
        const double height = dxf.header.at("$EXTMAX.20") - dxf.header.at("$EXTMIN.20");
        EXPECT_LE(width, kDxfSheetWidthMm * scale) << sample;
        EXPECT_LE(height, kDxfSheetHeightMm * scale) << sample;
        EXPECT_GT(width, kDxfSheetWidthMm * scale / 5) << sample << ": fills the sheet";
    }
}

TEST(DxfCanvas, EachColourLandsOnTheLayerOfItsRole) {
    const std::pair<int, std::string_view> cases[] = {{kBlack, kDxfMembersLayer},
                                                      {kLightRed, kDxfBoltsLayer},
                                                      {kLightBlue, kDxfDimensionsLayer},
                                                      {kNoteColour, kDxfNotesLayer},
                                                      {kWarningColour, kDxfNotesLayer},
                                                      {kHatchColour, kDxfHatchLayer},
                                                      {2, kDxfMembersLayer}};
    for (const auto& [colour, layer] : cases) EXPECT_EQ(DxfLayerOf(colour), layer) << colour;
    EXPECT_THROW(DxfLayerOf(16), DesignError);
}

// A DXF for drafters has text at a fixed plotted height whatever the drawing's size.
TEST(DxfCanvas, APlotScaleFixesTheTextHeightByRole) {
    DxfCanvas canvas;
    canvas.SetPlotScale(5);
    canvas.Scale(0, 1000, 1000, 0);
    canvas.SetForeColor(kLightBlue);
    EXPECT_NEAR(std::fabs(canvas.TextHeight("0")), 2.5 * 5 * 1.15 / 0.7, kTol);
    canvas.SetForeColor(kNoteColour);
    EXPECT_NEAR(std::fabs(canvas.TextHeight("0")), 3.5 * 5 * 1.15 / 0.7, kTol);
    canvas.Scale(0, 4000, 4000, 0);
    EXPECT_NEAR(std::fabs(canvas.TextHeight("0")), 3.5 * 5 * 1.15 / 0.7, kTol)
        << "the window does not change it";
    canvas.SetCurrentX(10);
    canvas.SetCurrentY(20);
    canvas.Print("PL-9X230X90");
    const DxfFile dxf = ReadDxf(canvas.Document());
    ASSERT_EQ(dxf.entities.size(), 1u);
    EXPECT_EQ(dxf.entities[0].layer, "NOTES");
    EXPECT_NEAR(dxf.entities[0].Number(40), 17.5, kTol);
}

// What the connection drawings never do but a canvas allows: other colours, a downward window,
// and text that would break the file's line structure.
TEST(DxfCanvas, KeepsOddInputInsideTheFormat) {
    DxfCanvas canvas;
    canvas.Scale(0, 0, 100, 100);  // y downward, as on a page
    canvas.Line(10, 20, 30, 40, 2);
    canvas.SetCurrentX(5);
    canvas.SetCurrentY(50);
    canvas.SetForeColor(kLightBlue);
    canvas.Print("a\r\n  0\r\nEOF\xE9");
    const DxfFile dxf = ReadDxf(canvas.Document());
    ASSERT_EQ(dxf.problem, "");
    ASSERT_EQ(dxf.entities.size(), 2u);
    const Entity& line = dxf.entities[0];
    EXPECT_EQ(line.layer, "MEMBERS");
    EXPECT_EQ(line.Text(62), "96") << "dark green keeps its own colour on the members layer";
    EXPECT_EQ(line.Number(20), -20) << "mirrored so the drawing reads the same way up";
    EXPECT_EQ(line.Number(21), -40);
    const Entity& text = dxf.entities[1];
    EXPECT_EQ(text.layer, "DIMENSIONS");
    EXPECT_EQ(text.Text(1), "a??  0??EOF\\U+00E9");
    EXPECT_EQ(text.Number(11), 5);
    EXPECT_EQ(text.Number(21), -50) << "the text hangs from its top-left corner";
    EXPECT_EQ(text.Text(73), "3");
}

TEST(DxfCanvas, NumbersUseAPointAndStayShort) {
    const std::pair<double, const char*> cases[] = {
        {230, "230.0"},       {-12.5, "-12.5"}, {0.1f, "0.1"},
        {-0.0, "0.0"},        {-1e-9, "0.0"},   {1234567.125, "1234567.125"},
        {2.0 / 3, "0.666667"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(DxfNumber(value), text) << value;
    double back = 0;
    const std::string huge = DxfNumber(-3e20);
    std::from_chars(huge.data(), huge.data() + huge.size(), back);
    EXPECT_DOUBLE_EQ(back, -3e20) << huge;
}

class DxfWrite : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / "jw_dxf_file_test";
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path folder_;
};

TEST_F(DxfWrite, AFailureNamesThePathAndLeavesAnyEarlierFileAlone) {
    const ConnectionInput in = testing::WspWorkedRun();
    const std::string missing = (folder_ / "no" / "such" / "wsp.dxf").string();
    try {
        WriteConnectionDxf(missing, in.type, in.grid, in.choices);
        ADD_FAILURE() << "wrote into a folder that does not exist";
    } catch (const DesignError& error) {
        EXPECT_NE(std::string(error.what()).find(missing), std::string::npos) << error.what();
    }

    const fs::path kept = folder_ / "kept.dxf";
    std::ofstream(kept) << "earlier drawing";
    ConnectionInput noBeam = in;
    noBeam.choices.beamSection = -1;
    EXPECT_THROW(WriteConnectionDxf(kept.string(), noBeam.type, noBeam.grid, noBeam.choices),
                 DesignError);
    std::ifstream back(kept);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(back), {}), "earlier drawing");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1)
        << "no temporary file left behind";
}

}  // namespace
}  // namespace jw
