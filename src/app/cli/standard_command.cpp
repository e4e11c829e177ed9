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
    "row, section, beam (its row in the section table), accepted (every check passes), stress\n"
    "range, the governing mode (the check with the highest ratio) or why the row was not\n"
    "designed, then the verdict of the classic rows alone, that of the further checks alone,\n"
    "and whether the row replaces an established row that fails its own checks (\"given row\n"
    "replaced: fails ...\") or \"no\". A name two beams share is designed on both. No report\n"
    "file is written.\n"
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
    std::string classic = "-";
    std::string further = "-";
};

std::string YesNo(bool yes) {
    return yes ? "yes" : "no";
}

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
    line.accepted = YesNo(result.status == RunStatus::Accepted);
    line.range = result.summary.At(3, 1);
    line.mode = result.governingMode;
    line.classic = YesNo(result.classicAccepted);
    line.further = YesNo(result.further.AllPassed());
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
    std::string csv =
        "type,row,section,beam,accepted,stress_range,governing_mode,classic_accepted,"
        "further_accepted,replaced\n";
    int status = kExitAccepted;
    for (const ProposalDesign& design : DesignStandardProposals(type)) {
        const Line line = LineOf(design);
        if (line.accepted == "no") status = kExitRejected;
        const std::string beam =
            design.beamSection >= 0 ? std::to_string(design.beamSection + 1) : "";
        csv += std::string(TypeName(design.type)) + "," + std::to_string(design.row) + "," +
               CsvField(design.section) + "," + beam + "," + line.accepted + "," +
               CsvField(line.range) + "," + CsvField(line.mode) + "," + line.classic + "," +
               line.further + "," + CsvField(design.replaced.empty() ? "no" : design.replaced) +
               "\n";
    }
    if (!WriteOrPrint(parsed.Option("--csv"), csv)) return kExitStopped;
    return status;
}

}  // namespace jw::cli
