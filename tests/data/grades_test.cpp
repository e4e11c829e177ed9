#include "data/grades.h"

#include <gtest/gtest.h>

namespace jw {
namespace {

TEST(Grades, MemberAndCleatTablesDifferWhereTheyShould) {
    struct Case {
        const char* name;
        double fyMember, fuMember, fyCleat, fuCleat;
    } cases[] = {
        {"SS400", 2396, 4079, 2396, 4079}, {"SS490", 2804, 4996, 2750, 4900},
        {"SM490", 3212, 4996, 3150, 4900}, {"SM520", 3620, 5302, 3550, 5200},
        {"SM400", 2396, 4079, 2350, 4000}, {"A572 Gr.50", 3450, 4500, 3450, 4500},
        {"A992", 3450, 4500, 3450, 4500},
    };
    for (const auto& c : cases) {
        DesignState s;
        ASSERT_TRUE(SetMemberGrade(s, c.name));
        ASSERT_TRUE(SetCleatGrade(s, c.name));
        EXPECT_EQ(s.FyMember, c.fyMember) << c.name;
        EXPECT_EQ(s.FuMember, c.fuMember) << c.name;
        EXPECT_EQ(s.FyCleat, c.fyCleat) << c.name;
        EXPECT_EQ(s.FuCleat, c.fuCleat) << c.name;
    }
}

TEST(Grades, UnknownNamesLeaveTheStateAlone) {
    DesignState s;
    s.FyMember = 1;
    s.Fv = 2;
    s.FwWeld = 3;
    EXPECT_FALSE(SetMemberGrade(s, "ss400"));
    EXPECT_FALSE(SetBoltGrade(s, "A999"));
    EXPECT_FALSE(SetWeldGrade(s, "EE70xx"));
    EXPECT_EQ(s.FyMember, 1);
    EXPECT_EQ(s.Fv, 2);
    EXPECT_EQ(s.FwWeld, 3);
}

TEST(Grades, BoltShearAllowablesAndSlipCritical) {
    const double fv[] = {690,  2070, 1450, 1450, 2760, 1930, 1930,
                         2070, 1450, 1450, 2760, 1930, 1930};
    for (int i = 0; i < kBoltGradeCount; ++i) {
        DesignState s;
        ASSERT_TRUE(SetBoltGrade(s, kBoltGradeNames[i]));
        EXPECT_EQ(s.Fv, fv[i]) << kBoltGradeNames[i];
        EXPECT_EQ(s.SlipCritical, kBoltGradeNames[i].ends_with("-S")) << kBoltGradeNames[i];
    }
}

TEST(Grades, WeldAndHoles) {
    DesignState s;
    ASSERT_TRUE(SetWeldGrade(s, "E60xx"));
    EXPECT_EQ(s.FwWeld, 1260);
    ASSERT_TRUE(SetWeldGrade(s, "E70xx"));
    EXPECT_EQ(s.FwWeld, 1470);
    EXPECT_DOUBLE_EQ(BoltDiaFromItem("20 mm."), 2.0);
    EXPECT_DOUBLE_EQ(HoleClearance(2.0), 0.2);
    EXPECT_DOUBLE_EQ(BoltDiaFromItem("22 mm.") + HoleClearance(2.2), 2.5);
    EXPECT_DOUBLE_EQ(BoltDiaFromItem("36 mm."), 3.6);
}

TEST(Grades, BoltTensionAllowableUnderShear) {
    EXPECT_EQ(BoltTensionAllowable("A325-N", 0), 3030);
    EXPECT_EQ(BoltTensionAllowable("A307", 500), 0);
    EXPECT_EQ(BoltTensionAllowable("A490-S", 0), 0);
    EXPECT_NEAR(*BoltTensionAllowable("A325-N", 1000), 2188.8125, 1e-3);
    EXPECT_NEAR(*BoltTensionAllowable("F10-X", 1000), 3466.7564, 1e-3);
    EXPECT_EQ(BoltTensionAllowable("A325-N", 1500), std::nullopt);  // shear alone too high
}

TEST(Grades, ShownValues) {
    EXPECT_EQ(ShownBoltAllowables("F8.8-S").ftKsc, "3030");
    EXPECT_EQ(ShownBoltAllowables("F8.8-S").fvKsc, "1450");
    EXPECT_EQ(ShownBoltAllowables("A307").ftKsc, "1380");
    EXPECT_EQ(ShownBoltArea("12 mm."), "1.13");
    EXPECT_EQ(ShownBoltArea("20 mm."), "3.14");
    EXPECT_EQ(ShownBoltArea("36 mm."), "10.18");
    EXPECT_EQ(MemberGradeFromOptions(false, false, true, true), "SM490");
    EXPECT_EQ(MemberGradeFromOptions(false, false, false, false), "");
    EXPECT_EQ(MemberGradeName(kGradeSM520), "SM520");
    EXPECT_EQ(MemberGradeName(kGradeSM490), "SM490");
}

}  // namespace
}  // namespace jw
