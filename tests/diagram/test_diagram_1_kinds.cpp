// The record contract of the diagram, entity, view, relationship, line,
// shape, edge, graphic-object, path-node, docking and display-default kinds,
// checked through the calls the Java side makes: the data, tech-key and
// foreign-key walks and their additions, SetForeignKey, GetId/SetId,
// CreateRecord, the record index and the routing of record lines by their
// record types.
//
// Every own column of a record read here holds a value that names its column
// (1000 + index for ints, "t<index>" for texts, a GUID ending in the index),
// so each walk shows which column it stands on.
#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <set>
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
    const char* types;                     // own columns: i int, s text, g GUID
    int idColumn;
    std::vector<int> keys;                 // column of each tech-key position
    std::vector<std::pair<int, int>> fks;  // (column, section id) in walk order
    std::vector<DataStep> data;            // by data position
};

void PrintTo(const KindCase& k, std::ostream* os) { *os << k.name; }

// n columns from firstColumn on, with consecutive property ids.
std::vector<DataStep> Run(int firstColumn, int firstProperty, int n = 1) {
    std::vector<DataStep> out;
    for (int i = 0; i < n; ++i) out.push_back({firstColumn + i, firstProperty + i});
    return out;
}

std::vector<DataStep> Data(std::initializer_list<std::vector<DataStep>> runs) {
    std::vector<DataStep> out;
    for (const auto& r : runs) out.insert(out.end(), r.begin(), r.end());
    return out;
}

const std::vector<KindCase>& Cases() {
    static const std::vector<KindCase> cases = {
        {"DiagramDisplay", 21, "Diagram_Display_Base", "Diagram_Display_Latest",
         "iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii", 0, {0, 1}, {{1, 68}},
         Data({Run(2, 28847, 20), Run(22, 29347, 3), Run(25, 29515, 3), Run(28, 29531, 3),
               Run(31, 29535, 3), Run(34, 29712, 2), Run(36, 29879)})},
        {"EntityDisplay", 32, "Entity_Display_Base", "Entity_Display_Latest", "iiiiiiiii", 0,
         {0, 1, 2}, {{1, 68}, {2, 31}}, Run(3, 28891, 6)},
        // The view's id first, the own id second.
        {"ViewDisplay", 86, "View_Display_Base", "View_Display_Latest", "iiiiiiiii", 1,
         {0, 1, 2}, {{0, 18}, {2, 68}}, Run(3, 29026, 6)},
        // A text first, the own id second; a tech key after five data columns.
        {"RelationshipDisplay", 58, "Relationship_Display_Base", "Relationship_Display_Latest",
         "siiiiiiiiisgiiiiiiiiiiiiiiiiiiiiiiiii", 1, {1, 2, 3, 9}, {{2, 68}, {3, 57}, {9, 31}},
         Data({Run(0, 28897), Run(4, 28901, 5), Run(10, 28907), Run(11, 29254), Run(12, 29363),
               Run(13, 29478, 8), Run(21, 29527, 4), Run(25, 29714, 12)})},
        // Two foreign keys into the database-view section.
        {"ViewRelationshipDisplay", 88, "View_Relationship_Display_Base",
         "View_Relationship_Display_Latest", "iiiiiiiiiiiiiiiiiiiii", 0, {0, 1, 2, 3, 4, 5},
         {{1, 68}, {2, 18}, {3, 18}, {4, 31}, {5, 89}},
         Data({Run(6, 29038), Run(7, 29369), Run(8, 29478, 8), Run(16, 29738, 5)})},
        // Own id fourth; parent connector as OffsetY, Flags, OffsetX, PerMils.
        {"SupertypeDisplay", 74, "Supertype_Display_Base", "Supertype_Display_Latest",
         "iiiiiiiiiiiiiiii", 3, {0, 1, 2, 3}, {{0, 31}, {1, 68}, {2, 73}},
         Data({Run(4, 29216, 3), Run(7, 29366), Run(8, 29480), Run(9, 29478, 2),
               Run(11, 29481, 5)})},
        {"Shape", 63, "Shape_Base", "Shape_Latest", "iissiii", 0, {0, 1}, {{1, 44}},
         Data({Run(2, 29560, 3), Run(5, 29771), Run(6, 29870)})},
        {"ShapeDisplay", 64, "ShapeDisplay_Base", "ShapeDisplay_Latest", "iiiiiiiiiiiiiiiii", 0,
         {0, 1, 2}, {{1, 68}, {2, 63}}, Run(3, 29566, 14)},
        // Meta-table ids are keys without a target; two row ids into entities.
        {"ShapeEdge", 65, "ShapeEdge_Base", "ShapeEdge_Latest", "iiiiiisssi", 0,
         {0, 1, 2, 3, 4, 5}, {{1, 44}, {4, 31}, {5, 31}},
         Data({Run(6, 29586), Run(7, 29612, 2), Run(9, 29772)})},
        // A data column first, the own id second; ChildConnectorPerMils before
        // ChildConnectorFlags.
        {"ShapeEdgeDisplay", 66, "ShapeEdgeDisplay_Base", "ShapeEdgeDisplay_Latest",
         "iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii", 1, {1, 2, 3}, {{2, 65}, {3, 68}},
         Data({Run(0, 29596), Run(4, 29590, 6), Run(10, 29597, 3), Run(13, 29603),
               Run(14, 29600, 3), Run(17, 29604), Run(18, 29614, 4), Run(22, 29726, 11)})},
        // Id columns that are plain data; no foreign key.
        {"SchemaObjEdge", 62, "SchemaObjEdge_Base", "SchemaObjEdge_Latest", "iiiiiiiiiiiiiiii", 0,
         {0}, {}, Run(1, 29500, 15)},
        {"SubmodelSchemaObjLink", 71, "SubmodelSchemaObjLink_Base", "SubmodelSchemaObjLink_Latest",
         "iiiiiiiiiiiii", 0, {0}, {}, Data({Run(1, 29491, 8), Run(9, 29546, 3), Run(12, 29619)})},
        // Tech keys in two runs; two keys into subject areas, three into entities.
        {"MetaEdgeDisplay", 210, "MetaEdgeDisplay_Base", "MetaEdgeDisplay_Latest",
         "iiiiiiiiiiiiiiiiiiiiii", 0, {0, 1, 2, 3, 4, 5, 17, 18, 19, 20},
         {{1, 68}, {2, 207}, {3, 207}, {4, 31}, {18, 31}, {20, 31}},
         Data({Run(6, 29986, 11), Run(21, 30087)})},
        {"GraphicObject", 36, "Graphic_Object_Base", "Graphic_Object_Latest", "iiiiiiisiiii", 0,
         {0, 1}, {{1, 68}}, Data({Run(2, 28910, 6), Run(8, 29541, 4)})},
        // Keys and values interleaved; SchemaObjEdgeId is data.
        {"PathNode", 51, "PathNode_Base", "PathNode_Latest", "iiiiiiiiiii", 0,
         {0, 1, 2, 6, 8, 9, 10}, {{1, 88}, {2, 74}, {6, 58}, {8, 66}, {9, 197}, {10, 210}},
         Data({Run(3, 29374, 3), Run(7, 29518)})},
        // Ten keys; two pairs into one section each; two keys without a target.
        {"DockingPosition", 27, "Docking_Position_Base", "Docking_Position_Latest", "iiiiiiiiiii",
         0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
         {{1, 32}, {2, 58}, {3, 32}, {5, 86}, {6, 86}, {7, 88}, {9, 74}}, Run(10, 29089)},
        {"DockPosDispLevel", 28, "Dock_Pos_Disp_Level_Base", "Dock_Pos_Disp_Level_Latest",
         "iiiiiii", 0, {0, 1}, {{1, 27}}, Run(2, 29074, 5)},
        {"GridDisplay", 37, "Grid_Display_Base", "Grid_Display_Latest", "iiiiiiiii", 0, {0, 1},
         {{1, 68}}, Run(2, 28838, 7)},
        {"ColorDefault", 11, "Color_Default_Base", "Color_Default_Latest", "iiiiiiii", 0, {0, 1},
         {{1, 68}}, Data({Run(2, 28831, 5), Run(7, 30089)})},
        // Size is a text like Face.
        {"FontDefault", 34, "Font_Default_Base", "Font_Default_Latest", "iissiiiiiiiiiiiiii", 0,
         {0, 1}, {{1, 68}}, Run(2, 28813, 16)},
    };
    return cases;
}

constexpr const char* kBaseColumns =
    "\"00112233445566778899aabbccddeeff\",\"\",0x0000ABCD,0x00000002,3,-4,5";
constexpr const char* kFreshBaseColumns = "\"\",\"\",0x00000000,0x00000000,0,0,0";

std::string GuidText(int n) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%030x%02d", 0xabc, n % 100);
    return buf;
}

int NamingInt(int column) { return 1000 + column; }
std::string NamingText(int column) { return "t" + std::to_string(column); }

// One own field of a line, by column kind and the value it stands for.
std::string Field(char type, int intValue, const std::string& text, const std::string& guid) {
    switch (type) {
        case 's': return "\"" + text + "\"";
        case 'g': return "\"" + guid + "\"";
        default: return std::to_string(intValue);
    }
}

std::vector<std::string> NamingFields(const KindCase& k) {
    std::vector<std::string> f;
    for (int c = 0; k.types[c]; ++c)
        f.push_back(Field(k.types[c], NamingInt(c), NamingText(c), GuidText(c)));
    return f;
}

std::string Join(const std::vector<std::string>& fields, const char* base) {
    std::string line;
    for (const std::string& f : fields) line += f + ",";
    return line + base;
}

std::string NamingLine(const KindCase& k) { return Join(NamingFields(k), kBaseColumns); }

std::string Written(CObjectBase& r) {
    COutputLineBuffer b;
    r.WriteColumns(b);
    return std::string(b.Data() ? b.Data() : "", static_cast<size_t>(b.Length()));
}

std::unique_ptr<CSectionBase> Make(int id) {
    SectionMaker make = SectionMakerOf(id);
    if (!make) return nullptr;
    std::unique_ptr<CSectionBase> s(make());
    s->sectionId = id;
    return s;
}

class Diagram1Kinds : public ::testing::TestWithParam<KindCase> {
protected:
    // Reads the naming line once as Base and once as Latest and answers the
    // Latest record.
    CObjectBase* ReadNaming(CSectionBase& s) {
        const KindCase& k = GetParam();
        std::string base = k.baseType, latest = k.latestType;
        s.DispatchRecord(base, NamingLine(k));
        s.DispatchRecord(latest, NamingLine(k));
        return s.GetLatestList()->back();
    }
};

TEST_P(Diagram1Kinds, RecordTypesRouteLinesToTheirLists) {
    const KindCase& k = GetParam();
    auto s = Make(k.sectionId);
    ASSERT_NE(nullptr, s);
    ASSERT_EQ(2, s->GetRecordTypeCount());
    EXPECT_STREQ(k.baseType, s->GetRecordTypeTable()[0].recordType);
    EXPECT_STREQ(k.latestType, s->GetRecordTypeTable()[1].recordType);

    std::string latestLower;
    for (const char* p = k.latestType; *p; ++p)
        latestLower += (*p >= 'A' && *p <= 'Z') ? static_cast<char>(*p - 'A' + 'a') : *p;
    std::string base = k.baseType, other = std::string(k.baseType) + "X";
    s->DispatchRecord(latestLower, NamingLine(k));
    s->DispatchRecord(base, NamingLine(k));
    s->DispatchRecord(other, NamingLine(k));  // no such record type: no record
    EXPECT_EQ(1u, s->GetBaseList()->size());
    EXPECT_EQ(1u, s->GetLatestList()->size());
    EXPECT_EQ(2, s->GetRecordCount());
    EXPECT_EQ(nullptr, s->GetRecordList());
}

TEST_P(Diagram1Kinds, ReadRecordWalksAndWritesBack) {
    const KindCase& k = GetParam();
    auto s = Make(k.sectionId);
    ASSERT_NE(nullptr, s);
    CObjectBase* r = ReadNaming(*s);
    const int own = static_cast<int>(std::string(k.types).size());
    EXPECT_EQ(own + 7, r->GetColumnCount());
    EXPECT_EQ(NamingLine(k), Written(*r));
    EXPECT_EQ(NamingInt(k.idColumn), r->GetId());

    std::vector<int> keys, wantKeys;
    int v = 0;
    for (int reset = 1; r->IterateTechKeyProperty(reset, v) && keys.size() < 50; reset = 0)
        keys.push_back(v);
    for (int c : k.keys) wantKeys.push_back(NamingInt(c));
    EXPECT_EQ(wantKeys, keys);
    EXPECT_FALSE(r->IterateTechKeyProperty(0, v));

    std::vector<std::pair<int, int>> fks, wantFks;
    ForeignKeyRef fk;
    for (int reset = 1; r->IterateForeignKey(reset, fk) && fks.size() < 50; reset = 0)
        fks.emplace_back(fk.keyValue, fk.objectType);
    for (auto& f : k.fks) wantFks.emplace_back(NamingInt(f.first), f.second);
    EXPECT_EQ(wantFks, fks);

    for (size_t p = 0; p < k.data.size(); ++p) {
        SCOPED_TRACE("data position " + std::to_string(p));
        PropertyValue out;
        int prop = 0;
        ASSERT_TRUE(r->IterateDataProperty(p == 0, out, prop));
        const int c = k.data[p].column;
        EXPECT_EQ(k.data[p].propertyId, prop);
        switch (k.types[c]) {
            case 's':
                EXPECT_EQ(PropertyValue::kText, out.type);
                EXPECT_EQ(NamingText(c), out.text);
                break;
            case 'g':
                EXPECT_EQ(PropertyValue::kGuid, out.type);
                EXPECT_EQ(GuidText(c), GuidToHexString(out.guid));
                break;
            default:
                EXPECT_EQ(PropertyValue::kInt, out.type);
                EXPECT_EQ(NamingInt(c), out.value);
        }
    }
    // Past the end the walk stays ended and leaves its outputs alone.
    PropertyValue out;
    out.type = 7;
    out.value = -77;
    int prop = -5;
    EXPECT_FALSE(r->IterateDataProperty(0, out, prop));
    EXPECT_FALSE(r->IterateDataProperty(0, out, prop));
    EXPECT_EQ(7, out.type);
    EXPECT_EQ(-77, out.value);
    EXPECT_EQ(-5, prop);

    // Every own column is in exactly one of the two walks.
    std::set<int> seen(k.keys.begin(), k.keys.end());
    for (const DataStep& d : k.data) seen.insert(d.column);
    EXPECT_EQ(static_cast<size_t>(own), seen.size());
    EXPECT_EQ(static_cast<size_t>(own), k.keys.size() + k.data.size());
}

TEST_P(Diagram1Kinds, SetIdAndSetForeignKeyChangeOnlyTheirColumn) {
    const KindCase& k = GetParam();
    auto s = Make(k.sectionId);
    ASSERT_NE(nullptr, s);
    {
        CObjectBase* r = ReadNaming(*s);
        r->SetId(4242);
        std::vector<std::string> want = NamingFields(k);
        want[static_cast<size_t>(k.idColumn)] = "4242";
        EXPECT_EQ(Join(want, kBaseColumns), Written(*r));
        EXPECT_EQ(4242, r->GetId());
    }
    // Each target once, plus ids that no column refers to.
    std::vector<int> targets = {0, 999, k.sectionId};
    for (auto& f : k.fks) targets.push_back(f.second);
    for (int sid : targets) {
        SCOPED_TRACE("SetForeignKey with section id " + std::to_string(sid));
        CObjectBase* r = ReadNaming(*s);
        r->SetForeignKey(-9, sid);
        std::vector<std::string> want = NamingFields(k);
        for (auto& f : k.fks)
            if (f.second == sid) {
                want[static_cast<size_t>(f.first)] = "-9";
                break;
            }
        EXPECT_EQ(Join(want, kBaseColumns), Written(*r));
    }
}

TEST_P(Diagram1Kinds, AdditionsFillTheirWalksColumnsAndStopAtTheEnd) {
    const KindCase& k = GetParam();
    auto s = Make(k.sectionId);
    ASSERT_NE(nullptr, s);
    std::unique_ptr<CObjectBase> r(s->CreateRecord());
    ASSERT_NE(nullptr, r);
    EXPECT_EQ(0, s->GetRecordCount());

    std::vector<std::string> want;
    for (int c = 0; k.types[c]; ++c) want.push_back(Field(k.types[c], 0, "", ""));
    EXPECT_EQ(Join(want, kFreshBaseColumns), Written(*r));

    for (size_t i = 0; i <= k.keys.size(); ++i) {
        r->AddTechKeyProperty(i == 0, 300 + static_cast<int>(i));
        if (i < k.keys.size()) want[static_cast<size_t>(k.keys[i])] = std::to_string(300 + i);
    }
    // Each value is marked with a type that fits no column: the column's kind
    // decides which member is stored.
    for (size_t p = 0; p <= k.data.size(); ++p) {
        const int c = p < k.data.size() ? k.data[p].column : 99;
        PropertyValue v;
        v.type = 5;
        v.value = 2000 + c;
        v.text = "a" + std::to_string(c);
        v.guid = HexStringToGuid(GuidText(50 + c).c_str());
        r->AddDataProperty(p == 0, v);
        if (p < k.data.size())
            want[static_cast<size_t>(c)] = Field(k.types[c], 2000 + c, v.text, GuidText(50 + c));
    }
    EXPECT_EQ(Join(want, kFreshBaseColumns), Written(*r));
}

TEST_P(Diagram1Kinds, IndexKeysLatestRecordsByTheirId) {
    const KindCase& k = GetParam();
    for (int enabled : {0, 1}) {
        auto s = Make(k.sectionId);
        ASSERT_NE(nullptr, s);
        s->indexEnabled = enabled;
        ReadNaming(*s);
        ReadNaming(*s);  // a second record of the same id stays out of the index
        EXPECT_EQ(4u, s->GetLatestList()->size() + s->GetBaseList()->size());
        if (!enabled) {
            EXPECT_TRUE(s->recordIndex.empty());
            continue;
        }
        ASSERT_EQ(1u, s->recordIndex.size());
        EXPECT_EQ(k.sectionId, s->recordIndex.begin()->first.sectionId);
        EXPECT_EQ(static_cast<unsigned>(NamingInt(k.idColumn)), s->recordIndex.begin()->first.id);
        EXPECT_EQ(s->GetLatestList()->front(), s->recordIndex.begin()->second);
    }
}

INSTANTIATE_TEST_SUITE_P(Diagram1, Diagram1Kinds, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<KindCase>& i) {
                             return std::string(i.param.name);
                         });

}  // namespace
