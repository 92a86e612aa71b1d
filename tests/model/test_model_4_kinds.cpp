// The record walks of the referenced-object, where-used, denormalisation,
// mapping, subject-area, EA workspace and bus-data-object kinds, one table
// row per kind: each row is a record line and what the Java side must see of
// it (tech keys, data steps, foreign keys, id), and what SetForeignKey and
// SetId change.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "ipfmtwrite.h"
#include "srtf_test_util.h"
#include "srtfcontainer.h"

namespace {

constexpr const char* kGuidA = "a0a1a2a3a4a5a6a7a8a9aaabacadaeaf";
constexpr const char* kGuidB = "b0b1b2b3b4b5b6b7b8b9babbbcbdbebf";
// The seven base columns, as every line of these kinds ends.
constexpr const char* kBaseColumns =
    "\"00112233445566778899aabbccddeeff\",\"\",0x00000010,0x00000001,3,2,1";

struct DataStep {
    int kind;  // 0 text, 1 int, 2 GUID
    int propertyId;
    std::string value;
};

struct ForeignKey {
    int value;
    int sectionId;
};

// SetForeignKey(777, sectionId) changes the tech key at keyPos (-1: nothing).
struct SetFkCase {
    int sectionId;
    int keyPos;
};

struct KindCase {
    int sectionId;
    const char* baseType;
    const char* latestType;
    std::string ownColumns;  // the line's own values
    int columnCount;
    std::vector<int> techKeys;
    std::vector<DataStep> data;
    std::vector<ForeignKey> foreignKeys;
    int id;         // GetId
    int idKeyPos;   // tech-key position of the id column, -1: none
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

std::vector<int> TechKeys(CObjectBase* r) {
    std::vector<int> keys;
    int v = 0;
    for (int reset = 1; r->IterateTechKeyProperty(reset, v); reset = 0) keys.push_back(v);
    return keys;
}

std::string Written(CObjectBase* r) {
    COutputLineBuffer b;
    r->WriteColumns(b);
    return std::string(b.Data(), static_cast<size_t>(b.Length()));
}

const std::vector<KindCase>& Cases() {
    static const std::vector<KindCase> cases = {
        {55, "Referenced_Object_Base", "Referenced_Object_Latest", "1,2,3,4,5,6,7", 14,
         {1, 2, 3, 4, 5, 6, 7}, {},
         {{2, 52}, {3, 17}, {4, 31}, {6, 16}, {7, 67}}, 1, 0,
         {{52, 1}, {17, 2}, {31, 3}, {16, 5}, {67, 6}, {44, -1}, {55, -1}}},
        {220, "WhereUsedPD_Base", "WhereUsedPD_Latest",
         std::string("7,11,\"") + kGuidA + "\",12,\"" + kGuidB + "\",-3", 13, {7, 11, 12},
         {{2, 30041, kGuidA}, {2, 30043, kGuidB}, {1, 30044, "-3"}}, {}, 0, -1,
         {{44, -1}, {31, -1}, {220, -1}}},
        {203, "DenormMapping_Base", "DenormMapping_Latest",
         "1,44,\"Name, with comma\",\"say \"\"hi\"\"\",3,4,5", 14, {1, 44},
         {{0, 29913, "Name, with comma"}, {0, 29914, "say \"hi\""}, {1, 29915, "3"},
          {1, 29916, "4"}, {1, 29917, "5"}},
         {{44, 44}}, 1, 0, {{44, 1}, {203, -1}, {204, -1}}},
        {204, "DenormalizedObject_Base", "DenormalizedObject_Latest",
         "2,45,\"phys\",\"log\",\"own\",6", 13, {2, 45},
         {{0, 29920, "phys"}, {0, 29921, "log"}, {0, 29922, "own"}, {1, 29923, "6"}},
         {{45, 44}}, 2, 0, {{44, 1}, {203, -1}}},
        {205, "DenormMember_Base", "DenormMember_Latest", "1,2,3,4,5,6", 13, {1, 2, 3},
         {{1, 29927, "4"}, {1, 29928, "5"}, {1, 29929, "6"}},
         {{2, 203}, {3, 204}}, 1, 0, {{203, 1}, {204, 2}, {44, -1}, {205, -1}}},
        {211, "UniversalMapping_Base", "UniversalMapping_Latest",
         std::string("5,7,\"") + kGuidA + "\",8,\"" + kGuidB + "\",\"desc\",9,\"note\"", 15,
         {5, 7, 8},
         {{2, 29942, kGuidA}, {2, 29943, kGuidB}, {0, 29944, "desc"}, {1, 29945, "9"},
          {0, 30090, "note"}},
         {}, 5, 0, {{44, -1}, {211, -1}, {31, -1}}},
        {212, "ExternalMappedObject_Base", "ExternalMappedObject_Latest",
         std::string("3,\"") + kGuidA + "\",4,\"display\",\"" + kGuidB + "\"", 12, {3},
         {{2, 29946, kGuidA}, {1, 29947, "4"}, {0, 29948, "display"}, {2, 29949, kGuidB}},
         {}, 3, 0, {{212, -1}, {44, -1}}},
        {207, "SubjectArea_Base", "SubjectArea_Latest", "6,44,\"sa\",\"sa desc\",8", 12, {6, 44},
         {{0, 29950, "sa"}, {0, 29951, "sa desc"}, {1, 29952, "8"}},
         {{44, 44}}, 6, 0, {{44, 1}, {207, -1}, {68, -1}}},
        {209, "SubjectAreaMapping_Base", "SubjectAreaMapping_Latest",
         "7,6,68,\"m\",\"m desc\",9", 13, {7, 6, 68},
         {{0, 29954, "m"}, {0, 29955, "m desc"}, {1, 29956, "9"}},
         {{6, 207}, {68, 68}}, 7, 0, {{207, 1}, {68, 2}, {44, -1}}},
        {198, "EAWorkspace_Base", "EAWorkspace_Latest",
         std::string("1,\"ws\",\"") + kGuidA + "\",\"desc\",\"file\"", 12, {1},
         {{0, 29883, "ws"}, {2, 29903, kGuidA}, {0, 29884, "desc"}, {0, 29885, "file"}},
         {}, 1, 0, {{198, -1}, {44, -1}}},
        {199, "EAProject_Base", "EAProject_Latest", "2,1,\"p\",\"p desc\",\"p file\"", 12, {2, 1},
         {{0, 29888, "p"}, {0, 29889, "p desc"}, {0, 29890, "p file"}},
         {}, 2, 0, {{198, -1}, {199, -1}}},
        {200, "EAProjectLink_Base", "EAProjectLink_Latest", "1,2,3,4,1,2,9", 14,
         {1, 2, 3, 4, 9}, {{1, 29896, "1"}, {1, 29897, "2"}},
         {}, 9, 4, {{198, -1}, {199, -1}, {200, -1}}},
        {201, "EADiagram_Base", "EADiagram_Latest", "3,\"d\",\"d desc\",\"d file\",8", 12, {3, 8},
         {{0, 29900, "d"}, {0, 29901, "d desc"}, {0, 29902, "d file"}},
         {}, 8, 1, {{199, -1}, {201, -1}}},
        {221, "BusDataObject_Base", "BusDataObject_Latest",
         std::string("4,44,\"") + kGuidA + "\",\"log\",\"phys\",\"def\",\"note\",1,2,3", 17, {4, 44},
         {{2, 30049, kGuidA}, {0, 30050, "log"}, {0, 30051, "phys"}, {0, 30052, "def"},
          {0, 30053, "note"}, {1, 30054, "1"}, {1, 30055, "2"}, {1, 30056, "3"}},
         {{44, 44}}, 4, 0, {{44, 1}, {199, -1}, {31, -1}}},
    };
    return cases;
}

class ModelKinds4 : public ::testing::TestWithParam<KindCase> {
protected:
    // Reads the case's line once under each record type into a fresh section
    // and answers the Latest record.
    CObjectBase* ReadLatest() {
        const KindCase& c = GetParam();
        CSectionBase* s = doc.CreateSection(c.sectionId);
        std::string base = c.baseType, latest = c.latestType;
        s->DispatchRecord(base, Line(c));
        s->DispatchRecord(latest, Line(c));
        EXPECT_EQ(2, s->GetRecordCount());
        EXPECT_EQ(1u, s->GetBaseList()->size());
        EXPECT_EQ(1u, s->GetLatestList()->size());
        return s->GetLatestList()->back();
    }
    CSRTFContainer doc;
};

TEST_P(ModelKinds4, ReadRecordWalksKeysDataAndForeignKeys) {
    const KindCase& c = GetParam();
    CObjectBase* r = ReadLatest();
    EXPECT_EQ(c.columnCount, r->GetColumnCount());
    EXPECT_EQ(c.techKeys, TechKeys(r));
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
    // Past the end (or at once, without data): false, out and id untouched.
    out.type = 7;
    prop = -5;
    EXPECT_FALSE(r->IterateDataProperty(c.data.empty(), out, prop));
    EXPECT_FALSE(r->IterateDataProperty(0, out, prop));
    EXPECT_EQ(7, out.type);
    EXPECT_EQ(-5, prop);

    const std::vector<std::pair<int, int>> fks = srtftest::ForeignKeys(*r);
    std::vector<std::pair<int, int>> want;
    for (const ForeignKey& f : c.foreignKeys) want.emplace_back(f.value, f.sectionId);
    EXPECT_EQ(want, fks);

    EXPECT_EQ(c.id, r->GetId());
    EXPECT_EQ(Line(c), Written(r));
}

TEST_P(ModelKinds4, SetIdAndSetForeignKeyChangeOnlyTheirColumn) {
    const KindCase& c = GetParam();
    {
        CObjectBase* r = ReadLatest();
        r->SetId(4242);
        std::vector<int> keys = c.techKeys;
        if (c.idKeyPos >= 0) keys[static_cast<size_t>(c.idKeyPos)] = 4242;
        EXPECT_EQ(c.idKeyPos >= 0 ? 4242 : 0, r->GetId());
        EXPECT_EQ(keys, TechKeys(r));
    }
    for (const SetFkCase& f : c.setFk) {
        SCOPED_TRACE("SetForeignKey with section " + std::to_string(f.sectionId));
        CObjectBase* r = ReadLatest();
        const std::string before = Written(r);
        r->SetForeignKey(777, f.sectionId);
        std::vector<int> keys = c.techKeys;
        if (f.keyPos >= 0) keys[static_cast<size_t>(f.keyPos)] = 777;
        EXPECT_EQ(keys, TechKeys(r));
        if (f.keyPos < 0) {
            EXPECT_EQ(before, Written(r));
        }
    }
}

// A record built on the Java side's path (CreateRecord, tech keys, data
// properties, base properties) writes the same line as the one read. The
// values come with a misleading type: only the field that matches the column
// counts.
TEST_P(ModelKinds4, RecordBuiltThroughPropertiesWritesTheLine) {
    const KindCase& c = GetParam();
    CSectionBase* s = doc.CreateSection(c.sectionId);
    CObjectBase* r = s->CreateRecord();
    ASSERT_NE(nullptr, r);
    EXPECT_EQ(0u, s->GetLatestList()->size());  // the section does not hold it
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
    EXPECT_EQ(Line(c), Written(r));
    EXPECT_EQ(c.id, r->GetId());

    // CreateNew gives another empty record of the same kind.
    CDDDiagObject* other = d->CreateNew();
    EXPECT_EQ(c.columnCount, other->GetColumnCount());
    EXPECT_EQ(std::vector<int>(c.techKeys.size(), 0), TechKeys(other));
    delete other;
    delete r;
}

INSTANTIATE_TEST_SUITE_P(All, ModelKinds4, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<KindCase>& i) {
                             return "Section" + std::to_string(i.param.sectionId);
                         });

}  // namespace
