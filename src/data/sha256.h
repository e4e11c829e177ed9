// SHA-256 (FIPS 180-4) of a run's input bytes, so that a reviewer can match a calculation to the
// very project file it was made from with any checksum tool ("sha256sum FILE.Bol").
#pragma once

#include <string>
#include <string_view>

namespace jw {

// The digest as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view bytes);

}  // namespace jw
