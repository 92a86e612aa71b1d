// Submodel and submodel link sections.
#include "model/ddsubmodel.h"
#include "test_model_1_support.h"

namespace {

TEST(SubmodelSections, FixtureRoundTrip) {
    srtftest::ExpectRoundTrip("model/submodel.srtf");
    m1test::ExpectOneBaseOneLatest("model/submodel.srtf", {68, 70});
}

TEST(SubmodelSections, LatestLinesReadFirstAreWrittenAfterTheBaseLines) {
    srtftest::ExpectRoundTrip("model/submodel_latest_first.srtf", "model/submodel.srtf");
}

// The link's own id is its fourth value, between the keys; three of its
// columns refer to the submodel section.
TEST(SubmodelSections, LinkIdKeysAndForeignKeys) {
    CDDSubmodelLinkSection s;
    m1test::Dispatch(s, "Submodel_Link_Latest", "1,2,3,4,5,6,1");
    auto* link = static_cast<CDDSubmodelLink*>(s.GetLatestList()->front());
    EXPECT_EQ(4, link->GetId());
    EXPECT_EQ((std::vector<int>{1, 2, 4, 5, 6}), m1test::TechKeyWalk(*link));
    const auto data = m1test::DataWalk(*link);
    ASSERT_EQ(2u, data.size());
    EXPECT_EQ("3", data[0].value);
    EXPECT_EQ(29334, data[0].propertyId);
    EXPECT_EQ("1", data[1].value);
    EXPECT_EQ(29335, data[1].propertyId);
    EXPECT_EQ((std::vector<std::pair<int, int>>{{1, 44}, {2, 68}, {5, 68}, {6, 68}}),
              m1test::ForeignKeyWalk(*link));

    link->SetForeignKey(9, 68);
    link->SetForeignKey(8, 70);
    link->SetForeignKey(7, 44);
    EXPECT_EQ(7, link->ModelId);
    EXPECT_EQ(9, link->ChildSubmodelId);
    EXPECT_EQ(5, link->ParentSubmodelId);
    EXPECT_EQ(6, link->UltimateParentSubmodId);
    EXPECT_EQ(4, link->SubmodelLinkId);
    link->SetId(40);
    EXPECT_EQ("7,9,3,40,5,6,1,\"\",\"\",0x00000000,0x00000000,0,0,0", m1test::Columns(*link));
}

TEST(SubmodelSections, ZeroDisplayGuidIsWrittenAsEmptyQuotes) {
    CDDSubmodelSection s;
    m1test::Dispatch(s, "SUBMODEL_BASE", "1,2,\"Sales\",3");
    ASSERT_EQ(1u, s.GetBaseList()->size());
    EXPECT_EQ("1,2,\"Sales\",3,\"\",\"\",\"\",\"\",\"\",0x00000000,0x00000000,0,0,0",
              m1test::Columns(*s.GetBaseList()->front()));
}

}  // namespace
