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

TEST_F(StandardCommands, OptimiseSaysWhyNothingPassesAndRefusesWhatCannotBeAsked) {
    const Outcome none = Run("optimise --type WSP --section 'H-150X75X14(kg/m)' --shear 200000");
    EXPECT_EQ(none.status, 1) << none.out;
    EXPECT_NE(none.out.find("fails \"Tearing at Beam Web\""), std::string::npos) << none.out;
    const struct {
        const char* arguments;
        const char* says;
    } refused[] = {
        {"--type WSP --section 'H-150X75X14(kg/m)' --shear 5000 --moment 10",
         "applies only to the end plate"},
        {"--type BMEP --section 'H-150X75X14(kg/m)' --shear 5000 --bolt A325-S",
         "bearing-type bolt grade"},
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
    const Outcome angle = Run("advise --type ACLT --section 'H-100X100X17.2(kg/m)'");
    ASSERT_EQ(angle.status, 0) << angle.out;
    for (const char* line :
         {"Design Shear Force         4000 kg", "Bolt Type                  A325-X",
          "Bolt Diameter              16 mm.", "Angle Section              L-50X50X4.43(kg/m)"})
        EXPECT_NE(angle.out.find(line), std::string::npos) << line << "\n" << angle.out;
    const Outcome missing = Run("advise --type BMEP --section 'I-150X75X17.1(kg/m)'");
    EXPECT_EQ(missing.status, 1) << missing.out;
    EXPECT_NE(missing.out.find("leaves the input as it is"), std::string::npos) << missing.out;

    // The shear plate's proposal passes every check; the end plate's, sized by the classic rows
    // alone, is refused by the end plate checks until the tables are regenerated.
    const Outcome saved =
        Run("advise --type WSP --section 'H-300X150X36.7(kg/m)' --out proposal.Bol");
    ASSERT_EQ(saved.status, 0) << saved.out;
    EXPECT_EQ(Read("proposal.Bol").rfind("TAV JOINTWRIGHT\r\n", 0), 0u);
    EXPECT_EQ(Run("design proposal.Bol --report r.out").status, 0);
}

TEST_F(StandardCommands, StandardDesignsEveryProposalOfATable) {
    // The standard end plates were sized by the classic rows alone; the end plate checks refuse
    // those whose plates or bolts cannot carry the flange force, and say which check does.
    const Outcome bmep = Run("standard --type BMEP --csv bmep.csv");
    EXPECT_EQ(bmep.status, 1) << bmep.out;
    const std::string csv = Read("bmep.csv");
    EXPECT_EQ(csv.rfind("type,row,section,beam,accepted,stress_range,governing_mode\n", 0), 0u);
    // 92 rows; the name two beams share (rows 27 and 28) is designed on both.
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 92 + 2);
    EXPECT_NE(csv.find(",no,0.15 / 0.69,Bolt clearance at flange\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("BMEP,73,I-150X75X17.1(kg/m)*,,-,,not a section name"), std::string::npos);

    // Row 27's heavier load fails on the thinner-webbed of the two beams of its name.
    const Outcome all = Run("standard");
    EXPECT_EQ(all.status, 1);
    EXPECT_NE(all.out.find("WSP,27,H-300X300X106(kg/m)*,29,no,"), std::string::npos) << all.out;
}

}  // namespace
}  // namespace jw
