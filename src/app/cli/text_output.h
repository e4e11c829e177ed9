// How the command line prints a design: an aligned text table, JSON, or a CSV line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/safe_output.h"
#include "design/design_run.h"

namespace jw::cli {

std::string AlignedText(const DesignResult& result);
std::string JsonText(ConnectionType type, const DesignResult& result);
std::string JsonString(std::string_view text);
std::string CsvField(std::string_view text);

// Writes `text` whole to `path`, or prints it when there is no path. False (after saying why
// on standard error) when the file cannot be written or is one of the run's inputs.
bool WriteOrPrint(const std::optional<std::string>& path, const std::string& text,
                  const std::vector<InputFile>& inputs = {});

}  // namespace jw::cli
