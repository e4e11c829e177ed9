// The worked examples that define the checks, each with the value an engineer works out by
// hand, run against the program: what `jointwright-cli verify` prints and what the user
// manual's Verification chapter lists, case by case, with the hand calculations.
#pragma once

#include <string>
#include <vector>

namespace jw {

struct VerificationOutcome {
    std::string example;   // the worked example, e.g. "WSP worked run"
    std::string check;     // what is compared, e.g. "Row 2, S.R. Bolt shear"
    std::string expected;  // the hand calculation's value, as the manual writes it
    std::string computed;  // the program's value in the same form
    bool passed = false;   // the two agree to the decimals written
};

// Runs every case. A number passes when the program's value, rounded to the decimals the hand
// calculation gives, reads the same; a shown ratio and its verdict must read exactly as the
// engineer would see them. A run that stops fails its cases with the reason as the computed
// value; nothing here throws.
std::vector<VerificationOutcome> RunVerification();

}  // namespace jw
