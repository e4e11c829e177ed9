// A job package as one self-contained HTML page: the cover, the index with a link to each
// connection, then each connection's sheet (verdict, summary, input data and drawing) and its
// detailed calculation, each starting on a new printed page.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "results/job_package.h"

namespace jw {

// The drawing of a designed connection as SVG text (an XML declaration is dropped), or the empty
// text when it cannot be drawn.
using PackageDrawing = std::function<std::string(const PackageConnection&)>;

std::string PackageHtml(const std::vector<PackageEntry>& entries, const std::string& date,
                        const PackageDrawing& drawing);

}  // namespace jw
