// Key, key attribute and check constraint sections.
#include "model/ddkey.h"
#include "test_model_1_support.h"

namespace {

TEST(KeyConstraintSections, FixtureRoundTrip) {
    srtftest::ExpectRoundTrip("model/key_constraint.srtf");
    m1test::ExpectOneBaseOneLatest("model/key_constraint.srtf", {9, 41, 42});
}

TEST(KeyConstraintSections, LatestLinesReadFirstAreWrittenAfterTheBaseLines) {
    srtftest::ExpectRoundTrip("model/key_constraint_latest_first.srtf",
                              "model/key_constraint.srtf");
}

// A check constraint's line begins with its two references; its own id is
// the third value.
TEST(KeyConstraintSections, CheckConstraintIdIsTheThirdValue) {
    CDDCheckConstraintSection s;
    m1test::Dispatch(s, "Check_Constraint_Latest", "5,12,77,0,\"ck\",\"x > 0\",1");
    CObjectBase* c = s.GetLatestList()->front();
    EXPECT_EQ(77, c->GetId());
    c->SetId(78);
    EXPECT_EQ("5,12,78,0,\"ck\",\"x > 0\",1,\"\",\"\",0x00000000,0x00000000,0,0,0",
              m1test::Columns(*c));
    EXPECT_EQ((std::vector<int>{5, 12, 78, 0}), m1test::TechKeyWalk(*c));
    EXPECT_EQ((std::vector<std::pair<int, int>>{{5, 31}, {12, 7}, {0, 40}}),
              m1test::ForeignKeyWalk(*c));
    c->SetForeignKey(3, 9);  // its own section: nothing
    EXPECT_EQ(78, c->GetId());
    EXPECT_EQ(5, static_cast<CDDCheckConstraint*>(c)->EntityId);
}

TEST(KeyConstraintSections, KeyAddsByColumnType) {
    CDDKeySection s;
    std::unique_ptr<CObjectBase> r(s.CreateRecord());
    auto* k = dynamic_cast<CDDKey*>(r.get());
    ASSERT_NE(nullptr, k);
    PropertyValue v;
    v.type = PropertyValue::kText;
    v.text = "UNIQUE";
    v.value = 64;
    for (int p = 0; p <= 4; ++p) k->AddDataProperty(p == 0, v);
    EXPECT_EQ("UNIQUE", k->IsUniqueOption);  // position 1, a text column
    EXPECT_EQ(64, k->HashSize);              // position 4, an int column
    k->SetForeignKey(7, 7);                  // a key does not refer to attributes
    k->SetForeignKey(40, 40);
    EXPECT_EQ(0, k->EntityId);
    EXPECT_EQ(40, k->IntermodelRelationshipId);
}

}  // namespace
