#include <iostream>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/connection_options.h"
#include "app/cli/text_output.h"
#include "data/design_error.h"
#include "design/checks.h"
#include "design/standard_proposals.h"

namespace jw::cli {
namespace {

constexpr const char* kStandardHelp =
    "Usage: jointwright-cli standard [--type WSP|ACLT|BMEP|BSPL] [--csv OUT]\n"
    "\n"
    "Designs every proposal of the standard connection tables (of one type, or of all four)\n"
    "with its own type's design, member grade SS400, and prints one CSV line each: type, table\n"
    "row, section, beam (its row in the section table), accepted, stress range, and the\n"
    "governing mode (the check with the highest ratio) or why the row was not designed. A name\n"
    "two beams share is designed on both. No report file is written.\n"
    "\n"
    "  --type T   only the table of this connection type\n"
    "  --csv OUT  write the lines to OUT instead of the standard output\n"
    "\n"
    "Exit status: 0 every proposal accepted, 1 some must be redesigned or stop, 2 usage error or\n"
    "the file cannot be written.\n";

struct Line {
    std::string accepted = "-";
    std::string range;
    std::string mode;
};

Line LineOf(const ProposalDesign& design) {
    Line line;
    switch (design.kind) {
        case ProposalDesign::Kind::NotASection:
            line.mode = "not a section name: the advisor never uses this row";
            return line;
        case ProposalDesign::Kind::NoProposal:
            line.mode = "no proposal: the advisor empties the grid";
            return line;
        case ProposalDesign::Kind::Designed:
            break;
    }
    const DesignResult& result = design.result;
    if (result.status == RunStatus::Stopped) {
        line.accepted = "no";
        line.mode = result.message;
        return line;
    }
    line.accepted = result.status == RunStatus::Accepted ? "yes" : "no";
    line.range = result.summary.At(3, 1);
    line.mode = result.governingMode;
    return line;
}

}  // namespace

int StandardCommand(const Arguments& args) {
    const ParsedArguments parsed = ParseArguments(args, {"--help"}, {"--type", "--csv"});
    if (parsed.Has("--help")) {
        std::cout << kStandardHelp;
        return kExitAccepted;
    }
    if (!parsed.files.empty()) throw UsageError("standard takes no file arguments");
    const ConnectionType type = parsed.Option("--type") ? TypeOption(parsed) : ConnectionType::None;
    std::string csv = "type,row,section,beam,accepted,stress_range,governing_mode\n";
    int status = kExitAccepted;
    for (const ProposalDesign& design : DesignStandardProposals(type)) {
        const Line line = LineOf(design);
        if (line.accepted == "no") status = kExitRejected;
        const std::string beam =
            design.beamSection >= 0 ? std::to_string(design.beamSection + 1) : "";
        csv += std::string(TypeName(design.type)) + "," + std::to_string(design.row) + "," +
               CsvField(design.section) + "," + beam + "," + line.accepted + "," +
               CsvField(line.range) + "," + CsvField(line.mode) + "\n";
    }
    if (!WriteOrPrint(parsed.Option("--csv"), csv)) return kExitStopped;
    return status;
}

}  // namespace jw::cli
