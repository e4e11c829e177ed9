// The two code pages of the files: every byte reads and writes back as itself, each defined
// byte means what the C library's own converter says it means, and a character a code page
// cannot hold is named, never replaced.
#include "data/code_page.h"

#include <gtest/gtest.h>

#if __has_include(<iconv.h>)
#include <iconv.h>
#define JW_HAVE_ICONV 1
#endif

namespace jw {
namespace {

constexpr CodePage kPages[] = {CodePage::Windows1252, CodePage::Windows874};

TEST(CodePage, EveryByteReadsAndWritesBackAsItself) {
    for (const CodePage page : kPages) {
        std::string all;
        for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
        const std::string text = DecodeCodePage(all, page);
        EXPECT_TRUE(IsUtf8(text)) << CodePageKey(page);
        const EncodedText back = EncodeCodePage(text, page);
        EXPECT_EQ(back.refused, "") << CodePageKey(page);
        EXPECT_EQ(back.bytes, all) << CodePageKey(page);
    }
}

#ifdef JW_HAVE_ICONV
// The byte as the C library converts it, or nothing where the code page leaves it undefined.
std::optional<std::string> Iconv(const char* page, unsigned char byte) {
    iconv_t converter = iconv_open("UTF-8", page);
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPointer = in;
    char* outPointer = out;
    std::size_t inLeft = 1, outLeft = sizeof out;
    const std::size_t done = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(converter);
    if (done == static_cast<std::size_t>(-1)) return std::nullopt;
    return std::string(out, sizeof out - outLeft);
}

TEST(CodePage, DefinedBytesMeanWhatTheCLibrarySays) {
    const struct {
        CodePage page;
        const char* iconvName;
        int undefined;  // bytes the code page leaves undefined
    } cases[] = {{CodePage::Windows1252, "WINDOWS-1252", 5},
                 {CodePage::Windows874, "WINDOWS-874", 31}};
    for (const auto& c : cases) {
        int undefined = 0;
        for (int byte = 0x80; byte < 256; ++byte) {
            const auto expected = Iconv(c.iconvName, static_cast<unsigned char>(byte));
            const std::string ours =
                DecodeCodePage(std::string(1, static_cast<char>(byte)), c.page);
            if (!expected) {
                ++undefined;
                continue;
            }
            EXPECT_EQ(ours, *expected) << c.iconvName << " byte " << byte;
        }
        EXPECT_EQ(undefined, c.undefined) << c.iconvName;
    }
}
#endif

TEST(CodePage, ACharacterTheCodePageCannotHoldIsNamed) {
    const struct {
        const char* name;
        std::string text;
        CodePage page;
        std::string refused;
    } cases[] = {
        {"Thai in Western European", "Tower \u0E01", CodePage::Windows1252, "\"\u0E01\" (U+0E01)"},
        {"an accent in Thai", "Caf\u00E9", CodePage::Windows874, "\"\u00E9\" (U+00E9)"},
        {"beyond the basic plane", "\U0001F600", CodePage::Windows1252, "\"\U0001F600\" (U+1F600)"},
        {"a stray byte", "abc\xE9", CodePage::Windows1252, "the byte 0xE9"},
        {"an overlong form", "\xC0\xAF", CodePage::Windows1252, "the byte 0xC0"},
    };
    for (const auto& c : cases) {
        const EncodedText encoded = EncodeCodePage(c.text, c.page);
        EXPECT_EQ(encoded.refused, c.refused) << c.name;
    }
    EXPECT_EQ(EncodeCodePage("\u20AC 5 \u2013 \u0E01", CodePage::Windows874).bytes,
              "\x80 5 \x96 \xA1");
    EXPECT_EQ(EncodeCodePage("\u20AC \u00E9", CodePage::Windows1252).bytes, "\x80 \xE9");
}

TEST(CodePage, KeysAndCaptions) {
    EXPECT_EQ(CodePageFromKey("cp1252"), CodePage::Windows1252);
    EXPECT_EQ(CodePageFromKey("cp874"), CodePage::Windows874);
    EXPECT_EQ(CodePageFromKey("utf8"), std::nullopt);
    EXPECT_EQ(CodePageCaption(CodePage::Windows874), "Windows-874 (Thai)");
    EXPECT_EQ(kDefaultCodePage, CodePage::Windows1252);
}

}  // namespace
}  // namespace jw
