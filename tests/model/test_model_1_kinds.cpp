// The record contract of the diagram, model, submodel, metadata usage,
// entity, attribute, key and check-constraint kinds, checked from one table
// of cases: which columns are tech keys (in walk order), which are foreign
// keys and where they point, which column is the record's id, and the kind
// and property id of each data position.
//
// Each case reads a line in which every column holds a value that names its
// column (1000 + index for ints, "t<index>" for texts, a GUID ending in the
// index), so every walk shows which column it visited.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>

#include "test_model_1_support.h"

namespace {

using m1test::Columns;
using m1test::MakeSection;
using m1test::ReadLatest;
using m1test::SplitPlain;

struct KindCase {
    int sectionId;
    const char* name;
    int ownColumns;
    std::vector<int> keyColumns;                 // in tech-key order
    std::vector<std::pair<int, int>> foreignKeys;  // (column, SectionId) in walk order
    int idColumn;                                // -1: no id
    const char* dataKinds;  // per data position: i int, t text, g GUID, n no column
    std::vector<std::pair<int, int>> propertyIds;  // (data position, property id)
};

const KindCase kCases[] = {
    {20, "DDDiagram", 22, {0}, {}, 0, "g" "ttt" "iiiii" "ttttttttt" "gig",
     {{0, 28693}, {1, 28694}, {18, 28711}, {19, 28712}, {20, 29249}}},
    {44, "DDModel", 32, {0, 1}, {{1, 20}}, 0, "titittt" "iiiii" "tt" "iiiiiiiiiiiii" "ttt",
     {{0, 28715}, {21, 28736}, {22, 29667}, {26, 29671}, {27, 29781}, {28, 29782}, {29, 30088}}},
    {45, "DDModelOption", 4, {0, 1}, {{1, 44}}, 0, "tt", {{0, 29227}, {1, 29228}}},
    {68, "DDSubmodel", 7, {0, 1}, {{1, 44}}, 0, "tigtt",
     {{0, 28869}, {1, 29737}, {2, 29953}, {3, 29860}, {4, 29861}}},
    {70, "DDSubmodelLink", 7, {0, 1, 3, 4, 5}, {{0, 44}, {1, 68}, {4, 68}, {5, 68}}, 3, "ii",
     {{0, 29334}, {1, 29335}}},
    {43, "DDMetaClassMember", 6, {0}, {}, 0, "ttiii", {{0, 29230}, {4, 29234}}},
    {53, "DDPropertyUsage", 8, {4}, {}, 4, "itiiiii",
     {{0, 29235}, {3, 29238}, {4, 29240}, {6, 29242}}},
    {54, "DDPropertyValueUsage", 6, {0, 1}, {{1, 53}}, 0, "iitt", {{0, 29245}, {3, 29248}}},
    {81, "DDUserObjectMatch", 10, {0, 1, 2, 3, 4, 5, 7}, {{2, 44}, {3, 44}, {4, 31}, {5, 31}}, 0,
     "itt", {{0, 29611}, {1, 29876}, {2, 30091}}},
    {31, "DDEntity", 15, {0, 1, 2}, {{1, 44}, {2, 40}}, 0, "tttttt" "iiiii" "t",
     {{0, 28740}, {5, 28745}, {6, 29525}, {8, 29766}, {9, 29863}, {10, 29862}, {11, 30045}}},
    {7, "DDAttribute", 48, {0, 1, 2, 3, 4, 5, 6},
     {{1, 31}, {2, 40}, {3, 29}, {4, 80}, {5, 61}, {6, 19}}, 0,
     "tttt" "iii" "t" "iii" "tt" "iii" "tt" "ii" "tt" "iiiii" "tt" "iiiiii" "ttt" "ii" "t" "n",
     {{0, 28753}, {18, 28771}, {19, 28776}, {20, 29489}, {21, 29351}, {22, 29350}, {23, 29534},
      {26, 29757}, {29, 29711}, {30, 29864}, {31, 29865}, {32, 30027}, {40, 30035}, {41, 32042}}},
    {41, "DDKey", 16, {0, 1, 2}, {{1, 31}, {2, 40}}, 0, "tttt" "i" "ttttt" "iii",
     {{0, 28873}, {9, 28882}, {10, 29545}, {11, 29769}, {12, 29866}}},
    {42, "DDKeyAttribute", 6, {0, 1, 2}, {{1, 41}, {2, 7}}, 0, "itt",
     {{0, 28886}, {1, 28887}, {2, 30038}}},
    {9, "DDCheckConstraint", 7, {0, 1, 2, 3}, {{0, 31}, {1, 7}, {3, 40}}, 2, "tti",
     {{0, 29186}, {1, 29187}, {2, 29758}}},
};

// SectionIds that some kind of this family refers to, plus unrelated ones.
const int kSomeSectionIds[] = {7, 9, 19, 20, 29, 31, 40, 41, 44, 53, 61, 68, 70, 80, 81, 0, 999};

const char* const kBaseDefaults[] = {"\"\"", "\"\"", "0x00000000", "0x00000000", "0", "0", "0"};

std::string GuidText(int n) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%030x%02d", 0xabc, n % 100);
    return buf;
}

bool IsKey(const KindCase& k, int col) {
    return std::find(k.keyColumns.begin(), k.keyColumns.end(), col) != k.keyColumns.end();
}

// The columns that carry data, in column order (keys and data never share a column).
std::vector<int> DataColumns(const KindCase& k) {
    std::vector<int> cols;
    for (int c = 0; c < k.ownColumns; ++c)
        if (!IsKey(k, c)) cols.push_back(c);
    return cols;
}

char KindOfColumn(const KindCase& k, int col) {
    if (IsKey(k, col)) return 'i';
    const std::vector<int> data = DataColumns(k);
    return k.dataKinds[std::find(data.begin(), data.end(), col) - data.begin()];
}

// The field of an own column in the naming line, as written.
std::string NamingField(const KindCase& k, int col) {
    switch (KindOfColumn(k, col)) {
        case 't': return "\"t" + std::to_string(col) + "\"";
        case 'g': return "\"" + GuidText(col) + "\"";
        default: return std::to_string(1000 + col);
    }
}

std::string NamingLine(const KindCase& k) {
    std::string line;
    for (int c = 0; c < k.ownColumns; ++c) line += (c ? "," : "") + NamingField(k, c);
    return line;
}

std::vector<std::string> WithBase(std::vector<std::string> own) {
    own.insert(own.end(), std::begin(kBaseDefaults), std::end(kBaseDefaults));
    return own;
}

std::vector<std::string> NamingFields(const KindCase& k) {
    std::vector<std::string> f;
    for (int c = 0; c < k.ownColumns; ++c) f.push_back(NamingField(k, c));
    return WithBase(f);
}

TEST(ModelKinds1, ShapeColumnsAndReadWrite) {
    for (const KindCase& k : kCases) {
        SCOPED_TRACE(k.name);
        auto s = MakeSection(k.sectionId);
        ASSERT_NE(nullptr, s);
        EXPECT_EQ(2, s->GetRecordTypeCount());
        std::unique_ptr<CObjectBase> fresh(s->CreateRecord());
        ASSERT_NE(nullptr, fresh);
        EXPECT_EQ(0, s->GetRecordCount());  // the section does not hold what it creates
        EXPECT_EQ(k.ownColumns + 7, fresh->GetColumnCount());
        EXPECT_EQ(k.ownColumns + 7, static_cast<int>(SplitPlain(Columns(*fresh)).size()));

        CObjectBase* r = ReadLatest(*s, NamingLine(k));
        EXPECT_EQ(NamingFields(k), SplitPlain(Columns(*r)));
        EXPECT_EQ(1, s->GetRecordCount());
    }
}

TEST(ModelKinds1, KeyWalksIdsAndForeignKeys) {
    for (const KindCase& k : kCases) {
        SCOPED_TRACE(k.name);
        auto s = MakeSection(k.sectionId);
        ASSERT_NE(nullptr, s);
        CObjectBase* r = ReadLatest(*s, NamingLine(k));

        std::vector<int> keys;
        for (int c : k.keyColumns) keys.push_back(1000 + c);
        EXPECT_EQ(keys, m1test::TechKeyWalk(*r));

        std::vector<std::pair<int, int>> fks;
        for (auto& fk : k.foreignKeys) fks.emplace_back(1000 + fk.first, fk.second);
        EXPECT_EQ(fks, m1test::ForeignKeyWalk(*r));

        EXPECT_EQ(k.idColumn >= 0 ? 1000 + k.idColumn : 0, r->GetId());
        std::vector<std::string> want = NamingFields(k);
        r->SetId(7);
        if (k.idColumn >= 0) want[static_cast<size_t>(k.idColumn)] = "7";
        EXPECT_EQ(want, SplitPlain(Columns(*r)));

        // SetForeignKey fills the first column that refers to the id, and
        // nothing for an id that no column refers to.
        for (int sid : kSomeSectionIds) {
            CObjectBase* f = ReadLatest(*s, NamingLine(k));
            f->SetForeignKey(-5, sid);
            std::vector<std::string> expect = NamingFields(k);
            for (auto& fk : k.foreignKeys)
                if (fk.second == sid) {
                    expect[static_cast<size_t>(fk.first)] = "-5";
                    break;
                }
            EXPECT_EQ(expect, SplitPlain(Columns(*f))) << "SetForeignKey with " << sid;
        }

        // Adding tech keys fills the key columns in walk order; one more add
        // past the last stores nothing.
        std::unique_ptr<CObjectBase> added(s->CreateRecord());
        std::vector<std::string> expect = WithBase({});
        expect.insert(expect.begin(), static_cast<size_t>(k.ownColumns), "");
        for (int c = 0; c < k.ownColumns; ++c)
            expect[static_cast<size_t>(c)] = KindOfColumn(k, c) == 'i' ? "0" : "\"\"";
        for (size_t i = 0; i <= k.keyColumns.size(); ++i) {
            added->AddTechKeyProperty(i == 0, 300 + static_cast<int>(i));
            if (i < k.keyColumns.size())
                expect[static_cast<size_t>(k.keyColumns[i])] = std::to_string(300 + i);
        }
        EXPECT_EQ(expect, SplitPlain(Columns(*added)));

        // The record index, when enabled, keys a Latest record by its id.
        auto indexed = MakeSection(k.sectionId);
        indexed->indexEnabled = 1;
        ReadLatest(*indexed, NamingLine(k));
        ASSERT_EQ(1u, indexed->recordIndex.size());
        EXPECT_EQ(k.sectionId, indexed->recordIndex.begin()->first.sectionId);
        EXPECT_EQ(static_cast<unsigned>(k.idColumn >= 0 ? 1000 + k.idColumn : 0),
                  indexed->recordIndex.begin()->first.id);
    }
}

TEST(ModelKinds1, DataWalkVisitsTheDataColumnsInOrder) {
    for (const KindCase& k : kCases) {
        SCOPED_TRACE(k.name);
        auto s = MakeSection(k.sectionId);
        ASSERT_NE(nullptr, s);
        CObjectBase* r = ReadLatest(*s, NamingLine(k));
        const std::vector<m1test::DataStep> steps = m1test::DataWalk(*r);
        ASSERT_EQ(std::strlen(k.dataKinds), steps.size());

        const std::vector<int> cols = DataColumns(k);
        size_t next = 0;
        for (size_t p = 0; p < steps.size(); ++p) {
            SCOPED_TRACE("data position " + std::to_string(p));
            EXPECT_EQ(k.dataKinds[p], steps[p].kind);
            if (k.dataKinds[p] == 'n') continue;
            ASSERT_LT(next, cols.size());
            const int c = cols[next++];
            const std::string want = k.dataKinds[p] == 'i'   ? std::to_string(1000 + c)
                                     : k.dataKinds[p] == 't' ? "t" + std::to_string(c)
                                                             : GuidText(c);
            EXPECT_EQ(want, steps[p].value);
        }
        EXPECT_EQ(cols.size(), next);
        for (auto& pid : k.propertyIds) {
            ASSERT_LT(static_cast<size_t>(pid.first), steps.size());
            EXPECT_EQ(pid.second, steps[static_cast<size_t>(pid.first)].propertyId)
                << "data position " << pid.first;
        }

        // Past the end the walk stays ended and leaves its outputs alone.
        PropertyValue v = m1test::Sentinel();
        int id = 4242;
        EXPECT_FALSE(r->IterateDataProperty(0, v, id));
        EXPECT_FALSE(r->IterateDataProperty(0, v, id));
        EXPECT_EQ(4242, id);
        EXPECT_TRUE(m1test::IsSentinel(v));
    }
}

TEST(ModelKinds1, AddDataStoresByColumnTypeWhateverTheValueSays) {
    for (const KindCase& k : kCases) {
        SCOPED_TRACE(k.name);
        auto s = MakeSection(k.sectionId);
        ASSERT_NE(nullptr, s);
        std::unique_ptr<CObjectBase> r(s->CreateRecord());
        std::vector<std::string> want(static_cast<size_t>(k.ownColumns));
        for (int c = 0; c < k.ownColumns; ++c)
            want[static_cast<size_t>(c)] = KindOfColumn(k, c) == 'i' ? "0" : "\"\"";

        const std::vector<int> cols = DataColumns(k);
        size_t next = 0;
        const size_t positions = std::strlen(k.dataKinds);
        for (size_t p = 0; p <= positions; ++p) {  // one add past the end
            PropertyValue v;
            v.type = PropertyValue::kText;  // the column's type decides, not this
            v.text = "a" + std::to_string(p);
            v.value = 500 + static_cast<int>(p);
            v.guid = HexStringToGuid(GuidText(static_cast<int>(p)).c_str());
            r->AddDataProperty(p == 0, v);
            if (p == positions || k.dataKinds[p] == 'n') continue;
            const int c = cols[next++];
            switch (k.dataKinds[p]) {
                case 'i': want[static_cast<size_t>(c)] = std::to_string(500 + p); break;
                case 't': want[static_cast<size_t>(c)] = "\"a" + std::to_string(p) + "\""; break;
                default: want[static_cast<size_t>(c)] = "\"" + GuidText(static_cast<int>(p)) + "\"";
            }
        }
        EXPECT_EQ(WithBase(want), SplitPlain(Columns(*r)));
        // Keys were not touched by the data walk.
        for (int c : k.keyColumns) EXPECT_EQ("0", want[static_cast<size_t>(c)]);
    }
}

}  // namespace
