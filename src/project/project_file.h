// Project files (".Bol"): one connection's input as the engineer entered it, with the six
// title-block texts. Plain text, one item per line, CR LF line ends:
//
//   1        "TAV JOINTWRIGHT"
//   2..7     project, title, job no., revise, engineer, checker
//   8..12    type index, bolt grade, bolt diameter, beam section, member grade option
//   13       angle section (angle cleats only; an empty line for the other types)
//   14..13+n the value texts of grid rows 1..n, exactly as typed
//   14+n     "End"
//
// Numbers are written " 1 " / "-1 ", the form older files have always used; reading accepts
// them with or without those spaces. The text is kept byte for byte (no code page conversion).
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "data/connection_input.h"
#include "data/text_grid.h"

namespace jw {

// The title-block texts, in file order.
struct ProjectInfo {
    std::string project = "TAV";
    std::string title = "Connection 01";
    std::string jobNo = "001";
    std::string revise = "-";
    std::string engineer = "-";
    std::string checker = "-";
};

struct Project {
    ProjectInfo info;
    ConnectionType type = ConnectionType::None;
    ConnectionChoices choices;        // the advisor switch is not kept in the file
    std::vector<std::string> values;  // value texts of grid rows 1..n, exactly as typed
};

// Why a project could not be read or written. line() is the 1-based file line at fault, or 0
// when the fault is not one line's (a file that cannot be opened, a failed write).
class ProjectFileError : public std::runtime_error {
  public:
    ProjectFileError(int line, const std::string& message)
        : std::runtime_error(message), line_(line) {}
    int line() const { return line_; }

  private:
    int line_;
};

// The input grid of the project's type holding its values (extra values are not shown).
TextGrid ProjectGrid(const Project& project);
// The value texts of grid rows 1..n.
std::vector<std::string> GridValues(const TextGrid& grid);

// The exact file text. Throws ProjectFileError when the project cannot be stored so that it
// reads back the same: a text holding a line break, a value count that is not the type's row
// count, or a choice outside its list.
std::string FormatProject(const Project& project);

// Reads a file text (CR LF or LF line ends). Throws ProjectFileError naming the line when the
// file is not a project file or names something that does not exist; nothing is half-read.
Project ParseProject(std::string_view text);

// Writes the file so that a failed save leaves any previous file untouched: the text goes to a
// temporary file beside the target, which then replaces it. Throws ProjectFileError.
void SaveProjectFile(const std::string& path, const Project& project);
// Reads and parses a file. Throws ProjectFileError (naming the path when it cannot be read).
Project LoadProjectFile(const std::string& path);

}  // namespace jw
