// End-to-end runs of the advise, optimise and standard commands: what they write designs the
// way they say.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli_fixture.h"

namespace jw {
namespace {

namespace fs = std::filesystem;

using testing::Outcome;

class StandardCommands : public testing::CliFolderTest {
  protected:
    Outcome Run(const std::string& arguments) const { return RunCli(arguments); }
};

TEST_F(StandardCommands, OptimiseWritesAConnectionTheDesignCommandAccepts) {
    const Outcome found =
        Run("optimise --type WSP --section 'H-300X150X36.7(kg/m)' --shear 10000 --bolt A325-N "
            "--out lightest.Bol");
    ASSERT_EQ(found.status, 0) << found.out;
    EXPECT_NE(found.out.find("Connection   | Accept"), std::string::npos) << found.out;
    EXPECT_NE(found.out.find("(A325-N)"), std::string::npos) << found.out;
    const Outcome designed = Run("design lightest.Bol --report r.out");
    EXPECT_EQ(designed.status, 0) << designed.out;

    const Outcome json =
        Run("optimise --type BSPL --section 'H-300X150X36.7(kg/m)' --shear 9000 --moment 300000 "
            "--diameter 20 --json");
    ASSERT_EQ(json.status, 0) << json.out;
    EXPECT_EQ(json.out.rfind("{\"found\": true, \"bolt_grade\": ", 0), 0u) << json.out;
    EXPECT_NE(json.out.find("\"bolt_diameter\": \"20 mm.\""), std::string::npos) << json.out;
}

TEST_F(StandardCommands, OptimiseListsTheCheapestDistinctLayoutsWithTheirCosts) {
    const Outcome text =
        Run("optimise --type WSP --section 'H-300X150X36.7(kg/m)' --shear 9000 --alternatives 3");
    ASSERT_EQ(text.status, 0) << text.out;
    EXPECT_EQ(text.out.rfind("Cheapest Shear Plate connection for H-300X150X36.7(kg/m): cost ", 0),
              0u)
        << text.out;
    const auto list = text.out.find("Alternatives, cheapest first");
    ASSERT_NE(list, std::string::npos) << text.out;
    EXPECT_EQ(std::count(text.out.begin() + list, text.out.end(), '\n'), 1 + 1 + 3) << text.out;

    const Outcome json =
        Run("optimise --type ACLT --section 'H-300X150X36.7(kg/m)' --shear 9000 --alternatives 3 "
            "--json");
    ASSERT_EQ(json.status, 0) << json.out;
    const auto alternatives = json.out.find("\"alternatives\": [{\"bolt_grade\": ");
    ASSERT_NE(alternatives, std::string::npos) << json.out;
    // The best answer's fields at the top, then three alternatives, each with its cost.
    std::size_t costs = 0;
    for (auto at = json.out.find("\"cost\": "); at != std::string::npos;
         at = json.out.find("\"cost\": ", at + 1))
        ++costs;
    EXPECT_EQ(costs, 1u + 3u) << json.out;
    EXPECT_LT(json.out.find("\"designs_run\": "), alternatives);
}

TEST_F(StandardCommands, OptimiseTakesUnitCostsFromAFileAndNamesAnUnknownKey) {
    {
        std::ofstream file(folder_ / "costs.txt");
        file << "# our shop's rates\nsteel_per_kg = 2\n\nbolt_each = 0\nhole_each=0\n";
    }
    const Outcome cheap = Run(
        "optimise --type WSP --section 'H-300X150X36.7(kg/m)' --shear 9000 --cost-file costs.txt");
    ASSERT_EQ(cheap.status, 0) << cheap.out;
    {
        std::ofstream file(folder_ / "bad.txt");
        file << "steel_per_kg = 2\nbolts = 3\n";
    }
    const Outcome bad = Run(
        "optimise --type WSP --section 'H-300X150X36.7(kg/m)' --shear 9000 --cost-file bad.txt");
    EXPECT_EQ(bad.status, 2) << bad.out;
    EXPECT_NE(bad.out.find("line 2 has the unknown key \"bolts\""), std::string::npos) << bad.out;
    const Outcome missing = Run(
        "optimise --type WSP --section 'H-300X150X36.7(kg/m)' --shear 9000 --cost-file none.txt");
    EXPECT_EQ(missing.status, 2) << missing.out;
    EXPECT_NE(missing.out.find("none.txt"), std::string::npos) << missing.out;
}

TEST_F(StandardCommands, OptimiseUsesSlipCriticalBoltsAndOneSidedWeldsOnlyWhenAsked) {
    const Outcome bearing =
        Run("optimise --type WSP --section 'H-300X150X36.7(kg/m)' --shear 12000 --json");
    ASSERT_EQ(bearing.status, 0) << bearing.out;
    EXPECT_EQ(bearing.out.find("-S\""), std::string::npos) << bearing.out;
    const Outcome slip =
        Run("optimise --type WSP --section 'H-300X150X36.7(kg/m)' --shear 12000 --slip-critical "
            "--out slip.Bol");
    ASSERT_EQ(slip.status, 0) << slip.out;
    EXPECT_NE(slip.out.find("-S)"), std::string::npos) << slip.out;
    EXPECT_EQ(Run("design slip.Bol --report r.out").status, 0);
    const Outcome oneSide =
        Run("optimise --type WSP --section 'H-300X150X36.7(kg/m)' --shear 9000 --weld-sides 1");
    ASSERT_EQ(oneSide.status, 0) << oneSide.out;
    EXPECT_NE(oneSide.out.find("Number of Weld Side           1 side"), std::string::npos)
        << oneSide.out;
}

TEST_F(StandardCommands, OptimiseSaysWhyNothingPassesAndRefusesWhatCannotBeAsked) {
    const Outcome none = Run("optimise --type WSP --section 'H-150X75X14(kg/m)' --shear 7000");
    EXPECT_EQ(none.status, 1) << none.out;
    EXPECT_NE(none.out.find("fails \"Bearing at Beam Web\""), std::string::npos) << none.out;
    const Outcome beam = Run("optimise --type WSP --section 'H-150X75X14(kg/m)' --shear 200000");
    EXPECT_EQ(beam.status, 1) << beam.out;
    EXPECT_NE(beam.out.find("the beam itself fails \"Beam web shear\""), std::string::npos)
        << beam.out;
    const struct {
        const char* arguments;
        const char* says;
    } refused[] = {
        {"--type WSP --section 'H-150X75X14(kg/m)' --shear 5000 --moment 10",
         "applies only to the end plate"},
        {"--type BMEP --section 'H-150X75X14(kg/m)' --shear 5000 --bolt A325-S",
         "bearing-type bolt grade"},
        {"--type BMEP --section 'H-150X75X14(kg/m)' --shear 5000 --slip-critical",
         "bearing-type bolts"},
        {"--type ACLT --section 'H-150X75X14(kg/m)' --shear 5000 --weld-sides 1",
         "only to the shear plate"},
        {"--type WSP --section 'H-150X75X14(kg/m)' --shear 5000 --weld-sides 3", "--weld-sides"},
        {"--type WSP --section 'H-150X75X14(kg/m)' --shear 5000 --alternatives 21",
         "--alternatives"},
        {"--type WSP --section 'H-150X75X14' --shear 5000", "no beam section"},
        {"--type WSP --section 'H-150X75X14(kg/m)' --shear -5", "--shear"},
        {"--type WSP --section 'H-150X75X14(kg/m)' --shear 5000 --diameter 14", "--diameter"},
        {"--type XYZ --section 'H-150X75X14(kg/m)' --shear 5000", "--type"},
        {"--type WSP --section 'H-150X75X14(kg/m)'", "missing --shear"},
    };
    for (const auto& c : refused) {
        const Outcome outcome = Run(std::string("optimise ") + c.arguments);
        EXPECT_EQ(outcome.status, 2) << c.arguments << "\n" << outcome.out;
        EXPECT_NE(outcome.out.find(c.says), std::string::npos) << outcome.out;
    }
}

TEST_F(StandardCommands, AdvisePrintsTheProposalOrSaysThereIsNone) {
    const Outcome angle = Run("advise --type ACLT --section 'H-125X125X23.8(kg/m)'");
    ASSERT_EQ(angle.status, 0) << angle.out;
    for (const char* line :
         {"(given row replaced: fails Angle within clear web at 1.20)",
          "Design Shear Force         5500 kg", "Bolt Type                  A325-X",
          "Bolt Diameter              12 mm.", "Angle Section              L-90X90X9.58(kg/m)"})
        EXPECT_NE(angle.out.find(line), std::string::npos) << line << "\n" << angle.out;
    // No angle cleats fit H-100X100X17.2 with two support bolts each.
    const Outcome empty = Run("advise --type ACLT --section 'H-100X100X17.2(kg/m)'");
    EXPECT_EQ(empty.status, 1) << empty.out;
    EXPECT_NE(empty.out.find("empties the input grid"), std::string::npos) << empty.out;
    EXPECT_NE(empty.out.find("(given row replaced: fails Angle within clear web at 1.33)"),
              std::string::npos)
        << empty.out;
    const Outcome missing = Run("advise --type BMEP --section 'I-150X75X17.1(kg/m)'");
    EXPECT_EQ(missing.status, 1) << missing.out;
    EXPECT_NE(missing.out.find("leaves the input as it is"), std::string::npos) << missing.out;

    const Outcome saved =
        Run("advise --type WSP --section 'H-300X150X36.7(kg/m)' --out proposal.Bol");
    ASSERT_EQ(saved.status, 0) << saved.out;
    EXPECT_EQ(Read("proposal.Bol").rfind("TAV JOINTWRIGHT\r\n", 0), 0u);
    EXPECT_EQ(Run("design proposal.Bol --report r.out").status, 0);
}

TEST_F(StandardCommands, StandardDesignsEveryProposalOfATable) {
    const Outcome bmep = Run("standard --type BMEP --csv bmep.csv");
    EXPECT_EQ(bmep.status, 0) << bmep.out;
    const std::string csv = Read("bmep.csv");
    EXPECT_EQ(csv.rfind("type,row,section,beam,accepted,stress_range,governing_mode,"
                        "classic_accepted,further_accepted,replaced\n",
                        0),
              0u);
    // 92 rows; the name two beams share (rows 27 and 28) is designed on both.
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 92 + 2);
    EXPECT_EQ(csv.find(",no,"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",yes,yes,given row replaced: fails Bolt clearance at flange at 3.00\n"),
              std::string::npos)
        << csv;
    EXPECT_NE(csv.find("BMEP,73,I-150X75X17.1(kg/m)*,,-,,not a section name"), std::string::npos);

    // Every used row of the four tables passes every check.
    const Outcome all = Run("standard");
    EXPECT_EQ(all.status, 0) << all.out;
    EXPECT_NE(all.out.find("WSP,27,H-300X300X106(kg/m)*,29,yes,"), std::string::npos) << all.out;
    EXPECT_NE(all.out.find("WSP,31,H-350X175X49.6(kg/m),31,yes,"), std::string::npos) << all.out;
}

TEST_F(StandardCommands, CapacityPrintsWhatAStandardOrSavedLayoutCarries) {
    const Outcome json = Run("capacity --type BMEP --section 'H-300X150X36.7(kg/m)' --json");
    ASSERT_EQ(json.status, 0) << json.out;
    EXPECT_EQ(json.out,
              "{\"type\": \"BMEP\", \"section\": \"H-300X150X36.7(kg/m)\", \"shear_kg\": 18780, "
              "\"moment_kgcm\": 695000, \"governing\": \"Beam web shear\", "
              "\"moment_governing\": \"End plate bending\"}\n");
    const Outcome text = Run("capacity --type WSP --section 'H-300X150X36.7(kg/m)'");
    ASSERT_EQ(text.status, 0) << text.out;
    EXPECT_NE(text.out.find("Shear  capacity  14400 kg, then fails \"Bearing at Beam Web\""),
              std::string::npos)
        << text.out;
    // The same layout saved, designed with A490-X bolts instead.
    ASSERT_EQ(Run("advise --type WSP --section 'H-300X150X36.7(kg/m)' --out p.Bol").status, 0);
    const Outcome saved = Run("capacity --file p.Bol --bolt A490-X --json");
    ASSERT_EQ(saved.status, 0) << saved.out;
    EXPECT_EQ(saved.out.rfind("{\"type\": \"WSP\", \"section\": \"H-300X150X36.7(kg/m)\", ", 0), 0u)
        << saved.out;

    const Outcome skipped = Run("capacity --type ACLT --section 'H-100X100X17.2(kg/m)'");
    EXPECT_EQ(skipped.status, 1) << skipped.out;
    EXPECT_NE(skipped.out.find("skipped: row 1 of the ACLT table proposes nothing"),
              std::string::npos)
        << skipped.out;
    for (const char* wrong : {"capacity --type WSP", "capacity --file p.Bol --type WSP",
                              "capacity --type WSP --csv --section 'H-300X150X36.7(kg/m)'"})
        EXPECT_EQ(Run(wrong).status, 2) << wrong;
}

TEST_F(StandardCommands, CapacityListsEveryBeamOfATypeAsCsv) {
    const Outcome csv = Run("capacity --type BSPL --csv");
    ASSERT_EQ(csv.status, 0) << csv.out;
    EXPECT_EQ(csv.out.rfind("type,section,beam,shear_kg,moment_kgcm,governing,moment_governing,"
                            "note\n",
                            0),
              0u);
    // A line for every beam of the section table, those without a layout with the reason.
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 1 + 91);
    EXPECT_NE(csv.out.find("BSPL,H-100X50X9.3(kg/m),1,,,,,skipped: row 4 of the BSPL table "
                           "proposes nothing"),
              std::string::npos)
        << csv.out;
}

}  // namespace
}  // namespace jw
