// Meta-class member, property usage, property value usage and user object
// match sections.
#include "model/ddmetadata.h"
#include "test_model_1_support.h"

namespace {

TEST(MetadataUsageSections, FixtureRoundTrip) {
    srtftest::ExpectRoundTrip("model/metadata_usage.srtf");
    m1test::ExpectOneBaseOneLatest("model/metadata_usage.srtf", {43, 53, 54, 81});
}

TEST(MetadataUsageSections, LatestLinesReadFirstAreWrittenAfterTheBaseLines) {
    srtftest::ExpectRoundTrip("model/metadata_usage_latest_first.srtf", "model/metadata_usage.srtf");
}

// The only tech key of a property usage is its fifth column; its first
// column is a data value.
TEST(MetadataUsageSections, PropertyUsageIdIsTheFifthValue) {
    CDDPropertyUsageSection s;
    m1test::Dispatch(s, "Property_Usage_Latest", "7,\"Label, one\",3,1,12");
    CObjectBase* r = s.GetLatestList()->front();
    EXPECT_EQ(12, r->GetId());
    EXPECT_EQ(std::vector<int>{12}, m1test::TechKeyWalk(*r));
    EXPECT_TRUE(m1test::ForeignKeyWalk(*r).empty());
    const auto data = m1test::DataWalk(*r);
    ASSERT_EQ(7u, data.size());
    const std::pair<std::string, int> want[] = {
        {"7", 29235}, {"Label, one", 29236}, {"3", 29237}, {"1", 29238}, {"0", 29240}};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(want[i].first, data[i].value) << i;
        EXPECT_EQ(want[i].second, data[i].propertyId) << i;
    }

    std::unique_ptr<CObjectBase> fresh(s.CreateRecord());
    fresh->AddTechKeyProperty(1, 21);
    fresh->AddTechKeyProperty(0, 22);  // past the only key: nothing
    PropertyValue v;
    v.value = 23;
    fresh->AddDataProperty(1, v);
    EXPECT_EQ("23,\"\",0,0,21,0,0,0,\"\",\"\",0x00000000,0x00000000,0,0,0",
              m1test::Columns(*fresh));
}

TEST(MetadataUsageSections, ShortMetaClassMemberLineIsWrittenWithEveryColumn) {
    CDDMetaClassMemberSection s;
    m1test::Dispatch(s, "Meta_Class_Member_Latest", "5,\"Name\",\"say \"\"x\"\"\"");
    EXPECT_EQ("5,\"Name\",\"say \"\"x\"\"\",0,0,0,\"\",\"\",0x00000000,0x00000000,0,0,0",
              m1test::Columns(*s.GetLatestList()->front()));
}

// Both sides of a match point at models and entities; SetForeignKey fills
// the A side only.
TEST(MetadataUsageSections, UserObjectMatchFillsTheFirstColumnOfEachPair) {
    CDDUserObjectMatchSection s;
    m1test::Dispatch(s, "UserObjectMatch_Latest", "1,2,3,4,5,6,7,8,\"d\",\"n\"");
    auto* m = static_cast<CDDUserObjectMatch*>(s.GetLatestList()->front());
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6, 8}), m1test::TechKeyWalk(*m));
    m->SetForeignKey(50, 31);
    m->SetForeignKey(51, 44);
    m->SetForeignKey(52, 53);
    EXPECT_EQ("1,2,51,4,50,6,7,8,\"d\",\"n\",\"\",\"\",0x00000000,0x00000000,0,0,0",
              m1test::Columns(*m));
}

}  // namespace
