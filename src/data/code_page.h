// The single-byte code pages that project and export files are kept in. Texts inside the
// program are UTF-8, so no character typed on the forms is lost; they are converted only where
// a file is read or written. Western European offices use Windows-1252; the section tables
// follow a Thai standard and Thai offices type their titles in Windows-874.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace jw {

enum class CodePage { Windows1252, Windows874 };

// Windows-1252 differs from Latin-1 only in bytes 0x80-0x9F, so files written before code
// pages were chosen read the same.
inline constexpr CodePage kDefaultCodePage = CodePage::Windows1252;

// "Windows-1252 (Western European)", "Windows-874 (Thai)".
std::string_view CodePageCaption(CodePage page);
// "cp1252", "cp874": the command line's and the settings' name.
std::string_view CodePageKey(CodePage page);
std::optional<CodePage> CodePageFromKey(std::string_view key);

// The bytes of a file as UTF-8 text. Every byte becomes a character; a byte that the code page
// leaves undefined keeps its own number (U+0081 for 0x81), so any file reads and writes back
// byte for byte.
std::string DecodeCodePage(std::string_view bytes, CodePage page);

struct EncodedText {
    std::string bytes;
    // The first character the code page cannot hold, named for a message ("ก" (U+0E01), or
    // "the byte 0xE9" in a text that is not UTF-8); empty when every character was converted.
    std::string refused;
};
// UTF-8 text as the code page's bytes; a character it cannot hold is never replaced by "?".
EncodedText EncodeCodePage(std::string_view text, CodePage page);

bool IsUtf8(std::string_view text);

}  // namespace jw
