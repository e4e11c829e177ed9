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
// them with or without those spaces. Files are in a single-byte code page (data/code_page.h);
// the texts of a Project are UTF-8 and are converted as the file is read and written.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "data/code_page.h"
#include "data/connection_input.h"
#include "data/safe_output.h"
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

// The exact file bytes in the code page. Throws ProjectFileError when the project cannot be
// stored so that it reads back the same: a text holding a line break or a character the code
// page cannot hold, a value count that is not the type's row count, or a choice outside its
// list.
std::string FormatProject(const Project& project, CodePage page = kDefaultCodePage);

// Reads file bytes in the code page (CR LF or LF line ends; a UTF-8 byte-order mark before the
// header marks the rest as UTF-8). Throws ProjectFileError naming the line when the file is not
// a project file, names something that does not exist, has line ends of another system or a
// carriage return inside a line, or stops before its closing "End" line (a file cut short would
// otherwise design with its last value cut); nothing is half-read.
Project ParseProject(std::string_view bytes, CodePage page = kDefaultCodePage);

// Writes the file through the safe output writer: a failed save leaves any previous file
// untouched, a read-only file is refused. Throws ProjectFileError.
void SaveProjectFile(const std::string& path, const Project& project,
                     CodePage page = kDefaultCodePage);

// A project file's bytes, read once, and which file they came from.
struct ProjectSource {
    InputFile file;
    std::string bytes;
};
// "-" names the program's standard input, as command-line programs have always taken it.
inline constexpr std::string_view kStandardInputName = "-";
// Reads a regular file or a pipe whole. Throws ProjectFileError naming the path.
ProjectSource ReadProjectSource(const std::string& path);
// Reads and parses a file. Throws ProjectFileError (naming the path when it cannot be read).
Project LoadProjectFile(const std::string& path, CodePage page = kDefaultCodePage);

}  // namespace jw
