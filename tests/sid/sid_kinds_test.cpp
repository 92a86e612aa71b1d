// Every check-in state (SID) section kind from one table of cases: the class
// the factory makes for the id, header name and record type, the one record
// list that GetRecordList hands out (and the null lists and records offered
// to the Java side's object calls), the columns of a line, the data walk with
// its value kinds and property ids, the tech keys, and no id.
//
// Each case reads one line in which every column holds a value that names its
// column (int 1000 + index, text "t<index>", a GUID ending in the index; the
// base columns' flag words 0x000010<index>), so every walk shows which column
// it visited, and the written line must equal the line read.
#include <cstdio>
#include <set>

#include "sid/siddiagobject.h"
#include "sid_test_util.h"

namespace {

using sidtest::Step;

struct KindCase {
    int id;
    const char* header;
    const char* recordType;
    const char* own;            // own columns: i int, t text, g GUID
    bool onBase;                // the seven CSIDDiagObject columns follow
    std::vector<int> techKeys;  // own column indexes, in walk order
    std::vector<std::pair<int, int>> propertyIds;  // (own column, property id) other than 0
};

const KindCase kCases[] = {
    {90, "SIDAttributeSection", "Attribute", "iiii", true, {2}, {}},
    {91, "SIDCheckedOutSection", "CheckedOut", "tgtt", false, {}, {}},
    {92, "SIDDbTriggerSection", "Db_Trigger", "ii", true, {}, {}},
    {93, "SIDDefaultSection", "Default", "i", true, {}, {}},
    {94, "SIDDiagramSection", "Diagram", "iitt", true, {}, {{1, 29488}, {2, 29488}, {3, 29488}}},
    {95, "SIDDictionaryTriggerSection", "Dictionary_Trigger", "ii", true, {}, {}},
    {96, "SIDDomainSection", "Domain", "iiii", true, {}, {}},
    {97, "SIDEntitySection", "Entity", "iiit", true, {2}, {}},
    {98, "SIDEntityDisplaySection", "Entity_Display", "iii", true, {}, {}},
    {99, "SIDKeySection", "Key", "ii", true, {}, {}},
    {100, "SIDMacroSection", "Macro", "i", true, {}, {}},
    {101, "SIDModelSection", "Model", "ii", true, {}, {}},
    {102, "SIDProcSection", "Proc", "ii", true, {}, {}},
    {103, "SIDRelationshipSection", "Relationship", "iiiii", true, {}, {}},
    {104, "SIDRelationshipDisplaySection", "Relationship_Display", "iiiii", true, {}, {}},
    {105, "SIDReusableProcSection", "Reusable_Proc", "ii", true, {}, {}},
    {106, "SIDRuleSection", "Rule", "i", true, {}, {}},
    {107, "SIDSubmodelSection", "Submodel", "ii", true, {}, {}},
    {108, "SIDSupertypeSection", "Supertype", "iii", true, {}, {}},
    {109, "SIDSupertypeDisplaySection", "Supertype_Display", "iiii", true, {}, {}},
    {110, "SIDTemplateProcSection", "Template_Proc", "ii", true, {}, {}},
    {111, "SIDUserSection", "User", "it", false, {}, {}},
    {112, "SIDUserDataTypeSection", "User_Data_Type", "iii", true, {}, {}},
    {113, "SIDViewSection", "View", "iit", true, {}, {}},
    {114, "SIDViewDisplaySection", "View_Display", "iii", true, {}, {}},
    {115, "SIDViewFieldSection", "View_Field", "ii", true, {}, {}},
    {116, "SIDViewRelationshipDisplaySection", "View_Relationship_Display", "iiiii", true, {}, {}},
    {155, "SIDEnterpriseDataDictionarySection", "Enterprise_Data_Dictionary", "g", true, {}, {}},
    {156, "SIDViewTableSection", "View_Table", "iiii", true, {}, {}},
    {179, "SIDShapeSection", "Shape", "iii", true, {}, {}},
    {180, "SIDShapeEdgeSection", "ShapeEdge", "iiiiiii", true, {}, {}},
    {181, "SIDShapeDisplaySection", "ShapeDisplay", "iii", true, {}, {}},
    {182, "SIDShapeEdgeDisplaySection", "ShapeEdgeDisplay", "iii", true, {}, {}},
    {226, "SIDViewCteSection", "View_Cte", "ii", true, {}, {}},
    {227, "SIDViewCteColumnSection", "View_Cte_Column", "ii", true, {}, {}},
};

std::string GuidNaming(int index) {
    char b[40];
    std::snprintf(b, sizeof b, "0123456789abcdef0123456789abcd%02x", index);
    return b;
}

// The written form of column `index` of type `t`, and the walk step it gives.
std::string Field(char t, int index) {
    switch (t) {
        case 'i': return std::to_string(1000 + index);
        case 't': return "\"t" + std::to_string(index) + "\"";
        case 'g': return "\"" + GuidNaming(index) + "\"";
        default: {
            char b[16];
            std::snprintf(b, sizeof b, "0x%.8X", 0x1000 + index);
            return b;  // 'h': flag word
        }
    }
}
std::string StepValue(char t, int index) {
    switch (t) {
        case 'i': return "i" + std::to_string(1000 + index);
        case 't': return "tt" + std::to_string(index);
        default: return "g" + GuidNaming(index);
    }
}

TEST(SidKinds, FactoryMakesEveryKindAndNoOther) {
    std::set<int> ids;
    for (const KindCase& c : kCases) ids.insert(c.id);
    ASSERT_EQ(35u, ids.size());
    for (const KindCase& c : kCases) {
        SCOPED_TRACE(c.header);
        ASSERT_NE(nullptr, SectionMakerOf(c.id));
        // The keyword is the header name in capitals.
        std::string kw = c.header;
        for (char& ch : kw)
            if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
        EXPECT_EQ(c.id, SectionIdOfKeyword(kw));
    }
}

TEST(SidKinds, LineReadWalkedAndWrittenBack) {
    const std::string baseTypes = "gtiihhi";
    for (const KindCase& c : kCases) {
        SCOPED_TRACE(c.header);
        const std::string own = c.own;
        const std::string types = own + (c.onBase ? baseTypes : "");
        std::string line = std::string(c.recordType) + " = ";
        for (size_t i = 0; i < types.size(); ++i)
            line += (i ? "," : "") + Field(types[i], static_cast<int>(i));
        line += ";";

        sidtest::OneRecord one = sidtest::ReadOne(c.id, c.header, line);
        ASSERT_NE(nullptr, one.record);
        CSectionBase& s = *one.section;
        CObjectBase& r = *one.record;

        // Section operations: one record type, one list, nothing for the Java side.
        ASSERT_EQ(1, s.GetRecordTypeCount());
        EXPECT_STREQ(c.recordType, s.GetRecordTypeTable()[0].recordType);
        EXPECT_EQ(1, s.GetRecordCount());
        EXPECT_EQ(nullptr, s.GetLatestList());
        EXPECT_EQ(nullptr, s.GetBaseList());
        EXPECT_EQ(nullptr, s.CreateRecord());

        // Record class and columns.
        auto* base = dynamic_cast<CSIDDiagObject*>(&r);
        EXPECT_EQ(c.onBase, base != nullptr);
        EXPECT_EQ(static_cast<int>(types.size()), r.GetColumnCount());
        if (base) {
            const int n = static_cast<int>(own.size());
            EXPECT_EQ(GuidNaming(n), GuidToHexString(base->ObjectGUID));
            EXPECT_EQ("t" + std::to_string(n + 1), base->Name);
            EXPECT_EQ(1000 + n + 2, base->LatestVersion);
            EXPECT_EQ(1000 + n + 3, base->CheckInTime);
            EXPECT_EQ(0x1000 + n + 4, base->ACL);
            EXPECT_EQ(0x1000 + n + 5, base->ObjectStatus);
            EXPECT_EQ(1000 + n + 6, base->ChildrenCount);
        }

        // Data walk: the own columns less the tech keys, never the base columns.
        std::vector<Step> want;
        for (size_t i = 0; i < own.size(); ++i) {
            bool key = false;
            for (int k : c.techKeys) key = key || k == static_cast<int>(i);
            if (key) continue;
            int prop = 0;
            for (const auto& p : c.propertyIds)
                if (p.first == static_cast<int>(i)) prop = p.second;
            want.push_back({StepValue(own[i], static_cast<int>(i)), prop});
        }
        EXPECT_EQ(want, sidtest::WalkData(r));

        std::vector<int> keys;
        for (int k : c.techKeys) keys.push_back(1000 + k);
        EXPECT_EQ(keys, sidtest::WalkKeys(r));

        // No foreign key, no id.
        ForeignKeyRef fk;
        fk.keyValue = 4321;
        EXPECT_FALSE(r.IterateForeignKey(1, fk));
        EXPECT_EQ(4321, fk.keyValue);
        EXPECT_EQ(0, r.GetId());
        r.SetId(77);
        for (int target = 0; target < 228; target += 1) r.SetForeignKey(88, target);

        EXPECT_EQ(line, std::string(c.recordType) + " = " + sidtest::Columns(r) + ";");
        const std::string written = sidtest::Written(s);
        EXPECT_NE(std::string::npos, written.find("[" + std::string(c.header) + "]\n" + line + "\n"))
            << written;
    }
}

}  // namespace
