// `design --json` of the moment connections: the bill of materials of a splice and of an end
// plate, and the further check that refuses the standard end plate.
#include <gtest/gtest.h>

#include "cli_fixture.h"

namespace jw {
namespace {

class MomentJson : public testing::CliFolderTest {
  protected:
    std::string Design(const char* sample) const {
        return RunCli(std::string("design '" JW_EXAMPLES_DIR "/") + sample + "' --json").out;
    }
};

TEST_F(MomentJson, TheSpliceListsEveryPlateAndTheBoltsOfTheJoint) {
    const std::string json = Design("worked_bspl_h300x150.Bol");
    EXPECT_NE(json.find("\"accepted\": true"), std::string::npos) << json;
    EXPECT_NE(json.find(", \"bill_of_materials\": {\"unit\": \"mm\", \"per\": \"joint\", "
                        "\"plates\": [{\"part\": \"web plate\", \"count\": 2, \"thickness\": 8, "
                        "\"width\": 220, \"length\": 180}, {\"part\": \"outer flange plate\", "
                        "\"count\": 2, \"thickness\": 9, \"width\": 145, \"length\": 380}, "
                        "{\"part\": \"inner flange plate\", \"count\": 4, \"thickness\": 9, "
                        "\"width\": 58.75, \"length\": 380}], \"bolts\": [{\"part\": \"web "
                        "bolts\", \"count\": 6, \"diameter\": 20, \"grade\": \"A325-X\"}, "
                        "{\"part\": \"flange bolts\", \"count\": 24, \"diameter\": 20, "
                        "\"grade\": \"A325-X\"}]}}\n"),
              std::string::npos)
        << json;
}

TEST_F(MomentJson, TheStandardEndPlatePassesEveryCheckAndListsItsBill) {
    const testing::Outcome o =
        RunCli("design '" JW_EXAMPLES_DIR "/standard_bmep_h300x150.Bol' --json");
    EXPECT_EQ(o.status, 0) << o.out;
    EXPECT_NE(o.out.find("\"accepted\": true, \"classic_accepted\": true"), std::string::npos);
    // 4 rows at 130 mm with 34 mm ends: 3 x 130 + 2 x 34 = 458 mm of 32 mm plate.
    EXPECT_NE(o.out.find("\"plates\": [{\"part\": \"end plate\", \"count\": 1, \"thickness\": "
                         "32, \"width\": 150, \"length\": 458}]"),
              std::string::npos)
        << o.out;
    // The shear connections' summary names their one plate or angle: no bill.
    EXPECT_EQ(Design("standard_wsp_h300x150.Bol").find("bill_of_materials"), std::string::npos);
}

}  // namespace
}  // namespace jw
