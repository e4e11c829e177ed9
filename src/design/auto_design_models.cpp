// The parts the automatic design searches: their layouts, pitches, thicknesses and weights.
#include <algorithm>
#include <cmath>

#include "data/sections.h"
#include "data/text_helpers.h"
#include "design/auto_design_model.h"

namespace jw::autodesign {
namespace {

using namespace detailing;

// The electrode strengths of the weld grade row: E60 and E70.
constexpr int kE60 = 60;
constexpr int kE70 = 70;
constexpr int kAngleAreaField = 8;  // cm^2
constexpr int kAngleLegField = 3;   // mm

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

// Grid rows of the shear plate's weld and of the splice's flange cleats.
enum WspWeldRow { kElectrodeRow = 9, kWeldSizeRow = 10, kWeldSidesRow = 11 };
enum BsplFlangeRow {
    kFlangeThicknessRow = 10,
    kFlangeCleatsRow = 11,
    kFlangeRowsRow = 12,
    kFlangeEdgeRow = 13,
    kC1Row = 14,
    kC2Row = 15,
    kC3Row = 16
};
// The splice's result table: the web rows come first, the flange rows from here on.
constexpr int kFirstFlangeTableRow = 8;

std::vector<Thickness> PlateOptions(const Setting& setting) {
    std::vector<Thickness> options;
    for (int mm : kPlateStockMm)
        if (!setting.request.plateMm || *setting.request.plateMm == mm) options.push_back({mm});
    if (setting.request.plateMm && options.empty()) options.push_back({*setting.request.plateMm});
    return options;
}

// Angles by thickness, then by weight: of two equally thick angles the lighter comes first.
std::vector<Thickness> AngleOptions(const Setting& setting) {
    std::vector<Thickness> options;
    for (int i = 0; i < kAngleCount; ++i) {
        if (setting.request.angleSection && *setting.request.angleSection != i) continue;
        const std::string_view row = AngleRowAt(i);
        const int mm = static_cast<int>(std::lround(SectionField(row, kAngleThicknessField)));
        if (setting.request.plateMm && *setting.request.plateMm != mm) continue;
        options.push_back(
            {mm, i, SectionField(row, kAngleLegField), SectionField(row, kAngleAreaField)});
    }
    std::stable_sort(options.begin(), options.end(), [](const Thickness& a, const Thickness& b) {
        return a.mm != b.mm ? a.mm < b.mm : a.areaCm2 < b.areaCm2;
    });
    return options;
}

// The candidate every layout starts from: valid values in every row, so a part's rows can be
// designed while the other part's rows stay as they are.
Candidate BaseCandidate(const Setting& setting) {
    Candidate c;
    c.boltGrade = setting.boltGrade;
    c.boltDiameter = setting.boltDiameter;
    const int pitch = LeastPitchMm(setting.boltMm);
    const int edge = LeastEdgeMm(setting.boltMm);
    const WebRows web = WebRowsOf(setting.request.type);
    if (setting.request.type == ConnectionType::BMEP) {
        c.row[3] = kPlateStockMm.front();
        c.row[4] = 2;
        c.row[5] = edge;
        c.row[6] = pitch;
        return c;
    }
    if (web.thickness) c.row[web.thickness] = kPlateStockMm.front();
    c.row[web.cleats] = 1;
    c.row[web.rows] = 2;
    c.row[web.columns] = 1;
    if (web.supportBolts) c.row[web.supportBolts] = 2;
    c.row[web.setBack] = kSetBackMm;
    c.row[web.edge] = edge;
    c.row[web.pitch] = pitch;
    if (setting.request.type == ConnectionType::BSPL) {
        c.row[kFlangeThicknessRow] = kPlateStockMm.front();
        c.row[kFlangeCleatsRow] = 1;
        c.row[kFlangeRowsRow] = 1;
        c.row[kFlangeEdgeRow] = edge;
        c.row[kC1Row] = 0;
        c.row[kC2Row] = pitch;
        c.row[kC3Row] = static_cast<int>(
            std::ceil(std::max(LeastFlangeGaugeMm(setting.beam, setting.boltMm, 1), 1.0 * pitch)));
    }
    if (setting.request.type == ConnectionType::WSP) {
        c.row[kElectrodeRow] = kE70;
        c.row[kWeldSizeRow] = kWeldSizesMm.front();
        c.row[kWeldSidesRow] = 2;
    }
    return c;
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

// The web bolt group of the shear plate, the angle cleats or the splice's web cleats.
class ShearWebModel : public PartModel {
  public:
    explicit ShearWebModel(const Setting& setting)
        : s_(setting),
          rows_(WebRowsOf(setting.request.type)),
          thicknesses_(setting.request.type == ConnectionType::ACLT ? AngleOptions(setting)
                                                                    : PlateOptions(setting)) {}

    std::string_view Name() const override {
        switch (s_.request.type) {
            case ConnectionType::WSP:
                return "shear plate";
            case ConnectionType::ACLT:
                return "angle cleats";
            default:
                return "web cleats";
        }
    }

    std::vector<Layout> Layouts() const override {
        std::vector<Layout> layouts;
        const int pitch = LeastPitchMm(s_.boltMm);
        const auto edges =
            DistanceSteps(LeastEdgeMm(s_.boltMm), LeastEdgeMm(s_.boltMm) + kEdgeSearchSpanMm);
        const double clear = s_.beam.ClearWebDepth();
        for (int cleats = 1; cleats <= kMaxCleats; ++cleats)
            for (int columns = 1; columns <= kMaxWebBoltColumns; ++columns)
                for (int rows = 1; (rows - 1) * pitch + 2 * edges.front() <= clear; ++rows)
                    for (int edge : edges) {
                        // A single bolt cannot resist the eccentricity of the load.
                        if (rows * columns < 2 || (rows - 1) * pitch + 2 * edge > clear) continue;
                        Layout layout{BaseCandidate(s_)};
                        Candidate& c = layout.base;
                        c.row[rows_.cleats] = cleats;
                        c.row[rows_.rows] = rows;
                        c.row[rows_.columns] = columns;
                        // Angle cleats bolt to the support in the web bolt rows.
                        if (rows_.supportBolts) c.row[rows_.supportBolts] = rows;
                        c.row[rows_.setBack] = kSetBackMm;
                        c.row[rows_.edge] = edge;
                        layout.bolts = Bolts(c);
                        layouts.push_back(layout);
                    }
        return layouts;
    }

    int Bolts(const Candidate& c) const override {
        const int web = c.row[rows_.rows] * c.row[rows_.columns];
        if (s_.request.type == ConnectionType::BSPL) return 2 * web;  // both beam ends
        if (rows_.supportBolts) return web + c.row[rows_.cleats] * c.row[rows_.supportBolts];
        return web;
    }

    std::vector<int> Pitches(const Layout& layout) const override {
        const Candidate& c = layout.base;
        return PitchesWhile(LeastPitchMm(s_.boltMm), kMaxPitchMm, [&](int pitch) {
            return (c.row[rows_.rows] - 1) * pitch + 2 * c.row[rows_.edge] <=
                   s_.beam.ClearWebDepth();
        });
    }

    const std::vector<Thickness>& Thicknesses() const override { return thicknesses_; }

    bool Admissible(const Layout& layout, int pitch, const Thickness& t) const override {
        if (s_.request.type == ConnectionType::WSP) return StrongestWeldSize(t.mm) > 0;
        if (s_.request.type != ConnectionType::ACLT) return true;
        const Candidate& c = layout.base;
        return AngleWebLegFits(t.legMm, c.row[rows_.setBack], c.row[rows_.edge],
                               c.row[rows_.columns], pitch) &&
               AngleOutstandingLegFits(t.legMm, t.mm, s_.boltMm);
    }

    Candidate Make(const Layout& layout, int pitch, const Thickness& t) const override {
        Candidate c = layout.base;
        c.row[rows_.pitch] = pitch;
        if (rows_.thickness) c.row[rows_.thickness] = t.mm;
        if (t.angleSection >= 0) c.angleSection = t.angleSection;
        // The strongest weld: both sides, the largest size, the stronger electrode.
        if (s_.request.type == ConnectionType::WSP) SetWeld(c, {StrongestWeldSize(t.mm), kE70, 2});
        return c;
    }

    std::vector<Weld> Welds(const Thickness& t) const override {
        std::vector<Weld> welds;
        if (s_.request.type != ConnectionType::WSP) return welds;
        for (int sides = 1; sides <= 2; ++sides)
            for (int size : kWeldSizesMm)
                if (size >= MinWeldSizeMm(t.mm) && size <= MaxWeldSizeMm(t.mm))
                    for (int electrode : {kE60, kE70}) welds.push_back({size, electrode, sides});
        return welds;
    }

    void SetWeld(Candidate& c, const Weld& weld) const override {
        c.row[kElectrodeRow] = weld.electrode;
        c.row[kWeldSizeRow] = weld.sizeMm;
        c.row[kWeldSidesRow] = weld.sides;
    }

    bool OwnsRow(int row) const override {
        return s_.request.type != ConnectionType::BSPL || row < kFirstFlangeTableRow;
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

    double SteelCm3(const Candidate& c) const override {
        const double height = CleatHeightMm(c);
        const int cleats = c.row[rows_.cleats];
        const int spread = (c.row[rows_.columns] - 1) * c.row[rows_.pitch];
        const int edge = c.row[rows_.edge];
        const int setBack = c.row[rows_.setBack];
        switch (s_.request.type) {
            case ConnectionType::WSP:
                return cleats * c.row[rows_.thickness] * height * (spread + setBack + 2 * edge) /
                       1000;
            case ConnectionType::ACLT:
                return cleats * SectionField(AngleRowAt(c.angleSection), kAngleAreaField) * height /
                       10;
            default:
                // A splice's web cleat reaches across both beam ends.
                return cleats * c.row[rows_.thickness] * height *
                       (2.0 * (spread + 2 * edge + setBack)) / 1000;
        }
    }

    double WeldCm(const Candidate& c) const override {
        if (s_.request.type != ConnectionType::WSP) return 0;
        return c.row[rows_.cleats] * c.row[kWeldSidesRow] * CleatHeightMm(c) / 10;
    }

  private:
    // The largest weld size a plate admits; 0 when it admits none.
    static int StrongestWeldSize(int plateMm) {
        int size = 0;
        for (int each : kWeldSizesMm)
            if (each >= MinWeldSizeMm(plateMm) && each <= MaxWeldSizeMm(plateMm)) size = each;
        return size;
    }
    double CleatHeightMm(const Candidate& c) const {
        return (c.row[rows_.rows] - 1) * c.row[rows_.pitch] + 2.0 * c.row[rows_.edge];
    }

    Setting s_;
    WebRows rows_;
    std::vector<Thickness> thicknesses_;
};

// The end plate: two bolt lines, rows at pitch c, projecting past the flanges as needed.
class EndPlateModel : public PartModel {
  public:
    explicit EndPlateModel(const Setting& setting)
        : s_(setting), thicknesses_(PlateOptions(setting)) {}

    std::string_view Name() const override { return "end plate"; }

    std::vector<Layout> Layouts() const override {
        std::vector<Layout> layouts;
        const int pitch = LeastPitchMm(s_.boltMm);
        const auto edges =
            DistanceSteps(LeastEdgeMm(s_.boltMm), LeastEdgeMm(s_.boltMm) + kEdgeSearchSpanMm);
        const double most = MaxEndPlateHeightMm(s_.beam.d);
        // Two rows at least: the moment needs a lever arm across the bolt group.
        for (int rows = 2; (rows - 1) * pitch + 2 * edges.front() <= most; ++rows)
            for (int edge : edges) {
                if ((rows - 1) * pitch + 2 * edge > most) continue;
                Layout layout{BaseCandidate(s_)};
                layout.base.row[4] = rows;
                layout.base.row[5] = edge;
                layout.bolts = Bolts(layout.base);
                layouts.push_back(layout);
            }
        return layouts;
    }

    int Bolts(const Candidate& c) const override { return 2 * c.row[4]; }

    std::vector<int> Pitches(const Layout& layout) const override {
        const Candidate& c = layout.base;
        return PitchesWhile(LeastPitchMm(s_.boltMm), kMaxPitchMm, [&](int pitch) {
            return (c.row[4] - 1) * pitch + 2 * c.row[5] <= MaxEndPlateHeightMm(s_.beam.d);
        });
    }

    const std::vector<Thickness>& Thicknesses() const override { return thicknesses_; }

    bool Admissible(const Layout&, int, const Thickness& t) const override {
        return t.mm >= kMinEndPlateThicknessDiameters * s_.boltMm;
    }

    Candidate Make(const Layout& layout, int pitch, const Thickness& t) const override {
        Candidate c = layout.base;
        c.row[3] = t.mm;
        c.row[6] = pitch;
        return c;
    }

    bool OwnsRow(int) const override { return true; }

    void CopyPart(const Candidate& from, Candidate& to) const override {
        for (int row = 3; row <= 6; ++row) to.row[row] = from.row[row];
    }

    // The end plate is as wide as the beam flange.
    double SteelCm3(const Candidate& c) const override {
        const double height = (c.row[4] - 1) * c.row[6] + 2.0 * c.row[5];
        return c.row[3] * height * s_.beam.bf / 1000;
    }

  private:
    Setting s_;
    std::vector<Thickness> thicknesses_;
};

// The splice's flange cleats: two straight bolt lines C3 apart along each flange, an outer
// cleat and, with two cleats, inner cleats beside the web.
class FlangeSpliceModel : public PartModel {
  public:
    explicit FlangeSpliceModel(const Setting& setting)
        : s_(setting), thicknesses_(PlateOptions(setting)) {}

    std::string_view Name() const override { return "flange cleats"; }

    std::vector<Layout> Layouts() const override {
        std::vector<Layout> layouts;
        const int edge = LeastEdgeMm(s_.boltMm);
        const auto edges = DistanceSteps(edge, edge + kEdgeSearchSpanMm);
        for (int cleats = 1; cleats <= kMaxCleats; ++cleats)
            for (int rows = 1; rows <= kMaxFlangeBoltRows; ++rows)
                for (int e : edges) {
                    if (LeastGauge(cleats) > s_.beam.bf - 2 * e) continue;
                    Layout layout{BaseCandidate(s_)};
                    Candidate& c = layout.base;
                    c.row[kFlangeCleatsRow] = cleats;
                    c.row[kFlangeRowsRow] = rows;
                    c.row[kFlangeEdgeRow] = e;
                    c.row[kC1Row] = 0;
                    // No check reads the pitch along straight bolt lines: the least is lightest.
                    c.row[kC2Row] = LeastPitchMm(s_.boltMm);
                    layout.bolts = Bolts(c);
                    layouts.push_back(layout);
                }
        return layouts;
    }

    // Two bolt lines on each side of the joint, on both flanges.
    int Bolts(const Candidate& c) const override { return 8 * c.row[kFlangeRowsRow]; }

    std::vector<int> Pitches(const Layout& layout) const override {
        const Candidate& c = layout.base;
        const int most =
            static_cast<int>(std::floor(s_.beam.bf - 2 * c.row[kFlangeEdgeRow] + 1e-9));
        return DistanceSteps(LeastGauge(c.row[kFlangeCleatsRow]), most);
    }

    const std::vector<Thickness>& Thicknesses() const override { return thicknesses_; }

    Candidate Make(const Layout& layout, int pitch, const Thickness& t) const override {
        Candidate c = layout.base;
        c.row[kFlangeThicknessRow] = t.mm;
        c.row[kC3Row] = pitch;
        return c;
    }

    bool OwnsRow(int row) const override { return row >= kFirstFlangeTableRow; }

    void CopyPart(const Candidate& from, Candidate& to) const override {
        for (int row = kFlangeThicknessRow; row <= kC3Row; ++row) to.row[row] = from.row[row];
    }

    // Outer (and inner) cleats on both flanges, each reaching across both beam ends.
    double SteelCm3(const Candidate& c) const override {
        const double length = 2.0 * ((c.row[kFlangeRowsRow] - 1) * c.row[kC2Row] +
                                     2 * c.row[kFlangeEdgeRow] + c.row[kBsplWebRows.setBack]);
        const double outer = 2.0 * c.row[kFlangeEdgeRow] + 2 * c.row[kC1Row] + c.row[kC3Row];
        const double inner = c.row[kFlangeCleatsRow] >= 2 ? InnerWidthMm() : 0;
        return 2 * c.row[kFlangeThicknessRow] * length * (outer + inner) / 1000;
    }

  private:
    int LeastGauge(int cleats) const {
        return static_cast<int>(std::ceil(LeastFlangeGaugeMm(s_.beam, s_.boltMm, cleats) - 1e-9));
    }
    double InnerWidthMm() const { return s_.beam.bf - s_.beam.tw - 2 * s_.beam.r1; }

    Setting s_;
    std::vector<Thickness> thicknesses_;
};

}  // namespace

std::vector<std::unique_ptr<PartModel>> MakeParts(const Setting& setting) {
    std::vector<std::unique_ptr<PartModel>> parts;
    switch (setting.request.type) {
        case ConnectionType::WSP:
        case ConnectionType::ACLT:
            parts.push_back(std::make_unique<ShearWebModel>(setting));
            break;
        case ConnectionType::BMEP:
            parts.push_back(std::make_unique<EndPlateModel>(setting));
            break;
        case ConnectionType::BSPL:
            parts.push_back(std::make_unique<ShearWebModel>(setting));
            parts.push_back(std::make_unique<FlangeSpliceModel>(setting));
            break;
        case ConnectionType::None:
            break;
    }
    return parts;
}

Lightness MeasureCandidate(const Setting& setting, const Candidate& candidate) {
    Lightness lightness;
    lightness.boltMm = setting.boltMm;
    for (const auto& part : MakeParts(setting)) {
        lightness.bolts += part->Bolts(candidate);
        lightness.plateSteelCm3 += part->SteelCm3(candidate);
        lightness.weldCm += part->WeldCm(candidate);
    }
    return lightness;
}

}  // namespace jw::autodesign
