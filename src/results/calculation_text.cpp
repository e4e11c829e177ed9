#include "results/calculation_text.h"

#include <algorithm>

#include "data/numbers.h"

namespace jw {
namespace {

constexpr std::size_t kSymbolWidth = 9;
constexpr std::size_t kValueWidth = 20;
constexpr std::size_t kHeaderLabelWidth = 9;
constexpr std::size_t kHeaderColumn = 46;
constexpr const char* kIndent = "    ";

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

class Lines {
  public:
    void Add(CalcLineKind kind, std::string text) { lines_.push_back({kind, std::move(text)}); }
    void Body(std::string text) { Add(CalcLineKind::Body, std::move(text)); }
    void Blank() { Add(CalcLineKind::Blank, {}); }
    void Heading(std::string text) {
        const std::size_t length = text.size();
        Add(CalcLineKind::Heading, std::move(text));
        Body(std::string(length, '-'));
    }
    std::vector<CalcTextLine> Take() { return std::move(lines_); }

  private:
    std::vector<CalcTextLine> lines_;
};

// "V        = 10000 kg            Design Shear Force; typed 10000 kg", or for a name
// "bolt grade: A325-N  (bearing-type, ...)".
std::string ValueLine(const CalcValue& v) {
    std::string line = kIndent;
    if (v.symbol.empty()) {
        line += v.label + ": " + v.value;
        if (!v.note.empty()) line += "  (" + v.note + ")";
        return line;
    }
    const std::string value = v.unit.empty() ? v.value : v.value + " " + v.unit;
    line += Padded(v.symbol, kSymbolWidth - 1) + " = " + Padded(value, kValueWidth);
    std::string tail = v.label;
    if (!v.note.empty()) tail += (tail.empty() ? "" : "; ") + v.note;
    line += tail;
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

void Blocks(Lines& out, const std::string& number, const std::vector<CalcBlock>& blocks) {
    int n = 0;
    for (const CalcBlock& block : blocks) {
        out.Add(CalcLineKind::Subheading, number + "." + std::to_string(++n) + " " + block.title);
        for (const CalcValue& v : block.values) out.Body(ValueLine(v));
        out.Blank();
    }
}

std::string Figure(double value, const std::string& unit) {
    return FormatFixed(value, 2) + (unit.empty() ? "" : " " + unit);
}

void Check(Lines& out, const std::string& number, const CheckRow& c) {
    out.Add(CalcLineKind::Subheading,
            number + " " + c.name + (c.clause.empty() ? "" : " (" + c.clause + ")"));
    const std::string in = std::string(kIndent) + "  ";
    if (!c.formula.empty()) out.Body(in + "Formula  : " + c.formula);
    if (!c.substituted.empty()) out.Body(in + "Values   : " + c.substituted);
    if (!c.governs.empty()) out.Body(in + "Governing: " + c.governs);
    // A row that computes nothing (bearing of slip-critical bolts in the classic rows) has no
    // figures to show.
    if (c.demand != 0 || c.capacity != 0) {
        out.Body(in + "Demand   = " + Figure(c.demand, c.unit));
        out.Body(in + "Capacity = " + Figure(c.capacity, c.unit));
    }
    out.Body(in + "Ratio    = " + (c.ratioText.empty() ? "-" : c.ratioText) + "  " + c.verdict);
}

void Checks(Lines& out, const std::vector<CheckGroup>& groups) {
    int g = 0;
    for (const CheckGroup& group : groups) {
        const std::string number = "3." + std::to_string(++g);
        out.Add(CalcLineKind::Subheading, number + " " + group.heading);
        out.Blank();
        int c = 0;
        for (const CheckRow& check : group.checks) {
            Check(out, number + "." + std::to_string(++c), check);
            out.Blank();
        }
    }
}

void Verdict(Lines& out, const CalculationModel& m) {
    out.Heading("4. " + std::string(kVerdictHeading));
    out.Body(std::string(kIndent) + "Governing check: " +
             (m.governingCheck.empty() ? "none above 0.00"
                                       : m.governingCheck + ", ratio " + m.governingRatio));
    out.Body(std::string(kIndent) + m.verdictLine);
    if (!m.warnings.empty()) {
        out.Blank();
        out.Body(std::string(kIndent) + "Warnings (detailing practice; not part of the verdict):");
        for (const std::string& warning : m.warnings)
            out.Body(std::string(kIndent) + "- " + warning);
    }
    out.Blank();
}

void NotChecked(Lines& out, const std::vector<NotCheckedItem>& items) {
    out.Heading("5. " + std::string(kNotCheckedHeading));
    std::string_view group;
    for (const NotCheckedItem& item : items) {
        if (item.group != group) {
            group = item.group;
            out.Body(std::string(kIndent) + std::string(group));
        }
        out.Body(std::string(kIndent) + "- " +
                 (item.title.empty() ? "" : std::string(item.title) + " ") +
                 std::string(item.text));
    }
}

std::string HeaderPair(const std::string& label, const std::string& value) {
    return Padded(label, kHeaderLabelWidth) + ": " + value;
}

}  // namespace

std::vector<CalcTextLine> CalculationHeaderLines(const CalculationModel& m) {
    Lines out;
    const CalculationSource& s = m.source;
    out.Add(CalcLineKind::Title, m.program + " - " + kCalculationTitle);
    out.Body("Version " + m.version);
    out.Body(std::string(kHeaderColumn + 30, '='));
    const std::pair<std::string, std::string> left[] = {
        {"Project", s.info.project}, {"Title", s.info.title}, {"Engineer", s.info.engineer}};
    const std::pair<std::string, std::string> right[] = {
        {"Job No.", s.info.jobNo}, {"Revise", s.info.revise}, {"Check", s.info.checker}};
    for (std::size_t i = 0; i < std::size(left); ++i)
        out.Body(Padded(HeaderPair(left[i].first, left[i].second), kHeaderColumn) +
                 HeaderPair(right[i].first, right[i].second));
    out.Body(HeaderPair("Date", s.date));
    out.Body(HeaderPair("File", s.fileName.empty() ? "(not read from a file)" : s.fileName));
    out.Body(HeaderPair("SHA-256", s.sha256));
    return out.Take();
}

std::vector<CalcTextLine> CalculationLines(const CalculationModel& m) {
    std::vector<CalcTextLine> lines = CalculationHeaderLines(m);
    Lines out;
    out.Body(m.typeTitle);
    out.Blank();
    out.Heading("1. " + std::string(kInputsHeading));
    Blocks(out, "1", m.inputs);
    out.Heading("2. " + std::string(kDerivedHeading));
    Blocks(out, "2", m.derived);
    out.Heading("3. " + std::string(kChecksHeading));
    Checks(out, m.checks);
    Verdict(out, m);
    NotChecked(out, m.notChecked);
    std::vector<CalcTextLine> rest = out.Take();
    lines.insert(lines.end(), std::make_move_iterator(rest.begin()),
                 std::make_move_iterator(rest.end()));
    return lines;
}

std::string CalculationText(const CalculationModel& model) {
    std::string text;
    text.reserve(16384);
    for (const CalcTextLine& line : CalculationLines(model)) {
        text += line.text;
        text += '\n';
    }
    return text;
}

}  // namespace jw
