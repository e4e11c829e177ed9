#include "fuzz_checks.h"

#include <cmath>
#include <string_view>

#include "data/design_error.h"
#include "data/numbers.h"
#include "design/design_run.h"
#include "results/calculation_html.h"
#include "results/calculation_text.h"
#include "drawing/dxf_canvas.h"
#include "drawing/svg_canvas.h"
#include "project/project_file.h"

namespace jw::fuzz {
namespace {

std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

bool ShowsNonFinite(const std::string& text) {
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

// A type byte, five choice bytes, then the grid's value texts separated by line feeds.
ConnectionInput ConnectionFromBytes(const std::uint8_t* data, std::size_t size) {
    ConnectionInput input;
    auto byte = [&](std::size_t i) { return i < size ? data[i] : std::uint8_t{0}; };
    input.type = TypeFromIndex(byte(0) % 5);
    input.choices.boltGrade = byte(1) % 14 - 1;  // -1 reaches "nothing chosen"
    input.choices.boltDiameter = byte(2) % 10 - 1;
    input.choices.beamSection = byte(3) % 93 - 1;
    input.choices.angleSection = byte(4) % 32 - 1;
    input.choices.memberGrade = byte(5) % 5;
    input.grid = BuildInputGrid(input.type);
    const std::string_view rest = size > 6 ? AsText(data + 6, size - 6) : std::string_view();
    std::size_t start = 0;
    for (int row = 1; row < input.grid.rows && start <= rest.size(); ++row) {
        const std::size_t end = std::min(rest.find('\n', start), rest.size());
        input.grid.At(row, kValueColumn) = std::string(rest.substr(start, end - start));
        start = end + 1;
    }
    return input;
}

// The detailed calculation of a finished run shows only finite numbers, in every format.
std::string CheckCalculation(const ConnectionInput& input, const DesignResult& result) {
    const CalculationModel model = BuildCalculation({}, input, result);
    for (const std::vector<CalcBlock>* blocks : {&model.inputs, &model.derived})
        for (const CalcBlock& block : *blocks)
            for (const CalcValue& value : block.values)
                if (!value.symbol.empty() && ShowsNonFinite(value.value))
                    return "calculation shows " + value.symbol + " = " + value.value;
    for (const CheckGroup& group : model.checks)
        for (const CheckRow& check : group.checks)
            if (!std::isfinite(check.demand) || !std::isfinite(check.capacity) ||
                ShowsNonFinite(check.substituted))
                return "calculation check " + check.name + " is not finite";
    if (CalculationText(model).empty() || CalculationHtml(model).empty())
        return "an empty calculation";
    return {};
}

}  // namespace

std::string CheckDesignRun(const std::uint8_t* data, std::size_t size) {
    const ConnectionInput input = ConnectionFromBytes(data, size);
    const DesignResult result = RunDesign(input, RunOptions{""});
    if (result.status == RunStatus::Stopped) return result.message.empty() ? "no message" : "";
    for (const std::string& cell : result.table.cells)
        if (ShowsNonFinite(cell)) return "result table shows " + cell;
    for (const std::string& cell : result.summary.cells)
        if (ShowsNonFinite(cell)) return "summary shows " + cell;
    for (std::string_view bad : {"= nan", "= inf", "= -nan", "= -inf"})
        if (result.report.find(bad) != std::string::npos) return "report shows " + std::string(bad);
    bool furtherPass = true;
    for (const CheckRow& check : result.further.checks) {
        if (!std::isfinite(check.demand) || !std::isfinite(check.capacity) ||
            ShowsNonFinite(check.ratioText) || ShowsNonFinite(check.substituted))
            return "further check " + check.name + " is not finite";
        if ((LeadingNumber(check.ratioText) <= 1) != check.Passed())
            return "further check " + check.name + " has a verdict against its ratio";
        furtherPass &= check.Passed();
    }
    if ((result.status == RunStatus::Accepted) != (result.classicAccepted && furtherPass))
        return "the verdict leaves out a check";
    return CheckCalculation(input, result);
}

// Whatever the bytes, a file is refused or read into texts that write back and read again the
// same, in either code page.
std::string CheckProjectReader(const std::uint8_t* data, std::size_t size) {
    for (const CodePage page : {CodePage::Windows1252, CodePage::Windows874}) {
        Project project;
        try {
            project = ParseProject(AsText(data, size), page);
        } catch (const ProjectFileError&) {
            continue;
        }
        std::string written;
        try {
            written = FormatProject(project, page);
        } catch (const ProjectFileError&) {
            continue;  // a text that no line-based file can hold is refused, not written
        }
        try {
            if (FormatProject(ParseProject(written, page), page) != written)
                return "round trip changed the file";
        } catch (const ProjectFileError& error) {
            return std::string("the reader rejects what the writer wrote: ") + error.what();
        }
    }
    return {};
}

std::string CheckNumbers(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = AsText(data, size);
    const double leading = LeadingNumber(text);
    const auto strict = StrictNumber(text);
    if (strict && !std::isfinite(*strict)) return "strict conversion gave a non-finite number";
    if (strict && text.find_first_of(" \t\n") == std::string_view::npos && *strict != leading)
        return "strict and leading readings disagree";
    if (std::isfinite(leading)) {
        const std::string shown = FormatFixed(leading, 2);
        // Beyond ten whole digits the taking to 15 significant digits can round a second time.
        if (std::fabs(leading) < 1e10 && std::fabs(LeadingNumber(shown) - leading) > 0.0051)
            return "\"0.00\" of " + FormatPlain(leading) + " is " + shown;
        if (ShowsNonFinite(shown) || ShowsNonFinite(FormatUpToTwo(leading)) ||
            ShowsNonFinite(FormatWhole(leading)))
            return "a finite number formatted as non-finite";
        RoundCount(leading);
    }
    return {};
}

std::string CheckDrawing(const std::uint8_t* data, std::size_t size) {
    // The drawing follows the same input gate as the preview.
    const ConnectionInput input = ConnectionFromBytes(data, size);
    if (GateFailure(input.grid, true)) return {};
    std::string svg, dxf;
    try {
        svg = DrawConnectionSvg(input.type, input.grid, input.choices);
        dxf = DrawConnectionDxf(input.type, input.grid, input.choices);
    } catch (const DesignError& error) {
        return std::string(error.what()).empty() ? "a refusal without a message" : "";
    }
    if (ShowsNonFinite(svg) || ShowsNonFinite(dxf)) return "a drawing holds a non-finite number";
    if (svg.find("</svg>") == std::string::npos) return "the SVG is not a whole document";
    if (dxf.find("EOF") == std::string::npos) return "the DXF is not a whole file";
    return {};
}

}  // namespace jw::fuzz
