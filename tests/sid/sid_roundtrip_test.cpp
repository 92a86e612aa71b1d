// Fixture round trips of the SID section families: each file carries two
// lines of every kind of its family, with distinct values in every column;
// its variant spells the record types in other letter case, has no comment
// lines and slips a line of a neighbouring kind's record type into each
// section, which that section passes over.
#include "sid_test_util.h"

namespace {

TEST(SidRoundTrip, EveryFamilyReadsAndWritesBackUnchanged) {
    struct Case {
        const char* name;
        int kinds;
    } cases[] = {
        {"models", 8}, {"views", 5}, {"lists", 2}, {"displays", 9}, {"dictionary", 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string fixture = std::string("sid/") + c.name + ".srtf";
        srtftest::ExpectRoundTrip(fixture);
        srtftest::ExpectRoundTrip(std::string("sid/") + c.name + "-variant.srtf", fixture);

        // Every record is counted into the header's object count.
        CSRTFContainer doc;
        doc.SetFilePath(srtftest::FixturePath(fixture));
        doc.Read();
        EXPECT_EQ(2 * c.kinds, doc.CountObjects());
    }
}

}  // namespace
