// The record contract of the view, view-component, comment, procedure and storage
// kinds, checked through the calls the Java side makes: the data, tech-key and
// foreign-key walks, the additions, SetForeignKey, GetId/SetId, CreateRecord
// and the routing of record lines to the Base and Latest lists.
//
// Every own column of a record is first given a value that names its column,
// so each walk shows which column it stands on.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "ipfmtwrite.h"
#include "sectionbase.h"
#include "sectiontable.h"

namespace {

struct DataStep {
    int column;
    int propertyId;
};

struct KindCase {
    const char* name;
    int sectionId;
    const char* baseType;
    const char* latestType;
    const char* types;  // own columns: i int, h hex, s string, g GUID
    int idColumn;       // -1: none
    std::vector<int> keys;                    // column of each tech-key position
    std::vector<std::pair<int, int>> fks;     // (column, section id) in walk order
    std::vector<DataStep> data;               // by data position
};

void PrintTo(const KindCase& k, std::ostream* os) { *os << k.name; }

std::vector<DataStep> Run(int firstColumn, int firstProperty, int n) {
    std::vector<DataStep> out;
    for (int i = 0; i < n; ++i) out.push_back({firstColumn + i, firstProperty + i});
    return out;
}

std::vector<DataStep> Join(std::vector<DataStep> a, const std::vector<DataStep>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<KindCase>& Cases() {
    static const std::vector<KindCase> cases = {
        // Views
        {"DbView", 18, "DbView_Base", "DbView_Latest", "iiiissssiis", 0, {0, 1, 2},
         {{1, 40}, {2, 44}},
         Join(Run(3, 29042, 5), {{8, 29763}, {9, 29877}, {10, 30046}})},
        {"ViewTable", 89, "View_Table_Base", "View_Table_Latest", "iiiiissi", 0, {0, 1, 2, 3, 4},
         {{1, 18}, {2, 31}, {3, 40}, {4, 18}}, Run(5, 29062, 3)},
        {"ViewColumn", 84, "View_Column_Base", "View_Column_Latest", "iiiii", 0, {0, 1, 2, 3, 4},
         {{1, 89}, {2, 7}, {3, 40}, {4, 87}}, {}},
        {"ViewField", 87, "View_Field_Base", "View_Field_Latest", "iiissi", 0, {0, 1, 2},
         {{1, 18}, {2, 40}}, Run(3, 29222, 3)},
        {"FieldColumn", 33, "Field_Column_Base", "Field_Column_Latest", "iii", 1, {0, 1, 2},
         {{0, 87}, {2, 84}}, {}},
        // View components, column usages, common table expressions
        {"ViewComponent", 85, "View_Component_Base", "View_Component_Latest", "iisii", 1, {0, 1},
         {{0, 18}}, Run(2, 29054, 3)},
        {"ColumnUsage", 12, "Column_Usage_Base", "Column_Usage_Latest", "iiii", 0, {0, 1},
         {{1, 84}}, Run(2, 29070, 2)},
        {"ViewCte", 224, "ViewCte_Base", "ViewCte_Latest", "iissi", 0, {1, 0},
         {{1, 18}, {0, 224}}, {{2, 30093}, {3, 30094}, {4, 30092}}},
        {"ViewCteColumn", 225, "ViewCteColumn_Base", "ViewCteColumn_Latest", "iisi", 0, {1, 0},
         {{1, 224}, {0, 225}}, Run(2, 30095, 2)},
        // Comments and object tracking
        {"Comment", 202, "Comment_Base", "Comment_Latest", "isiigiis", 0, {0}, {},
         Run(1, 29904, 7)},
        {"ObjectTracking", 188, "ObjectTracking_Base", "ObjectTracking_Latest", "iiissss", 0, {0},
         {}, Run(1, 29749, 6)},
        // Procedures, packages, triggers
        {"Proc", 52, "Proc_Base", "Proc_Latest", "iiihssssii", 0, {0, 1}, {{1, 44}},
         Join(Run(2, 28999, 6), {{8, 29767}, {9, 29871}})},
        {"TemplatedProc", 77, "Templated_Proc_Base", "Templated_Proc_Latest", "iisshsi", 1, {0, 1},
         {{0, 31}}, Join(Run(2, 29013, 4), {{6, 29774}})},
        {"DbPackage", 16, "DbPackage_Base", "DbPackage_Latest", "iisssissii", 0, {0, 1}, {{1, 44}},
         Join(Run(2, 29471, 6), {{8, 29761}, {9, 29872}})},
        {"DbTrigger", 17, "DbTrigger_Base", "DbTrigger_Latest", "iisisshisi", 0, {0, 1}, {{1, 31}},
         Join(Run(2, 28981, 7), {{9, 29762}})},
        // Storage
        {"TableStorage", 76, "Table_Storage_Base", "Table_Storage_Latest",
         "iisiiiiiiiiiiisiissiiss", 0, {0, 1}, {{1, 31}},
         Join(Run(2, 28951, 13), {{15, 29674}, {16, 29675}, {17, 29677}, {18, 29678},
                                  {19, 29679}, {20, 29676}, {21, 29779}, {22, 29780}})},
        {"IndexStorage", 39, "Index_Storage_Base", "Index_Storage_Latest", "iisiiiiiiiiiiis", 1,
         {0, 1}, {{0, 41}}, Run(2, 28966, 13)},
        {"StorageObject", 67, "Storage_Object_Base", "Storage_Object_Latest", "iissssiii", 0,
         {0, 1}, {{1, 44}}, Join(Run(2, 29262, 5), {{7, 29773}, {8, 29873}})},
    };
    return cases;
}

// ---- values that name their column ----

int IntOf(char type, int column) { return type == 'h' ? 0x2000 + column : 1000 + column; }
std::string TextOf(int column) { return "s" + std::to_string(column); }
std::string GuidTextOf(int column) {
    char buf[40];
    const unsigned byte = static_cast<unsigned>(column) & 0xFFu;
    std::snprintf(buf, sizeof buf, "%02x00112233445566778899aabbccdd%02x", byte, byte);
    return buf;
}
SrtfGuid GuidOf(int column) {
    SrtfGuid g;
    GuidFromHexString(g, GuidTextOf(column).c_str());
    return g;
}

// The text ReadColumn gets for a column, and the field WriteColumns gives back.
std::string InputOf(char type, int column) {
    switch (type) {
        case 'i': return std::to_string(IntOf(type, column));
        case 'h': {
            char buf[16];
            std::snprintf(buf, sizeof buf, "%x", IntOf(type, column));
            return buf;
        }
        case 's': return TextOf(column);
        default: return GuidTextOf(column);
    }
}
std::string FieldOfInt(char type, int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, type == 'h' ? "0x%.8X" : "%d", v);
    return buf;
}
std::string FieldOf(char type, int column) {
    if (type == 'i' || type == 'h') return FieldOfInt(type, IntOf(type, column));
    return "\"" + InputOf(type, column) + "\"";
}

int KindOf(char type) {
    return type == 's' ? PropertyValue::kText : type == 'g' ? PropertyValue::kGuid : PropertyValue::kInt;
}

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> out(1);
    for (char c : line) {
        if (c == ',') out.emplace_back();
        else out.back() += c;
    }
    return out;
}

std::string Line(CObjectBase& rec) {
    COutputLineBuffer b;
    rec.WriteColumns(b);
    return std::string(b.Data(), static_cast<size_t>(b.Length()));
}

// The fields of a record whose own columns all name themselves, with the
// seven base columns at their empty values.
std::vector<std::string> FilledFields(const KindCase& k) {
    std::vector<std::string> f;
    for (int c = 0; k.types[c]; ++c) f.push_back(FieldOf(k.types[c], c));
    for (const char* b : {"\"\"", "\"\"", "0x00000000", "0x00000000", "0", "0", "0"}) f.push_back(b);
    return f;
}

std::unique_ptr<CSectionBase> MakeSection(const KindCase& k) {
    SectionMaker make = SectionMakerOf(k.sectionId);
    if (!make) return nullptr;
    return std::unique_ptr<CSectionBase>(make());
}

std::unique_ptr<CObjectBase> FilledRecord(const KindCase& k) {
    std::unique_ptr<CSectionBase> s = MakeSection(k);
    std::unique_ptr<CObjectBase> r(s ? s->CreateRecord() : nullptr);
    if (r)
        for (int c = 0; k.types[c]; ++c) r->ReadColumn(c, InputOf(k.types[c], c));
    return r;
}

class Model3Kinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(Model3Kinds, RecordShapeAndDataWalk) {
    const KindCase& k = GetParam();
    std::unique_ptr<CObjectBase> r = FilledRecord(k);
    ASSERT_TRUE(r) << "no section registered for " << k.sectionId;
    const int own = static_cast<int>(std::string(k.types).size());
    EXPECT_EQ(own + 7, r->GetColumnCount());
    EXPECT_EQ(FilledFields(k), Split(Line(*r)));

    PropertyValue v;
    int pid = -1;
    for (size_t pos = 0; pos < k.data.size(); ++pos) {
        const int col = k.data[pos].column;
        const char t = k.types[col];
        SCOPED_TRACE("data position " + std::to_string(pos));
        ASSERT_TRUE(r->IterateDataProperty(pos == 0, v, pid));
        EXPECT_EQ(k.data[pos].propertyId, pid);
        EXPECT_EQ(KindOf(t), v.type);
        if (t == 's') {
            EXPECT_EQ(TextOf(col), v.text);
        } else if (t == 'g') {
            EXPECT_EQ(GuidOf(col), v.guid);
        } else {
            EXPECT_EQ(IntOf(t, col), v.value);
        }
    }
    // The walk's end, also for a kind without data properties: the first
    // call (with reset) answers false at once, and the end stays the end.
    pid = -7;
    if (k.data.empty()) {
        EXPECT_FALSE(r->IterateDataProperty(1, v, pid));
    }
    EXPECT_FALSE(r->IterateDataProperty(0, v, pid));
    EXPECT_FALSE(r->IterateDataProperty(0, v, pid));
    EXPECT_EQ(-7, pid);
}

TEST_P(Model3Kinds, AddDataPropertyFillsColumnsByPosition) {
    const KindCase& k = GetParam();
    std::unique_ptr<CObjectBase> r = FilledRecord(k);
    ASSERT_TRUE(r);
    std::vector<std::string> want = FilledFields(k);
    for (size_t pos = 0; pos <= k.data.size(); ++pos) {
        PropertyValue v;
        v.type = PropertyValue::kText;  // the column's type decides, not this
        v.text = "new" + std::to_string(pos);
        v.value = 5000 + static_cast<int>(pos);
        GuidFromHexString(v.guid, "ffeeddccbbaa99887766554433221100");
        r->AddDataProperty(pos == 0, v);
        if (pos == k.data.size()) break;  // past the end: stores nothing
        const int col = k.data[pos].column;
        const char t = k.types[col];
        want[static_cast<size_t>(col)] = t == 's'   ? "\"" + v.text + "\""
                                         : t == 'g' ? "\"ffeeddccbbaa99887766554433221100\""
                                                    : FieldOfInt(t, v.value);
    }
    EXPECT_EQ(want, Split(Line(*r)));
}

TEST_P(Model3Kinds, TechKeyAndForeignKeyWalks) {
    const KindCase& k = GetParam();
    std::unique_ptr<CObjectBase> r = FilledRecord(k);
    ASSERT_TRUE(r);

    int key = -1;
    for (size_t pos = 0; pos < k.keys.size(); ++pos) {
        ASSERT_TRUE(r->IterateTechKeyProperty(pos == 0, key)) << "key position " << pos;
        EXPECT_EQ(IntOf('i', k.keys[pos]), key) << "key position " << pos;
    }
    EXPECT_FALSE(r->IterateTechKeyProperty(0, key));

    ForeignKeyRef fk;
    fk.reserved = -5;
    for (size_t n = 0; n < k.fks.size(); ++n) {
        ASSERT_TRUE(r->IterateForeignKey(n == 0, fk)) << "foreign key " << n;
        EXPECT_EQ(IntOf('i', k.fks[n].first), fk.keyValue) << "foreign key " << n;
        EXPECT_EQ(k.fks[n].second, fk.objectType) << "foreign key " << n;
    }
    if (k.fks.empty()) {
        EXPECT_FALSE(r->IterateForeignKey(1, fk));
    }
    EXPECT_FALSE(r->IterateForeignKey(0, fk));
    EXPECT_EQ(-5, fk.reserved);

    // Both walks count with one cursor: after one tech-key step the
    // foreign-key walk continues at its second entry.
    ASSERT_TRUE(r->IterateTechKeyProperty(1, key));
    if (k.fks.size() >= 2) {
        ASSERT_TRUE(r->IterateForeignKey(0, fk));
        EXPECT_EQ(IntOf('i', k.fks[1].first), fk.keyValue);
        EXPECT_EQ(k.fks[1].second, fk.objectType);
    } else {
        EXPECT_FALSE(r->IterateForeignKey(0, fk));
    }
}

TEST_P(Model3Kinds, AddTechKeyPropertyAndId) {
    const KindCase& k = GetParam();
    std::unique_ptr<CObjectBase> r = FilledRecord(k);
    ASSERT_TRUE(r);
    std::vector<std::string> want = FilledFields(k);
    for (size_t pos = 0; pos <= k.keys.size(); ++pos) {
        const int value = 3000 + static_cast<int>(pos);
        r->AddTechKeyProperty(pos == 0, value);
        if (pos < k.keys.size()) want[static_cast<size_t>(k.keys[pos])] = std::to_string(value);
    }
    EXPECT_EQ(want, Split(Line(*r)));

    if (k.idColumn < 0) {
        EXPECT_EQ(0, r->GetId());
    } else {
        EXPECT_EQ(std::stoi(want[static_cast<size_t>(k.idColumn)]), r->GetId());
        r->SetId(-42);
        want[static_cast<size_t>(k.idColumn)] = "-42";
        EXPECT_EQ(-42, r->GetId());
    }
    EXPECT_EQ(want, Split(Line(*r)));
}

TEST_P(Model3Kinds, SetForeignKeyFillsFirstMatchingColumnOnly) {
    const KindCase& k = GetParam();
    std::vector<int> ids;
    for (const auto& fk : k.fks) ids.push_back(fk.second);
    // Section ids that no column refers to: this kind's own id when it is not
    // referred to, a neighbour's, and one outside the table.
    for (int other : {k.sectionId, 44, 31, 0, 9999}) ids.push_back(other);

    for (int sid : ids) {
        std::unique_ptr<CObjectBase> r = FilledRecord(k);
        ASSERT_TRUE(r);
        std::vector<std::string> want = FilledFields(k);
        int target = -1;
        for (int c = 0; k.types[c] && target < 0; ++c)
            for (const auto& fk : k.fks)
                if (fk.first == c && fk.second == sid) target = c;
        if (target >= 0) want[static_cast<size_t>(target)] = "777";
        r->SetForeignKey(777, sid);
        EXPECT_EQ(want, Split(Line(*r))) << "SetForeignKey with " << sid;
    }
}

TEST_P(Model3Kinds, SectionRoutesLinesAndCreatesRecords) {
    const KindCase& k = GetParam();
    std::unique_ptr<CSectionBase> s = MakeSection(k);
    ASSERT_TRUE(s);
    ASSERT_TRUE(s->GetLatestList() && s->GetBaseList());
    EXPECT_EQ(nullptr, s->GetRecordList());

    std::string line;
    for (int c = 0; k.types[c]; ++c) line += (c ? "," : "") + InputOf(k.types[c], c);

    // Record types are matched without regard to case; others are ignored.
    std::string base = k.baseType, latest = k.latestType;
    for (char& c : base) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    for (char& c : latest) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    std::string other = "Entity_Latest";
    s->DispatchRecord(latest, line);
    s->DispatchRecord(base, line);
    s->DispatchRecord(latest, line);
    s->DispatchRecord(other, line);
    EXPECT_EQ(1u, s->GetBaseList()->size());
    EXPECT_EQ(2u, s->GetLatestList()->size());
    EXPECT_EQ(3, s->GetRecordCount());
    EXPECT_EQ(FilledFields(k), Split(Line(*s->GetLatestList()->front())));

    // CreateRecord: a new empty record of the kind, not held by the section.
    std::unique_ptr<CObjectBase> fresh(s->CreateRecord());
    ASSERT_TRUE(fresh);
    EXPECT_EQ(3, s->GetRecordCount());
    EXPECT_EQ(s->GetLatestList()->front()->GetColumnCount(), fresh->GetColumnCount());
    EXPECT_EQ(0, fresh->GetId());
    std::vector<std::string> empty = Split(Line(*fresh));
    for (int c = 0; k.types[c]; ++c) {
        const char t = k.types[c];
        EXPECT_EQ(t == 'i' ? "0" : t == 'h' ? "0x00000000" : "\"\"", empty[static_cast<size_t>(c)])
            << "column " << c;
    }
}

INSTANTIATE_TEST_SUITE_P(All, Model3Kinds, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<KindCase>& i) {
                             return std::string(i.param.name);
                         });

}  // namespace
