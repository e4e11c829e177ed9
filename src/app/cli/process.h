// Starting a companion program beside this one and handing it bytes on its standard input.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace jw::cli {

// The folder this program's file is in, where its companions are installed; empty when the
// system cannot say.
std::filesystem::path ProgramFolder();

struct ChildOutcome {
    // The companion's exit status, or -1 when it could not be started or did not finish.
    int status = -1;
    // Why not, when status is -1: "cannot be started: ..." or "stopped before it finished".
    std::string problem;
};

// Runs `program` with `arguments` (UTF-8, passed on unchanged whatever they hold), writes
// `input` to its standard input, closes it and waits for the program to end. Its standard
// error is this program's; so is its standard output, unless `output` is given: then what it
// prints is kept there. The program must read all its input before it prints much.
ChildOutcome RunWithInput(const std::filesystem::path& program,
                          const std::vector<std::string>& arguments, const std::string& input,
                          std::string* output = nullptr);

}  // namespace jw::cli
