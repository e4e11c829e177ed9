// Writing a file as a whole: a reader sees either the old file or the new one, never half.
#pragma once

#include <string>

namespace jw {

// Writes `text` to a new temporary file beside `path` and renames it over `path` (over a
// link's target, so a linked file is updated where it lives); a replaced file keeps its
// permissions. `durable` also waits until the data is on the disk, for files that must survive
// a power cut. Returns the empty text on success, else the reason; on failure the temporary
// file is removed and any earlier file is unchanged.
std::string ReplaceFileContents(const std::string& path, const std::string& text,
                                bool durable = false);

// The same, throwing DesignError ("Cannot write "<path>": <reason>.") on failure.
void WriteTextFileAtomically(const std::string& path, const std::string& text);

}  // namespace jw
