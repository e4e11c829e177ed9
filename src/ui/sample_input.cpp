#include "ui/sample_input.h"

namespace jw::ui {

SampleValues SampleFor(ConnectionType type) {
    switch (type) {
        case ConnectionType::WSP:
            return {{"10000", "9", "2", "2", "1", "15", "40", "60", "70", "6", "1"}, -1};
        case ConnectionType::ACLT:
            return {{"10000", "2", "2", "1", "2", "15", "40", "60"}, 7};
        case ConnectionType::BMEP:
            return {{"100000", "10000", "9", "4", "40", "80"}, -1};
        case ConnectionType::BSPL:
            return {{"100000", "10000", "12", "2", "2", "1", "15", "40", "60", "12", "2", "3", "30",
                     "20", "45", "40"},
                    -1};
        case ConnectionType::None:
            break;
    }
    return {};
}

ConnectionInput SampleConnection(ConnectionType type) {
    const SampleValues sample = SampleFor(type);
    ConnectionInput input;
    input.type = type;
    input.grid = BuildInputGrid(type);
    for (std::size_t i = 0; i < sample.values.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        if (input.grid.Has(row, kValueColumn))
            input.grid.At(row, kValueColumn) = std::string(sample.values[i]);
    }
    if (sample.anglePosition >= 0) input.choices.angleSection = sample.anglePosition;
    input.choices.beamSection = kSampleBeamPosition;
    input.choices.boltGrade = kSampleBoltGrade;
    input.choices.boltDiameter = kSampleBoltDiameter;
    return input;
}

}  // namespace jw::ui
