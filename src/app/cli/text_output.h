// How the command line prints a design: an aligned text table, JSON, or a CSV line.
#pragma once

#include <string>
#include <string_view>

#include "design/design_run.h"

namespace jw::cli {

std::string AlignedText(const DesignResult& result);
std::string JsonText(ConnectionType type, const DesignResult& result);
std::string JsonString(std::string_view text);
std::string CsvField(std::string_view text);

}  // namespace jw::cli
