// Small text helpers shared by the table readers, the designs and the project file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jw {

// Words are maximal runs of non-blank characters.
int WordCount(std::string_view text);
// The n-th word (from 1), or the empty text when there are fewer than n words.
std::string WordAt(std::string_view text, int n);
// The leading-number reading of the n-th word, in single precision; 0 when it is missing.
float SectionField(std::string_view text, int n);

// The larger (the first when equal) and the smaller of two numbers, in single precision.
float MaxOfTwo(double first, double second);
float MinOfTwo(double first, double second);

// 4 if the fourth option is set, else 3 for the third, 2, 1, or 0 when none is set.
int OptionIndex(bool first, bool second, bool third, bool fourth);

// The lines of a text ended by LF or CR LF, without their ends; a last line without an end
// counts too.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace jw
