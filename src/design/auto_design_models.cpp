// The parts the automatic design searches: their layouts, columns and chains, and how a
// candidate's part lands in the design state its cost is measured on.
#include <algorithm>
#include <cmath>

#include "data/sections.h"
#include "data/text_helpers.h"
#include "data/units.h"
#include "design/auto_design_model.h"
#include "design/auto_design_parts.h"
#include "design/further/geometry.h"

namespace jw::autodesign {
namespace {

using namespace detailing;

// The electrode of the searched welds: E70, as strong as E60 at the same cost (a candidate
// that also passes with E60 is given E60 at the end, as fabricators have long laid it).
constexpr int kE70 = 70;

// Grid rows of the web bolt group and its cleats; 0 where a type has no such row.
struct WebRows {
    int thickness, cleats, rows, columns, supportBolts, setBack, edge, pitch;
};
constexpr WebRows kWspRows = {2, 3, 4, 5, 0, 6, 7, 8};
constexpr WebRows kAcltRows = {0, 2, 3, 4, 5, 6, 7, 8};
constexpr WebRows kBsplWebRows = {3, 4, 5, 6, 0, 7, 8, 9};

WebRows WebRowsOf(ConnectionType type) {
    if (type == ConnectionType::WSP) return kWspRows;
    if (type == ConnectionType::ACLT) return kAcltRows;
    return kBsplWebRows;
}

// Grid rows of the shear plate's weld.
enum WspWeldRow { kElectrodeRow = 9, kWeldSizeRow = 10, kWeldSidesRow = 11 };

// An angle the search may use: its list position, thickness, leg and mass.
struct AngleOption {
    int position = 0;
    int mm = 0;
    double legMm = 0;
    double kgPerM = 0;
};

std::vector<AngleOption> AngleOptions(const Setting& setting) {
    std::vector<AngleOption> options;
    for (int i = 0; i < kAngleCount; ++i) {
        if (setting.request.angleSection && *setting.request.angleSection != i) continue;
        const std::string_view row = AngleRowAt(i);
        const int mm = static_cast<int>(std::lround(SectionField(row, kAngleThicknessField)));
        if (setting.request.plateMm && *setting.request.plateMm != mm) continue;
        const double leg = SectionField(row, kAngleLegField);
        if (!AngleOutstandingLegFits(leg, mm, setting.boltMm)) continue;
        options.push_back({i, mm, leg, SectionField(row, kAngleMassField)});
    }
    return options;
}

// The pitches from the least to the largest, kept while `fits` holds.
template <typename Fits>
std::vector<int> PitchesWhile(int least, int most, Fits fits) {
    std::vector<int> pitches;
    for (int pitch : DistanceSteps(least, most)) {
        if (!fits(pitch)) break;
        pitches.push_back(pitch);
    }
    return pitches;
}

double Cm(int mm) {
    return mm / kMmPerCm;
}

// The web bolt group of the shear plate, the angle cleats or the splice's web plates.
class ShearWebModel : public PartModel {
  public:
    explicit ShearWebModel(const Setting& setting)
        : s_(setting),
          rows_(WebRowsOf(setting.request.type)),
          plates_(PlateOptions(setting)),
          angles_(setting.request.type == ConnectionType::ACLT ? AngleOptions(setting)
                                                               : std::vector<AngleOption>{}) {}

    std::string_view Name() const override {
        switch (s_.request.type) {
            case ConnectionType::WSP:
                return "shear plate";
            case ConnectionType::ACLT:
                return "angle cleats";
            default:
                return "web plates";
        }
    }

    std::vector<Candidate> Layouts() const override {
        std::vector<Candidate> layouts;
        const int pitch = LeastPitchMm(s_.boltMm);
        const int least = LeastEdgeMm(s_.boltMm);
        const double clear = s_.beam.ClearWebDepth();
        const int leastRows = s_.request.type == ConnectionType::BSPL ? kMinSpliceWebBoltRows : 1;
        for (int cleats = 1; cleats <= kMaxCleats; ++cleats)
            for (int columns = 1; columns <= kMaxWebBoltColumns; ++columns)
                for (int rows = leastRows; (rows - 1) * pitch + 2 * least <= clear; ++rows)
                    for (int edge : DistanceSteps(least, least + kEdgeSearchSpanMm)) {
                        if (rows * columns < kMinWebBolts || (rows - 1) * pitch + 2 * edge > clear)
                            continue;
                        Candidate c = BaseCandidate(s_);
                        c.row[rows_.cleats] = cleats;
                        c.row[rows_.rows] = rows;
                        c.row[rows_.columns] = columns;
                        // Angle cleats bolt to the support in the web bolt rows.
                        if (rows_.supportBolts) c.row[rows_.supportBolts] = rows;
                        c.row[rows_.setBack] = kSetBackMm;
                        c.row[rows_.edge] = edge;
                        c.row[rows_.pitch] = pitch;
                        layouts.push_back(c);
                    }
        return layouts;
    }

    std::vector<Column> Columns(const Candidate& layout) const override {
        std::vector<Column> columns;
        if (s_.request.type == ConnectionType::ACLT) {
            for (const AngleOption& angle : angles_) {
                Column column{layout,
                              AnglePitches(layout, angle.legMm),
                              int(angle.legMm),
                              {angle.mm, 0},
                              angle.position};
                column.base.angleSection = angle.position;
                if (!column.chain.empty()) columns.push_back(std::move(column));
            }
            return columns;
        }
        const std::vector<int> pitches = WebPitches(layout);
        if (pitches.empty()) return columns;
        for (int t : plates_) {
            if (s_.request.type == ConnectionType::BSPL) {
                Column column{layout, pitches, 0, {t, 0}, t};
                column.base.row[rows_.thickness] = t;
                columns.push_back(std::move(column));
                continue;
            }
            // A shear plate in proportion to the web, compared as the design reads them.
            if (!further::PlateInProportionToWeb(Cm(t), s_.state.webCm)) continue;
            for (int weld : kWeldSizesMm) {
                if (weld < MinWeldSizeMm(t) || weld > MaxWeldSizeMm(t)) continue;
                Column column{layout, pitches, 0, {t, weld}, t};
                column.base.row[rows_.thickness] = t;
                column.base.row[kElectrodeRow] = kE70;
                column.base.row[kWeldSizeRow] = weld;
                column.base.row[kWeldSidesRow] = s_.request.weldSides;
                columns.push_back(std::move(column));
            }
        }
        return columns;
    }

    void SetChain(Candidate& c, int pitch) const override { c.row[rows_.pitch] = pitch; }

    Candidate Cheapest(const Candidate& layout) const override {
        const std::vector<Column> columns = Columns(layout);
        if (columns.empty()) return layout;
        // The thinnest plate with the smallest weld, or the lightest angle, is the cheapest at
        // any pitch.
        const Column* cheapest = &columns.front();
        for (const Column& c : columns)
            if (s_.request.type == ConnectionType::ACLT && MassOf(c) < MassOf(*cheapest))
                cheapest = &c;
        Candidate c = cheapest->base;
        SetChain(c, cheapest->chain.front());
        return c;
    }

    void CopyPart(const Candidate& from, Candidate& to) const override {
        for (int row : {rows_.thickness, rows_.cleats, rows_.rows, rows_.columns,
                        rows_.supportBolts, rows_.setBack, rows_.edge, rows_.pitch})
            if (row) to.row[row] = from.row[row];
        if (s_.request.type == ConnectionType::WSP)
            for (int row : {kElectrodeRow, kWeldSizeRow, kWeldSidesRow})
                to.row[row] = from.row[row];
        to.angleSection = from.angleSection;
    }

    std::vector<int> Distinction(const Candidate& c) const override {
        const int plate =
            s_.request.type == ConnectionType::ACLT ? c.angleSection : c.row[rows_.thickness];
        return {c.row[rows_.cleats], c.row[rows_.rows], c.row[rows_.columns], plate};
    }

    void Patch(const Candidate& c, DesignState& s) const override {
        s.cleats = static_cast<std::int16_t>(c.row[rows_.cleats]);
        s.boltRows = static_cast<std::int16_t>(c.row[rows_.rows]);
        s.boltColumns = static_cast<std::int16_t>(c.row[rows_.columns]);
        s.setBackCm = Cm(c.row[rows_.setBack]);
        s.edgeCm = Cm(c.row[rows_.edge]);
        s.pitchCm = Cm(c.row[rows_.pitch]);
        if (rows_.thickness) s.cleatThicknessCm = Cm(c.row[rows_.thickness]);
        if (rows_.supportBolts) {
            s.supportBolts = static_cast<std::int16_t>(c.row[rows_.supportBolts]);
            s.supportCleats = s.cleats;
        }
        if (s_.request.type == ConnectionType::WSP) {
            s.weldSizeCm = static_cast<float>(c.row[kWeldSizeRow]) / 10.0f;
            s.weldSides = c.row[kWeldSidesRow];
        }
    }

    // The web bolt group's classic rows read the group, not the plate or angle (bolt shear,
    // row 2; bearing on the web, row 3; tearing of the web, row 5) or only get worse with a
    // thinner one (bearing on the cleat, row 4; its tearing, row 6); every one only gets worse
    // with a shorter pitch. The angles' support bolts read their count (row 9), and a single
    // angle's also its leg, whose lever arm only grows with it, and the pitch.
    std::vector<std::string_view> ScopedChecks() const override {
        return {"Beam web shear", "row 2", "row 3", "row 4",
                "row 5",          "row 6", "row 9", "Support bolts, single angle"};
    }
    std::optional<Scope> ScopeOf(std::string_view check, const Candidate& c) const override {
        const int rows = c.row[rows_.rows], columns = c.row[rows_.columns];
        const int edge = c.row[rows_.edge], pitch = c.row[rows_.pitch];
        const int cleats = c.row[rows_.cleats];
        if (check == "row 2" || check == "row 3")
            return Scope{{rows, columns, edge, check == "row 2" ? cleats : 0}, {pitch}};
        if (check == "row 5") return Scope{{rows, edge}, {pitch}};
        if (check == "row 4" || check == "row 6")
            return Scope{{rows, columns, edge, cleats}, {pitch, ThicknessMm(c)}};
        if (s_.request.type != ConnectionType::ACLT) return PartModel::ScopeOf(check, c);
        if (check == "row 9") return Scope{{cleats, c.row[rows_.supportBolts]}, {}};
        if (check == "Support bolts, single angle")
            return Scope{{cleats, c.row[rows_.supportBolts]}, {-LegMm(c), pitch}};
        return PartModel::ScopeOf(check, c);
    }

    Owner Part() const override {
        return s_.request.type == ConnectionType::BSPL ? Owner::Web : Owner::Both;
    }
    Owner OwnerOfRow(int row) const override { return SpliceRowOwner(s_.request.type, row); }
    Owner OwnerOfCheck(std::string_view name) const override {
        return SpliceCheckOwner(s_.request.type, name);
    }

  private:
    std::vector<int> WebPitches(const Candidate& c) const {
        return PitchesWhile(LeastPitchMm(s_.boltMm), kMaxPitchMm, [&](int pitch) {
            return (c.row[rows_.rows] - 1) * pitch + 2 * c.row[rows_.edge] <=
                   s_.beam.ClearWebDepth();
        });
    }
    std::vector<int> AnglePitches(const Candidate& c, double legMm) const {
        std::vector<int> pitches = WebPitches(c);
        const auto fits = [&](int pitch) {
            return AngleWebLegFits(legMm, c.row[rows_.setBack], c.row[rows_.edge],
                                   c.row[rows_.columns], pitch);
        };
        pitches.erase(std::find_if_not(pitches.begin(), pitches.end(), fits), pitches.end());
        return pitches;
    }
    const AngleOption* AngleOf(int position) const {
        for (const AngleOption& a : angles_)
            if (a.position == position) return &a;
        return nullptr;
    }
    double MassOf(const Column& c) const {
        const AngleOption* angle = AngleOf(c.plate);
        return angle ? angle->kgPerM : 0;
    }
    int ThicknessMm(const Candidate& c) const {
        if (rows_.thickness) return c.row[rows_.thickness];
        const AngleOption* angle = AngleOf(c.angleSection);
        return angle ? angle->mm : 0;
    }
    int LegMm(const Candidate& c) const {
        const AngleOption* angle = AngleOf(c.angleSection);
        return angle ? static_cast<int>(std::lround(angle->legMm)) : 0;
    }

    Setting s_;
    WebRows rows_;
    std::vector<int> plates_;
    std::vector<AngleOption> angles_;
};

}  // namespace

bool NoStronger(const Column& a, const Column& b) {
    return a.kind == b.kind && a.level[0] <= b.level[0] && a.level[1] <= b.level[1];
}

std::unique_ptr<PartModel> MakeShearWebModel(const Setting& setting) {
    return std::make_unique<ShearWebModel>(setting);
}

std::vector<std::unique_ptr<PartModel>> MakeParts(const Setting& setting) {
    std::vector<std::unique_ptr<PartModel>> parts;
    switch (setting.request.type) {
        case ConnectionType::WSP:
        case ConnectionType::ACLT:
            parts.push_back(MakeShearWebModel(setting));
            break;
        case ConnectionType::BMEP:
            parts.push_back(MakeEndPlateModel(setting));
            break;
        case ConnectionType::BSPL:
            parts.push_back(MakeShearWebModel(setting));
            parts.push_back(MakeFlangeSpliceModel(setting));
            break;
        case ConnectionType::None:
            break;
    }
    return parts;
}

}  // namespace jw::autodesign
