#include "data/atomic_file.h"

#include "data/design_error.h"
#include "data/safe_output.h"

namespace jw {

std::string ReplaceFileContents(const std::string& path, const std::string& text, bool durable) {
    OutputOptions options;
    options.durable = durable;
    return WriteOutputFile(path, text, options);
}

void WriteTextFileAtomically(const std::string& path, const std::string& text) {
    const std::string reason = ReplaceFileContents(path, text);
    if (!reason.empty()) throw DesignError("Cannot write \"" + path + "\": " + reason + ".");
}

}  // namespace jw
