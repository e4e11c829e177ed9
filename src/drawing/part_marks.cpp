#include "drawing/part_marks.h"

#include "data/grades.h"
#include "data/numbers.h"

namespace jw {
namespace {

constexpr double kMmPerCm = 10;

std::string CountPrefix(int count) {
    return count > 1 ? std::to_string(count) + "-" : "";
}

}  // namespace

std::string MarkLength(double mm) {
    return FormatPlain(static_cast<float>(mm), true);
}

std::string PlateMark(int count, double thicknessMm, double firstSideMm, double secondSideMm) {
    return CountPrefix(count) + "PL-" + MarkLength(thicknessMm) + "X" + MarkLength(firstSideMm) +
           "X" + MarkLength(secondSideMm);
}

std::vector<std::string> AngleMark(int count, double legMm, double otherLegMm, double thicknessMm,
                                   double lengthMm) {
    return {CountPrefix(count) + "L-" + MarkLength(legMm) + "X" + MarkLength(otherLegMm) + "X" +
                MarkLength(thicknessMm),
            "L=" + MarkLength(lengthMm)};
}

double HoleDiameterMm(double boltMm) {
    // The clearance rule of the design, which works in centimetres.
    return boltMm + HoleClearance(boltMm / kMmPerCm) * kMmPerCm;
}

std::vector<std::string> BoltCallout(int count, double boltMm, std::string_view grade,
                                     std::initializer_list<std::string_view> more) {
    std::string text = std::to_string(count) + "-M" + MarkLength(boltMm);
    if (!grade.empty()) text += " " + std::string(grade);
    std::vector<std::string> lines = {text, "(HOLE " + MarkLength(HoleDiameterMm(boltMm)) + ")"};
    for (const std::string_view line : more) lines.emplace_back(line);
    return lines;
}

}  // namespace jw
