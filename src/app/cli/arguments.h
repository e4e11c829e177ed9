// A small reader of "command FILE... --option VALUE --flag" arguments.
#pragma once

#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace jw::cli {

class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct ParsedArguments {
    std::vector<std::string> files;
    std::set<std::string> flags;
    std::vector<std::pair<std::string, std::string>> options;

    bool Has(const std::string& flag) const { return flags.count(flag) > 0; }
    std::optional<std::string> Option(const std::string& name) const;
};

// `flags` take no value, `valued` take the next argument; anything else starting with "--"
// is a usage error.
ParsedArguments ParseArguments(const std::vector<std::string>& args,
                               const std::set<std::string>& flags,
                               const std::set<std::string>& valued);

}  // namespace jw::cli
