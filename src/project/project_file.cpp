#include "project/project_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <optional>

#include "data/grades.h"
#include "data/numbers.h"
#include "data/sections.h"

namespace jw {
namespace {

constexpr std::string_view kHeader = "TAV JOINTWRIGHT";
constexpr std::string_view kEndLine = "End";
// A project file has at most 30 lines; a file past 50 is some other file.
constexpr std::size_t kMaxLines = 50;
constexpr int kTypeLine = 8;
constexpr int kAngleLine = 13;
constexpr int kFirstValueLine = 14;

constexpr std::array<std::string_view, 6> kInfoNames = {"project name", "title",    "job number",
                                                        "revision",     "engineer", "checker"};

// A number line and the values that name something in its list.
struct NumberLine {
    int line;
    std::string_view what;
    int min;
    int max;
};

constexpr NumberLine kTypeNumber = {kTypeLine, "connection type", 0, kTypeCount};
constexpr std::array<NumberLine, 4> kChoiceNumbers = {{
    {9, "bolt grade position", 0, kBoltGradeCount - 1},
    {10, "bolt diameter position", 0, kBoltDiameterCount - 1},
    {11, "beam section position", -1, kSectionCount - 1},
    {12, "member steel grade option", kNoGrade, kGradeSM490},
}};
constexpr NumberLine kAngleNumber = {kAngleLine, "angle section position", -1, kAngleCount - 1};

std::array<int, 4> ChoiceValues(const ConnectionChoices& c) {
    return {c.boltGrade, c.boltDiameter, c.beamSection, c.memberGrade};
}

std::array<int*, 4> ChoiceFields(ConnectionChoices& c) {
    return {&c.boltGrade, &c.boltDiameter, &c.beamSection, &c.memberGrade};
}

std::array<const std::string*, 6> InfoTexts(const ProjectInfo& i) {
    return {&i.project, &i.title, &i.jobNo, &i.revise, &i.engineer, &i.checker};
}

std::array<std::string*, 6> InfoTexts(ProjectInfo& i) {
    return {&i.project, &i.title, &i.jobNo, &i.revise, &i.engineer, &i.checker};
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string RowName(ConnectionType type, std::size_t row) {
    return "value of grid row " + std::to_string(row + 1) + " (" +
           Quoted(InputLayout(type)[row].label) + ")";
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

// A line as a message quotes it: without the blanks around it, and cut short (between two
// characters) when a file that is no project file puts a whole page on one line.
std::string Shown(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    text = Trimmed(text);
    if (text.size() <= kLongest) return std::string(text);
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return std::string(text.substr(0, cut)) + "...";
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool IsKnownType(ConnectionType type) {
    const int index = static_cast<int>(type);
    return index >= 0 && index <= kTypeCount;
}

// The classic line-print form: a sign place (blank or "-"), the digits, one trailing blank.
std::string NumberText(int value) {
    return (value < 0 ? "" : " ") + std::to_string(value) + " ";
}

struct Problem {
    int line;
    std::string reason;
};

std::string DoesNotExist(const NumberLine& n, int value) {
    return "the " + std::string(n.what) + " " + std::to_string(value) + " does not exist";
}

// Why a text cannot be stored on one line of the file, or the empty text.
std::string TextProblem(const std::string& text, CodePage page) {
    if (HasLineBreak(text)) return " holds a line break, which a project file cannot store";
    const std::string refused = EncodeCodePage(text, page).refused;
    if (refused.empty()) return {};
    return " holds " + refused + ", which the code page " + std::string(CodePageCaption(page)) +
           " cannot store";
}

// Anything that would make the written file unreadable or read back differently.
std::optional<Problem> StorageProblem(const Project& p, CodePage page) {
    const auto texts = InfoTexts(p.info);
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (std::string problem = TextProblem(*texts[i], page); !problem.empty())
            return Problem{static_cast<int>(i) + 2, "the " + std::string(kInfoNames[i]) + problem};
    if (!IsKnownType(p.type))
        return Problem{kTypeLine, DoesNotExist(kTypeNumber, static_cast<int>(p.type))};
    const auto choices = ChoiceValues(p.choices);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const NumberLine& n = kChoiceNumbers[i];
        if (choices[i] < n.min || choices[i] > n.max)
            return Problem{n.line, DoesNotExist(n, choices[i])};
    }
    const int angle = p.choices.angleSection;
    if (p.type == ConnectionType::ACLT && (angle < kAngleNumber.min || angle > kAngleNumber.max))
        return Problem{kAngleLine, DoesNotExist(kAngleNumber, angle)};
    const std::size_t rows = InputLayout(p.type).size();
    if (p.values.size() != rows)
        return Problem{kFirstValueLine, "the project holds " + std::to_string(p.values.size()) +
                                            " values but its grid has " + std::to_string(rows) +
                                            " rows"};
    for (std::size_t r = 0; r < rows; ++r)
        if (std::string problem = TextProblem(p.values[r], page); !problem.empty())
            return Problem{kFirstValueLine + static_cast<int>(r),
                           "the " + RowName(p.type, r) + problem};
    return std::nullopt;
}

// Splits at LF, dropping the CR of a CR LF end. Stops one line past the limit: that is enough
// to know the file is too long.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() <= kMaxLines) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = next;
    }
    return lines;
}

[[noreturn]] void Reject(int line, const std::string& reason) {
    throw ProjectFileError(line, "Line " + std::to_string(line) + ": " + reason + ".");
}

// The file's text as UTF-8. A byte-order mark is what an editor that saved the file as UTF-8
// puts first: the rest is then read as UTF-8 (when it is).
std::string DecodedText(std::string_view bytes, CodePage page) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
        if (IsUtf8(bytes)) return std::string(bytes);
    }
    return DecodeCodePage(bytes, page);
}

// Lines end in CR LF (or LF). A file from a system that ends lines otherwise, or a carriage
// return inside a line, would read as texts holding a CR that no save could write back.
void RequireLineEnds(std::string_view text) {
    constexpr std::string_view kWanted = "; a project file's lines end in CR LF";
    if (!text.starts_with(kHeader)) return;  // not a project file: the header check says so
    const std::string_view afterHeader = text.substr(kHeader.size());
    if (afterHeader.starts_with("\r\r\n"))
        Reject(1, "the lines end in CR CR LF (a carriage return too many)" + std::string(kWanted));
    if (afterHeader.starts_with("\r") && !afterHeader.starts_with("\r\n"))
        Reject(1, "the lines end in a carriage return (CR) alone" + std::string(kWanted));
    int line = 1;
    for (std::size_t start = 0; start < text.size() && line <= static_cast<int>(kMaxLines);
         ++line) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view content = text.substr(start, end - start);
        start = end + 1;
        if (content.ends_with("\r")) content.remove_suffix(1);
        if (content.find('\r') == std::string_view::npos) continue;
        if (content.ends_with("\r"))
            Reject(line,
                   "the line ends in CR CR LF (a carriage return too many)" + std::string(kWanted));
        Reject(line,
               "the line holds a carriage return (CR) inside it, which a project file "
               "cannot hold");
    }
}

class LineReader {
  public:
    explicit LineReader(std::string_view text) : lines_(SplitLines(text)) {}

    std::size_t Count() const { return lines_.size(); }

    // The text of a line that the file must hold.
    std::string_view Required(int line, std::string_view what) const {
        if (static_cast<std::size_t>(line) > lines_.size())
            Reject(line, "the file ends before the " + std::string(what));
        return lines_[static_cast<std::size_t>(line) - 1];
    }

    // The whole number on a line; nothing for an empty line when `mayBeEmpty`.
    std::optional<double> Whole(const NumberLine& n, bool mayBeEmpty) const {
        const std::string_view text = Required(n.line, n.what);
        const auto first = text.find_first_not_of(" \t");
        if (first == std::string_view::npos) {
            if (mayBeEmpty) return std::nullopt;
            Reject(n.line, "the " + std::string(n.what) + " is missing (the line is empty)");
        }
        const std::optional<double> value = StrictNumber(text);
        if (!value || *value != std::trunc(*value))
            Reject(n.line, "the " + std::string(n.what) + " " + Quoted(Shown(text)) +
                               " is not a whole number");
        return value;
    }

    // The closing "End" line after the last value. A file cut short anywhere before it, even
    // inside the last value, lacks it.
    void RequireEnd(int line, std::size_t values) const {
        if (static_cast<std::size_t>(line) > lines_.size())
            Reject(line, "\"End\" expected: the file is incomplete");
        const std::string_view text = Trimmed(lines_[static_cast<std::size_t>(line) - 1]);
        if (text == kEndLine) return;
        if (!text.empty() && kEndLine.starts_with(text))
            Reject(line, "\"End\" expected: the file is incomplete");
        Reject(line, "\"End\" expected after the " + std::to_string(values) +
                         " values of the connection type, not " + Quoted(Shown(text)));
    }

    // A position or option that exists in the line's list.
    int Listed(const NumberLine& n) const {
        const double value = *Whole(n, false);
        if (value < n.min || value > n.max)
            Reject(n.line, "the " + std::string(n.what) + " " + Shown(Required(n.line, n.what)) +
                               " does not exist");
        return static_cast<int>(value);
    }

  private:
    std::vector<std::string_view> lines_;
};

}  // namespace

TextGrid ProjectGrid(const Project& project) {
    TextGrid grid = BuildInputGrid(project.type);
    for (int r = 1; r < grid.rows && static_cast<std::size_t>(r) <= project.values.size(); ++r)
        grid.At(r, kValueColumn) = project.values[static_cast<std::size_t>(r) - 1];
    return grid;
}

std::vector<std::string> GridValues(const TextGrid& grid) {
    std::vector<std::string> values;
    for (int r = 1; r < grid.rows; ++r) values.push_back(grid.At(r, kValueColumn));
    return values;
}

std::string FormatProject(const Project& project, CodePage page) {
    if (auto problem = StorageProblem(project, page)) {
        problem->reason[0] = static_cast<char>(std::toupper(problem->reason[0]));
        throw ProjectFileError(problem->line, problem->reason + ".");
    }
    std::string out;
    const auto addLine = [&out, page](std::string_view line) {
        out += EncodeCodePage(line, page).bytes;
        out += "\r\n";
    };
    addLine(kHeader);
    for (const std::string* text : InfoTexts(project.info)) addLine(*text);
    addLine(NumberText(static_cast<int>(project.type)));
    for (const int value : ChoiceValues(project.choices)) addLine(NumberText(value));
    addLine(project.type == ConnectionType::ACLT ? NumberText(project.choices.angleSection) : "");
    for (const std::string& value : project.values) addLine(value);
    addLine(kEndLine);
    return out;
}

Project ParseProject(std::string_view bytes, CodePage page) {
    const std::string text = DecodedText(bytes, page);
    RequireLineEnds(text);
    const LineReader reader(text);
    if (reader.Count() == 0 || reader.Required(1, "header") != kHeader)
        Reject(1, "not a JointWright project file (the first line is not " + Quoted(kHeader) + ")");
    if (reader.Count() > kMaxLines)
        Reject(static_cast<int>(kMaxLines) + 1, "the file has more than " +
                                                    std::to_string(kMaxLines) +
                                                    " lines, more than a project file holds");

    Project project;
    const auto texts = InfoTexts(project.info);
    for (std::size_t i = 0; i < texts.size(); ++i)
        *texts[i] = reader.Required(static_cast<int>(i) + 2, kInfoNames[i]);

    project.type = TypeFromIndex(reader.Listed(kTypeNumber));
    const auto fields = ChoiceFields(project.choices);
    for (std::size_t i = 0; i < fields.size(); ++i) *fields[i] = reader.Listed(kChoiceNumbers[i]);
    // Only angle cleats use line 13. The other types write it empty; a number there is not
    // used, but anything else means the file is not what it claims to be.
    if (project.type == ConnectionType::ACLT)
        project.choices.angleSection = reader.Listed(kAngleNumber);
    else
        reader.Whole(kAngleNumber, true);

    const std::size_t rows = InputLayout(project.type).size();
    for (std::size_t r = 0; r < rows; ++r)
        project.values.emplace_back(
            reader.Required(kFirstValueLine + static_cast<int>(r), RowName(project.type, r)));
    reader.RequireEnd(kFirstValueLine + static_cast<int>(rows), rows);
    return project;
}

}  // namespace jw
