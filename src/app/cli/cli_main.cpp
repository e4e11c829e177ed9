// jointwright-cli: design, draw and check connections from project files without a window.
#include <algorithm>
#include <iostream>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/console.h"

namespace {

constexpr const char* kHelp =
    "Usage: jointwright-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  design FILE.Bol   design one connection and print its result table\n"
    "  batch FILE.Bol... design many connections, one CSV line each\n"
    "  draw FILE.Bol     draw a connection without designing it (SVG or DXF)\n"
    "  advise            the standard connection proposed for a beam section\n"
    "  optimise          the cheapest connections that pass for a beam and its loads\n"
    "  standard          design every standard connection, one CSV line each\n"
    "  capacity          the largest loads a standard or saved connection carries\n"
    "  verify            check the program against worked examples calculated by hand\n"
    "  package FILE.Bol... one package of many connections: cover, index, sheets and\n"
    "                    detailed calculations (PDF, HTML, CSV)\n"
    "\n"
    "Run 'jointwright-cli COMMAND --help' for the options of a command.\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace jw::cli;
    const std::vector<std::string> all = ProgramArguments(argc, argv);
    const Arguments args(all.begin() + std::min<std::size_t>(all.size(), 2), all.end());
    const std::string command = all.size() > 1 ? all[1] : "";
    try {
        if (command == "design") return DesignCommand(args);
        if (command == "batch") return BatchCommand(args);
        if (command == "draw") return DrawCommand(args);
        if (command == "advise") return AdviseCommand(args);
        if (command == "optimise") return OptimiseCommand(args);
        if (command == "standard") return StandardCommand(args);
        if (command == "capacity") return CapacityCommand(args);
        if (command == "verify") return VerifyCommand(args);
        if (command == "package") return PackageCommand(args);
        if (command == "--help" || command == "help") {
            std::cout << kHelp;
            return kExitAccepted;
        }
        throw UsageError(command.empty() ? "no command given" : "unknown command " + command);
    } catch (const UsageError& error) {
        std::cerr << "jointwright-cli: " << error.what() << " (see 'jointwright-cli --help')\n";
        return kExitStopped;
    }
}
