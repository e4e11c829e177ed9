// Which program made a document: the version the program shows and, for a build from a source
// checkout, the short revision of its source, so a calculation names the exact program.
#pragma once

#include <string>

namespace jw {

// The short source revision ("1a2b3c4"), or the empty text for a build outside a checkout.
std::string SourceRevision();

// "1.13" or "1.13 (revision 1a2b3c4)".
std::string ProgramVersionText();

}  // namespace jw
