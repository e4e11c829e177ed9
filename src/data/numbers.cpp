#include "data/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace jw {
namespace {

bool IsIgnoredBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n';
}
bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

int DigitValue(char ch, int base) {
    int v = -1;
    if (IsDigit(ch)) v = ch - '0';
    if (ch >= 'a' && ch <= 'f') v = ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') v = ch - 'A' + 10;
    return v < base ? v : -1;
}

// "&H1F" or "&O17": returns the value and how many characters were used (0 when not such a
// text, or when no digit follows the prefix).
double ReadRadixInteger(std::string_view s, std::size_t& used) {
    used = 0;
    if (s.size() < 3 || s[0] != '&') return 0;
    const char kind = s[1];
    const int base = (kind == 'H' || kind == 'h') ? 16 : (kind == 'O' || kind == 'o') ? 8 : 0;
    if (base == 0) return 0;
    double value = 0;
    std::size_t i = 2;
    for (; i < s.size() && DigitValue(s[i], base) >= 0; ++i)
        value = value * base + DigitValue(s[i], base);
    if (i > 2) used = i;
    return value;
}

// Reads the longest decimal number at the start of s: sign, digits, one ".", and an exponent
// ("E" or "D") when digits follow it. Returns the characters used (0 when there is no digit).
std::size_t ScanDecimal(std::string_view s, std::string& normalised) {
    std::size_t i = 0;
    normalised.clear();
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') normalised += '-';
        ++i;
    }
    std::size_t mantissaDigits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++mantissaDigits) normalised += s[i];
    if (i < s.size() && s[i] == '.') {
        normalised += '.';
        for (++i; i < s.size() && IsDigit(s[i]); ++i, ++mantissaDigits) normalised += s[i];
    }
    if (mantissaDigits == 0) return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
        const std::size_t firstDigit = j;
        for (; j < s.size() && IsDigit(s[j]); ++j) exponent += s[j];
        if (j > firstDigit) {
            normalised += exponent;
            i = j;
        }
    }
    return i;
}

double ParseNormalised(const std::string& text) {
    double value = 0;
    const char* first = text.data();
    if (*first == '-') ++first;  // from_chars takes no sign of its own for the magnitude below
    const auto [ptr, ec] = std::from_chars(first, text.data() + text.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        const auto e = text.find('e');
        const bool tiny = e != std::string::npos && e + 1 < text.size() && text[e + 1] == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return text[0] == '-' ? -value : value;
}

// Decimal digits of |value| rounded half away from zero to `decimals` places, after first
// taking the value to 15 significant digits, so that 1.005 (stored as 1.00499999...) is
// treated as the 1.005 the engineer typed or the arithmetic meant.
struct DecimalText {
    bool negative = false;
    std::string whole;     // no leading zeros; empty for zero
    std::string fraction;  // exactly `decimals` digits
};

// A value rounded to whole units of its last decimal place: the whole part and the decimals.
struct Units {
    std::int64_t whole = 0;
    std::int64_t fraction = 0;  // in units of the last decimal place
    bool negative = false;
};

constexpr std::int64_t kPowersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000};

// Most values lie well clear of a half at the last decimal: there the 15-significant-digit step
// cannot change which way they round (it moves a value by less than 6e-15 of itself), so the
// scaled value rounds directly. Whole numbers need no rounding at all. Nothing when the value
// is too close to a half to be sure, or too large for whole units.
std::optional<Units> QuickUnits(double value, int decimals) {
    if (decimals < 0 || decimals > 6) return std::nullopt;
    const double magnitude = std::fabs(value);
    if (magnitude < 1e15 && value == std::trunc(value))
        return Units{static_cast<std::int64_t>(magnitude), 0, value < 0};
    const std::int64_t scale = kPowersOfTen[decimals];
    const double scaled = magnitude * static_cast<double>(scale);
    if (!(scaled < 1e15)) return std::nullopt;
    const double floor = std::floor(scaled);
    const double fraction = scaled - floor;
    if (std::fabs(fraction - 0.5) <= 1e-13 * std::max(scaled, 1.0)) return std::nullopt;
    const auto units = static_cast<std::int64_t>(floor) + (fraction > 0.5 ? 1 : 0);
    return Units{units / scale, units % scale, value < 0 && units != 0};
}

// "-12.05": the digits of rounded units, `decimals` of them after the point.
std::string UnitsText(const Units& u, int decimals) {
    char buffer[48];
    char* const end = buffer + sizeof buffer;
    char* p = end;
    std::int64_t fraction = u.fraction;
    for (int k = 0; k < decimals; ++k, fraction /= 10)
        *--p = static_cast<char>('0' + fraction % 10);
    if (decimals > 0) *--p = '.';
    std::int64_t whole = u.whole;
    do {
        *--p = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole > 0);
    if (u.negative) *--p = '-';
    return std::string(p, end);
}

DecimalText FromUnits(const Units& u, int decimals) {
    DecimalText out;
    if (u.whole != 0) out.whole = std::to_string(u.whole);
    const std::string text = UnitsText({0, u.fraction, false}, decimals);
    out.fraction = decimals > 0 ? text.substr(2) : "";
    out.negative = u.negative;
    return out;
}

DecimalText RoundDecimal(double value, int decimals) {
    if (const auto quick = QuickUnits(value, decimals)) return FromUnits(*quick, decimals);
    // The shortest decimal that reads back as the value, taken to at most 15 significant
    // digits; then up to 308 places before the point and the decimals asked.
    char scientific[40];
    const auto written = std::to_chars(scientific, scientific + sizeof scientific, std::fabs(value),
                                       std::chars_format::scientific);
    char digits[400] = {};
    int count = 0;
    const char* p = scientific;
    for (; p < written.ptr && *p != 'e'; ++p)
        if (IsDigit(*p)) digits[count++] = *p;
    int exponent = 0;
    const char* exponentText = p + 1 < written.ptr && p[1] == '+' ? p + 2 : p + 1;
    std::from_chars(exponentText, written.ptr, exponent);
    constexpr int kSignificant = 15;
    if (count > kSignificant) {
        const bool up = digits[kSignificant] >= '5';
        count = kSignificant;
        int k = count - 1;
        for (; up && k >= 0 && digits[k] == '9'; --k) digits[k] = '0';
        if (up && k >= 0) ++digits[k];
        if (up && k < 0) {
            digits[0] = '1';
            ++exponent;
        }
    }
    int pointAt = exponent + 1;  // digits before the decimal point
    if (pointAt < 0) {
        const int pad = -pointAt;
        for (int k = count - 1; k >= 0; --k) digits[k + pad] = digits[k];
        for (int k = 0; k < pad; ++k) digits[k] = '0';
        count += pad;
        pointAt = 0;
    }
    const int keep = pointAt + decimals;
    while (count < keep + 1) digits[count++] = '0';
    const bool roundUp = digits[keep] >= '5';
    int start = 1;  // digits[0] is room for a carry out of the first digit
    for (int k = keep; k > 0; --k) digits[k] = digits[k - 1];
    digits[0] = '0';
    if (roundUp) {
        int k = keep;
        for (; k >= 1 && digits[k] == '9'; --k) digits[k] = '0';
        ++digits[k];
        if (k == 0) {
            start = 0;
            ++pointAt;
        }
    }
    DecimalText out;
    const char* first = digits + start;
    int wholeLength = pointAt;
    while (wholeLength > 0 && *first == '0') ++first, --wholeLength;
    out.whole.assign(first, wholeLength);
    out.fraction.assign(first + wholeLength, decimals);
    const bool zero = out.whole.empty() && out.fraction.find_first_not_of('0') == std::string::npos;
    out.negative = value < 0 && !zero;
    return out;
}

std::string NonFiniteText(double value) {
    if (std::isnan(value)) return "nan";
    return value < 0 ? "-inf" : "inf";
}

}  // namespace

double LeadingNumber(std::string_view text) {
    // Most texts are plain numbers: read them in place.
    if (!text.empty() && text.find_first_of(" \t\n+dD&") == std::string_view::npos) {
        const std::size_t first = text[0] == '-' ? 1 : 0;
        if (first == text.size() || !(IsDigit(text[first]) || text[first] == '.')) return 0;
        double value = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
        if (result.ec == std::errc()) return value;
        if (result.ec == std::errc::invalid_argument) return 0;
    }
    std::string packed;
    packed.reserve(text.size());
    for (char ch : text)
        if (!IsIgnoredBlank(ch)) packed += ch;
    std::size_t used = 0;
    const double radix = ReadRadixInteger(packed, used);
    if (used > 0) return radix;
    std::string normalised;
    if (ScanDecimal(packed, normalised) == 0) return 0;
    return ParseNormalised(normalised);
}

std::optional<double> StrictNumber(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    const auto last = text.find_last_not_of(" \t");
    const std::string_view body = text.substr(first, last - first + 1);
    std::size_t used = 0;
    double value = ReadRadixInteger(body, used);
    if (used == 0) {
        std::string normalised;
        used = ScanDecimal(body, normalised);
        if (used > 0) value = ParseNormalised(normalised);
    }
    if (used == 0 || used != body.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<std::int16_t> RoundCount(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);  // the default mode rounds halves to even
    if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    if (const auto quick = QuickUnits(value, decimals)) return UnitsText(*quick, decimals);
    const DecimalText d = RoundDecimal(value, decimals);
    std::string text = d.negative ? "-" : "";
    text += d.whole.empty() ? "0" : d.whole;
    if (decimals > 0) text += "." + d.fraction;
    return text;
}

std::string FormatTrimmed(double value, int decimals) {
    std::string text = FormatFixed(value, decimals);
    if (!std::isfinite(value) || text.find('.') == std::string::npos) return text;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string FormatWhole(double value) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    const DecimalText d = RoundDecimal(value, 0);
    return (d.negative ? "-" : "") + d.whole;
}

std::string FormatUpToTwo(double value) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    DecimalText d = RoundDecimal(value, 2);
    d.fraction.erase(d.fraction.find_last_not_of('0') + 1);
    return (d.negative ? "-" : "") + d.whole + "." + d.fraction;
}

std::string FormatPlain(double value, bool singlePrecision) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    if (value == 0) return "0";
    // Whole numbers within the digits shown print as they are (plate sizes, bolt counts).
    const double wholeLimit = singlePrecision ? 1e7 : 1e15;
    if (std::fabs(value) < wholeLimit && value == std::trunc(value))
        return std::to_string(static_cast<std::int64_t>(value));
    char buf[40];
    const int digits = singlePrecision ? 7 : 15;
    const auto result =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
    return std::string(buf, result.ptr);
}

double RoundRatio(double ratio) {
    if (!std::isfinite(ratio)) return ratio;
    const DecimalText d = RoundDecimal(ratio, 2);
    if (d.whole.size() > 13) return LeadingNumber(FormatFixed(ratio, 2));
    // The hundredths as a whole number, divided once: the same double as reading the text.
    std::int64_t hundredths = 0;
    for (const char ch : d.whole + d.fraction) hundredths = hundredths * 10 + (ch - '0');
    const double value = static_cast<double>(hundredths) / 100;
    return d.negative ? -value : value;
}

std::string FormatNumber(double value, std::string_view pattern) {
    if (pattern == "0.00") return FormatFixed(value, 2);
    if (pattern == "0.0") return FormatFixed(value, 1);
    if (pattern == "0") return FormatFixed(value, 0);
    if (pattern == "#") return FormatWhole(value);
    if (pattern == "#.##") return FormatUpToTwo(value);
    if (!std::isfinite(value)) return NonFiniteText(value);
    char buf[40];
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    return std::string(buf, result.ptr);
}

}  // namespace jw
