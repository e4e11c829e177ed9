#include "results/program_version.h"

#include "results/report.h"

#ifndef JW_SOURCE_REVISION
#define JW_SOURCE_REVISION ""
#endif

namespace jw {

std::string SourceRevision() {
    return JW_SOURCE_REVISION;
}

std::string ProgramVersionText() {
    const std::string revision = SourceRevision();
    return revision.empty() ? std::string(kProgramVersion)
                            : std::string(kProgramVersion) + " (revision " + revision + ")";
}

}  // namespace jw
