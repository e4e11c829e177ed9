// Properties every design must keep, checked over many generated connections (fixed seed).
#include <gtest/gtest.h>

#include <cmath>

#include <random>

#include "data/grades.h"
#include "data/numbers.h"
#include "data/sections.h"
#include "design/design_run.h"
#include "project/project_file.h"

namespace jw {
namespace {

constexpr int kCasesPerType = 400;

class InputGenerator {
  public:
    explicit InputGenerator(unsigned seed) : random_(seed) {}

    ConnectionInput Make(ConnectionType type) {
        ConnectionInput in;
        in.type = type;
        in.grid = BuildInputGrid(type);
        in.choices.beamSection = Index(0, kSectionCount - 1);
        in.choices.angleSection = Index(0, kAngleCount - 1);
        in.choices.boltDiameter = Index(0, kBoltDiameterCount - 1);
        in.choices.boltGrade = type == ConnectionType::BMEP
                                   ? static_cast<int>(Pick({1, 2, 4, 5, 7, 8, 10, 11}))
                                   : Index(0, kBoltGradeCount - 1);
        in.choices.memberGrade = Index(1, 4);
        std::vector<double> v;
        switch (type) {
            case ConnectionType::WSP:
                v = {Load(),         Pick({6, 9, 12, 16}), Int(1, 2),   Int(2, 8),
                     Int(1, 3),      Int(5, 20),           Int(25, 60), Int(50, 100),
                     Pick({60, 70}), Pick({4, 6, 8, 10}),  Int(1, 2)};
                break;
            case ConnectionType::ACLT:
                v = {Load(),    Int(1, 2),  Int(2, 8),   Int(1, 3),
                     Int(1, 8), Int(5, 20), Int(25, 60), Int(50, 100)};
                break;
            case ConnectionType::BMEP:
                v = {Load() * 50, Load(),      Pick({12, 16, 20, 25}),
                     Int(2, 8),   Int(30, 60), Int(60, 120)};
                break;
            case ConnectionType::BSPL:
                v = {Load() * 30,      Load(),
                     Pick({6, 9, 12}), Int(1, 2),
                     Int(2, 6),        Int(1, 2),
                     Int(5, 20),       Int(25, 60),
                     Int(50, 100),     Pick({9, 12, 16}),
                     Int(1, 2),        Int(2, 6),
                     Int(25, 50),      Pick({0, 0, 30, 45}),
                     Int(40, 80),      Int(40, 150)};
                break;
            case ConnectionType::None:
                break;
        }
        for (std::size_t i = 0; i < v.size(); ++i)
            in.grid.At(static_cast<int>(i) + 1, kValueColumn) = FormatPlain(v[i]);
        return in;
    }

  private:
    int Index(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    double Int(int low, int high) { return Index(low, high); }
    double Pick(std::initializer_list<int> values) {
        return *(values.begin() + Index(0, static_cast<int>(values.size()) - 1));
    }
    double Load() { return Int(1, 60) * 1000.0; }

    std::mt19937 random_;
};

constexpr ConnectionType kTypes[] = {ConnectionType::WSP, ConnectionType::ACLT,
                                     ConnectionType::BMEP, ConnectionType::BSPL};

bool IsCheckRow(const TextGrid& t, int r) {
    return t.At(r, 3) == "PASSED" || t.At(r, 3) == "REDESIGNED";
}

void ScaleLoads(ConnectionInput& in, double factor) {
    const int loadRows = in.type == ConnectionType::BMEP || in.type == ConnectionType::BSPL ? 2 : 1;
    for (int r = 1; r <= loadRows; ++r)
        in.grid.At(r, kValueColumn) =
            FormatPlain(LeadingNumber(in.grid.At(r, kValueColumn)) * factor);
}

TEST(Invariants, EveryOutputIsFiniteAndEveryVerdictMatchesItsRatio) {
    InputGenerator generate(20261208);
    int designed = 0;
    for (ConnectionType type : kTypes) {
        for (int i = 0; i < kCasesPerType; ++i) {
            const DesignResult r = RunDesign(generate.Make(type), RunOptions{""});
            if (r.status == RunStatus::Stopped) continue;
            ++designed;
            bool anyRedesign = false;
            for (int row = 0; row < r.table.rows; ++row) {
                for (int c = 0; c < 4; ++c) {
                    EXPECT_EQ(r.table.At(row, c).find("nan"), std::string::npos);
                    EXPECT_EQ(r.table.At(row, c).find("inf"), std::string::npos);
                }
                if (!IsCheckRow(r.table, row)) continue;
                anyRedesign |= r.table.At(row, 3) == "REDESIGNED";
                // A check whose ratio has no finite value (bolts overstressed in shear) fails.
                if (r.table.At(row, 2).empty()) continue;
                const bool passes = LeadingNumber(r.table.At(row, 2)) <= 1.0;
                EXPECT_EQ(r.table.At(row, 3), passes ? "PASSED" : "REDESIGNED");
            }
            EXPECT_EQ(r.classicAccepted, !anyRedesign) << r.summary.At(3, 1);
            bool furtherPass = true;
            for (const CheckRow& check : r.further.checks) {
                EXPECT_TRUE(std::isfinite(check.demand) && std::isfinite(check.capacity));
                EXPECT_EQ(check.verdict,
                          LeadingNumber(check.ratioText) <= 1.0 ? "PASSED" : "REDESIGNED")
                    << check.name;
                furtherPass &= check.Passed();
            }
            EXPECT_EQ(r.status == RunStatus::Accepted, !anyRedesign && furtherPass);
            // A rejected connection names a check that fails.
            if (r.status == RunStatus::Rejected) {
                EXPECT_FALSE(r.summary.At(4, 1).empty());
            }
            EXPECT_EQ(r.report.find("= nan"), std::string::npos);
            EXPECT_EQ(r.report.find("= inf"), std::string::npos);
        }
    }
    EXPECT_GT(designed, kCasesPerType) << "the generator should mostly make designable input";
}

TEST(Invariants, RaisingTheLoadNeverLowersARatio) {
    InputGenerator generate(7);
    for (ConnectionType type : kTypes) {
        for (int i = 0; i < kCasesPerType; ++i) {
            ConnectionInput in = generate.Make(type);
            const DesignResult before = RunDesign(in, RunOptions{""});
            if (before.status == RunStatus::Stopped) continue;
            ScaleLoads(in, 1.37);
            const DesignResult after = RunDesign(in, RunOptions{""});
            ASSERT_NE(after.status, RunStatus::Stopped) << after.message;
            for (int row = 0; row < before.table.rows; ++row) {
                if (!IsCheckRow(before.table, row) || before.table.At(row, 2).empty()) continue;
                if (after.table.At(row, 2).empty() && after.table.At(row, 3) == "REDESIGNED")
                    continue;  // failed beyond any finite ratio
                EXPECT_GE(LeadingNumber(after.table.At(row, 2)),
                          LeadingNumber(before.table.At(row, 2)))
                    << TypeName(type) << " row " << row << " " << before.table.At(row, 0);
            }
        }
    }
}

TEST(Invariants, TwoCleatsHalveBoltShearAndCleatBearing) {
    InputGenerator generate(11);
    for (ConnectionType type : {ConnectionType::WSP, ConnectionType::ACLT}) {
        const int cleatRow = type == ConnectionType::WSP ? 3 : 2;
        for (int i = 0; i < kCasesPerType; ++i) {
            ConnectionInput in = generate.Make(type);
            in.grid.At(cleatRow, kValueColumn) = "1";
            const DesignResult one = RunDesign(in, RunOptions{""});
            in.grid.At(cleatRow, kValueColumn) = "2";
            const DesignResult two = RunDesign(in, RunOptions{""});
            if (one.status == RunStatus::Stopped || two.status == RunStatus::Stopped) continue;
            for (int row : {2, 4}) {
                // Each ratio is rounded to two decimals, once before and once after halving.
                EXPECT_NEAR(LeadingNumber(two.table.At(row, 2)),
                            LeadingNumber(one.table.At(row, 2)) / 2, 0.0076)
                    << TypeName(type) << " row " << row;
            }
        }
    }
}

TEST(Invariants, SlipCriticalGradesZeroExactlyTheBearingRows) {
    InputGenerator generate(13);
    for (ConnectionType type : {ConnectionType::WSP, ConnectionType::ACLT, ConnectionType::BSPL}) {
        for (int i = 0; i < kCasesPerType; ++i) {
            ConnectionInput in = generate.Make(type);
            in.choices.boltGrade = 2;  // A325-N and A325-S share Fv
            const DesignResult bearing = RunDesign(in, RunOptions{""});
            in.choices.boltGrade = 3;
            const DesignResult slip = RunDesign(in, RunOptions{""});
            if (bearing.status == RunStatus::Stopped) continue;
            ASSERT_NE(slip.status, RunStatus::Stopped);
            for (int row = 0; row < bearing.table.rows; ++row) {
                if (!IsCheckRow(bearing.table, row)) continue;
                const bool isBearing =
                    bearing.table.At(row, 0).find("Bearing") != std::string::npos;
                EXPECT_EQ(slip.table.At(row, 2), isBearing ? "0.00" : bearing.table.At(row, 2))
                    << TypeName(type) << " " << bearing.table.At(row, 0);
            }
        }
    }
}

TEST(Invariants, AcceptedResultsRedesignTheSameAfterAProjectRoundTrip) {
    InputGenerator generate(17);
    int accepted = 0;
    for (ConnectionType type : kTypes) {
        for (int i = 0; i < kCasesPerType; ++i) {
            const ConnectionInput in = generate.Make(type);
            const DesignResult first = RunDesign(in, RunOptions{""});
            if (first.status != RunStatus::Accepted) continue;
            ++accepted;
            Project project;
            project.type = in.type;
            project.choices = in.choices;
            project.values = GridValues(in.grid);
            const Project back = ParseProject(FormatProject(project));
            const DesignResult second =
                RunDesign({back.type, back.choices, ProjectGrid(back)}, RunOptions{""});
            EXPECT_EQ(second.table.cells, first.table.cells);
            EXPECT_EQ(second.summary.cells, first.summary.cells);
            EXPECT_EQ(second.report, first.report);
        }
    }
    EXPECT_GT(accepted, 20);
}

}  // namespace
}  // namespace jw
