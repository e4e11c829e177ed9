#include <iostream>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/connection_options.h"
#include "app/cli/console.h"
#include "app/cli/text_output.h"
#include "data/numbers.h"
#include "data/sections.h"
#include "design/auto_design.h"
#include "project/project_file.h"

namespace jw::cli {
namespace {

constexpr const char* kOptimiseHelp =
    "Usage: jointwright-cli optimise --type WSP|ACLT|BMEP|BSPL --section NAME --shear V\n"
    "           [--moment M] [--grade SS400|SS490|SM520|SM490] [--bolt GRADE]\n"
    "           [--diameter MM] [--plate MM] [--angle NAME] [--out FILE.Bol] [--json]\n"
    "\n"
    "Finds the lightest practical connection that the type's own design accepts (every ratio\n"
    "at most 1.00) and prints it with its result table. Lightest means fewest bolts, then the\n"
    "smaller bolt, then less plate steel, then the shorter weld. Only layouts that keep the\n"
    "detailing rules are tried: pitch at least 3 bolt diameters, edge distances at least 1.5,\n"
    "cleats within the clear web depth, flange cleats within the flange width.\n"
    "\n"
    "  --shear V       design shear force, kg\n"
    "  --moment M      design moment, kg-cm (end plate and splice only; default 0)\n"
    "  --grade G       member steel grade (default SS400)\n"
    "  --bolt GRADE    hold the bolt grade (A307, A325-N, ... F10-S); searched otherwise\n"
    "  --diameter MM   hold the bolt diameter (12, 16, 18, 20, 22, 24, 28, 32 or 36)\n"
    "  --plate MM      hold the plate and cleat thickness (angle cleats: the angle's)\n"
    "  --angle NAME    hold the angle section (angle cleats)\n"
    "  --out FILE.Bol  write the connection found as a project file\n"
    "  --json          print one JSON object instead of the text\n"
    "\n"
    "Exit status: 0 a connection found, 1 none passes (the message names the check the\n"
    "closest candidate fails), 2 usage error, impossible request or unwritable file.\n";

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

AutoDesignRequest RequestOf(const ParsedArguments& parsed) {
    AutoDesignRequest request;
    request.type = TypeOption(parsed);
    request.beamSection = BeamOption(RequiredOption(parsed, "--section"));
    request.shearKg = LoadOption(parsed, "--shear", true);
    request.momentKgCm = LoadOption(parsed, "--moment", false);
    request.memberGrade = MemberGradeOption(parsed);
    request.boltGrade = BoltGradeOption(parsed);
    request.boltDiameter = DiameterOption(parsed);
    request.plateMm = PlateOption(parsed);
    request.angleSection = AngleOption(parsed);
    return request;
}

std::string LightnessText(const Lightness& l) {
    return std::to_string(l.bolts) + " bolts M" + std::to_string(l.boltMm) + ", " +
           FormatFixed(l.plateSteelCm3, 1) + " cm3 of plate steel" +
           (l.weldCm > 0 ? ", " + FormatFixed(l.weldCm, 1) + " cm of weld" : "");
}

std::string JsonOf(const AutoDesignResult& result) {
    std::string values = "[";
    const TextGrid& grid = result.input.grid;
    for (int row = 1; row < grid.rows; ++row)
        values += std::string(row > 1 ? ", " : "") +
                  "{\"label\": " + JsonString(grid.At(row, kLabelColumn)) +
                  ", \"value\": " + JsonString(grid.At(row, kValueColumn)) +
                  ", \"unit\": " + JsonString(grid.At(row, kUnitColumn)) + "}";
    values += "]";
    const ConnectionChoices& c = result.input.choices;
    std::string design = JsonText(result.input.type, result.design);
    design.erase(design.find_last_not_of('\n') + 1);
    return "{\"found\": true, \"bolt_grade\": " + JsonString(kBoltGradeNames[c.boltGrade]) +
           ", \"bolt_diameter\": " + JsonString(kBoltDiameterNames[c.boltDiameter]) +
           ", \"angle_section\": " + JsonString(SectionName(AngleRowAt(c.angleSection))) +
           ", \"values\": " + values + ", \"bolts\": " + std::to_string(result.lightness.bolts) +
           ", \"plate_steel_cm3\": " + FormatFixed(result.lightness.plateSteelCm3, 1) +
           ", \"weld_cm\": " + FormatFixed(result.lightness.weldCm, 1) +
           ", \"designs_run\": " + std::to_string(result.designsRun) + ", \"design\": " + design +
           "}\n";
}

int SaveConnection(const std::string& path, const ConnectionInput& input) {
    Project project;
    project.type = input.type;
    project.choices = input.choices;
    project.values = GridValues(input.grid);
    try {
        SaveProjectFile(path, project);
    } catch (const ProjectFileError& error) {
        std::cerr << error.what() << "\n";
        return kExitStopped;
    }
    return kExitAccepted;
}

}  // namespace

int OptimiseCommand(const Arguments& args) {
    const ParsedArguments parsed =
        ParseArguments(args, {"--help", "--json"},
                       {"--type", "--section", "--shear", "--moment", "--grade", "--bolt",
                        "--diameter", "--plate", "--angle", "--out"});
    if (parsed.Has("--help")) {
        std::cout << kOptimiseHelp;
        return kExitAccepted;
    }
    if (!parsed.files.empty()) throw UsageError("optimise takes no file arguments");
    const AutoDesignRequest request = RequestOf(parsed);
    const AutoDesignResult result = AutoDesign(request);
    if (!result.found) {
        if (parsed.Has("--json"))
            PrintExact("{\"found\": false, \"message\": " + JsonString(result.message) + "}\n");
        std::cerr << result.message << "\n";
        return result.invalidRequest ? kExitStopped : kExitRejected;
    }
    if (const auto out = parsed.Option("--out")) {
        if (const int status = SaveConnection(*out, result.input)) return status;
    }
    if (parsed.Has("--json")) {
        PrintExact(JsonOf(result));
    } else {
        std::cout << "Lightest " << TypeCaption(request.type) << " connection for "
                  << SectionName(BeamRowAt(request.beamSection)) << ": "
                  << LightnessText(result.lightness) << "\n\n"
                  << InputText(request.type, result.input.grid, result.input.choices) << "\n"
                  << AlignedText(result.design);
    }
    return kExitAccepted;
}

}  // namespace jw::cli
