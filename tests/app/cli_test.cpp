// End-to-end runs of the command-line program on project files.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../design/design_fixtures.h"
#include "cli_fixture.h"
#include "project/project_file.h"

namespace jw {
namespace {

namespace fs = std::filesystem;

using testing::Outcome;

class Cli : public testing::CliFolderTest {
  protected:
    std::string Save(const std::string& name, const ConnectionInput& input) {
        Project project;
        project.type = input.type;
        project.choices = input.choices;
        project.values = GridValues(input.grid);
        SaveProjectFile((folder_ / name).string(), project);
        return name;
    }
};

TEST_F(Cli, DesignPrintsJsonAndWritesTheReport) {
    Save("wsp.Bol", testing::WspWorkedRun());
    const Outcome o = RunCli("design wsp.Bol --json");
    EXPECT_EQ(o.status, 1) << o.out;
    EXPECT_EQ(
        o.out,
        "{\"type\": \"WSP\", \"caption\": \"Shear Plate Connection\", \"accepted\": false, "
        "\"classic_accepted\": false, \"table\": [[\"\", \"\", \"\", \"\"], [\"*** Web Splice "
        "***\", \"\", \"\", \"\"], "
        "[\"S.R. Bolt shear\", \"AISC/ASD Sect. J.4-1\", \"1.03\", \"REDESIGNED\"], "
        "[\"S.R. Bearing at Beam Web\", \"AISC/ASD Sect. J.3-1\", \"0.74\", \"PASSED\"], "
        "[\"S.R. Bearing at Web Cleat(s)\", \"AISC/ASD Sect. J.3-1\", \"0.54\", \"PASSED\"], "
        "[\"S.R. Tearing at Beam Web\", \"AISC/ASD Sect. J.5-2\", \"0.60\", \"PASSED\"], "
        "[\"S.R. Tearing at Web Cleat(s)\", \"AISC/ASD Sect. J.5-2\", \"0.55\", \"PASSED\"], "
        "[\"S.R. Shear resistance of welded cleat plate\", \"AISC/ASD Sect. J.2-2\", "
        "\"0.35\", \"PASSED\"], [\"\", \"\", \"\", \"\"]], \"summary\": [[\"Beam\", "
        "\"H-300X150X36.7(kg/m)\"], [\"Cleat Plate\", \"1 PL-9X230X90\"], [\"Bolt\", "
        "\"3 - M20 (A325-N)\"], [\"Stress Range\", \"0.35 / 1.03\"], [\"Mode of Failure\", "
        "\"Bolt shear\"]], "
        "\"further\": [{\"check\": \"End distance\", \"clause\": \"AISC-ASD89 J3.9\", \"demand\": 3"
        ", \"capacity\": 4, \"unit\": \"cm\", \"ratio\": \"0.75\", \"verdict\": \"PASSED\"}"
        ", {\"check\": \"Bolt spacing\", \"clause\": \"AISC-ASD89 J3.8\", \"demand\": 5.3333"
        ", \"capacity\": 7.5, \"unit\": \"cm\", \"ratio\": \"0.71\", \"verdict\": \"PASSED\"}"
        ", {\"check\": \"Edge distance\", \"clause\": \"AISC-ASD89 Table J3.5\", \"demand\": 2.6"
        ", \"capacity\": 4, \"unit\": \"cm\", \"ratio\": \"0.65\", \"verdict\": \"PASSED\"}"
        ", {\"check\": \"Beam web shear\", \"clause\": \"AISC-ASD89 F4\", \"demand\": 10000"
        ", \"capacity\": 18688.7993, \"unit\": \"kg\", \"ratio\": \"0.54\", \"verdict\": "
        "\"PASSED\"}"
        ", {\"check\": \"Gross shear of plate(s)\", \"clause\": \"AISC-ASD89 F4\""
        ", \"demand\": 10000, \"capacity\": 19838.88, \"unit\": \"kg\", \"ratio\": \"0.50\""
        ", \"verdict\": \"PASSED\"}, {\"check\": \"Plate flexure\", \"clause\": \"Practice, 0.60 "
        "Fy\""
        ", \"demand\": 50000, \"capacity\": 114073.56, \"unit\": \"kg-cm\", \"ratio\": \"0.44\""
        ", \"verdict\": \"PASSED\"}, {\"check\": \"Weld size minimum\""
        ", \"clause\": \"AISC-ASD89 Table J2.4\", \"demand\": 0.5, \"capacity\": 0.6"
        ", \"unit\": \"cm\", \"ratio\": \"0.83\", \"verdict\": \"PASSED\"}"
        ", {\"check\": \"Weld base metal\", \"clause\": \"AISC-ASD89 Table J2.5\""
        ", \"demand\": 10000, \"capacity\": 19838.88, \"unit\": \"kg\", \"ratio\": \"0.50\""
        ", \"verdict\": \"PASSED\"}, {\"check\": \"Plate within clear web\", \"clause\": "
        "\"Practice\""
        ", \"demand\": 23, \"capacity\": 25.6, \"unit\": \"cm\", \"ratio\": \"0.90\""
        ", \"verdict\": \"PASSED\"}, {\"check\": \"Buildable geometry\", \"clause\": \"Practice\""
        ", \"demand\": 0.6, \"capacity\": 0.9, \"unit\": \"cm\", \"ratio\": \"0.67\""
        ", \"verdict\": \"PASSED\"}], "
        "\"warnings\": [\"Fillet weld 6 mm suits a support up to 19 mm thick (Table J2.4): "
        "check the support's thickness.\"]}\n");
    const std::string report = Read("result.out");
    EXPECT_EQ(report.find("----------------------------------------\r\nJointWright\r\n"), 0u);
    EXPECT_NE(report.find("Type - Welded Shear Plate (WSP)\r\n"), std::string::npos);
}

TEST_F(Cli, ExitStatusTellsAcceptedStoppedAndBadFiles) {
    Save("aclt.Bol", testing::AcltWorkedRun());
    Outcome o = RunCli("design aclt.Bol --report out/aclt.out");
    EXPECT_EQ(o.status, 2) << "the report folder does not exist: " << o.out;
    EXPECT_NE(o.out.find("out/aclt.out"), std::string::npos) << o.out;
    fs::create_directories(folder_ / "out");
    o = RunCli("design aclt.Bol --report out/aclt.out");
    EXPECT_EQ(o.status, 0) << o.out;
    EXPECT_NE(o.out.find("Connection   | Accept"), std::string::npos) << o.out;
    EXPECT_TRUE(fs::exists(folder_ / "out/aclt.out"));

    ConnectionInput incomplete = testing::WspWorkedRun();
    incomplete.grid.At(4, kValueColumn) = "";
    Save("incomplete.Bol", incomplete);
    o = RunCli("design incomplete.Bol");
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.out, "Input data not complete! Re-Input Data.\n");

    std::ofstream(folder_ / "bad.Bol") << "NOT A PROJECT\r\n";
    o = RunCli("design bad.Bol");
    EXPECT_EQ(o.status, 3);
    EXPECT_NE(o.out.find("Line 1"), std::string::npos) << o.out;

    o = RunCli("design");
    EXPECT_EQ(o.status, 2);
    o = RunCli("design --help");
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out.find("Usage: jointwright-cli design"), 0u);
}

TEST_F(Cli, DrawWritesAnSvgAfterThePreviewGate) {
    Save("wsp.Bol", testing::WspWorkedRun());
    Outcome o = RunCli("draw wsp.Bol --svg wsp.svg");
    EXPECT_EQ(o.status, 0) << o.out;
    const std::string svg = Read("wsp.svg");
    EXPECT_EQ(svg.find("<?xml"), 0u);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);

    ConnectionInput incomplete = testing::WspWorkedRun();
    incomplete.grid.At(2, kValueColumn) = "";
    Save("incomplete.Bol", incomplete);
    o = RunCli("draw incomplete.Bol --svg no.svg");
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.out, "Input data not complete!\n");
    EXPECT_FALSE(fs::exists(folder_ / "no.svg"));

    ConnectionInput noBeam = testing::WspWorkedRun();
    noBeam.choices.beamSection = -1;
    Save("nobeam.Bol", noBeam);
    o = RunCli("draw nobeam.Bol --svg no.svg");
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.out.find("No beam section is chosen"), std::string::npos) << o.out;
    EXPECT_FALSE(fs::exists(folder_ / "no.svg"));

    o = RunCli("design wsp.Bol --svg designed.svg");
    EXPECT_EQ(o.status, 1) << o.out;
    EXPECT_EQ(Read("designed.svg"), svg);
}

TEST_F(Cli, DrawAndDesignWriteTheSameDxfForCad) {
    Save("wsp.Bol", testing::WspWorkedRun());
    Outcome o = RunCli("draw wsp.Bol --svg wsp.svg --dxf wsp.dxf");
    EXPECT_EQ(o.status, 0) << o.out;
    const std::string dxf = Read("wsp.dxf");
    EXPECT_EQ(dxf.find("  0\r\nSECTION\r\n  2\r\nHEADER\r\n"), 0u);
    EXPECT_EQ(dxf.substr(dxf.size() - 10), "  0\r\nEOF\r\n");
    EXPECT_EQ(Read("wsp.svg").find("<?xml"), 0u);

    o = RunCli("design wsp.Bol --dxf designed.dxf");
    EXPECT_EQ(o.status, 1) << o.out;
    EXPECT_EQ(Read("designed.dxf"), dxf);

    o = RunCli("draw wsp.Bol --dxf missing/wsp.dxf");
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.out.find("missing/wsp.dxf"), std::string::npos) << o.out;

    o = RunCli("draw wsp.Bol");
    EXPECT_EQ(o.status, 2) << "nothing to write is a usage error";
    EXPECT_NE(o.out.find("--dxf"), std::string::npos) << o.out;
}

TEST_F(Cli, DrawClassicKeepsTheClassicDrawingForComparison) {
    Save("wsp.Bol", testing::WspWorkedRun());
    Outcome o = RunCli("draw wsp.Bol --svg detailed.svg --dxf detailed.dxf");
    EXPECT_EQ(o.status, 0) << o.out;
    o = RunCli("draw wsp.Bol --classic --svg classic.svg --dxf classic.dxf");
    EXPECT_EQ(o.status, 0) << o.out;
    const std::string detailedSvg = Read("detailed.svg");
    const std::string classicSvg = Read("classic.svg");
    EXPECT_NE(detailedSvg.find(">SECTION AT BOLTS<"), std::string::npos);
    EXPECT_NE(detailedSvg.find(">PL-9X230X90<"), std::string::npos);
    EXPECT_EQ(classicSvg.find("SECTION"), std::string::npos) << "one view, no callouts";
    EXPECT_NE(classicSvg.find(">230<"), std::string::npos) << "the classic plate height";
    const std::string detailedDxf = Read("detailed.dxf");
    const std::string classicDxf = Read("classic.dxf");
    EXPECT_NE(detailedDxf.find("\r\nNOTES\r\n"), std::string::npos);
    EXPECT_NE(detailedDxf.find("SCALE 1:"), std::string::npos);
    EXPECT_EQ(classicDxf.find("NOTES"), std::string::npos) << "the classic three layers";
    EXPECT_EQ(classicDxf.find("SCALE"), std::string::npos);
    o = RunCli("draw --help");
    EXPECT_NE(o.out.find("--classic"), std::string::npos) << o.out;
}

TEST_F(Cli, VerifyPassesAndCountsItsChecks) {
    Outcome o = RunCli("verify");
    EXPECT_EQ(o.status, 0) << o.out;
    EXPECT_NE(o.out.find("\nWSP worked run\n"), std::string::npos) << o.out;
    EXPECT_EQ(o.out.find("FAIL"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find(" passed, 0 failed\n"), std::string::npos) << o.out;

    o = RunCli("verify --failures");
    EXPECT_EQ(o.status, 0) << o.out;
    EXPECT_EQ(o.out.find("PASS"), std::string::npos) << "only failures are listed: " << o.out;

    o = RunCli("verify extra.Bol");
    EXPECT_EQ(o.status, 2) << o.out;
}

TEST_F(Cli, BatchWritesOneCsvLinePerFile) {
    Save("a.Bol", testing::AcltWorkedRun());
    Save("w.Bol", testing::WspWorkedRun());
    std::ofstream(folder_ / "bad.Bol") << "TAV JOINTWRIGHT\r\n";
    const Outcome o = RunCli("batch a.Bol w.Bol bad.Bol --csv all.csv");
    EXPECT_EQ(o.status, 2) << o.out;
    const std::string csv = Read("all.csv");
    EXPECT_EQ(csv.substr(0, csv.find("bad.Bol")),
              "file,type,beam,accepted,stress_range,mode\n"
              "a.Bol,ACLT,H-300X150X36.7(kg/m),yes,0.17 / 0.74,\n"
              "w.Bol,WSP,H-300X150X36.7(kg/m),no,0.35 / 1.03,Bolt shear\n");
    EXPECT_NE(csv.find("bad.Bol,,,no,,Line 2: the file ends before the project name."),
              std::string::npos)
        << csv;
}

}  // namespace
}  // namespace jw
