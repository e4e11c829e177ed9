// Writing a whole text file through the safe output writer (data/safe_output.h): a reader sees
// either the old file or the new one, never half, and nothing that is not an output file is
// ever replaced.
#pragma once

#include <string>

namespace jw {

// Writes `text` to `path` (see WriteOutputFile). `durable` also waits until the data is on the
// disk, for files that must survive a power cut. Returns the empty text on success, else the
// reason; on failure any earlier file is unchanged.
std::string ReplaceFileContents(const std::string& path, const std::string& text,
                                bool durable = false);

// The same, throwing DesignError ("Cannot write "<path>": <reason>.") on failure.
void WriteTextFileAtomically(const std::string& path, const std::string& text);

}  // namespace jw
