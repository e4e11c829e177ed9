#include "data/sections.h"

#include "data/text_helpers.h"

namespace jw {
namespace {

template <std::size_t N>
std::string_view RowAt(const std::array<std::string_view, N>& rows, int position) {
    if (position < 0 || position >= static_cast<int>(N)) return {};
    return rows[position];
}

template <std::size_t N>
std::optional<int> FindPosition(const std::array<std::string_view, N>& rows,
                                std::string_view name) {
    for (std::size_t i = 0; i < N; ++i)
        if (SectionName(rows[i]) == name) return static_cast<int>(i);
    return std::nullopt;
}

}  // namespace

std::string_view BeamRowAt(int position) {
    return RowAt(kSectionRows, position);
}
std::string_view AngleRowAt(int position) {
    return RowAt(kAngleRows, position);
}

std::string SectionName(std::string_view row) {
    return WordAt(row, 1);
}

std::optional<int> FindBeamPosition(std::string_view name) {
    return FindPosition(kSectionRows, name);
}
std::optional<int> FindAnglePosition(std::string_view name) {
    return FindPosition(kAngleRows, name);
}

std::string_view HeadingForFamily(std::string_view family) {
    if (family == "W" || family == "I") return kBeamHeading;
    if (family == "C") return kChannelHeading;
    if (family == "L") return kAngleHeading;
    return {};
}

}  // namespace jw
