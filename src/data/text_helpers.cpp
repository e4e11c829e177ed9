#include "data/text_helpers.h"

#include "data/numbers.h"

namespace jw {
namespace {

// Calls visit(word) for each word until it returns false.
template <typename Visit>
void ForEachWord(std::string_view text, Visit visit) {
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') ++i;
        if (i == text.size()) return;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ') ++i;
        if (!visit(text.substr(start, i - start))) return;
    }
}

}  // namespace

int WordCount(std::string_view text) {
    int count = 0;
    ForEachWord(text, [&](std::string_view) { return ++count, true; });
    return count;
}

std::string WordAt(std::string_view text, int n) {
    std::string found;
    int index = 0;
    ForEachWord(text, [&](std::string_view word) {
        if (++index < n) return true;
        found = word;
        return false;
    });
    return found;
}

float SectionField(std::string_view text, int n) {
    return static_cast<float>(LeadingNumber(WordAt(text, n)));
}

float MaxOfTwo(double first, double second) {
    return static_cast<float>(second > first ? second : first);
}

float MinOfTwo(double first, double second) {
    return static_cast<float>(second < first ? second : first);
}

int OptionIndex(bool first, bool second, bool third, bool fourth) {
    if (fourth) return 4;
    if (third) return 3;
    if (second) return 2;
    return first ? 1 : 0;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace jw
