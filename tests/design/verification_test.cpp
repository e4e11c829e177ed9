#include "design/verification_cases.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace jw {
namespace {

TEST(Verification, EveryWorkedExampleAgreesWithItsHandCalculation) {
    const std::vector<VerificationOutcome> outcomes = RunVerification();
    std::set<std::string> examples;
    for (const VerificationOutcome& o : outcomes) {
        examples.insert(o.example);
        EXPECT_TRUE(o.passed) << o.example << ", " << o.check << ": expected " << o.expected
                              << ", computed " << o.computed;
        // A comparison that passes an empty or different value would hide every fault.
        EXPECT_FALSE(o.expected.empty()) << o.example << ", " << o.check;
        EXPECT_EQ(o.passed, o.expected == o.computed) << o.example << ", " << o.check;
    }
    for (const char* type :
         {"WSP worked run", "ACLT worked run", "BMEP worked run", "BSPL worked run"})
        EXPECT_EQ(examples.count(type), 1u) << type << " is missing from the suite";
}

// The user manual lists every case with its hand calculation; a case added, renamed or changed
// without the manual would leave engineers checking against the wrong numbers.
TEST(Verification, TheManualListsEveryCaseWithItsExpectedValue) {
    std::ifstream in(JW_TEST_DIR "/../../docs/verification.md");
    ASSERT_TRUE(in) << "docs/verification.md is missing";
    std::stringstream text;
    text << in.rdbuf();
    const std::string manual = text.str();

    for (const VerificationOutcome& o : RunVerification()) {
        const std::size_t start = manual.find("\n### " + o.example + "\n");
        ASSERT_NE(start, std::string::npos) << "no section for " << o.example;
        const std::size_t end = manual.find("\n### ", start + 1);
        const std::string section = manual.substr(start, end - start);
        EXPECT_NE(section.find("| " + o.check + " | " + o.expected + " |"), std::string::npos)
            << o.example << ": the manual lacks the row \"| " << o.check << " | " << o.expected
            << " |\"";
    }
}

}  // namespace
}  // namespace jw
