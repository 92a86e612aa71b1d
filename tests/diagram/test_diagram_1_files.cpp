// Files of the diagram, entity, view, relationship, line, shape, edge,
// graphic-object, path-node, docking and display-default sections: each
// fixture holds the kinds of one family with a Base and a Latest line of
// distinct values and must be written back byte for byte; its variant with
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

void PrintTo(const FixtureCase& f, std::ostream* os) { *os << f.name; }

const std::vector<FixtureCase>& Fixtures() {
    static const std::vector<FixtureCase> cases = {
        {"dg1_diagram_display", {21}},
        {"dg1_object_display", {32, 86}},
        {"dg1_relationship_display", {58}},
        {"dg1_line_display", {74, 88}},
        {"dg1_shape", {63, 64}},
        {"dg1_shape_edge", {65, 66}},
        {"dg1_schema_obj_edge", {62, 71, 210}},
        {"dg1_graphic_object", {36, 51}},
        {"dg1_docking_position", {27, 28}},
        {"dg1_display_defaults", {11, 34, 37}},
    };
    return cases;
}

std::string Path(const FixtureCase& f, const char* suffix = "") {
    return std::string("diagram/") + f.name + suffix + ".srtf";
}

class Diagram1Files : public ::testing::TestWithParam<FixtureCase> {};

TEST_P(Diagram1Files, RoundTripKeepsEveryColumn) { srtftest::ExpectRoundTrip(Path(GetParam())); }

TEST_P(Diagram1Files, LatestFirstAndOtherCaseAreWrittenInListOrder) {
    srtftest::ExpectRoundTrip(Path(GetParam(), "_swapped"), Path(GetParam()));
}

TEST_P(Diagram1Files, EachSectionHoldsOneBaseAndOneLatestRecord) {
    CSRTFContainer doc;
    doc.SetFilePath(srtftest::FixturePath(Path(GetParam())));
    doc.Read();
    for (int id : GetParam().sectionIds) {
        CSectionBase* s = doc.GetFirstSection(id);
        ASSERT_TRUE(s) << "section " << id;
        EXPECT_EQ(id, s->sectionId);
        EXPECT_EQ(1u, s->GetBaseList()->size()) << "section " << id;
        EXPECT_EQ(1u, s->GetLatestList()->size()) << "section " << id;
        EXPECT_EQ(2, s->GetRecordCount()) << "section " << id;
    }
}

TEST_P(Diagram1Files, EmptySectionsWriteCommentAndBracketLines) {
    // The fixture without its record lines is what empty sections write.
    const std::string full = srtftest::ReadBytes(srtftest::FixturePath(Path(GetParam())));
    ASSERT_FALSE(full.empty());
    std::string want;
    for (size_t at = 0; at < full.size();) {
        size_t end = full.find('\n', at);
        end = end == std::string::npos ? full.size() : end + 1;
        const std::string line = full.substr(at, end - at);
        if (line.find(" = ") == std::string::npos) want += line;
        at = end;
    }
    CSRTFContainer doc;
    for (int id : GetParam().sectionIds) {
        CSectionBase* s = doc.CreateSection(id);
        ASSERT_TRUE(s) << "section " << id;
        EXPECT_EQ(0, s->GetRecordCount());
    }
    const std::string out = srtftest::TempPath("empty.srtf");
    doc.SetFilePath(out);
    doc.Save();
    EXPECT_EQ(want, srtftest::ReadBytes(out));
}

INSTANTIATE_TEST_SUITE_P(Diagram1, Diagram1Files, ::testing::ValuesIn(Fixtures()),
                         [](const ::testing::TestParamInfo<FixtureCase>& i) {
                             return std::string(i.param.name);
                         });

}  // namespace
