#include "results/calculation_html.h"

#include <cctype>

#include "data/numbers.h"

namespace jw {
namespace {

constexpr std::string_view kStyle = R"(
body{font-family:"DejaVu Sans",Arial,Helvetica,sans-serif;font-size:10pt;color:#000;margin:1.5cm}
h1{font-size:15pt;margin:0 0 2pt 0}
h2{font-size:12pt;border-bottom:1px solid #000;margin:14pt 0 4pt 0;break-after:avoid}
h3{font-size:10.5pt;margin:10pt 0 3pt 0;break-after:avoid}
table{border-collapse:collapse}
td,th{padding:1pt 6pt;vertical-align:top;text-align:left}
.block{break-inside:avoid;margin-bottom:4pt}
.titleblock{border:1.5pt solid #000;width:100%;margin:6pt 0;table-layout:fixed}
.titleblock td{border:0.5pt solid #000;overflow-wrap:anywhere}
.titleblock th{border:0.5pt solid #000;width:12%;font-weight:normal;color:#333}
.digest{font-family:"DejaVu Sans Mono",Courier,monospace;font-size:8.5pt}
.sym{font-style:italic;white-space:nowrap}
.num{text-align:right;white-space:nowrap}
.note{color:#333}
.check{border:0.5pt solid #888;margin:4pt 0;width:100%;box-sizing:border-box;break-inside:avoid}
.index table{table-layout:fixed;font-size:8pt}
.index td,.index th{padding:1pt 3pt;overflow-wrap:break-word}
.check th{background:#eee;font-weight:bold}
.check td.key{width:14%;color:#333}
.formula{font-family:"DejaVu Serif","Times New Roman",serif}
.pass{color:#060;font-weight:bold}
.fail{color:#b00;font-weight:bold}
.verdict{font-size:12pt;font-weight:bold}
.pagebreak{break-before:page}
.sheet svg{width:12cm;height:12cm;border:0.5pt solid #888}
@page{size:A4;margin:15mm}
@media print{body{margin:0}}
)";

// Whole words that are names, not a letter with a subscript.
constexpr std::string_view kWords[] = {"Hole", "min", "max"};

// The symbols a formula may hold, set with their subscripts; anything else stays as it is.
constexpr std::string_view kFormulaSymbols[] = {
    "Fv",  "Fu",    "Fy",     "Fw",    "Ft", "Ft0", "Fp",   "fv",   "ft",  "Ab", "Ae",
    "An",  "Ag",    "An1",    "An2",   "db", "tw",  "tc",   "tf",   "tfc", "bf", "r1",
    "Lp",  "Lv",    "Ln",     "Lnv",   "Le", "Ncl", "Nsup", "Nsc",  "Nr",  "Nc", "Nfr",
    "Nfc", "Nside", "ex",     "Mg",    "Rv", "Rh",  "xmax", "ymax", "Ff",  "Pf", "Psup",
    "Sz",  "Fv,sc", "Le,min", "w,min", "C1", "C2",  "C3",   "dc",   "Sy2"};

bool IsSymbolChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

std::string Cell(std::string_view cls, const std::string& html) {
    return "<td class=\"" + std::string(cls) + "\">" + html + "</td>";
}

std::string VerdictHtml(const std::string& verdict) {
    return "<span class=\"" + std::string(verdict == "PASSED" ? "pass" : "fail") + "\">" +
           HtmlEscape(verdict) + "</span>";
}

std::string ValueRow(const CalcValue& v) {
    const std::string value = HtmlEscape(v.value) + (v.unit.empty() ? "" : " " + UnitHtml(v.unit));
    if (v.symbol.empty())
        return "<tr><td colspan=\"2\">" + HtmlEscape(v.label) + "</td>" + Cell("num", value) +
               Cell("note", HtmlEscape(v.note)) + "</tr>";
    return "<tr>" + Cell("sym", SymbolHtml(v.symbol)) + "<td>" + HtmlEscape(v.label) + "</td>" +
           Cell("num", value) + Cell("note", FormulaHtml(v.note)) + "</tr>";
}

std::string Blocks(const std::string& number, const std::vector<CalcBlock>& blocks) {
    std::string html;
    int n = 0;
    for (const CalcBlock& block : blocks) {
        html += "<div class=\"block\"><h3>" + number + "." + std::to_string(++n) + " " +
                HtmlEscape(block.title) + "</h3><table class=\"values\">";
        for (const CalcValue& v : block.values) html += ValueRow(v);
        html += "</table></div>\n";
    }
    return html;
}

std::string Figure(double value, const std::string& unit) {
    return FormatFixed(value, 2) + (unit.empty() ? "" : " " + UnitHtml(unit));
}

std::string KeyRow(std::string_view key, const std::string& html) {
    return "<tr><td class=\"key\">" + std::string(key) + "</td><td>" + html + "</td></tr>";
}

std::string CheckTable(const std::string& number, const CheckRow& c) {
    std::string html = "<table class=\"check\"><tr><th colspan=\"2\">" + number + " " +
                       HtmlEscape(c.name) +
                       (c.clause.empty() ? "" : " (" + HtmlEscape(c.clause) + ")") + "</th></tr>";
    if (!c.formula.empty())
        html += KeyRow("Formula", "<span class=\"formula\">" + FormulaHtml(c.formula) + "</span>");
    if (!c.substituted.empty())
        html +=
            KeyRow("Values", "<span class=\"formula\">" + FormulaHtml(c.substituted) + "</span>");
    if (!c.governs.empty()) html += KeyRow("Governing", HtmlEscape(c.governs));
    if (c.demand != 0 || c.capacity != 0) {
        html += KeyRow("Demand", Figure(c.demand, c.unit));
        html += KeyRow("Capacity", Figure(c.capacity, c.unit));
    }
    html += KeyRow("Ratio", HtmlEscape(c.ratioText.empty() ? "-" : c.ratioText) + " " +
                                VerdictHtml(c.verdict));
    return html + "</table>\n";
}

std::string Checks(const std::vector<CheckGroup>& groups) {
    std::string html;
    int g = 0;
    for (const CheckGroup& group : groups) {
        const std::string number = "3." + std::to_string(++g);
        html += "<h3>" + number + " " + HtmlEscape(group.heading) + "</h3>\n";
        int c = 0;
        for (const CheckRow& check : group.checks)
            html += CheckTable(number + "." + std::to_string(++c), check);
    }
    return html;
}

std::string TitleBlock(const CalculationModel& m) {
    const CalculationSource& s = m.source;
    auto row = [](std::string_view a, const std::string& av, std::string_view b,
                  const std::string& bv) {
        return "<tr><th>" + std::string(a) + "</th><td>" + HtmlEscape(av) + "</td><th>" +
               std::string(b) + "</th><td>" + HtmlEscape(bv) + "</td></tr>";
    };
    return "<table class=\"titleblock\">" +
           row("Project", s.info.project, "Job No.", s.info.jobNo) +
           row("Title", s.info.title, "Revise", s.info.revise) +
           row("Engineer", s.info.engineer, "Check", s.info.checker) +
           row("Date", s.date, "File", s.fileName.empty() ? "(not read from a file)" : s.fileName) +
           "<tr><th>SHA-256</th><td colspan=\"3\" class=\"digest\">" + HtmlEscape(s.sha256) +
           "</td></tr></table>\n";
}

std::string Verdict(const CalculationModel& m) {
    std::string html = "<h2>4. " + std::string(kVerdictHeading) + "</h2>\n<p>Governing check: " +
                       (m.governingCheck.empty() ? std::string("none above 0.00")
                                                 : HtmlEscape(m.governingCheck) + ", ratio " +
                                                       HtmlEscape(m.governingRatio)) +
                       "</p>\n<p class=\"verdict " + (m.accepted ? "pass" : "fail") + "\">" +
                       HtmlEscape(m.verdictLine) + "</p>\n";
    if (!m.warnings.empty()) {
        html += "<p>Warnings (detailing practice; not part of the verdict):</p><ul>";
        for (const std::string& w : m.warnings) html += "<li>" + HtmlEscape(w) + "</li>";
        html += "</ul>\n";
    }
    return html;
}

std::string NotChecked(const std::vector<NotCheckedItem>& items) {
    std::string html = "<h2>5. " + std::string(kNotCheckedHeading) + "</h2>\n<ul>";
    std::string_view group;
    for (const NotCheckedItem& item : items) {
        if (item.group != group) {
            group = item.group;
            html += "</ul>\n<p>" + HtmlEscape(group) + "</p>\n<ul>";
        }
        html += "<li>" + (item.title.empty() ? "" : "<b>" + HtmlEscape(item.title) + "</b> ") +
                HtmlEscape(item.text) + "</li>";
    }
    return html + "</ul>\n";
}

}  // namespace

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                // XML has no place for control characters; a text holding one shows a space.
                out += static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' ? ' ' : c;
        }
    }
    return out;
}

std::string UnitHtml(std::string_view unit) {
    // Square and higher powers of centimetres: "cm2" as cm with a superscript 2.
    if (unit.size() == 3 && unit.substr(0, 2) == "cm" &&
        std::isdigit(static_cast<unsigned char>(unit[2])))
        return "cm<sup>" + std::string(1, unit[2]) + "</sup>";
    return HtmlEscape(unit);
}

std::string SymbolHtml(std::string_view symbol) {
    if (symbol == "Sy2") return "&#931;y<sup>2</sup>";
    for (const std::string_view word : kWords)
        if (symbol == word) return std::string(symbol);
    if (symbol.size() < 2) return HtmlEscape(symbol);
    return HtmlEscape(symbol.substr(0, 1)) + "<sub>" + HtmlEscape(symbol.substr(1)) + "</sub>";
}

std::string FormulaHtml(std::string_view formula) {
    std::string html;
    std::size_t i = 0;
    while (i < formula.size()) {
        const char c = formula[i];
        if (IsSymbolChar(c) && (i == 0 || !IsSymbolChar(formula[i - 1]))) {
            std::size_t end = i;
            while (end < formula.size() && IsSymbolChar(formula[end])) ++end;
            // "Fv,sc" and "Le,min": a comma joined to letters belongs to the symbol.
            if (end + 1 < formula.size() && formula[end] == ',' &&
                std::islower(static_cast<unsigned char>(formula[end + 1]))) {
                std::size_t tail = end + 1;
                while (tail < formula.size() &&
                       std::isalpha(static_cast<unsigned char>(formula[tail])))
                    ++tail;
                const std::string_view joined = formula.substr(i, tail - i);
                for (const std::string_view s : kFormulaSymbols)
                    if (joined == s) end = tail;
            }
            const std::string_view word = formula.substr(i, end - i);
            bool known = false;
            for (const std::string_view s : kFormulaSymbols) known = known || word == s;
            if (word == "sqrt")
                html += "&#8730;";
            else
                html += known ? SymbolHtml(word) : HtmlEscape(word);
            i = end;
            continue;
        }
        if (c == '^' && i + 1 < formula.size() && IsSymbolChar(formula[i + 1])) {
            std::size_t end = i + 1;
            while (end < formula.size() && IsSymbolChar(formula[end])) ++end;
            html += "<sup>" + HtmlEscape(formula.substr(i + 1, end - i - 1)) + "</sup>";
            i = end;
            continue;
        }
        if (formula.compare(i, 2, "<=") == 0) {
            html += "&#8804;";
            i += 2;
            continue;
        }
        if (formula.compare(i, 3, " x ") == 0) {
            html += " &#215; ";
            i += 3;
            continue;
        }
        html += HtmlEscape(formula.substr(i, 1));
        ++i;
    }
    return html;
}

std::string CalculationHtmlSection(const CalculationModel& m) {
    std::string html;
    html.reserve(32768);
    html += "<section class=\"calculation\">\n<h1>" + HtmlEscape(m.program) + " - " +
            kCalculationTitle + "</h1>\n<p>Version " + HtmlEscape(m.version) + "</p>\n";
    html += TitleBlock(m);
    html += "<p><b>" + HtmlEscape(m.typeTitle) + "</b></p>\n";
    html += "<h2>1. " + std::string(kInputsHeading) + "</h2>\n" + Blocks("1", m.inputs);
    html += "<h2>2. " + std::string(kDerivedHeading) + "</h2>\n" + Blocks("2", m.derived);
    html += "<h2>3. " + std::string(kChecksHeading) + "</h2>\n" + Checks(m.checks);
    html += Verdict(m);
    html += NotChecked(m.notChecked);
    return html + "</section>\n";
}

std::string HtmlPage(std::string_view title, std::string_view body) {
    std::string html;
    html.reserve(body.size() + 4096);
    html +=
        "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n"
        "<meta charset=\"UTF-8\"/>\n<title>";
    html += HtmlEscape(title);
    html += "</title>\n<style>";
    html += kStyle;
    html += "</style>\n</head>\n<body>\n";
    html += body;
    html += "</body>\n</html>\n";
    return html;
}

std::string CalculationHtml(const CalculationModel& model) {
    return HtmlPage(model.source.info.title + " - " + kCalculationTitle,
                    CalculationHtmlSection(model));
}

}  // namespace jw
