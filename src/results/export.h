// The export file: one line per exported connection, collected design after design in one
// cumulative text file that nothing reads back. Fields end in " ," and are neither quoted nor
// escaped, so a value typed with a comma in it stays as typed.
#pragma once

#include <string>
#include <string_view>

#include "data/code_page.h"
#include "design/design_run.h"

namespace jw {

// The record of a designed connection, without its line end: the type ("Type BSLP ," for the
// splice, as the file has always named it), the beam, bolt grade and diameter each with its
// list position in brackets, the angle (angle cleats only), the member grade caption with its
// option number (nothing for SM490), every grid value as typed, and "Stress Range = " with the
// summary's stress range.
std::string ExportLine(const ConnectionInput& input, std::string_view stressRange);

// Appends `line` (UTF-8) and CR LF to the file at `path` in the code page, creating the file
// when it is missing. Several programs may export to one file at once: each record is written
// whole under a lock, and a record that fails part way is cut off again without touching
// anyone else's (see AppendRecord). A character the code page cannot hold refuses the record.
// Returns the empty text on success, else the reason.
std::string AppendExportLine(const std::string& path, std::string_view line,
                             CodePage page = kDefaultCodePage);

}  // namespace jw
