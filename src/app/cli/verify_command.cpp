#include <algorithm>
#include <iostream>
#include <span>
#include <string>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "design/verification_cases.h"

namespace jw::cli {
namespace {

constexpr const char* kVerifyHelp =
    "Usage: jointwright-cli verify [--failures]\n"
    "\n"
    "Runs the built-in worked examples (the shear plate, angle cleat, end plate and splice\n"
    "runs, the bolt group, shear lag, rounding and verdict cases) against values worked out\n"
    "by hand, and prints for each check the expected and the computed value and PASS or FAIL.\n"
    "The hand calculations are in the Verification chapter of the user manual.\n"
    "\n"
    "  --failures  print only the checks that fail (and the closing count)\n"
    "\n"
    "Exit status: 0 every check passes, 1 a check fails.\n";

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

void PrintExample(std::span<const VerificationOutcome> example, bool failuresOnly) {
    std::size_t check = 5;
    std::size_t expected = 8;
    std::size_t computed = 8;
    for (const VerificationOutcome& o : example) {
        check = std::max(check, o.check.size());
        expected = std::max(expected, o.expected.size());
        computed = std::max(computed, o.computed.size());
    }
    std::cout << "\n" << example.front().example << "\n";
    std::cout << "  " << Padded("Check", check) << "  " << Padded("Expected", expected) << "  "
              << Padded("Computed", computed) << "  Result\n";
    for (const VerificationOutcome& o : example) {
        if (failuresOnly && o.passed) continue;
        std::cout << "  " << Padded(o.check, check) << "  " << Padded(o.expected, expected) << "  "
                  << Padded(o.computed, computed) << "  " << (o.passed ? "PASS" : "FAIL") << "\n";
    }
}

}  // namespace

int VerifyCommand(const Arguments& args) {
    const ParsedArguments parsed = ParseArguments(args, {"--help", "--failures"}, {});
    if (parsed.Has("--help")) {
        std::cout << kVerifyHelp;
        return kExitAccepted;
    }
    if (!parsed.files.empty()) throw UsageError("verify takes no files");
    const bool failuresOnly = parsed.Has("--failures");

    const std::vector<VerificationOutcome> outcomes = RunVerification();
    int passed = 0;
    int failed = 0;
    for (std::size_t first = 0; first < outcomes.size();) {
        // One worked example at a time, its columns as wide as its own widest value.
        std::size_t last = first;
        while (last < outcomes.size() && outcomes[last].example == outcomes[first].example) ++last;
        const std::span<const VerificationOutcome> example(outcomes.begin() + first,
                                                           outcomes.begin() + last);
        first = last;
        const auto failures = std::count_if(example.begin(), example.end(),
                                            [](const VerificationOutcome& o) { return !o.passed; });
        passed += static_cast<int>(example.size() - failures);
        failed += static_cast<int>(failures);
        if (failuresOnly && failures == 0) continue;
        PrintExample(example, failuresOnly);
    }
    std::cout << "\n" << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? kExitAccepted : kExitRejected;
}

}  // namespace jw::cli
