#include "data/code_page.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace jw {
namespace {

using UpperHalf = std::array<char32_t, 128>;

// Bytes 0x80 to 0xFF. A byte the code page leaves undefined keeps its own number, as Windows
// itself reads them.
constexpr UpperHalf MakeWindows1252() {
    UpperHalf table{};
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<char32_t>(0x80 + i);
    constexpr char32_t k80to9F[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    for (std::size_t i = 0; i < 32; ++i) table[i] = k80to9F[i];
    return table;
}

// TIS-620 Thai in 0xA1-0xFB (U+0E01-U+0E5B, with 0xDB-0xDE undefined) and the Windows
// punctuation in 0x80-0x97.
constexpr UpperHalf MakeWindows874() {
    UpperHalf table{};
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<char32_t>(0x80 + i);
    table[0x00] = 0x20AC;
    table[0x05] = 0x2026;
    constexpr char32_t k91to97[7] = {0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014};
    for (std::size_t i = 0; i < 7; ++i) table[0x11 + i] = k91to97[i];
    for (std::size_t byte = 0xA1; byte <= 0xFB; ++byte)
        if (byte < 0xDB || byte > 0xDE)
            table[byte - 0x80] = static_cast<char32_t>(0x0E00 + byte - 0xA0);
    return table;
}

constexpr UpperHalf kWindows1252 = MakeWindows1252();
constexpr UpperHalf kWindows874 = MakeWindows874();

const UpperHalf& TableOf(CodePage page) {
    return page == CodePage::Windows874 ? kWindows874 : kWindows1252;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character starting at `at`, and how many bytes it takes; 0 bytes for a sequence that is
// not UTF-8 (a stray byte, an overlong form, a surrogate).
struct Utf8Character {
    char32_t code = 0;
    std::size_t length = 0;
};

Utf8Character NextCharacter(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return {};
    }
    if (at + length > text.size()) return {};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return {};
        code = (code << 6) | (byte(i) & 0x3F);
    }
    constexpr char32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    return {code, length};
}

bool IsAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

std::string Named(std::string_view character, char32_t code) {
    char number[16];
    std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(code));
    return "\"" + std::string(character) + "\" (" + number + ")";
}

}  // namespace

std::string_view CodePageCaption(CodePage page) {
    return page == CodePage::Windows874 ? "Windows-874 (Thai)" : "Windows-1252 (Western European)";
}

std::string_view CodePageKey(CodePage page) {
    return page == CodePage::Windows874 ? "cp874" : "cp1252";
}

std::optional<CodePage> CodePageFromKey(std::string_view key) {
    for (const CodePage page : {CodePage::Windows1252, CodePage::Windows874})
        if (key == CodePageKey(page)) return page;
    return std::nullopt;
}

std::string DecodeCodePage(std::string_view bytes, CodePage page) {
    if (IsAscii(bytes)) return std::string(bytes);
    const UpperHalf& table = TableOf(page);
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            text += c;
        else
            AppendUtf8(text, table[byte - 0x80]);
    }
    return text;
}

EncodedText EncodeCodePage(std::string_view text, CodePage page) {
    EncodedText out;
    if (IsAscii(text)) {
        out.bytes = text;
        return out;
    }
    const UpperHalf& table = TableOf(page);
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character c = NextCharacter(text, at);
        if (c.length == 0) {
            char number[8];
            std::snprintf(number, sizeof number, "0x%02X", static_cast<unsigned char>(text[at]));
            out.refused = std::string("the byte ") + number;
            return out;
        }
        if (c.code < 0x80) {
            out.bytes += static_cast<char>(c.code);
        } else {
            std::size_t i = 0;
            while (i < table.size() && table[i] != c.code) ++i;
            if (i == table.size()) {
                out.refused = Named(text.substr(at, c.length), c.code);
                return out;
            }
            out.bytes += static_cast<char>(0x80 + i);
        }
        at += c.length;
    }
    return out;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = NextCharacter(text, at).length;
        if (length == 0) return false;
        at += length;
    }
    return true;
}

}  // namespace jw
