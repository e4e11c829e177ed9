// Writing a file as a whole: a reader sees either the old file or the new one, never half.
#pragma once

#include <string>

namespace jw {

// Writes `text` to a temporary file beside `path` and renames it over `path`. On failure the
// temporary file is removed, the old file stays as it was, and DesignError names the path.
void WriteTextFileAtomically(const std::string& path, const std::string& text);

}  // namespace jw
