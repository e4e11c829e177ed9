#include <iostream>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/connection_options.h"
#include "app/cli/console.h"
#include "app/cli/optimise_output.h"
#include "app/cli/request_options.h"
#include "app/cli/text_output.h"
#include "design/auto_design.h"
#include "project/project_file.h"

namespace jw::cli {
namespace {

constexpr const char* kOptimiseHelp =
    "Usage: jointwright-cli optimise --type WSP|ACLT|BMEP|BSPL --section NAME --shear V\n"
    "           [--moment M] [--grade SS400|SS490|SM520|SM490] [--bolt GRADE]\n"
    "           [--diameter MM] [--plate MM] [--angle NAME] [--slip-critical]\n"
    "           [--weld-sides 1|2] [--cost-file FILE] [--alternatives N]\n"
    "           [--out FILE.Bol] [--json]\n"
    "\n"
    "Finds the cheapest practical connections that pass every check of their design (the\n"
    "classic rows and every further check) with no warning about their own detailing, and\n"
    "prints the cheapest with its result table. The cost counts the steel of the plates and\n"
    "angles, the bolts and their holes, and the fillet welds (length times size); equal costs\n"
    "go to fewer bolts, the smaller bolt, less steel, less weld. Only layouts that keep the\n"
    "detailing rules are tried: pitch at least 3 bolt diameters, edge distances a sheared edge\n"
    "takes, cleats within the clear web depth, flange plates within the flange width, two\n"
    "support bolts per angle, end plates covering the beam, two flange bolt rows, shear plates\n"
    "welded on both sides.\n"
    "\n"
    "  --shear V          design shear force, kg\n"
    "  --moment M         design moment, kg-cm (end plate and splice only; default 0)\n"
    "  --grade G          member steel grade (default SS400)\n"
    "  --bolt GRADE       hold the bolt grade (A307, A325-N, ... F10-S); otherwise the\n"
    "                     bearing-type grades A307, A325-X and A490-X are searched\n"
    "  --slip-critical    search the slip-critical grades A325-S and A490-S instead\n"
    "  --diameter MM      hold the bolt diameter (12, 16, 18, 20, 22, 24, 28, 32 or 36)\n"
    "  --plate MM         hold the plate thickness (angle cleats: the angle's)\n"
    "  --angle NAME       hold the angle section (angle cleats)\n"
    "  --weld-sides 1|2   shear plates welded on one side (where the other cannot be reached)\n"
    "  --cost-file FILE   unit costs, one \"key = value\" a line (defaults below)\n"
    "  --alternatives N   list the N cheapest distinct layouts (1 to 20; default 1)\n"
    "  --out FILE.Bol     write the cheapest connection as a project file\n"
    "  --json             print one JSON object instead of the text\n"
    "\n"
    "Default unit costs (relative: 1 is a kilogram of plate steel):\n";

constexpr const char* kOptimiseExit =
    "\n"
    "Exit status: 0 a connection found, 1 none passes (the message names the check the\n"
    "closest candidate fails), 2 usage error, impossible request or unwritable file.\n";

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
    request.slipCritical = parsed.Has("--slip-critical");
    request.weldSides = CountOption(parsed, "--weld-sides", 1, 2).value_or(2);
    request.alternatives = CountOption(parsed, "--alternatives", 1, 20).value_or(1);
    request.costs = CostFileOption(parsed);
    return request;
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
    const ParsedArguments parsed = ParseArguments(
        args, {"--help", "--json", "--slip-critical"},
        {"--type", "--section", "--shear", "--moment", "--grade", "--bolt", "--diameter", "--plate",
         "--angle", "--weld-sides", "--cost-file", "--alternatives", "--out"});
    if (parsed.Has("--help")) {
        std::cout << kOptimiseHelp << UnitCostsText(UnitCosts{}) << kOptimiseExit;
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
    if (parsed.Has("--json"))
        PrintExact(OptimiseJson(result));
    else
        std::cout << OptimiseText(request, result);
    return kExitAccepted;
}

}  // namespace jw::cli
