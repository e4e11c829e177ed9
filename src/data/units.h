// Units: lengths are typed in millimetres and checked in centimetres; forces in kg, moments in
// kg-cm, stresses in ksc (kg/cm^2). Drawings work in millimetres.
#pragma once

namespace jw {

// The value of pi every check and report uses, so hand calculations match to the digit.
inline constexpr double kPi = 3.141592654;
inline constexpr double kMmPerCm = 10.0;

}  // namespace jw
