#include "data/numbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <iomanip>
#include <random>
#include <string>

namespace jw {
namespace {

TEST(LeadingNumber, ReadsTheLongestNumericPrefix) {
    struct Case {
        const char* text;
        double expected;
    } cases[] = {
        {"", 0},          {"abc", 0},       {"150", 150}, {"  150", 150},   {"1 5", 15},
        {"1\t5\n0", 150}, {"-12.5", -12.5}, {"+3", 3},    {".5", 0.5},      {"1.2.3", 1.2},
        {"12mm", 12},     {"1E3", 1000},    {"1D2", 100}, {"2.5e-1", 0.25}, {"1E", 1},
        {"1E+", 1},       {"&H1F", 31},     {"&O17", 15}, {"&Hx", 0},       {"-", 0},
        {"1,5", 1},       {"E70", 0},       {"70", 70},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.expected) << c.text;
}

TEST(LeadingNumber, ExponentPastRangeIsInfiniteNotGarbage) {
    EXPECT_TRUE(std::isinf(LeadingNumber("1E400")));
    EXPECT_EQ(LeadingNumber("1E-400"), 0);
}

TEST(StrictNumber, AcceptsOnlyAWholeNumber) {
    struct Case {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"150", true, 150},  {" 150 ", true, 150}, {"-2.5", true, -2.5}, {"1E3", true, 1000},
        {"0", true, 0},      {"&H10", true, 16},   {"", false, 0},       {"  ", false, 0},
        {"1 5", false, 0},   {"E70", false, 0},    {"12mm", false, 0},   {"1,5", false, 0},
        {"1,000", false, 0}, {"1E", false, 0},     {"1E400", false, 0},  {".", false, 0},
    };
    for (const auto& c : cases) {
        const auto value = StrictNumber(c.text);
        EXPECT_EQ(value.has_value(), c.ok) << c.text;
        if (value && c.ok) {
            EXPECT_DOUBLE_EQ(*value, c.value) << c.text;
        }
    }
}

TEST(RoundCount, RoundsHalfToEvenWithinSixteenBits) {
    EXPECT_EQ(RoundCount(2.5), 2);
    EXPECT_EQ(RoundCount(3.5), 4);
    EXPECT_EQ(RoundCount(-2.5), -2);
    EXPECT_EQ(RoundCount(2.4999), 2);
    EXPECT_EQ(RoundCount(32767), 32767);
    EXPECT_EQ(RoundCount(-32768), -32768);
    EXPECT_EQ(RoundCount(32767.5), std::nullopt);  // rounds to 32768
    EXPECT_EQ(RoundCount(-32769), std::nullopt);
    EXPECT_EQ(RoundCount(INFINITY), std::nullopt);
}

TEST(Formats, RoundHalfAwayFromZeroInEveryPattern) {
    struct Case {
        double value;
        const char* pattern;
        const char* expected;
    } cases[] = {
        {1.004, "0.00", "1.00"},
        {1.006, "0.00", "1.01"},
        {1.005, "0.00", "1.01"},
        {1.0348, "0.00", "1.03"},
        {0, "0.00", "0.00"},
        {-1.005, "0.00", "-1.01"},
        {-0.001, "0.00", "0.00"},
        {4714.0452, "0.00", "4714.05"},
        {9.995, "0.00", "10.00"},
        {0.25, "0.0", "0.3"},
        {0.35, "0.0", "0.4"},
        {12, "0.0", "12.0"},
        {2.5, "0", "3"},
        {0, "#", ""},
        {0.4, "#", ""},
        {7, "#", "7"},
        {12.5, "#", "13"},
        {-3, "#", "-3"},
        {12, "#.##", "12."},
        {0.5, "#.##", ".5"},
        {3.14159, "#.##", "3.14"},
        {12.1, "#.##", "12.1"},
        {0, "#.##", "."},
        {146.605, "#.##", "146.61"},
        {3410.4649, "#.##", "3410.46"},
        {1e6, "0.00", "1000000.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
}

TEST(RoundRatio, ReadsBackTheShownTwoDecimals) {
    EXPECT_DOUBLE_EQ(RoundRatio(0.53498), 0.53);
    EXPECT_DOUBLE_EQ(RoundRatio(0.535), 0.54);
    EXPECT_DOUBLE_EQ(RoundRatio(1.004), 1.0);
}

// 0.145 x 3 is 0.43499999999999994 in binary; taken to 15 significant digits first it is 0.435,
// which rounds half away from zero as the engineer expects.
TEST(Formats, AProductShowsItsDecimalValue) {
    EXPECT_EQ(FormatFixed(0.145 * 3, 2), "0.44");
    EXPECT_EQ(FormatTrimmed(0.145 * 3, 4), "0.435");
    EXPECT_EQ(FormatTrimmed(3.14159265, 4), "3.1416");
    EXPECT_EQ(FormatTrimmed(1170, 4), "1170");
    EXPECT_EQ(FormatTrimmed(-0.00001, 4), "0");
}

// The formats round the value taken to 15 significant digits, worked digit by digit. Values
// clear of a half take a quicker road; this oracle walks the long one (the shortest decimal that
// reads back as the value, cut to 15 significant digits, then rounded half up) so that the two
// can be compared on values of every size and on values that sit on a half.
std::string SlowFixed(double value, int decimals) {
    char scientific[40];
    const auto written = std::to_chars(scientific, scientific + sizeof scientific, std::fabs(value),
                                       std::chars_format::scientific);
    const std::string text(scientific, written.ptr);
    const std::size_t e = text.find('e');
    std::string digits;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') digits += text[i];
    int exponent = std::stoi(text.substr(e + 1));
    if (digits.size() > 15) {
        const bool up = digits[15] >= '5';
        digits.resize(15);
        int k = 14;
        for (; up && k >= 0 && digits[k] == '9'; --k) digits[k] = '0';
        if (up && k >= 0) ++digits[k];
        if (up && k < 0) digits.insert(digits.begin(), '1'), digits.pop_back(), ++exponent;
    }
    int pointAt = exponent + 1;
    if (pointAt < 0) digits.insert(0, std::string(-pointAt, '0')), pointAt = 0;
    const int keep = pointAt + decimals;
    while (static_cast<int>(digits.size()) < keep + 1) digits += '0';
    const bool up = digits[keep] >= '5';
    digits = "0" + digits.substr(0, keep);
    int k = keep;
    for (; up && digits[k] == '9'; --k) digits[k] = '0';
    if (up) ++digits[k];
    std::string whole = digits.substr(0, digits.size() - decimals);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    const std::string fraction = digits.substr(digits.size() - decimals);
    const bool zero = whole.empty() && fraction.find_first_not_of('0') == std::string::npos;
    std::string out = (value < 0 && !zero ? "-" : "") + (whole.empty() ? "0" : whole);
    if (decimals > 0) out += "." + fraction;
    return out;
}

TEST(Formats, AgreeWithTheDigitByDigitRoundingEverywhere) {
    std::mt19937_64 random(20260812);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> exponent(-8, 12);
    std::uniform_int_distribution<int> hundredths(0, 99999);
    for (int i = 0; i < 200000; ++i) {
        const double magnitude = mantissa(random) * std::pow(10.0, exponent(random));
        // Half the values on a half (or a whisker either side) at 2 or 4 decimals.
        const double onHalf = (hundredths(random) + 0.5) / (i % 4 < 2 ? 100 : 10000);
        const double whisker = std::nextafter(onHalf, (i / 3) % 2 ? 0.0 : 1e9);
        const double value = i % 3 == 0 ? magnitude : i % 3 == 1 ? onHalf : whisker;
        const double sign = i % 5 == 0 ? -1 : 1;
        for (int decimals : {0, 1, 2, 4})
            ASSERT_EQ(FormatFixed(sign * value, decimals), SlowFixed(sign * value, decimals))
                << std::setprecision(17) << sign * value << " to " << decimals;
    }
}

}  // namespace
}  // namespace jw
