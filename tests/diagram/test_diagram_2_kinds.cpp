// The record walks of the display-override, subject-area, lineage-display and
// layout kinds, one table row per kind: where the tech keys, the data walk,
// the foreign keys and the record's id stand in the line, and what the Java
// side sees and fills through the walks. Several kinds keep their id or their
// submodel away from the front of the line, and several report property ids
// out of column order; the rows spell that out column by column.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "ipfmtwrite.h"
#include "srtf_test_util.h"
#include "srtfcontainer.h"

namespace {

// The seven base columns, as every line of these kinds ends, and the same
// for a record that was never filled.
constexpr const char* kBaseColumns =
    "\"00112233445566778899aabbccddeeff\",\"\",0x00000010,0x00000001,3,2,1";
constexpr const char* kZeroBaseColumns = "\"\",\"\",0x00000000,0x00000000,0,0,0";

std::vector<int> Cols(int first, int last) {
    std::vector<int> v;
    for (int i = first; i <= last; ++i) v.push_back(i);
    return v;
}

std::vector<int> Join(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct KindCase {
    int sectionId;
    const char* baseType;
    const char* latestType;
    int ownColumns;
    std::vector<int> textColumns;  // line places of the text columns
    int idColumn;                  // line place of the record's id
    std::vector<int> keyColumns;   // line places in tech-key walk order
    std::vector<int> dataColumns;  // line places in data walk order
    std::vector<int> propertyIds;  // reported at each data step
    std::vector<std::pair<int, int>> foreignKeys;  // line place, section id
};

void PrintTo(const KindCase& c, std::ostream* os) { *os << "section " << c.sectionId; }

bool IsText(const KindCase& c, int col) {
    return std::find(c.textColumns.begin(), c.textColumns.end(), col) != c.textColumns.end();
}

// Distinct values per column: texts with a comma and a quote, integers with a
// sign now and then.
std::string Value(const KindCase& c, int col) {
    if (IsText(c, col)) return "text " + std::to_string(col) + ", say \"hi\"";
    const int v = 100 + 7 * col;
    return std::to_string(col % 4 == 3 ? -v : v);
}

std::string Field(const KindCase& c, int col, const std::string& value) {
    if (!IsText(c, col)) return value;
    std::string out = "\"";
    for (char ch : value) out += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return out + "\"";
}

// The own fields of the line, with one column replaced when `col` >= 0.
std::string OwnFields(const KindCase& c, int col = -1, const std::string& value = "") {
    std::string line;
    for (int i = 0; i < c.ownColumns; ++i) {
        if (i) line += ",";
        line += Field(c, i, i == col ? value : Value(c, i));
    }
    return line;
}

std::string Line(const KindCase& c, int col = -1, const std::string& value = "") {
    return OwnFields(c, col, value) + "," + kBaseColumns;
}

std::string Written(CObjectBase* r) {
    COutputLineBuffer b;
    r->WriteColumns(b);
    return std::string(b.Data(), static_cast<size_t>(b.Length()));
}

std::string ValueText(const PropertyValue& v) {
    return v.type == PropertyValue::kText ? v.text : std::to_string(v.value);
}

std::vector<int> TechKeys(CObjectBase* r) {
    std::vector<int> keys;
    int v = 0;
    for (int reset = 1; r->IterateTechKeyProperty(reset, v); reset = 0) keys.push_back(v);
    return keys;
}

const std::vector<KindCase>& Cases() {
    static const std::vector<KindCase> cases = {
        // Colour override: the data walk in line order, ids out of order.
        {46, "Object_Color_Override_Base", "Object_Color_Override_Latest", 8, {}, 0, {0, 1, 6},
         {2, 3, 4, 5, 7}, {29304, 29306, 29308, 29305, 29307}, {{6, 31}}},
        // Font override: a data column first, the id second, two text columns.
        {47, "Object_Font_Override_Base", "Object_Font_Override_Latest", 19, {4, 5}, 1,
         {1, 2, 3}, Join({0}, Cols(4, 18)), Join({29328}, Cols(29313, 29327)), {{3, 31}}},
        {190, "AttributeDisplayOverride_Base", "AttributeDisplayOverride_Latest", 4, {}, 0,
         {0, 1, 2}, {3}, {29786}, {{1, 7}, {2, 68}}},
        // Subject-area display: both references in the middle of the line.
        {208, "SubjectAreaDisplay_Base", "SubjectAreaDisplay_Latest", 26, {}, 0, {0, 17, 18},
         Join(Cols(1, 16), Cols(19, 25)), Cols(29957, 29979), {{17, 207}, {18, 68}}},
        {222, "BusDataObjectDisplay_Base", "BusDataObjectDisplay_Latest", 19, {}, 0, {0, 1, 2},
         Cols(3, 18), Cols(30060, 30075), {{1, 68}, {2, 221}}},
        {195, "TransformationDisplay_Base", "TransformationDisplay_Latest", 11, {}, 0, {0, 1, 2},
         Cols(3, 10), Cols(29815, 29822), {{1, 191}, {2, 68}}},
        {196, "LineageComponentDisplay_Base", "LineageComponentDisplay_Latest", 11, {}, 0,
         {0, 1, 2}, Cols(3, 10), Cols(29827, 29834), {{1, 192}, {2, 68}}},
        {197, "LineageStreamDisplay_Base", "LineageStreamDisplay_Latest", 23, {}, 0, {0, 1, 2},
         Cols(3, 22), Cols(29839, 29858), {{1, 193}, {2, 68}}},
        // Submodel algorithm: keys only, the data walk is empty.
        {69, "Submodel_Algorithm_Base", "Submodel_Algorithm_Latest", 3, {}, 0, {0, 1, 2}, {}, {},
         {{1, 68}}},
        {4, "Algorithm_Property_Base", "Algorithm_Property_Latest", 5, {4}, 0, {0, 1, 2, 3}, {4},
         {29094}, {{1, 69}}},
        {206, "GraphMgrProps_Base", "GraphMgrProps_Latest", 12, {}, 0, {0, 1}, Cols(2, 11),
         Cols(30013, 30022), {{1, 20}}},
        // Graph geometry: SubmodelId in column 12, ids in an order of their own.
        {35, "GraphGeometry_Base", "GraphGeometry_Latest", 26, {}, 0, {0, 12},
         Join(Cols(1, 11), Cols(13, 25)),
         Join({29412, 29414, 29416, 29418, 29419, 29420, 29421, 29422, 29423, 29425, 29426,
               29413, 29415, 29417, 29424},
              Cols(29997, 30005)),
         {{12, 68}}},
        {10, "CircularLayout_Base", "CircularLayout_Latest", 29, {}, 0, {0, 1}, Cols(2, 28),
         Join(Cols(29379, 29398), Cols(30006, 30012)), {{1, 68}}},
        // Components layout: SubmodelId in column 6.
        {13, "ComponentsLayout_Base", "ComponentsLayout_Latest", 12, {}, 0, {0, 6},
         Join(Cols(1, 5), Cols(7, 11)),
         {29400, 29402, 29404, 29406, 29409, 29401, 29403, 29405, 29407, 29410}, {{6, 68}}},
        // Disconnected-nodes layout: odd ids first, then the even ones.
        {26, "DisconnectedNodeLayout_Base", "DisconnectedNodeLayout_Latest", 13, {}, 0, {0, 1},
         Cols(2, 12),
         {29401, 29403, 29405, 29407, 29409, 29400, 29402, 29404, 29406, 29408, 29410},
         {{1, 68}}},
        // Symmetric layout: SubmodelId first, the id second.
        {75, "SymmetricLayout_Base", "SymmetricLayout_Latest", 11, {}, 1, {0, 1}, Cols(2, 10),
         Join(Join(Cols(29454, 29458), Cols(29390, 29392)), {30026}), {{0, 68}}},
        // Hierarchical layout: SubmodelId first, the id in column 23.
        {38, "HierarchicalLayout_Base", "HierarchicalLayout_Latest", 29, {}, 23, {0, 23},
         Join(Cols(1, 22), Cols(24, 28)),
         Join(Join(Join(Cols(29428, 29441), {29389, 29388}), Cols(29442, 29446)),
              Join({29390, 29391, 29392}, Cols(30023, 30025))),
         {{0, 68}}},
        // Orthogonal layout: SubmodelId in column 3.
        {50, "OrthogonalLayout_Base", "OrthogonalLayout_Latest", 16, {}, 0, {0, 3},
         Join({1, 2}, Cols(4, 15)),
         {29424, 29447, 29448, 29449, 29450, 29435, 29436, 29442, 29451, 29452, 29453, 29390,
          29391, 29392},
         {{3, 68}}},
        // Tree layout: SubmodelId in column 2, the first setting reports the last id.
        {79, "TreeLayout_Base", "TreeLayout_Latest", 15, {}, 0, {0, 2}, Join({1}, Cols(3, 14)),
         Join(Join({29464}, Cols(29459, 29463)), {29440, 29441, 29435, 29438, 29390, 29391, 29392}),
         {{2, 68}}},
    };
    return cases;
}

class Diagram2Kinds : public ::testing::TestWithParam<KindCase> {
protected:
    CObjectBase* Parsed(const std::string& line) {
        CObjectBase* r = doc.CreateSection(GetParam().sectionId)->CreateRecord();
        CSectionBase::ParseRecordFields(line, r);
        return r;
    }
    CSRTFContainer doc;
};

// The table itself: every own column is in exactly one walk, every data step
// has its property id.
TEST_P(Diagram2Kinds, CaseCoversEveryOwnColumnOnce) {
    const KindCase& c = GetParam();
    ASSERT_EQ(c.dataColumns.size(), c.propertyIds.size());
    std::vector<int> all = Join(c.keyColumns, c.dataColumns);
    std::sort(all.begin(), all.end());
    EXPECT_EQ(Cols(0, c.ownColumns - 1), all);
}

TEST_P(Diagram2Kinds, ReadLinesWalksAndRecordIndex) {
    const KindCase& c = GetParam();
    CSectionBase* s = doc.CreateSection(c.sectionId);
    s->indexEnabled = 1;
    // Record types match in any letter case; a second Latest line with the
    // same id enters the list but not the index.
    std::string base = c.baseType, latest = c.latestType, upper = c.latestType;
    for (char& ch : base)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    for (char& ch : upper)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    s->DispatchRecord(base, Line(c));
    s->DispatchRecord(latest, Line(c));
    s->DispatchRecord(upper, Line(c));
    ASSERT_EQ(3, s->GetRecordCount());
    ASSERT_EQ(1u, s->GetBaseList()->size());
    ASSERT_EQ(2u, s->GetLatestList()->size());
    CObjectBase* r = s->GetLatestList()->front();

    const int id = std::stoi(Value(c, c.idColumn));
    EXPECT_EQ(id, r->GetId());
    ASSERT_EQ(1u, s->recordIndex.size());
    EXPECT_EQ(c.sectionId, s->recordIndex.begin()->first.sectionId);
    EXPECT_EQ(static_cast<unsigned>(id), s->recordIndex.begin()->first.id);
    EXPECT_EQ(r, s->recordIndex.begin()->second);

    EXPECT_EQ(c.ownColumns + 7, r->GetColumnCount());
    std::vector<int> keys;
    for (int col : c.keyColumns) keys.push_back(std::stoi(Value(c, col)));
    EXPECT_EQ(keys, TechKeys(r));
    int k = -1;
    EXPECT_FALSE(r->IterateTechKeyProperty(0, k));

    PropertyValue out;
    int prop = 0;
    for (size_t i = 0; i < c.dataColumns.size(); ++i) {
        SCOPED_TRACE("data position " + std::to_string(i));
        ASSERT_TRUE(r->IterateDataProperty(i == 0, out, prop));
        const int col = c.dataColumns[i];
        EXPECT_EQ(IsText(c, col) ? PropertyValue::kText : PropertyValue::kInt, out.type);
        EXPECT_EQ(c.propertyIds[i], prop);
        EXPECT_EQ(Value(c, col), ValueText(out));
    }
    // Past the end (or at once when there is no data): false, nothing touched.
    out.type = 7;
    prop = -5;
    EXPECT_FALSE(r->IterateDataProperty(c.dataColumns.empty(), out, prop));
    EXPECT_FALSE(r->IterateDataProperty(0, out, prop));
    EXPECT_EQ(7, out.type);
    EXPECT_EQ(-5, prop);

    const std::vector<std::pair<int, int>> fks = srtftest::ForeignKeys(*r);
    std::vector<std::pair<int, int>> want;
    for (const auto& f : c.foreignKeys) want.emplace_back(std::stoi(Value(c, f.first)), f.second);
    EXPECT_EQ(want, fks);

    EXPECT_EQ(Line(c), Written(r));
}

TEST_P(Diagram2Kinds, SetIdAndSetForeignKeyChangeOnlyTheirColumn) {
    const KindCase& c = GetParam();
    {
        CObjectBase* r = Parsed(Line(c));
        r->SetId(777);
        EXPECT_EQ(777, r->GetId());
        EXPECT_EQ(Line(c, c.idColumn, "777"), Written(r));
        delete r;
    }
    std::map<int, int> firstColumnOf;  // section id -> first foreign key into it
    for (const auto& f : c.foreignKeys) firstColumnOf.emplace(f.second, f.first);
    for (int code : {0, 4, 7, 20, 31, 68, 69, 191, 192, 193, 207, 221, c.sectionId}) {
        SCOPED_TRACE("SetForeignKey with section " + std::to_string(code));
        CObjectBase* r = Parsed(Line(c));
        r->SetForeignKey(777, code);
        auto it = firstColumnOf.find(code);
        EXPECT_EQ(it == firstColumnOf.end() ? Line(c) : Line(c, it->second, "777"), Written(r));
        delete r;
    }
}

// The Java side's path: CreateRecord, then the tech keys, the data values
// (with a misleading type: only the member that fits the column counts) and
// the base columns, writes the same line as the one read.
TEST_P(Diagram2Kinds, RecordBuiltThroughPropertiesWritesTheLine) {
    const KindCase& c = GetParam();
    CSectionBase* s = doc.CreateSection(c.sectionId);
    CObjectBase* r = s->CreateRecord();
    ASSERT_NE(nullptr, r);
    EXPECT_EQ(0, s->GetRecordCount());

    std::string zeros;
    for (int i = 0; i < c.ownColumns; ++i) zeros += IsText(c, i) ? "\"\"," : "0,";
    EXPECT_EQ(zeros + kZeroBaseColumns, Written(r));
    EXPECT_EQ(0, r->GetId());

    for (size_t i = 0; i < c.keyColumns.size(); ++i)
        r->AddTechKeyProperty(i == 0, std::stoi(Value(c, c.keyColumns[i])));
    r->AddTechKeyProperty(0, 999);  // past the last key: nothing
    for (size_t i = 0; i < c.dataColumns.size(); ++i) {
        const int col = c.dataColumns[i];
        PropertyValue v;
        if (IsText(c, col)) {
            v.type = PropertyValue::kInt;
            v.text = Value(c, col);
        } else {
            v.type = PropertyValue::kText;
            v.value = std::stoi(Value(c, col));
        }
        r->AddDataProperty(i == 0, v);
    }
    PropertyValue extra;
    extra.value = 999;
    extra.text = "surplus";
    r->AddDataProperty(c.dataColumns.empty(), extra);  // past the last value: nothing

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
    EXPECT_EQ(std::stoi(Value(c, c.idColumn)), r->GetId());
    EXPECT_EQ(0, s->GetRecordCount());

    CDDDiagObject* other = d->CreateNew();
    EXPECT_EQ(zeros + kZeroBaseColumns, Written(other));
    delete other;
    delete r;
}

// A line with the own fields only leaves the base columns at their defaults
// and is written with all of them; fields past the last column change nothing.
TEST_P(Diagram2Kinds, ShortAndLongLines) {
    const KindCase& c = GetParam();
    CObjectBase* shortLine = Parsed(OwnFields(c));
    EXPECT_EQ(OwnFields(c) + "," + kZeroBaseColumns, Written(shortLine));
    delete shortLine;
    CObjectBase* longLine = Parsed(Line(c) + ",999,\"surplus\"");
    EXPECT_EQ(Line(c), Written(longLine));
    delete longLine;
}

INSTANTIATE_TEST_SUITE_P(All, Diagram2Kinds, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<KindCase>& i) {
                             return "Section" + std::to_string(i.param.sectionId);
                         });

// The disconnected-nodes layout's record types say Node; a line that says
// Nodes belongs to no list of the section.
TEST(Diagram2RecordTypes, DisconnectedNodesLayoutTakesNodeOnly) {
    CSRTFContainer doc;
    CSectionBase* s = doc.CreateSection(26);
    for (const char* type : {"DisconnectedNodesLayout_Base", "DisconnectedNodesLayout_Latest"}) {
        std::string t = type;
        s->DispatchRecord(t, "1,2");
    }
    EXPECT_EQ(0, s->GetRecordCount());
    std::string t = "disconnectednodelayout_latest";
    s->DispatchRecord(t, "1,2");
    EXPECT_EQ(1u, s->GetLatestList()->size());
}

// The font override's Size is text: a number in it is written quoted, and a
// number handed over as an integer value stores the value's (empty) text.
TEST(Diagram2RecordTypes, FontSizeIsText) {
    CSRTFContainer doc;
    CObjectBase* r = doc.CreateSection(47)->CreateRecord();
    CSectionBase::ParseRecordFields("3,42,5,6,\"Face, bold\",10", r);
    EXPECT_EQ(42, r->GetId());
    COutputLineBuffer before;
    r->WriteColumns(before);
    EXPECT_EQ(0u, std::string(before.Data()).find("3,42,5,6,\"Face, bold\",\"10\",0,"));
    // ClipPrecision, Face and Size, in this order.
    PropertyValue v;
    v.type = PropertyValue::kInt;
    v.value = 12;
    for (int step = 0; step < 3; ++step) r->AddDataProperty(step == 0, v);
    COutputLineBuffer after;
    r->WriteColumns(after);
    EXPECT_EQ(0u, std::string(after.Data()).find("12,42,5,6,\"\",\"\",0,"));
    delete r;
}

}  // namespace
