// Record walks of the security, relationship, subtype, transformation and
// lineage kinds, driven by one table of expectations per kind: which column
// each tech key, foreign key and data position stands on, the property ids
// and value kinds, the id column, SetForeignKey's choice among several
// columns that refer to one section, and the record types of the section.
//
// Each check fills a record whose own column c holds the number 100 + c (a
// text column the text of that number), so every value a walk reports names
// the column it came from.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "ipfmtwrite.h"
#include "sectionbase.h"
#include "sectiontable.h"

namespace {

enum Kind { kText = 0, kInt = 1, kGuid = 2 };

struct DataPos {
    int col;
    int propertyId;
    int kind;
};

struct Fk {
    int col;
    int section;
};

struct KindCase {
    int sectionId;
    std::vector<std::string> recordTypes;  // table order
    int columnCount;                       // own + 7 base columns
    int idCol;
    std::vector<int> keyCols;              // by tech-key position
    std::vector<DataPos> data;             // by data position
    std::vector<Fk> fks;                   // by foreign-key position
};

// clang-format off
const std::vector<KindCase> kCases = {
    // database security
    {14, {"DatabaseRole_Latest", "DatabaseRole_Base"}, 16, 0, {0, 1},
     {{2, 29682, kText}, {3, 29683, kInt}, {4, 29684, kText}, {5, 29686, kInt},
      {6, 29685, kText}, {7, 29759, kInt}, {8, 29868, kInt}},
     {{1, 44}}},
    {15, {"DatabaseUser_Base", "DatabaseUser_Latest"}, 16, 0, {0, 1},
     {{2, 29690, kText}, {3, 29691, kText}, {4, 29689, kText}, {5, 29692, kText},
      {6, 29693, kInt}, {7, 29760, kInt}, {8, 29869, kInt}},
     {{1, 44}}},
    {82, {"User_Role_Member_Base", "User_Role_Member_Latest"}, 11, 0, {0, 1, 2, 3},
     {},
     {{1, 44}, {2, 44}, {3, 44}}},
    {48, {"Object_Permissions_Base", "Object_Permissions_Latest"}, 20, 0, {0, 1, 2, 3, 4, 7, 8},
     {{5, 29699, kText}, {6, 29700, kText}, {9, 29703, kText}, {10, 29704, kText},
      {11, 29705, kText}, {12, 29706, kInt}},
     {{1, 44}, {3, 31}, {4, 7}, {8, 31}}},
    // relationships
    {57, {"Rel_Base", "Rel_Latest"}, 37, 0, {0, 1, 2, 3, 4, 24},
     {{5, 28782, kText}, {6, 28783, kText}, {7, 28784, kText}, {8, 28785, kText},
      {9, 28786, kText}, {10, 28787, kText}, {11, 28788, kText}, {12, 28789, kText},
      {13, 28790, kInt}, {14, 28791, kText}, {15, 28792, kInt}, {16, 28793, kText},
      {17, 28794, kText}, {18, 28795, kText}, {19, 28796, kText}, {20, 28797, kText},
      {21, 28798, kText}, {22, 28799, kText}, {23, 28800, kText}, {25, 29299, kGuid},
      {26, 29526, kText}, {27, 29540, kInt}, {28, 29768, kInt}, {29, 29867, kInt}},
     {{1, 44}, {2, 40}, {3, 31}, {4, 31}, {24, 31}}},
    {59, {"RelMbr_Base", "RelMbr_Latest"}, 16, 0, {0, 1, 2, 3, 4, 5, 6, 7},
     {{8, 28810, kInt}},
     {{1, 57}, {2, 7}, {3, 7}, {7, 7}}},
    {40, {"InterModelRel"}, 9, 0, {0, 1},
     {},
     {{1, 20}}},
    {223, {"ContainmentLink_Base", "ContainmentLink_Latest"}, 14, 0, {0, 1, 2, 3, 4, 5},
     {{6, 30082, kInt}},
     {{1, 44}, {3, 31}, {5, 31}}},
    // subtypes and supertypes: the own id is column 1
    {72, {"Subtype_Base", "Subtype_Latest"}, 13, 1, {0, 1, 2, 3, 4, 5},
     {},
     {{0, 31}, {2, 57}, {3, 73}, {4, 31}, {5, 40}}},
    {73, {"Supertype_Base", "Supertype_Latest"}, 15, 1, {0, 1, 5},
     {{2, 29208, kText}, {3, 29209, kText}, {4, 29210, kInt}, {6, 29255, kGuid},
      {7, 29874, kInt}},
     {{0, 31}, {5, 40}}},
    // transformations
    {49, {"ObjectTransformBase", "ObjectTransformLatest"}, 13, 0, {0, 1},
     {{2, 29551, kInt}, {3, 29552, kText}, {4, 29553, kText}, {5, 29875, kInt}},
     {{1, 44}}},
    {78, {"TransfromMember_Base", "TransformMemberLatest"}, 13, 0, {0, 1, 2, 3, 4},
     {{5, 29557, kInt}},
     {{1, 49}, {3, 31}, {4, 31}}},
    {191, {"Transformation_Base", "Transformation_Latest"}, 13, 0, {0, 2},
     {{1, 29880, kText}, {3, 29790, kText}, {4, 29791, kText}, {5, 29792, kText}},
     {{2, 44}}},
    // lineage
    {192, {"LineageComponent_Base", "LineageComponent_Latest"}, 12, 0, {0, 1, 2, 3},
     {{4, 29881, kText}},
     {{1, 44}, {3, 31}}},
    {193, {"LineageStream_Base", "LineageStream_Latest"}, 14, 0, {0, 1, 2, 3},
     {{4, 29803, kText}, {5, 29804, kText}, {6, 29805, kInt}},
     {{1, 44}, {2, 191}, {3, 192}}},
    {194, {"LineageStreamMember_Base", "LineageStreamMember_Latest"}, 11, 0, {0, 1, 2, 3},
     {},
     {{1, 193}, {3, 31}}},
};
// clang-format on

void PrintTo(const KindCase& k, std::ostream* os) { *os << "section " << k.sectionId; }

std::string Num(int col) { return std::to_string(100 + col); }

// A record of the case's kind whose own column c holds 100 + c.
std::unique_ptr<CObjectBase> Filled(CSectionBase& section, const KindCase& k) {
    std::unique_ptr<CObjectBase> rec(section.CreateRecord());
    std::string line;
    for (int c = 0; c < k.columnCount - 7; ++c) line += (c ? "," : "") + Num(c);
    CSectionBase::ParseRecordFields(line, rec.get());
    return rec;
}

// The record's written fields (no field of these tests holds a comma).
std::vector<std::string> Fields(CObjectBase& rec) {
    COutputLineBuffer b;
    rec.WriteColumns(b);
    std::vector<std::string> out(1);
    for (int i = 0; i < b.Length(); ++i) {
        if (b.Data()[i] == ',')
            out.emplace_back();
        else
            out.back() += b.Data()[i];
    }
    return out;
}

std::unique_ptr<CSectionBase> MakeSection(int id) {
    SectionMaker make = SectionMakerOf(id);
    return std::unique_ptr<CSectionBase>(make ? make() : nullptr);
}

class Model2Walks : public ::testing::TestWithParam<KindCase> {};

TEST_P(Model2Walks, SectionOffersItsRecordTypesAndEmptyRecords) {
    const KindCase& k = GetParam();
    auto section = MakeSection(k.sectionId);
    ASSERT_TRUE(section) << k.sectionId;
    ASSERT_EQ(static_cast<int>(k.recordTypes.size()), section->GetRecordTypeCount());
    for (size_t i = 0; i < k.recordTypes.size(); ++i)
        EXPECT_EQ(k.recordTypes[i], section->GetRecordTypeTable()[i].recordType);
    EXPECT_EQ(0, section->GetRecordCount());
    ASSERT_NE(nullptr, section->GetLatestList());
    ASSERT_NE(nullptr, section->GetBaseList());
    EXPECT_EQ(nullptr, section->GetRecordList());

    std::unique_ptr<CObjectBase> rec(section->CreateRecord());
    ASSERT_TRUE(rec);
    EXPECT_EQ(k.columnCount, rec->GetColumnCount());
    EXPECT_EQ(0, section->GetRecordCount()) << "CreateRecord must not keep the record";
    // An empty record: ints 0, texts and GUIDs empty, base columns at their defaults.
    std::map<int, int> kindOf;
    for (const DataPos& d : k.data) kindOf[d.col] = d.kind;
    const std::vector<std::string> f = Fields(*rec);
    ASSERT_EQ(static_cast<size_t>(k.columnCount), f.size());
    for (int c = 0; c < k.columnCount - 7; ++c) {
        const bool quoted = kindOf.count(c) && kindOf[c] != kInt;
        EXPECT_EQ(quoted ? "\"\"" : "0", f[static_cast<size_t>(c)]) << "column " << c;
    }
    const std::vector<std::string> base = {"\"\"", "\"\"", "0x00000000", "0x00000000", "0", "0", "0"};
    EXPECT_EQ(base, std::vector<std::string>(f.end() - 7, f.end()));

    // CreateNew makes another empty record of the same kind.
    std::unique_ptr<CDDDiagObject> again(static_cast<CDDDiagObject*>(rec.get())->CreateNew());
    EXPECT_EQ(Fields(*rec), Fields(*again));
}

TEST_P(Model2Walks, IdAndTechKeysStandOnTheirColumns) {
    const KindCase& k = GetParam();
    auto section = MakeSection(k.sectionId);
    ASSERT_TRUE(section);
    auto rec = Filled(*section, k);
    EXPECT_EQ(100 + k.idCol, rec->GetId());

    int v = -1;
    for (size_t i = 0; i < k.keyCols.size(); ++i) {
        ASSERT_TRUE(rec->IterateTechKeyProperty(i == 0, v)) << "key position " << i;
        EXPECT_EQ(100 + k.keyCols[i], v) << "key position " << i;
    }
    EXPECT_FALSE(rec->IterateTechKeyProperty(0, v));
    EXPECT_FALSE(rec->IterateTechKeyProperty(0, v));

    // SetId and AddTechKeyProperty write into the same columns.
    auto fresh = Filled(*section, k);
    std::vector<std::string> want = Fields(*fresh);
    fresh->SetId(-6);
    want[static_cast<size_t>(k.idCol)] = "-6";
    EXPECT_EQ(want, Fields(*fresh));
    for (size_t i = 0; i < k.keyCols.size(); ++i) {
        fresh->AddTechKeyProperty(i == 0, 7000 + static_cast<int>(i));
        want[static_cast<size_t>(k.keyCols[i])] = std::to_string(7000 + i);
    }
    fresh->AddTechKeyProperty(0, 9999);  // past the last position: nothing
    EXPECT_EQ(want, Fields(*fresh));
}

TEST_P(Model2Walks, ForeignKeysAndSetForeignKey) {
    const KindCase& k = GetParam();
    auto section = MakeSection(k.sectionId);
    ASSERT_TRUE(section);
    auto rec = Filled(*section, k);
    ForeignKeyRef ref;
    for (size_t i = 0; i < k.fks.size(); ++i) {
        ASSERT_TRUE(rec->IterateForeignKey(i == 0, ref)) << "foreign key " << i;
        EXPECT_EQ(100 + k.fks[i].col, ref.keyValue) << "foreign key " << i;
        EXPECT_EQ(k.fks[i].section, ref.objectType) << "foreign key " << i;
    }
    EXPECT_FALSE(rec->IterateForeignKey(0, ref));

    // Each referred section: the first column (in column order) that refers to
    // it takes the value. A section that no column refers to changes nothing;
    // the record's own section id is among those for most kinds.
    std::set<int> sections = {0, 999, k.sectionId, 14, 15};
    for (const Fk& f : k.fks) sections.insert(f.section);
    for (int sid : sections) {
        auto r = Filled(*section, k);
        std::vector<std::string> want = Fields(*r);
        int first = -1;
        for (const Fk& f : k.fks)
            if (f.section == sid && (first < 0 || f.col < first)) first = f.col;
        if (first >= 0) want[static_cast<size_t>(first)] = "-5";
        r->SetForeignKey(-5, sid);
        EXPECT_EQ(want, Fields(*r)) << "SetForeignKey with section " << sid;
    }
}

TEST_P(Model2Walks, DataWalkReportsPositionsInOrder) {
    const KindCase& k = GetParam();
    auto section = MakeSection(k.sectionId);
    ASSERT_TRUE(section);
    auto rec = Filled(*section, k);
    PropertyValue out;
    int pid = -1;
    for (size_t i = 0; i < k.data.size(); ++i) {
        const DataPos& d = k.data[i];
        out = PropertyValue();
        out.type = -1;
        ASSERT_TRUE(rec->IterateDataProperty(i == 0, out, pid)) << "data position " << i;
        EXPECT_EQ(d.propertyId, pid) << "data position " << i;
        EXPECT_EQ(d.kind, out.type) << "data position " << i;
        switch (d.kind) {
            case kInt: EXPECT_EQ(100 + d.col, out.value) << "data position " << i; break;
            case kText: EXPECT_EQ(Num(d.col), out.text) << "data position " << i; break;
            default: EXPECT_TRUE(out.guid.IsZero()) << "data position " << i; break;
        }
    }
    pid = 4242;
    EXPECT_FALSE(rec->IterateDataProperty(k.data.empty() ? 1 : 0, out, pid));
    EXPECT_EQ(4242, pid) << "the end of the walk leaves the property id alone";

    // AddDataProperty fills the same columns, by the column's type.
    auto fresh = Filled(*section, k);
    std::vector<std::string> want = Fields(*fresh);
    for (size_t i = 0; i < k.data.size(); ++i) {
        PropertyValue v;
        v.type = kText;  // not looked at
        v.text = "t" + std::to_string(i);
        v.value = 8000 + static_cast<int>(i);
        v.guid.bytes[15] = static_cast<uint8_t>(0xa0 + i);
        fresh->AddDataProperty(i == 0, v);
        std::string& w = want[static_cast<size_t>(k.data[i].col)];
        if (k.data[i].kind == kText) w = "\"" + v.text + "\"";
        if (k.data[i].kind == kInt) w = std::to_string(v.value);
        if (k.data[i].kind == kGuid) w = "\"" + GuidToHexString(v.guid) + "\"";
    }
    PropertyValue extra;
    extra.value = 9999;
    extra.text = "extra";
    fresh->AddDataProperty(k.data.empty() ? 1 : 0, extra);  // past the last: nothing
    EXPECT_EQ(want, Fields(*fresh));
}

std::string CaseName(const ::testing::TestParamInfo<KindCase>& info) {
    return "Section" + std::to_string(info.param.sectionId);
}

INSTANTIATE_TEST_SUITE_P(Model2, Model2Walks, ::testing::ValuesIn(kCases), CaseName);

}  // namespace
