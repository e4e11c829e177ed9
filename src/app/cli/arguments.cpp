#include "app/cli/arguments.h"

namespace jw::cli {

std::optional<std::string> ParsedArguments::Option(const std::string& name) const {
    for (const auto& [key, value] : options)
        if (key == name) return value;
    return std::nullopt;
}

ParsedArguments ParseArguments(const std::vector<std::string>& args,
                               const std::set<std::string>& flags,
                               const std::set<std::string>& valued) {
    ParsedArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            parsed.files.push_back(arg);
        } else if (flags.count(arg)) {
            parsed.flags.insert(arg);
        } else if (valued.count(arg)) {
            if (i + 1 >= args.size()) throw UsageError(arg + " needs a value");
            parsed.options.emplace_back(arg, args[++i]);
        } else {
            throw UsageError("unknown option " + arg);
        }
    }
    return parsed;
}

}  // namespace jw::cli
