// Reading an input file once and whole. A project is read a single time and its bytes passed
// on to whatever needs them, so every part of a run sees the same project even when the file
// is saved again meanwhile or arrives through a pipe that can be read only once.
#pragma once

#include <cstddef>
#include <string>

#include "data/safe_output.h"

namespace jw {

struct InputBytes {
    std::string bytes;
    FileIdentity identity;
};

// Reads the file at `path`, which must be a regular file or a pipe (a named pipe, /dev/stdin).
// A pipe's writer has two seconds to start sending; a pipe without one never hangs the program.
// Reads at most `limit` + 1 bytes, so the caller can tell a file that is too large. Returns the
// empty text on success, else the reason.
std::string ReadInputFile(const std::string& path, std::size_t limit, InputBytes& input);

// The same for this program's standard input.
std::string ReadStandardInput(std::size_t limit, InputBytes& input);

}  // namespace jw
