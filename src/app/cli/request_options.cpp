#include "app/cli/request_options.h"

#include "data/grades.h"
#include "data/input_file.h"
#include "data/numbers.h"
#include "data/sections.h"

namespace jw::cli {
namespace {

// A unit cost file is a few lines; anything larger is not one.
constexpr std::size_t kCostFileLimit = 64 * 1024;

}  // namespace

double LoadOption(const ParsedArguments& parsed, const std::string& name, bool required) {
    const auto text = parsed.Option(name);
    if (!text) {
        if (required) throw UsageError("missing " + name);
        return 0;
    }
    const auto value = StrictNumber(*text);
    if (!value || *value < 0) throw UsageError(name + " must be a number of at least 0");
    return *value;
}

int MemberGradeOption(const ParsedArguments& parsed) {
    const std::string name = parsed.Option("--grade").value_or("SS400");
    for (int option = kGradeSS400; option <= kGradeSM490; ++option)
        if (MemberGradeName(option) == name) return option;
    throw UsageError("--grade must be SS400, SS490, SM520 or SM490, not " + name);
}

std::optional<int> BoltGradeOption(const ParsedArguments& parsed) {
    const auto name = parsed.Option("--bolt");
    if (!name) return std::nullopt;
    for (int i = 0; i < kBoltGradeCount; ++i)
        if (kBoltGradeNames[i] == *name) return i;
    throw UsageError("--bolt " + *name + " is not a bolt grade");
}

std::optional<int> DiameterOption(const ParsedArguments& parsed) {
    const auto text = parsed.Option("--diameter");
    if (!text) return std::nullopt;
    const auto mm = StrictNumber(*text);
    for (int i = 0; mm && i < kBoltDiameterCount; ++i)
        if (BoltDiaFromItem(kBoltDiameterNames[i]) * 10 == *mm) return i;
    throw UsageError("--diameter must be 12, 16, 18, 20, 22, 24, 28, 32 or 36, not " + *text);
}

std::optional<int> PlateOption(const ParsedArguments& parsed) {
    const auto text = parsed.Option("--plate");
    if (!text) return std::nullopt;
    const auto mm = StrictNumber(*text);
    if (!mm || *mm != static_cast<int>(*mm) || *mm < 1 || *mm > 100)
        throw UsageError("--plate must be a whole number of millimetres from 1 to 100");
    return static_cast<int>(*mm);
}

std::optional<int> AngleOption(const ParsedArguments& parsed) {
    const auto name = parsed.Option("--angle");
    if (!name) return std::nullopt;
    const auto position = FindAnglePosition(*name);
    if (!position) throw UsageError("no angle section is named " + *name);
    return position;
}

std::optional<int> CountOption(const ParsedArguments& parsed, const std::string& name, int least,
                               int most) {
    const auto text = parsed.Option(name);
    if (!text) return std::nullopt;
    const auto value = StrictNumber(*text);
    if (!value || *value != static_cast<int>(*value) || *value < least || *value > most)
        throw UsageError(name + " must be a whole number from " + std::to_string(least) + " to " +
                         std::to_string(most));
    return static_cast<int>(*value);
}

UnitCosts CostFileOption(const ParsedArguments& parsed) {
    const auto path = parsed.Option("--cost-file");
    if (!path) return {};
    InputBytes input;
    if (const std::string reason = ReadInputFile(*path, kCostFileLimit, input); !reason.empty())
        throw UsageError("cannot read the cost file " + *path + ": " + reason);
    if (input.bytes.size() > kCostFileLimit)
        throw UsageError("the cost file " + *path + " is too large for a cost file");
    const UnitCostsReading reading = ReadUnitCosts(input.bytes);
    if (!reading.costs) throw UsageError("the cost file " + *path + ": " + reading.error);
    return *reading.costs;
}

}  // namespace jw::cli
