#include "results/export.h"

#include <array>

#include "data/grades.h"
#include "data/safe_output.h"
#include "data/sections.h"

namespace jw {
namespace {

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

std::string AppendExportLine(const std::string& path, std::string_view line, CodePage page) {
    EncodedText record = EncodeCodePage(line, page);
    if (!record.refused.empty())
        return "the record holds " + record.refused + ", which the code page " +
               std::string(CodePageCaption(page)) + " cannot store";
    record.bytes += "\r\n";
    return AppendRecord(path, record.bytes);
}

}  // namespace jw
