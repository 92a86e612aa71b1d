// Files of the view, view-component, comment, procedure and storage sections:
// each fixture holds every kind of one family with a Base and a Latest line
// of distinct values and must be written back byte for byte; its variant with
// the Latest lines first and the record types in other letter case must be
// written in the fixture's form; and empty sections still write their comment
// and bracket lines.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "srtf_test_util.h"

namespace {

struct FixtureCase {
    const char* name;
    std::vector<int> sectionIds;
};

const std::vector<FixtureCase>& Fixtures() {
    static const std::vector<FixtureCase> cases = {
        {"m3_views", {18, 33, 84, 87, 89}},
        {"m3_viewparts", {12, 85, 224, 225}},
        {"m3_comments", {188, 202}},
        {"m3_procedures", {16, 17, 52, 77}},
        {"m3_storage", {39, 67, 76}},
    };
    return cases;
}

void PrintTo(const FixtureCase& f, std::ostream* os) { *os << f.name; }

class Model3Files : public ::testing::TestWithParam<FixtureCase> {};

TEST_P(Model3Files, RoundTripKeepsEveryColumn) {
    srtftest::ExpectRoundTrip(std::string("model/") + GetParam().name + ".srtf");
}

TEST_P(Model3Files, LatestFirstAndOtherCaseAreWrittenInListOrder) {
    const std::string name = std::string("model/") + GetParam().name;
    srtftest::ExpectRoundTrip(name + "_reordered.srtf", name + ".srtf");
}

TEST_P(Model3Files, RecordCountsPerSection) {
    CSRTFContainer doc;
    srtftest::ReadAndSave(srtftest::FixturePath(std::string("model/") + GetParam().name + ".srtf"),
                          doc);
    for (int id : GetParam().sectionIds) {
        CSectionBase* s = doc.GetFirstSection(id);
        ASSERT_TRUE(s) << "section " << id;
        EXPECT_EQ(id, s->sectionId);
        EXPECT_EQ(1u, s->GetBaseList()->size()) << "section " << id;
        EXPECT_EQ(1u, s->GetLatestList()->size()) << "section " << id;
        EXPECT_EQ(2, s->GetRecordCount()) << "section " << id;
    }
}

TEST_P(Model3Files, EmptySectionsWriteCommentAndBracketLines) {
    // The fixture without its record lines is what empty sections write.
    const std::string full =
        srtftest::ReadBytes(srtftest::FixturePath(std::string("model/") + GetParam().name + ".srtf"));
    ASSERT_FALSE(full.empty());
    std::string want;
    size_t at = 0;
    while (at < full.size()) {
        size_t end = full.find('\n', at);
        end = end == std::string::npos ? full.size() : end + 1;
        const std::string line = full.substr(at, end - at);
        if (line.find(" = ") == std::string::npos) want += line;
        at = end;
    }

    CSRTFContainer doc;
    for (int id : GetParam().sectionIds) {
        CSectionBase* s = doc.CreateSection(id);
        ASSERT_TRUE(s);
        EXPECT_EQ(0, s->GetRecordCount());
    }
    const std::string out = srtftest::TempPath("empty.srtf");
    doc.SetFilePath(out);
    doc.Save();
    EXPECT_EQ(want, srtftest::ReadBytes(out));
}

INSTANTIATE_TEST_SUITE_P(All, Model3Files, ::testing::ValuesIn(Fixtures()),
                         [](const ::testing::TestParamInfo<FixtureCase>& i) {
                             return std::string(i.param.name);
                         });

}  // namespace
