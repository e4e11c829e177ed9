// The end plate and the splice's flange plates as the automatic design searches them.
#include <algorithm>
#include <cmath>

#include "data/units.h"
#include "design/auto_design_parts.h"
#include "design/further/end_plate.h"
#include "design/further/splice.h"
#include "design/further/welds.h"

namespace jw::autodesign {
namespace {

using namespace detailing;

// End plate rows.
enum BmepRow { kPlateRow = 3, kRowsRow = 4, kEdgeRow = 5, kPitchRow = 6 };
// Splice flange rows.
enum BsplFlangeRow {
    kFlangeThicknessRow = 10,
    kFlangeCleatsRow = 11,
    kFlangeRowsRow = 12,
    kFlangeEdgeRow = 13,
    kC1Row = 14,
    kC2Row = 15,
    kC3Row = 16
};
constexpr int kSpliceSetBackRow = 7;

double Cm(int mm) {
    return mm / kMmPerCm;
}

// The end plate: two bolt lines, rows at pitch c, the plate projecting b past the outer rows.
// The rows' places against the flanges follow from the rows and the pitch alone, so those are a
// family; a longer edge distance b and, among plates that take the same welds, a thicker plate
// only help.
class EndPlateModel : public PartModel {
  public:
    explicit EndPlateModel(const Setting& setting) : s_(setting), plates_(PlateOptions(setting)) {}

    std::string_view Name() const override { return "end plate"; }

    std::vector<Candidate> Layouts() const override {
        std::vector<Candidate> layouts;
        const int least = LeastEdgeMm(s_.boltMm);
        const double most = MaxEndPlateHeightMm(s_.beam.d);
        for (int pitch : DistanceSteps(LeastPitchMm(s_.boltMm), kMaxEndPlatePitchMm))
            for (int rows = 2; (rows - 1) * pitch + 2 * least <= most; ++rows) {
                // A plate that cannot reach over the beam even at the longest edge distance.
                if ((rows - 1) * pitch + 2 * (least + kEdgeSearchSpanMm) < s_.beam.d) continue;
                Candidate c = BaseCandidate(s_);
                c.row[kRowsRow] = rows;
                c.row[kPitchRow] = pitch;
                c.row[kEdgeRow] = least;
                layouts.push_back(c);
            }
        return layouts;
    }

    std::vector<Column> Columns(const Candidate& layout) const override {
        const int least = LeastEdgeMm(s_.boltMm);
        std::vector<int> edges;
        for (int edge : DistanceSteps(least, least + kEdgeSearchSpanMm))
            if ((layout.row[kRowsRow] - 1) * layout.row[kPitchRow] + 2 * edge <=
                MaxEndPlateHeightMm(s_.beam.d))
                edges.push_back(edge);
        std::vector<Column> columns;
        if (edges.empty()) return columns;
        for (int t : plates_) {
            // Plates that take the same fillet welds to the beam compare by thickness alone;
            // a thicker plate with larger welds needs more room for them.
            const int welds =
                static_cast<int>(further::MinFilletWeldMm(std::max<double>(t, s_.beam.tf)));
            Column column{layout, edges, welds, {t, 0}, t};
            column.base.row[kPlateRow] = t;
            columns.push_back(std::move(column));
        }
        return columns;
    }

    void SetChain(Candidate& c, int edge) const override { c.row[kEdgeRow] = edge; }

    Candidate Cheapest(const Candidate& layout) const override {
        Candidate c = layout;
        c.row[kPlateRow] = plates_.front();
        c.row[kEdgeRow] = LeastEdgeMm(s_.boltMm);
        return c;
    }

    void CopyPart(const Candidate& from, Candidate& to) const override {
        for (int row = kPlateRow; row <= kPitchRow; ++row) to.row[row] = from.row[row];
    }

    std::vector<int> Distinction(const Candidate& c) const override {
        return {c.row[kRowsRow], c.row[kPlateRow]};
    }

    void Patch(const Candidate& c, DesignState& s) const override {
        s.cleatThicknessCm = Cm(c.row[kPlateRow]);
        s.boltRows = static_cast<std::int16_t>(c.row[kRowsRow]);
        s.supportBolts = static_cast<std::int16_t>(2 * c.row[kRowsRow]);
        s.edgeCm = Cm(c.row[kEdgeRow]);
        s.pitchCm = Cm(c.row[kPitchRow]);
    }

    std::optional<Verdict> Screen(const Candidate&, const DesignState& s) const override {
        const FurtherChecks room = further::EndPlateRoomChecks(s);
        if (room.AllPassed()) return std::nullopt;
        Verdict verdict;
        verdict.worstRatio = 0;
        for (const CheckRow& check : room.checks) {
            if (check.Passed()) continue;
            verdict.failed.push_back(check.name);
            if (verdict.mode.empty() || check.ratio > verdict.worstRatio)
                verdict.worstRatio = check.ratio, verdict.mode = check.name;
        }
        return verdict;
    }

    // The extended end-plate method takes A490 bolts' joints for stiffer, with a larger
    // moment in the plate.
    bool StrongerGradesNeverHurt() const override { return false; }

  private:
    Setting s_;
    std::vector<int> plates_;
};

// The splice's flange plates: two straight bolt lines C3 apart along each flange, an outer plate
// and, with two cleats, inner plates beside the web. A family fixes the cleats, rows, edge
// distance and gauge; a thicker plate only helps, and so does a longer pitch C2 up to the gap
// across the joint 2 (a + e), beyond which the compression plates buckle over C2 instead.
class FlangeSpliceModel : public PartModel {
  public:
    explicit FlangeSpliceModel(const Setting& setting)
        : s_(setting), plates_(PlateOptions(setting)) {}

    std::string_view Name() const override { return "flange plates"; }

    std::vector<Candidate> Layouts() const override {
        std::vector<Candidate> layouts;
        const int least = LeastEdgeMm(s_.boltMm);
        for (int cleats = 1; cleats <= kMaxCleats; ++cleats)
            for (int rows = further::kLeastFlangeBoltRows; rows <= kMaxFlangeBoltRows; ++rows)
                for (int e : DistanceSteps(least, least + kFlangeEdgeSearchSpanMm))
                    for (int gauge : FlangeGauges(s_.beam, s_.boltMm, cleats, e)) {
                        Candidate c = BaseCandidate(s_);
                        c.row[kFlangeCleatsRow] = cleats;
                        c.row[kFlangeRowsRow] = rows;
                        c.row[kFlangeEdgeRow] = e;
                        c.row[kC1Row] = 0;
                        c.row[kC2Row] = LeastPitchMm(s_.boltMm);
                        c.row[kC3Row] = gauge;
                        layouts.push_back(c);
                    }
        return layouts;
    }

    std::vector<Column> Columns(const Candidate& layout) const override {
        const std::vector<int> pitches =
            FlangePitches(s_.boltMm, layout.row[kSpliceSetBackRow], layout.row[kFlangeEdgeRow]);
        std::vector<Column> columns;
        for (int t : plates_) {
            Column column{layout, pitches, 0, {t, 0}, t};
            column.base.row[kFlangeThicknessRow] = t;
            columns.push_back(std::move(column));
        }
        return columns;
    }

    void SetChain(Candidate& c, int pitch) const override { c.row[kC2Row] = pitch; }

    Candidate Cheapest(const Candidate& layout) const override {
        Candidate c = layout;
        c.row[kFlangeThicknessRow] = plates_.front();
        c.row[kC2Row] = LeastPitchMm(s_.boltMm);
        return c;
    }

    void CopyPart(const Candidate& from, Candidate& to) const override {
        for (int row = kFlangeThicknessRow; row <= kC3Row; ++row) to.row[row] = from.row[row];
    }

    std::vector<int> Distinction(const Candidate& c) const override {
        return {c.row[kFlangeCleatsRow], c.row[kFlangeRowsRow], c.row[kFlangeThicknessRow]};
    }

    void Patch(const Candidate& c, DesignState& s) const override {
        s.flangeCleatThicknessCm = Cm(c.row[kFlangeThicknessRow]);
        s.flangeCleats = static_cast<std::int16_t>(c.row[kFlangeCleatsRow]);
        s.flangeRows = static_cast<std::int16_t>(c.row[kFlangeRowsRow]);
        s.flangeEdgeCm = Cm(c.row[kFlangeEdgeRow]);
        s.c1Cm = Cm(c.row[kC1Row]);
        s.c2Cm = Cm(c.row[kC2Row]);
        s.c3Cm = Cm(c.row[kC3Row]);
    }

    // The flange bolts' shear (classic row 9) reads the rows and cleats, their bearing on the
    // beam flange (row 10), the beam flange's tension (row 12, the bolt lines being straight)
    // and "Beam flange tension" the rows alone; "Flange bolt shear" the rows and, with inner
    // plates, the outer plate's width, by which the flange force is shared. The plates' net
    // tension reads the cleats and the shear lag of the rows, and only gets worse with a
    // narrower outer plate (which takes a smaller share but loses more to its holes) or a
    // thinner one.
    std::vector<std::string_view> ScopedChecks() const override {
        return {"Beam web shear",
                "row 9",
                "row 10",
                "row 12",
                "Beam flange tension",
                "Flange bolt shear",
                "Flange plate net tension"};
    }
    std::optional<Scope> ScopeOf(std::string_view check, const Candidate& c) const override {
        const int rows = c.row[kFlangeRowsRow];
        const int cleats = c.row[kFlangeCleatsRow];
        const int width = 2 * c.row[kFlangeEdgeRow] + 2 * c.row[kC1Row] + c.row[kC3Row];
        if (check == "row 9") return Scope{{rows, cleats}, {}};
        if (check == "row 10" || check == "row 12" || check == "Beam flange tension")
            return Scope{{rows}, {}};
        if (check == "Flange bolt shear") return Scope{{rows, cleats, cleats >= 2 ? width : 0}, {}};
        if (check == "Flange plate net tension")
            return Scope{{cleats, std::min(rows, 3), c.row[kC1Row]},
                         {width, c.row[kFlangeThicknessRow]}};
        return PartModel::ScopeOf(check, c);
    }

    Owner Part() const override { return Owner::Flange; }
    Owner OwnerOfRow(int row) const override { return SpliceRowOwner(s_.request.type, row); }
    Owner OwnerOfCheck(std::string_view name) const override {
        return SpliceCheckOwner(s_.request.type, name);
    }

  private:
    Setting s_;
    std::vector<int> plates_;
};

}  // namespace

std::unique_ptr<PartModel> MakeEndPlateModel(const Setting& setting) {
    return std::make_unique<EndPlateModel>(setting);
}

std::unique_ptr<PartModel> MakeFlangeSpliceModel(const Setting& setting) {
    return std::make_unique<FlangeSpliceModel>(setting);
}

std::optional<Candidate> StrongFlange(const Setting& setting) {
    const int edge = LeastEdgeMm(setting.boltMm);
    for (int cleats = kMaxCleats; cleats >= 1; --cleats) {
        const double gauge = LeastFlangeGaugeMm(setting.beam, setting.boltMm, cleats);
        const int c3 = static_cast<int>(std::ceil(gauge - 1e-9));
        if (c3 + 2 * edge > setting.beam.bf) continue;
        Candidate c = BaseCandidate(setting);
        c.row[kFlangeThicknessRow] = PlateOptions(setting).back();
        c.row[kFlangeCleatsRow] = cleats;
        c.row[kFlangeRowsRow] = kMaxFlangeBoltRows;
        c.row[kFlangeEdgeRow] = edge;
        c.row[kC1Row] = 0;
        c.row[kC2Row] = LeastPitchMm(setting.boltMm);
        c.row[kC3Row] = c3;
        return c;
    }
    return std::nullopt;
}

}  // namespace jw::autodesign
