#include "results/export.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "data/grades.h"
#include "data/sections.h"

namespace jw {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFieldEnd = " ,";

// The export file has always called the bending splice plate "BSLP"; collected files and the
// sheets that read them expect it.
std::string_view ExportTypeName(ConnectionType type) {
    return type == ConnectionType::BSPL ? "BSLP" : TypeName(type);
}

// The member grade options' captions on the main form, by option number 1 to 3. SM490, the
// fourth, has never been written to the file.
constexpr std::array<std::string_view, 3> kGradeCaptions = {"SS400 / SM400", "SS490", "SM520"};

template <std::size_t N>
std::string_view ListItem(const std::array<std::string_view, N>& list, int position) {
    return position >= 0 && static_cast<std::size_t>(position) < N ? list[position]
                                                                   : std::string_view();
}

void AddListed(std::string& line, std::string_view name, int position) {
    line += name;
    line += '(';
    line += std::to_string(position);
    line += ')';
    line += kFieldEnd;
}

// The system's reason for the last failure; empty when it gave none.
std::string SystemReason() {
    return errno != 0 ? std::generic_category().message(errno) : std::string();
}

// Cuts the file back to `size` after a failed append; the record's first part must not stay.
void CutBack(const std::string& path, std::uintmax_t size) {
    std::error_code ec;
    if (fs::file_size(path, ec) > size && !ec) fs::resize_file(path, size, ec);
}

}  // namespace

std::string ExportLine(const ConnectionInput& input, std::string_view stressRange) {
    const ConnectionChoices& c = input.choices;
    std::string line;
    if (input.type != ConnectionType::None) {
        line += "Type ";
        line += ExportTypeName(input.type);
        line += kFieldEnd;
    }
    AddListed(line, SectionName(BeamRowAt(c.beamSection)), c.beamSection);
    AddListed(line, ListItem(kBoltGradeNames, c.boltGrade), c.boltGrade);
    AddListed(line, ListItem(kBoltDiameterNames, c.boltDiameter), c.boltDiameter);
    if (input.type == ConnectionType::ACLT)
        AddListed(line, SectionName(AngleRowAt(c.angleSection)), c.angleSection);
    if (c.memberGrade >= kGradeSS400 && c.memberGrade <= kGradeSM520)
        AddListed(line, kGradeCaptions[c.memberGrade - 1], c.memberGrade);
    for (int row = 1; row < input.grid.rows; ++row) {
        line += input.grid.At(row, kValueColumn);
        line += kFieldEnd;
    }
    line += "Stress Range = ";
    line += stressRange;
    return line;
}

std::string AppendExportLine(const std::string& path, std::string_view line) {
    std::string record(line);
    record += "\r\n";
    std::error_code ec;
    const std::uintmax_t before = fs::exists(path, ec) ? fs::file_size(path, ec) : 0;
    if (ec) return ec.message();

    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file) {
        const std::string reason = SystemReason();
        return reason.empty() ? "the file cannot be opened for appending" : reason;
    }
    // A buffer that holds the whole record sends it to the file in one write.
    bool ok = std::setvbuf(file, nullptr, _IOFBF, record.size() + 1) == 0;
    ok = ok && std::fwrite(record.data(), 1, record.size(), file) == record.size();
    ok = ok && std::fflush(file) == 0;
    const std::string reason = ok ? std::string() : SystemReason();
    const bool closed = std::fclose(file) == 0;
    if (ok && closed) return {};
    const std::string why = ok ? SystemReason() : reason;
    CutBack(path, before);
    return why.empty() ? "the record could not be written" : why;
}

}  // namespace jw
