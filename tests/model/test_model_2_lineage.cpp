// Lineage sections: fixture round trips and a short line.
#include <gtest/gtest.h>

#include <string>

#include "ipfmtwrite.h"
#include "model/ddlineage.h"
#include "srtf_test_util.h"

namespace {

TEST(Model2Lineage, FixtureRoundTrips) {
    srtftest::ExpectRoundTrip("model/m2_lineage.srtf");
    srtftest::ExpectRoundTrip("model/m2_lineage_reordered.srtf", "model/m2_lineage.srtf");
}

TEST(Model2Lineage, ShortLineLeavesTheRestAtDefaults) {
    CDDLineageComponentSection s;
    std::string type = "LineageComponent_Latest";
    s.DispatchRecord(type, "1,2,3,4");
    ASSERT_EQ(1u, s.GetLatestList()->size());
    auto* rec = static_cast<CDDLineageComponent*>(s.GetLatestList()->front());
    EXPECT_EQ(4, rec->TableRowId);
    EXPECT_EQ("", rec->DisplayName);
    COutputLineBuffer b;
    rec->WriteColumns(b);
    EXPECT_EQ("1,2,3,4,\"\",\"\",\"\",0x00000000,0x00000000,0,0,0",
              std::string(b.Data(), static_cast<size_t>(b.Length())));
}

}  // namespace
