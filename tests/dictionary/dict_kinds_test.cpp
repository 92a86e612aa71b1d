// The record walks of the sixteen two-list kinds of the data dictionary, one
// table row per kind: a record line and what the Java side must see of it
// (tech keys, data steps, foreign keys, id), and what SetForeignKey and SetId
// change.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "dict_test_util.h"
#include "srtfcontainer.h"

namespace {

using dicttest::Columns;
using dicttest::kBaseColumns;
using dicttest::TechKeys;

constexpr const char* kGuidA = "a0a1a2a3a4a5a6a7a8a9aaabacadaeaf";

struct DataStep {
    int kind;  // 0 text, 1 int, 2 GUID
    int propertyId;
    std::string value;
};

// SetForeignKey(777, sectionId) changes the tech key at keyPos (-1: nothing).
struct SetFkCase {
    int sectionId;
    int keyPos;
};

struct KindCase {
    int sectionId;
    const char* firstType;   // record type of the first list
    const char* secondType;  // record type of the second list
    bool latestFirst;
    std::string ownColumns;  // the line's own values, as written
    int columnCount;
    std::vector<int> techKeys;
    std::vector<DataStep> data;
    std::vector<std::pair<int, int>> foreignKeys;  // value, section id
    int id;        // GetId
    int idKeyPos;  // tech-key position of the id column
    std::vector<SetFkCase> setFk;
};

void PrintTo(const KindCase& c, std::ostream* os) { *os << "section " << c.sectionId; }

std::string Line(const KindCase& c) { return c.ownColumns + "," + kBaseColumns; }

std::string ValueText(const PropertyValue& v) {
    switch (v.type) {
        case PropertyValue::kText: return v.text;
        case PropertyValue::kInt: return std::to_string(v.value);
        default: return GuidToHexString(v.guid);
    }
}

const std::vector<KindCase>& Cases() {
    static const std::vector<KindCase> cases = {
        {29, "Domain_Base", "Domain_Latest", false,
         "1,2,3,4,\"name\",\"col\",\"desc\",\"42\",5,6,7,\"ic\",8,9,\"dd\",\"cc\",10,11,"
         "\"notes\",\"attr\",12,13,14,\"15\",\"16\",\"pd\"",
         33, {1, 2, 3, 4, 10, 11, 13},
         {{0, 28920, "name"}, {0, 28921, "col"}, {0, 28922, "desc"}, {0, 28923, "42"},
          {1, 28924, "5"}, {1, 28925, "6"}, {1, 28926, "7"}, {0, 28927, "ic"},
          {1, 28928, "8"}, {1, 28929, "9"}, {0, 28930, "dd"}, {0, 28931, "cc"},
          {0, 29336, "notes"}, {0, 29337, "attr"}, {1, 29338, "12"}, {1, 29765, "14"},
          {0, 29777, "15"}, {0, 29778, "16"}, {0, 30037, "pd"}},
         {{2, 80}, {3, 19}, {4, 61}, {11, 23}}, 1, 0,
         {{80, 1}, {19, 2}, {61, 3}, {23, 5}, {56, -1}, {187, -1}, {29, -1}}},
        {19, "Default_Base", "Default_Latest", false, "1,\"n\",\"d\",\"t\",2,3", 13, {1, 2},
         {{0, 28942, "n"}, {0, 28943, "d"}, {0, 28944, "t"}, {1, 29764, "3"}},
         {{2, 23}}, 1, 0, {{23, 1}, {19, -1}, {61, -1}}},
        {61, "Rule_Base", "Rule_Latest", false, "1,\"n\",\"d\",\"t\",2,3", 13, {1, 2},
         {{0, 28946, "n"}, {0, 28947, "d"}, {0, 28948, "t"}, {1, 29770, "3"}},
         {{2, 23}}, 1, 0, {{23, 1}, {61, -1}, {19, -1}}},
        {80, "User_Data_Type_Base", "User_Data_Type_Latest", false,
         "5,1,2,3,\"n\",\"d\",\"dt\",6,7,4,\"pd\"", 18, {1, 2, 3, 4},
         {{1, 28932, "5"}, {0, 28936, "n"}, {0, 28937, "d"}, {0, 28938, "dt"},
          {1, 28939, "6"}, {1, 28940, "7"}, {0, 30036, "pd"}},
         {{2, 19}, {3, 61}, {4, 23}}, 1, 0, {{19, 1}, {61, 2}, {23, 3}, {80, -1}}},
        {60, "Reusable_Procedure_Base", "Reusable_Procedure_Latest", false,
         "1,2,\"n\",\"d\",\"v\",3,4", 14, {1, 2, 4},
         {{0, 29007, "n"}, {0, 29008, "d"}, {0, 29009, "v"}, {1, 29010, "3"}},
         {{2, 23}, {4, 30}}, 1, 0, {{23, 1}, {30, 2}, {60, -1}}},
        {25, "Dictionary_Trigger_Base", "Dictionary_Trigger_Latest", false,
         "1,2,\"n\",3,\"d\",4,5,6,\"v\",7", 17, {1, 2, 7},
         {{0, 28990, "n"}, {1, 28991, "3"}, {0, 28992, "d"}, {1, 28993, "4"},
          {1, 28994, "5"}, {1, 28995, "6"}, {0, 28996, "v"}},
         {{2, 23}, {7, 30}}, 1, 0, {{23, 1}, {30, 2}, {25, -1}}},
        {22, "Dictionary_Library_Base", "Dictionary_Library_Latest", false,
         "1,2,\"n\",\"d\",\"v\",3,4", 14, {1, 2, 4},
         {{0, 29190, "n"}, {0, 29191, "d"}, {0, 29192, "v"}, {1, 29193, "3"}},
         {{2, 23}, {4, 30}}, 1, 0, {{23, 1}, {30, 2}, {22, -1}}},
        {23, "Dictionary_Object_Base", "Dictionary_Object_Latest", false, "1,\"type\",2,3", 11,
         {1, 3}, {{0, 29195, "type"}, {1, 29196, "2"}}, {{3, 30}}, 1, 0, {{30, 1}, {23, -1}}},
        {24, "Dictionary_Object_Link_Latest", "Dictionary_Object_Link_Base", true,
         "9,1,2,3,4,5,\"node\",6", 15, {1, 2, 3, 4, 5},
         {{1, 29345, "9"}, {0, 29344, "node"}, {1, 29346, "6"}},
         {{2, 23}, {3, 23}, {4, 23}, {5, 23}}, 1, 0, {{23, 1}, {24, -1}, {30, -1}}},
        {8, "Bound_Dictionary_Object_Base", "Bound_Dictionary_Object_Latest", false,
         "1,2,3,4,5,\"vo\",6", 14, {1, 2, 3, 4},
         {{1, 29298, "5"}, {0, 29296, "vo"}, {1, 29297, "6"}},
         {{3, 23}, {4, 31}}, 2, 1, {{23, 2}, {31, 3}, {8, -1}}},
        {5, "Attachment_Base", "Attachment_Latest", false, "1,2,\"n\",\"d\",\"vd\",3,4", 14,
         {1, 2, 4}, {{0, 29280, "n"}, {0, 29281, "d"}, {0, 29282, "vd"}, {1, 29283, "3"}},
         {{2, 6}, {4, 23}}, 1, 0, {{6, 1}, {23, 2}, {5, -1}}},
        {6, "Attachment_Type_Base", "Attachment_Type_Latest", false, "1,\"n\",\"d\",2,3", 12,
         {1, 3}, {{0, 29286, "n"}, {0, 29287, "d"}, {1, 29288, "2"}},
         {{3, 23}}, 1, 0, {{23, 1}, {6, -1}}},
        {83, "Valid_Attachment_Type_Base", "Valid_Attachment_Type_Latest", false,
         "1,2,3,4,5,6", 13, {1, 2, 6}, {{1, 29292, "3"}, {1, 29293, "4"}, {1, 29294, "5"}},
         {{2, 6}, {6, 23}}, 1, 0, {{6, 1}, {23, 2}, {83, -1}}},
        {56, "Reference_Value_Base", "Reference_Value_Latest", false,
         "1,\"n\",\"d\",\"v\",\"vd\",\"1\",\"100\",2,3,4", 17, {1, 4},
         {{0, 29268, "n"}, {0, 29269, "d"}, {0, 29270, "v"}, {0, 29271, "vd"},
          {0, 29272, "1"}, {0, 29273, "100"}, {1, 29274, "2"}, {1, 29275, "3"}},
         {{1, 56}, {4, 23}}, 1, 0, {{56, 0}, {23, 1}, {5, -1}}},
        {30, "Enterprise_Data_Dictionary_Base", "Enterprise_Data_Dictionary_Latest", false,
         std::string("1,\"n\",\"d\",\"") + kGuidA + "\",2", 12, {1},
         {{0, 29251, "n"}, {0, 29252, "d"}, {2, 29253, kGuidA}, {1, 29259, "2"}},
         {}, 1, 0, {{30, -1}, {23, -1}}},
        {187, "NamingStandardsTemplate_Base", "NamingStandardsTemplate_Latest", false,
         "1,2,\"n\",\"d\",\"data\"", 12, {1, 2},
         {{0, 29745, "n"}, {0, 29746, "d"}, {0, 29747, "data"}},
         {{2, 23}}, 1, 0, {{23, 1}, {187, -1}}},
    };
    return cases;
}

class DictKinds : public ::testing::TestWithParam<KindCase> {
protected:
    // Reads the case's line once under each record type into a fresh section
    // and answers the Latest record.
    CObjectBase* ReadLatest() {
        const KindCase& c = GetParam();
        CSectionBase* s = doc.CreateSection(c.sectionId);
        dicttest::Dispatch(*s, c.firstType, Line(c));
        dicttest::Dispatch(*s, c.secondType, Line(c));
        EXPECT_EQ(2, s->GetRecordCount());
        EXPECT_EQ(1u, s->GetBaseList()->size());
        EXPECT_EQ(1u, s->GetLatestList()->size());
        return s->GetLatestList()->back();
    }
    CSRTFContainer doc;
};

TEST_P(DictKinds, RecordTypesNameTheListsInWriteOrder) {
    const KindCase& c = GetParam();
    CSectionBase* s = doc.CreateSection(c.sectionId);
    ASSERT_EQ(2, s->GetRecordTypeCount());
    EXPECT_STREQ(c.firstType, s->GetRecordTypeTable()[0].recordType);
    EXPECT_STREQ(c.secondType, s->GetRecordTypeTable()[1].recordType);
    EXPECT_EQ(nullptr, s->GetRecordList());
    // A line of the first type lands in the Latest list exactly for the
    // Latest-first kind.
    dicttest::Dispatch(*s, c.firstType, Line(c));
    EXPECT_EQ(c.latestFirst ? 1u : 0u, s->GetLatestList()->size());
    EXPECT_EQ(c.latestFirst ? 0u : 1u, s->GetBaseList()->size());
}

TEST_P(DictKinds, ReadRecordWalksKeysDataAndForeignKeys) {
    const KindCase& c = GetParam();
    CObjectBase* r = ReadLatest();
    EXPECT_EQ(c.columnCount, r->GetColumnCount());
    EXPECT_EQ(c.techKeys, TechKeys(*r));
    int v = -1;
    EXPECT_FALSE(r->IterateTechKeyProperty(0, v));

    PropertyValue out;
    int prop = 0;
    for (size_t i = 0; i < c.data.size(); ++i) {
        SCOPED_TRACE("data position " + std::to_string(i));
        ASSERT_TRUE(r->IterateDataProperty(i == 0, out, prop));
        EXPECT_EQ(c.data[i].kind, out.type);
        EXPECT_EQ(c.data[i].propertyId, prop);
        EXPECT_EQ(c.data[i].value, ValueText(out));
    }
    // Past the end: false, out and property id untouched.
    out.type = 7;
    prop = -5;
    EXPECT_FALSE(r->IterateDataProperty(0, out, prop));
    EXPECT_FALSE(r->IterateDataProperty(0, out, prop));
    EXPECT_EQ(7, out.type);
    EXPECT_EQ(-5, prop);

    EXPECT_EQ(c.foreignKeys, dicttest::ForeignKeys(*r));
    EXPECT_EQ(c.id, r->GetId());
    EXPECT_EQ(Line(c), Columns(*r));
}

TEST_P(DictKinds, SetIdAndSetForeignKeyChangeOnlyTheirColumn) {
    const KindCase& c = GetParam();
    {
        CObjectBase* r = ReadLatest();
        r->SetId(4242);
        std::vector<int> keys = c.techKeys;
        keys[static_cast<size_t>(c.idKeyPos)] = 4242;
        EXPECT_EQ(4242, r->GetId());
        EXPECT_EQ(keys, TechKeys(*r));
    }
    for (const SetFkCase& f : c.setFk) {
        SCOPED_TRACE("SetForeignKey with section " + std::to_string(f.sectionId));
        CObjectBase* r = ReadLatest();
        const std::string before = Columns(*r);
        r->SetForeignKey(777, f.sectionId);
        std::vector<int> keys = c.techKeys;
        if (f.keyPos >= 0) keys[static_cast<size_t>(f.keyPos)] = 777;
        EXPECT_EQ(keys, TechKeys(*r));
        if (f.keyPos < 0) {
            EXPECT_EQ(before, Columns(*r));
        }
        if (f.keyPos == c.idKeyPos) {
            EXPECT_EQ(777, r->GetId());
        }
    }
}

// A record built on the Java side's path (CreateRecord, tech keys, data
// properties, base properties) writes the same line as the one read. The
// values come with a misleading type: only the member that fits the column
// counts.
TEST_P(DictKinds, RecordBuiltThroughPropertiesWritesTheLine) {
    const KindCase& c = GetParam();
    CSectionBase* s = doc.CreateSection(c.sectionId);
    CObjectBase* r = s->CreateRecord();
    ASSERT_NE(nullptr, r);
    EXPECT_EQ(0, s->GetRecordCount());  // the section does not hold it
    for (size_t i = 0; i < c.techKeys.size(); ++i) r->AddTechKeyProperty(i == 0, c.techKeys[i]);
    r->AddTechKeyProperty(0, 999);  // past the last position: nothing
    for (size_t i = 0; i < c.data.size(); ++i) {
        PropertyValue v;
        v.type = (c.data[i].kind + 1) % 3;
        if (c.data[i].kind == 0) v.text = c.data[i].value;
        if (c.data[i].kind == 1) v.value = std::stoi(c.data[i].value);
        if (c.data[i].kind == 2) v.guid = HexStringToGuid(c.data[i].value.c_str());
        r->AddDataProperty(i == 0, v);
    }
    PropertyValue extra;
    extra.value = 999;
    extra.text = "surplus";
    r->AddDataProperty(0, extra);  // past the last position: nothing

    CDDDiagObject* d = static_cast<CDDDiagObject*>(r);
    PropertyValue b;
    b.guid = HexStringToGuid("00112233445566778899aabbccddeeff");
    d->CDDDiagObject::AddDataProperty(1, b);
    d->CDDDiagObject::AddDataProperty(0, PropertyValue());
    for (int value : {16, 1, 3, 2, 1}) {
        b.value = value;
        d->CDDDiagObject::AddDataProperty(0, b);
    }
    EXPECT_EQ(Line(c), Columns(*r));
    EXPECT_EQ(c.id, r->GetId());

    // Appended to the Latest list, the section owns and counts it.
    s->GetLatestList()->push_back(r);
    EXPECT_EQ(1, s->GetRecordCount());

    // CreateNew gives another empty record of the same kind.
    std::unique_ptr<CDDDiagObject> other(d->CreateNew());
    EXPECT_EQ(c.columnCount, other->GetColumnCount());
    EXPECT_EQ(std::vector<int>(c.techKeys.size(), 0), TechKeys(*other));
}

INSTANTIATE_TEST_SUITE_P(All, DictKinds, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<KindCase>& i) {
                             return "Section" + std::to_string(i.param.sectionId);
                         });

}  // namespace
