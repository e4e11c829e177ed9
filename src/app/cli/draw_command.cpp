#include <iostream>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"

namespace jw::cli {

int DrawCommand(const Arguments& args) {
    const ParsedArguments parsed = ParseArguments(args, {"--help"}, {"--svg"});
    (void)parsed;
    throw UsageError("draw is not available yet");
}

}  // namespace jw::cli
