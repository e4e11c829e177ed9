// The acceptance file "Accept.txt": once the disclaimer is accepted it holds the line "Accept",
// and the next start goes straight to the main form. Only the last line counts.
#pragma once

#include <QString>
#include <string_view>

namespace jw::ui {

inline constexpr std::string_view kAcceptLine = "Accept";
inline const QString kAcceptanceFileName = QStringLiteral("Accept.txt");

// The last line of a text as a line-by-line reader meets it, without its line end. Lines end
// in CR LF, LF or CR; a line end at the very end starts no further line, so "Accept\r\n" ends
// in "Accept" while "Accept\r\n\r\n" ends in an empty line. An empty text has no lines: "".
std::string_view LastLine(std::string_view text);

// Whether a file text records the acceptance: its last line is exactly "Accept" (case and
// blanks matter).
bool RecordsAcceptance(std::string_view text);

// Where the acceptance file lives: in the program's folder, as it always has; when that folder
// cannot be written (a system-wide installation), in the user's configuration folder.
QString AcceptanceFilePath(const QString& programFolder, const QString& configFolder);
// The same for this program and this user.
QString AcceptanceFilePath();

// Makes sure the file exists (an empty one when it is missing) and reads whether it records
// the acceptance. A file that cannot be created or read records nothing.
bool ReadAcceptance(const QString& path);

// Replaces the file's text with the line "Accept". Returns the empty text on success, else
// the reason.
QString RecordAcceptance(const QString& path);

}  // namespace jw::ui
