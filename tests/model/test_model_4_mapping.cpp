// Mapping and subject-area sections: file round trip and the row GUIDs of a
// universal mapping.
#include <gtest/gtest.h>

#include "ipfmtwrite.h"
#include "srtf_test_util.h"

namespace {

TEST(ModelMapping4, FileRoundTrip) {
    srtftest::ExpectRoundTrip("model/m4_mapping.srtf");
    // Latest lines before Base lines, record types in other letter case.
    srtftest::ExpectRoundTrip("model/m4_mapping_swapped.srtf", "model/m4_mapping.srtf");
}

// A row GUID that is empty or yields fewer than 16 bytes is the zero GUID:
// reported with value kind GUID and written as "".
TEST(ModelMapping4, ShortOrEmptyRowGuidIsZero) {
    struct Case {
        const char* rowGuid;
    };
    for (const Case& c : {Case{"\"\""}, Case{"\"a0a1a2\""}, Case{""}}) {
        SCOPED_TRACE(c.rowGuid);
        CSRTFContainer doc;
        CSectionBase* s = doc.CreateSection(211);
        std::string type = "UniversalMapping_Latest";
        s->DispatchRecord(type, std::string("5,7,") + c.rowGuid +
                                    ",8,\"b0b1b2b3b4b5b6b7b8b9babbbcbdbebf\",\"d\",9,\"n\"");
        CObjectBase* r = s->GetLatestList()->at(0);
        PropertyValue v;
        v.guid = HexStringToGuid("ffffffffffffffffffffffffffffffff");
        int prop = 0;
        ASSERT_TRUE(r->IterateDataProperty(1, v, prop));
        EXPECT_EQ(PropertyValue::kGuid, v.type);
        EXPECT_EQ(29942, prop);
        EXPECT_EQ(SrtfGuid(), v.guid);
        COutputLineBuffer b;
        r->WriteColumns(b);
        EXPECT_EQ(0, std::string(b.Data()).find(
                         "5,7,\"\",8,\"b0b1b2b3b4b5b6b7b8b9babbbcbdbebf\",\"d\",9,\"n\","));
    }
}

}  // namespace
