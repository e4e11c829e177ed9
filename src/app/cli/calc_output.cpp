#include "app/cli/calc_output.h"

#include <algorithm>
#include <cctype>
#include <ctime>

#include "app/cli/commands.h"
#include "app/cli/pdf_output.h"
#include "data/sha256.h"
#include "results/calculation_html.h"
#include "results/calculation_text.h"

namespace jw::cli {
namespace {

bool EndsWith(const std::string& text, std::string_view ending) {
    if (text.size() < ending.size()) return false;
    return std::equal(ending.rbegin(), ending.rend(), text.rbegin(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

std::optional<CalcFormat> CalcFormatOf(const std::string& path) {
    if (EndsWith(path, ".txt")) return CalcFormat::Text;
    if (EndsWith(path, ".html") || EndsWith(path, ".htm")) return CalcFormat::Html;
    if (EndsWith(path, ".pdf")) return CalcFormat::Pdf;
    return std::nullopt;
}

void CheckCalculationOptions(const ParsedArguments& parsed) {
    if (const auto calc = parsed.Option("--calc"); calc && !CalcFormatOf(*calc))
        throw UsageError("--calc takes a file ending in .txt, .html or .pdf, not " + *calc);
    if (parsed.Has("--with-calc") && !parsed.Option("--pdf"))
        throw UsageError("--with-calc adds the calculation to the sheet of --pdf; give --pdf too");
}

std::string ProjectFileName(const std::string& path) {
    return path == kStandardInputName ? std::string("(standard input)") : path;
}

std::string CalculationDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

int WriteCalculationOutput(const ParsedArguments& parsed, const LoadedProject& loaded,
                           const std::string& projectPath, const ConnectionInput& input,
                           const DesignResult& result, const std::vector<InputFile>& inputs) {
    const auto path = parsed.Option("--calc");
    if (!path) return kExitAccepted;
    const CalcFormat format = CalcFormatOf(*path).value_or(CalcFormat::Text);
    const std::string name = ProjectFileName(projectPath);
    if (format == CalcFormat::Pdf)
        return RunPdfWriter({"--calc", "--name", name}, loaded.source.bytes, *path,
                            CodePageOption(parsed));
    const CalculationModel model = BuildCalculation(
        {loaded.project.info, CalculationDate(), name, Sha256Hex(loaded.source.bytes)}, input,
        result);
    const std::string text =
        format == CalcFormat::Html ? CalculationHtml(model) : CalculationText(model);
    return WriteOutput(*path, text, inputs) ? kExitAccepted : kExitStopped;
}

}  // namespace jw::cli
