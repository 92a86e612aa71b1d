// Group, repository control, status report, history, repository object and
// project, branch and merge, and task sections: every kind read from a file
// and saved again unchanged.
#include <gtest/gtest.h>

#include "srtf_test_util.h"

namespace {

TEST(Repo3RoundTrip, FilesReadAndSavedUnchanged) {
    // The variants hold the same records with record types and keys in other
    // letter case, keys in reverse order, unknown record types and keys, no
    // comment lines and the sections in falling id order: the save writes
    // them back in key-table, file and section-id order.
    struct Case {
        const char* name;
        int objectCount;  // records counted into the header's Object_Count
    } cases[] = {
        {"groups", 6},      {"repocontrol", 0}, {"statusreports", 12}, {"history", 4},
        {"repoprojects", 10}, {"branchmerge", 4}, {"tasks", 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string fixture = std::string("repository/r3_") + c.name + ".srtf";
        const std::string variant = std::string("repository/r3_") + c.name + "-variant.srtf";
        srtftest::ExpectRoundTrip(fixture);
        srtftest::ExpectRoundTrip(variant, fixture);
        CSRTFContainer doc;
        doc.SetFilePath(srtftest::FixturePath(fixture));
        doc.Read();
        EXPECT_EQ(c.objectCount, doc.CountObjects());
    }
}

}  // namespace
