// Rolled steel sections: the beam table (H and I) and the equal-leg angle table.
// Each row is one text of blank-separated fields (see SectionField); lengths in mm.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace jw {

inline constexpr int kSectionCount = 91;
inline constexpr int kAngleCount = 30;

extern const std::array<std::string_view, kSectionCount> kSectionRows;
extern const std::array<std::string_view, kAngleCount> kAngleRows;

// Column headings, in the same blank-separated layout as the rows' numeric fields.
inline constexpr std::string_view kBeamHeading =
    "d(mm)  bf(mm) tw(mm) tf(mm) r1(mm) r2(mm) area(cm^2)  Weight(kg)  Ix(cm^4)   Iy(cm^4)   "
    "ix(cm) iy(cm) Sx(cm^3)   Sy(cm^3)";
inline constexpr std::string_view kChannelHeading =
    "H(mm)   B(mm) t1(mm) t2(mm) r1(mm) r2(mm) area(cm^2)  Weight(kg)  Ix(cm^4)   Iy(cm^4)   "
    "ix(cm) iy(cm) Sx(cm^3)   Sy(cm^3)";
inline constexpr std::string_view kAngleHeading =
    "A(mm)   B(mm)  t(mm) r1(mm) r2(mm) area(cm^2)  Weight(kg)  Cx(cm)  Cy(cm)  Ix(cm^4)    "
    "Iy(cm^4)    maxIu(cm)   minIv(cm)   rx(cm)  ry(cm)  maxru(cm)   minrv(cm)   TanAlp  "
    "Sx(cm^3)    Sy(cm^3)";

// Field numbers (from 1) of the dimensions the designs read.
enum SectionFieldIndex {
    kDepth = 3,
    kFlangeWidth = 4,
    kWebThickness = 5,
    kFlangeThickness = 6,
    kRootRadius = 7
};
inline constexpr int kAngleLegField = 3;  // A
inline constexpr int kAngleThicknessField = 5;
inline constexpr int kAngleMassField = 9;  // kg/m

// The row at a 0-based list position; the empty text when there is none (no choice made).
std::string_view BeamRowAt(int position);
std::string_view AngleRowAt(int position);

// The section name (field 1) of a row.
std::string SectionName(std::string_view row);

// The first list position whose name is exactly `name`. Two beam rows share the name
// "H-300X300X106(kg/m)*"; they differ only by position, so a position is what a choice keeps.
std::optional<int> FindBeamPosition(std::string_view name);
std::optional<int> FindAnglePosition(std::string_view name);

// The heading that belongs to a row's family letter (field 2): "W" and "I" share one.
std::string_view HeadingForFamily(std::string_view family);

}  // namespace jw
