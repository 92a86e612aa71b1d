// Particular lines of the display kinds: lines shorter or longer than the
// record, a font size given without quotes, a zero associative-entity GUID,
// numbers and texts in unusual forms, and the cursor that the tech-key and
// foreign-key walks share.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ipfmtwrite.h"
#include "sectionbase.h"
#include "sectiontable.h"

namespace {

constexpr const char* kFreshBase = "\"\",\"\",0x00000000,0x00000000,0,0,0";

// n integer fields of 0, each after a comma.
std::string Zeros(int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += ",0";
    return out;
}

std::unique_ptr<CSectionBase> Make(int id) {
    SectionMaker make = SectionMakerOf(id);
    if (!make) return nullptr;
    std::unique_ptr<CSectionBase> s(make());
    s->sectionId = id;
    return s;
}

CObjectBase* ReadLatest(CSectionBase& s, const std::string& line) {
    std::string type = s.GetRecordTypeTable()[1].recordType;
    s.DispatchRecord(type, line);
    return s.GetLatestList()->back();
}

std::string Written(CObjectBase& r) {
    COutputLineBuffer b;
    r.WriteColumns(b);
    return std::string(b.Data() ? b.Data() : "", static_cast<size_t>(b.Length()));
}

struct LineCase {
    const char* what;
    int sectionId;
    std::string in;
    std::string out;
    int id;
    // One data step to look at: position (-1 none), value kind, value as text.
    int dataPos;
    int dataType;
    std::string dataValue;
    int propertyId;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.what; }

const std::vector<LineCase>& LineCases() {
    static const std::vector<LineCase> cases = {
        {"ShortShapeLine", 63, "4,8,\"oval\"",
         "4,8,\"oval\",\"\"" + Zeros(3) + "," + kFreshBase, 4, 1, 0, "", 29561},
        {"ShortPathNodeLine", 51, "1,2,3",
         "1,2,3" + Zeros(8) + "," + kFreshBase, 1, 3, 1, "0", 29518},
        {"FontSizeWithoutQuotes", 34,
         "5,6,\"Arial\",10,1,2,3,4,5,6,7,8,9,10,11,12,13,14",
         std::string("5,6,\"Arial\",\"10\",1,2,3,4,5,6,7,8,9,10,11,12,13,14,") + kFreshBase, 5,
         1, 0, "10", 28814},
        {"ZeroAssociativeEntityGuid", 58,
         "\"1:N, 0:1\",7,8,9,10,11,12,13,14,15,\"verbs\",\"\"",
         "\"1:N, 0:1\",7,8,9,10,11,12,13,14,15,\"verbs\",\"\"" + Zeros(25) + "," + kFreshBase,
         7, 7, 2, "", 29254},
        {"CardinalityTextFirst", 58, "\"say \"\"one\"\"\",7",
         "\"say \"\"one\"\"\",7" + Zeros(8) + ",\"\",\"\"" + Zeros(25) + "," + kFreshBase,
         7, 0, 0, "say \"one\"", 28897},
        // Leading zeros, blanks and signs in numbers, a blank-only text, an
        // empty number, an upper-case and a short GUID, fields past the last
        // column.
        {"UnusualFieldForms", 63,
         "007,  -8,\"   \",\"x\"\"y\",+5,,3,\"00112233445566778899AABBCCDDEEFF\",\"abc\",0x10,1,3,2,1,"
         "99,\"extra\"",
         "7,-8,\"\",\"x\"\"y\",5,0,3,\"00112233445566778899aabbccddeeff\",\"\",0x00000010,"
         "0x00000001,3,2,1",
         7, 0, 0, "", 29560},
    };
    return cases;
}

class Diagram1Lines : public ::testing::TestWithParam<LineCase> {};

TEST_P(Diagram1Lines, ReadKeepsAndWritesTheColumns) {
    const LineCase& c = GetParam();
    auto s = Make(c.sectionId);
    ASSERT_NE(nullptr, s);
    CObjectBase* r = ReadLatest(*s, c.in);
    EXPECT_EQ(c.out, Written(*r));
    EXPECT_EQ(c.id, r->GetId());

    PropertyValue v;
    int prop = 0;
    for (int p = 0; p <= c.dataPos; ++p) ASSERT_TRUE(r->IterateDataProperty(p == 0, v, prop));
    EXPECT_EQ(c.propertyId, prop);
    EXPECT_EQ(c.dataType, v.type);
    const std::string got = c.dataType == PropertyValue::kText  ? v.text
                            : c.dataType == PropertyValue::kInt ? std::to_string(v.value)
                                                                : GuidToHexString(v.guid);
    EXPECT_EQ(c.dataValue, got);

    // What was written reads back into the same line.
    CObjectBase* again = ReadLatest(*s, Written(*r));
    EXPECT_EQ(c.out, Written(*again));
}

INSTANTIATE_TEST_SUITE_P(Diagram1, Diagram1Lines, ::testing::ValuesIn(LineCases()),
                         [](const ::testing::TestParamInfo<LineCase>& i) {
                             return std::string(i.param.what);
                         });

// The tech-key and foreign-key walks share one cursor: a foreign-key call
// without restart goes on from where the tech-key walk stopped, and one with
// restart restarts the tech-key walk too.
TEST(Diagram1Quirks, TechKeyAndForeignKeyWalksShareTheirCursor) {
    struct Step {
        char walk;  // 'k' tech key, 'f' foreign key
        int reset;
        bool taken;
        int value;
        int sectionId;  // of a foreign-key step
    };
    struct Case {
        int sectionId;
        std::string line;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        // Meta-edge display: foreign keys SubModelId, ParentSubjectAreaId,
        // ChildSubjectAreaId, TableRowId, ParentTableRowId, ChildTableRowId.
        {210, "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22",
         {{'k', 1, true, 1, 0}, {'k', 0, true, 2, 0}, {'k', 0, true, 3, 0},
          {'f', 0, true, 5, 31}, {'k', 0, true, 5, 0}, {'k', 0, true, 6, 0},
          {'k', 0, true, 18, 0}, {'f', 0, false, 0, 0}, {'f', 1, true, 2, 68},
          {'k', 0, true, 2, 0}}},
        // Schema-object edge: no foreign key; the restarting call still
        // restarts the tech-key walk.
        {62, "41,42,43,44,45,46,47,48,49,50,51,52,53,54,55,56",
         {{'k', 1, true, 41, 0}, {'k', 0, false, 0, 0}, {'f', 0, false, 0, 0},
          {'f', 1, false, 0, 0}, {'k', 0, true, 41, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("section " + std::to_string(c.sectionId));
        auto s = Make(c.sectionId);
        ASSERT_NE(nullptr, s);
        CObjectBase* r = ReadLatest(*s, c.line);
        for (size_t i = 0; i < c.steps.size(); ++i) {
            SCOPED_TRACE("step " + std::to_string(i));
            const Step& st = c.steps[i];
            if (st.walk == 'k') {
                int v = -1;
                ASSERT_EQ(st.taken, r->IterateTechKeyProperty(st.reset, v));
                if (st.taken) {
                    EXPECT_EQ(st.value, v);
                }
            } else {
                ForeignKeyRef fk;
                ASSERT_EQ(st.taken, r->IterateForeignKey(st.reset, fk));
                if (st.taken) {
                    EXPECT_EQ(st.value, fk.keyValue);
                    EXPECT_EQ(st.sectionId, fk.objectType);
                }
            }
        }
    }
}

}  // namespace
