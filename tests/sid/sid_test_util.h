// Helpers for the tests of the SID sections: reading a text as a file,
// the written form of one record or section, and the steps of a data walk.
#ifndef SID_TEST_UTIL_H
#define SID_TEST_UTIL_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ipfmtwrite.h"
#include "sectionbase.h"
#include "sectiontable.h"
#include "srtf_test_util.h"

namespace sidtest {

using srtftest::Columns;
using srtftest::ReadText;

// The text that one section writes, with CR LF turned back into "\n".
inline std::string Written(CSectionBase& s) {
    std::string text;
    for (char c : srtftest::Written(s))
        if (c != '\r') text += c;
    return text;
}

// The only record of the first section of `id` after reading one line of
// `recordType` under `header`; null (with a failure) when there is none.
struct OneRecord {
    std::unique_ptr<CSRTFContainer> doc;
    CSectionBase* section = nullptr;
    CObjectBase* record = nullptr;
};
inline OneRecord ReadOne(int id, const std::string& header, const std::string& line) {
    OneRecord one;
    one.doc = ReadText("[" + header + "]\n" + line + "\n");
    one.section = one.doc->GetFirstSection(id);
    EXPECT_NE(nullptr, one.section) << header;
    if (!one.section) return one;
    RecordList* list = one.section->GetRecordList();
    EXPECT_NE(nullptr, list) << header;
    if (list && list->size() == 1) one.record = list->front();
    EXPECT_NE(nullptr, one.record) << line;
    return one;
}

// One step of a data walk: the value as text ("i<int>", "t<text>",
// "g<hex>") and the property id.
struct Step {
    std::string value;
    int propertyId;
    bool operator==(const Step& o) const { return value == o.value && propertyId == o.propertyId; }
};
inline std::ostream& operator<<(std::ostream& os, const Step& s) {
    return os << "{" << s.value << ", " << s.propertyId << "}";
}
inline std::string ValueText(const PropertyValue& v) {
    switch (v.type) {
        case PropertyValue::kInt: return "i" + std::to_string(v.value);
        case PropertyValue::kGuid: return "g" + GuidToHexString(v.guid);
        default: return "t" + v.text;
    }
}

// Walks the data properties from a reset to the end, and checks that the walk
// then stays at its end and leaves the out values alone.
inline std::vector<Step> WalkData(CObjectBase& r) {
    std::vector<Step> steps;
    PropertyValue v;
    int prop = 0;
    for (bool ok = r.IterateDataProperty(1, v, prop); ok && steps.size() < 100;
         ok = r.IterateDataProperty(0, v, prop))
        steps.push_back({ValueText(v), prop});
    v.type = 9;
    prop = -5;
    EXPECT_FALSE(r.IterateDataProperty(0, v, prop));
    EXPECT_EQ(9, v.type);
    EXPECT_EQ(-5, prop);
    return steps;
}

// The tech keys from a reset to the end.
inline std::vector<int> WalkKeys(CObjectBase& r) { return srtftest::TechKeys(r); }

}  // namespace sidtest

#endif
