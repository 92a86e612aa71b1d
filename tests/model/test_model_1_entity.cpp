// Entity and attribute sections.
#include "model/ddentity.h"
#include "test_model_1_support.h"

namespace {

TEST(EntityAttributeSections, FixtureRoundTrip) {
    srtftest::ExpectRoundTrip("model/entity_attribute.srtf");
    m1test::ExpectOneBaseOneLatest("model/entity_attribute.srtf", {7, 31});
}

TEST(EntityAttributeSections, LatestLinesReadFirstAreWrittenAfterTheBaseLines) {
    srtftest::ExpectRoundTrip("model/entity_attribute_latest_first.srtf",
                              "model/entity_attribute.srtf");
}

TEST(EntityAttributeSections, ShortAttributeLineIsWrittenWithEveryColumn) {
    CDDAttributeSection s;
    m1test::Dispatch(s, "attr_latest", "1,2,3,4,5,6,7");
    std::string want = "1,2,3,4,5,6,7";
    // AttributeName .. ColumnName_PD: texts empty, ints 0.
    const char* own = "ttttiiitiiittiiittiittiiiiittiiiiiitttiit";
    for (const char* k = own; *k; ++k) want += *k == 't' ? ",\"\"" : ",0";
    want += ",\"\",\"\",0x00000000,0x00000000,0,0,0";
    EXPECT_EQ(want, m1test::Columns(*s.GetLatestList()->front()));
    EXPECT_EQ(55, s.GetLatestList()->front()->GetColumnCount());
}

// Data position 41 stands on no column: the walk reports its property id
// and leaves the value alone, and an add there stores nothing.
TEST(EntityAttributeSections, AttributePositionWithoutColumn) {
    CDDAttributeSection s;
    std::unique_ptr<CObjectBase> a(s.CreateRecord());
    const std::string empty = m1test::Columns(*a);

    PropertyValue v = m1test::Sentinel();
    int id = 0;
    ASSERT_TRUE(a->IterateDataProperty(1, v, id));
    EXPECT_EQ(28753, id);
    for (int p = 1; p <= 40; ++p) ASSERT_TRUE(a->IterateDataProperty(0, v, id)) << p;
    EXPECT_EQ(30035, id);
    v = m1test::Sentinel();
    ASSERT_TRUE(a->IterateDataProperty(0, v, id));
    EXPECT_EQ(32042, id);
    EXPECT_TRUE(m1test::IsSentinel(v));
    EXPECT_FALSE(a->IterateDataProperty(0, v, id));

    // As the Java side fills a new attribute up to position 41: 0 for every
    // skipped position, then the given value, which is stored nowhere.
    PropertyValue zero;
    zero.type = PropertyValue::kInt;
    for (int p = 0; p <= 40; ++p) a->AddDataProperty(p == 0, zero);
    PropertyValue given;
    given.type = PropertyValue::kText;
    given.text = "lost";
    given.value = 99;
    a->AddDataProperty(0, given);
    a->AddDataProperty(0, given);  // past the end
    EXPECT_EQ(empty, m1test::Columns(*a));
}

TEST(EntityAttributeSections, EntityForeignKeysAndCompareFlagOrder) {
    CDDEntitySection s;
    m1test::Dispatch(s, "Entity_Base", "1,2,3,\"E\",\"T\",\"\",\"\",\"\",\"\",4,5,6,7,8,\"ddl\"");
    CObjectBase* e = s.GetBaseList()->front();
    EXPECT_EQ((std::vector<std::pair<int, int>>{{2, 44}, {3, 40}}), m1test::ForeignKeyWalk(*e));
    const auto data = m1test::DataWalk(*e);
    ASSERT_EQ(12u, data.size());
    EXPECT_EQ("7", data[9].value);  // PhysicalCompareFlags
    EXPECT_EQ(29863, data[9].propertyId);
    EXPECT_EQ("8", data[10].value);  // CompareFlags
    EXPECT_EQ(29862, data[10].propertyId);
    e->SetForeignKey(10, 31);  // an entity does not refer to entities
    e->SetForeignKey(11, 40);
    EXPECT_EQ((std::vector<std::pair<int, int>>{{2, 44}, {11, 40}}), m1test::ForeignKeyWalk(*e));
}

}  // namespace
