#include <iostream>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/connection_options.h"
#include "data/sections.h"
#include "data/standard_connections.h"
#include "design/standard_proposals.h"
#include "project/project_file.h"

namespace jw::cli {
namespace {

constexpr const char* kAdviseHelp =
    "Usage: jointwright-cli advise --type WSP|ACLT|BMEP|BSPL --section NAME [--out FILE.Bol]\n"
    "\n"
    "Prints the standard connection the connection advisor proposes for a beam section: the\n"
    "input grid values and the bolt (and angle) choices, as the input form fills them in. Where\n"
    "the row replaces an established row that fails its own checks it says so, and why.\n"
    "\n"
    "  --out FILE.Bol  write the proposal as a project file instead (member grade SS400)\n"
    "\n"
    "Exit status: 0 a proposal, 1 the table proposes nothing for the section (the advisor\n"
    "leaves the input as it is, or empties the grid), 2 usage error or the file cannot be\n"
    "written.\n";

int SaveProposal(const std::string& path, ConnectionType type, int beam, const TextGrid& grid,
                 const ConnectionChoices& choices) {
    Project project;
    project.type = type;
    project.choices = choices;
    project.choices.beamSection = beam;
    project.values = GridValues(grid);
    try {
        SaveProjectFile(path, project);
    } catch (const ProjectFileError& error) {
        std::cerr << error.what() << "\n";
        return kExitStopped;
    }
    std::cout << "Wrote " << path << "\n";
    return kExitAccepted;
}

}  // namespace

int AdviseCommand(const Arguments& args) {
    const ParsedArguments parsed =
        ParseArguments(args, {"--help"}, {"--type", "--section", "--out"});
    if (parsed.Has("--help")) {
        std::cout << kAdviseHelp;
        return kExitAccepted;
    }
    if (!parsed.files.empty()) throw UsageError("advise takes no file arguments");
    const ConnectionType type = TypeOption(parsed);
    const std::string section = RequiredOption(parsed, "--section");
    const int beam = BeamOption(section);
    const auto proposal = AdvisorLookup(type, section);
    if (!proposal) {
        std::cout << "The " << TypeName(type) << " table holds no row for " << section
                  << ": the advisor leaves the input as it is.\n";
        return kExitRejected;
    }
    const std::string note = ReplacementNote(type, proposal->row);
    if (proposal->clearsGrid) {
        std::cout << "Row " << proposal->row << " of the " << TypeName(type) << " table proposes "
                  << "nothing for " << section << ": the advisor empties the input grid.\n";
        if (!note.empty()) std::cout << "(" << note << ")\n";
        return kExitRejected;
    }
    TextGrid grid = BuildInputGrid(type);
    ConnectionChoices choices;
    ApplyAdvisorProposal(*proposal, grid, choices);
    if (const auto out = parsed.Option("--out"))
        return SaveProposal(*out, type, beam, grid, choices);
    std::cout << TypeCaption(type) << " (" << TypeName(type) << ") proposed for " << section
              << ", row " << proposal->row << " of the table\n";
    if (!note.empty()) std::cout << "(" << note << ")\n";
    std::cout << "\n" << InputText(type, grid, choices);
    return kExitAccepted;
}

}  // namespace jw::cli
