// What each fuzz target asserts about one input. The fuzzers call these; the regression test
// replays every kept input through them in the normal and sanitizer builds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace jw::fuzz {

// Each returns the empty text when the input was handled soundly, else what went wrong.
std::string CheckDesignRun(const std::uint8_t* data, std::size_t size);
std::string CheckProjectReader(const std::uint8_t* data, std::size_t size);
std::string CheckNumbers(const std::uint8_t* data, std::size_t size);
std::string CheckDrawing(const std::uint8_t* data, std::size_t size);

}  // namespace jw::fuzz
