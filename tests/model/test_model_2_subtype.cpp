// Subtype and supertype sections: fixture round trips, the own id in the
// second column, and the discriminator GUID.
#include <gtest/gtest.h>

#include <string>

#include "ipfmtwrite.h"
#include "model/ddsubtype.h"
#include "srtf_test_util.h"

namespace {

std::string Written(CObjectBase& rec) {
    COutputLineBuffer b;
    rec.WriteColumns(b);
    return std::string(b.Data(), static_cast<size_t>(b.Length()));
}

TEST(Model2Subtype, FixtureRoundTrips) {
    srtftest::ExpectRoundTrip("model/m2_subtype.srtf");
    srtftest::ExpectRoundTrip("model/m2_subtype_reordered.srtf", "model/m2_subtype.srtf");
}

TEST(Model2Subtype, OwnIdIsTheSecondColumn) {
    CDDSubtypeSection s;
    s.sectionId = 72;
    s.indexEnabled = 1;
    std::string type = "Subtype_Latest";
    s.DispatchRecord(type, "5,9");
    ASSERT_EQ(1u, s.GetLatestList()->size());
    auto* rec = static_cast<CDDSubtype*>(s.GetLatestList()->front());
    EXPECT_EQ(9, rec->GetId());
    EXPECT_EQ(5, rec->ChildEntityId);
    RecordKey key{72, 9};
    EXPECT_EQ(1u, s.recordIndex.count(key));

    CDDSupertype sup;
    sup.SetId(4);
    EXPECT_EQ(4, sup.SupertypeId);
    EXPECT_EQ(0, sup.EntityId);
}

TEST(Model2Subtype, DiscriminatorGuidReadsAndWritesBack) {
    const struct {
        const char* line;
        bool zero;
    } cases[] = {
        {"1,2,\"s\",\"t\",3,4,\"00112233445566778899aabbccddeeff\",5", false},
        {"1,2,\"s\",\"t\",3,4,\"\",5", true},
    };
    for (const auto& c : cases) {
        CDDSupertype rec;
        CSectionBase::ParseRecordFields(c.line, &rec);
        EXPECT_EQ(c.zero, rec.DiscriminatorGUID.IsZero()) << c.line;
        EXPECT_EQ(std::string(c.line) + ",\"\",\"\",0x00000000,0x00000000,0,0,0", Written(rec));
    }
}

}  // namespace
