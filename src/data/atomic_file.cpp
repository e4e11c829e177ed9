#include "data/atomic_file.h"

#include <filesystem>
#include <fstream>

#include "data/design_error.h"

namespace jw {

void WriteTextFileAtomically(const std::string& path, const std::string& text) {
    namespace fs = std::filesystem;
    const std::string temporary = path + ".tmp";
    std::error_code ignored;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temporary, ignored);
            throw DesignError("Cannot write the file \"" + path + "\".");
        }
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, ignored);
        throw DesignError("Cannot write the file \"" + path + "\": " + error.message() + ".");
    }
}

}  // namespace jw
