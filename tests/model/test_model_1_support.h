// Helpers shared by the tests of the diagram, model, submodel, metadata usage,
// entity, attribute, key and check-constraint sections: making sections
// through the factory, reading one record line, writing a record's columns
// and recording the steps of its walks.
#ifndef SRTF_TEST_MODEL_1_SUPPORT_H
#define SRTF_TEST_MODEL_1_SUPPORT_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ipfmtwrite.h"
#include "sectionbase.h"
#include "sectiontable.h"
#include "srtf_test_util.h"

namespace m1test {

// An empty section of the id, made by the section factory.
inline std::unique_ptr<CSectionBase> MakeSection(int id) {
    SectionMaker make = SectionMakerOf(id);
    if (!make) return nullptr;
    std::unique_ptr<CSectionBase> s(make());
    s->sectionId = id;
    return s;
}

using srtftest::Columns;
using srtftest::Dispatch;

// Reads one line of the section's second record type (the Latest type of a
// Base-first section) and returns the record it appended.
inline CObjectBase* ReadLatest(CSectionBase& s, const std::string& value) {
    Dispatch(s, s.GetRecordTypeTable()[1].recordType, value);
    return s.GetLatestList()->back();
}

// The section as Write writes it, with the file's CR LF line ends.
inline std::string WriteSection(CSectionBase& s) { return srtftest::Written(s); }

// Splits a written line at its commas (for lines whose texts hold none).
inline std::vector<std::string> SplitPlain(const std::string& line) {
    std::vector<std::string> out(1);
    for (char c : line) {
        if (c == ',')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

// One step of a data walk: 'i', 't' or 'g' with the value as text, or 'n'
// when the step left the given value exactly as it was (a position without
// a column).
struct DataStep {
    char kind = '?';
    std::string value;
    int propertyId = 0;
};

inline PropertyValue Sentinel() {
    PropertyValue v;
    v.type = 7;
    v.text = "untouched";
    v.value = -77;
    v.guid = HexStringToGuid("fefefefefefefefefefefefefefefefe");
    return v;
}

inline bool IsSentinel(const PropertyValue& v) {
    const PropertyValue s = Sentinel();
    return v.type == s.type && v.text == s.text && v.value == s.value && v.guid == s.guid;
}

// Walks the record's data properties from the start to the end.
inline std::vector<DataStep> DataWalk(CObjectBase& r) {
    std::vector<DataStep> steps;
    for (int reset = 1;; reset = 0) {
        PropertyValue v = Sentinel();
        int id = -1;
        if (!r.IterateDataProperty(reset, v, id)) break;
        DataStep s;
        s.propertyId = id;
        if (IsSentinel(v)) {
            s.kind = 'n';
        } else if (v.type == PropertyValue::kInt) {
            s.kind = 'i';
            s.value = std::to_string(v.value);
        } else if (v.type == PropertyValue::kText) {
            s.kind = 't';
            s.value = v.text;
        } else if (v.type == PropertyValue::kGuid) {
            s.kind = 'g';
            s.value = GuidToHexString(v.guid);
        }
        steps.push_back(s);
        if (steps.size() > 500) break;  // a walk that never ends
    }
    return steps;
}

inline std::vector<int> TechKeyWalk(CObjectBase& r) { return srtftest::TechKeys(r); }
// Foreign keys as (key value, SectionId).
inline std::vector<std::pair<int, int>> ForeignKeyWalk(CObjectBase& r) { return srtftest::ForeignKeys(r); }

// A document read from a fixture: every listed section holds one Base and
// one Latest record.
inline void ExpectOneBaseOneLatest(const std::string& fixture, std::initializer_list<int> ids) {
    CSRTFContainer doc;
    doc.SetFilePath(srtftest::FixturePath(fixture));
    doc.Read();
    for (int id : ids) {
        CSectionBase* s = doc.GetFirstSection(id);
        ASSERT_NE(nullptr, s) << "section " << id;
        EXPECT_EQ(2, s->GetRecordCount()) << "section " << id;
        ASSERT_NE(nullptr, s->GetBaseList());
        ASSERT_NE(nullptr, s->GetLatestList());
        EXPECT_EQ(1u, s->GetBaseList()->size()) << "section " << id;
        EXPECT_EQ(1u, s->GetLatestList()->size()) << "section " << id;
        EXPECT_EQ(nullptr, s->GetRecordList()) << "section " << id;
    }
}

}  // namespace m1test

#endif
