// Round trips of the request, option, detail report, user administration,
// role and further error report sections, and what every one of these
// section kinds answers as the factory makes it.
#include <gtest/gtest.h>

#include "repo_test_util.h"

namespace {

TEST(Repo2RoundTrip, FixturesReadBackByteForByte) {
    struct Case {
        const char* name;
        int objects;  // records counted into the header's Object_Count
    } cases[] = {
        {"errorreports", 0},   {"detailreports", 3}, {"requestselection", 5},
        {"dependencyselection", 4}, {"requestoptions", 2}, {"useradmin", 3},
        {"roles", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string fixture = std::string("repository/r2_") + c.name + ".srtf";
        srtftest::ExpectRoundTrip(fixture);
        // Sections in reverse order without comment lines, keys in reverse
        // order, record types and keys in other letter case, unknown keys
        // and record types: written back in id, key-table and list order.
        srtftest::ExpectRoundTrip(std::string("repository/r2_") + c.name + "-variant.srtf", fixture);
        CSRTFContainer doc;
        doc.SetFilePath(srtftest::FixturePath(fixture));
        doc.Read();
        EXPECT_EQ(c.objects, doc.CountObjects());
    }
}

// Every kind as the factory makes it: its shape, and none of the list and
// record operations that the Java side would use.
TEST(Repo2RoundTrip, FactoryMakesEachKindWithItsShape) {
    struct Case {
        int id;
        int typeCount;  // keys of a key-value section, 1 for a record section
        bool records;
    } cases[] = {
        {1, 1, true},    {2, 1, true},    {117, 1, true},  {118, 1, true},  {119, 1, false},
        {122, 4, false}, {123, 4, false}, {124, 1, true},  {125, 3, false}, {126, 1, true},
        {127, 1, true},  {129, 1, true},  {131, 1, true},  {132, 3, false}, {136, 5, false},
        {137, 3, false}, {139, 1, true},  {140, 1, true},  {143, 6, false}, {144, 1, true},
        {145, 1, true},  {146, 1, true},  {148, 1, true},  {149, 1, true},  {150, 1, true},
        {151, 3, false}, {158, 2, false}, {159, 4, false}, {160, 1, true},  {161, 1, true},
        {162, 1, true},  {163, 1, true},  {164, 5, false}, {168, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        std::unique_ptr<CSectionBase> s = repotest::MakeSection(c.id);
        ASSERT_NE(nullptr, s);
        EXPECT_EQ(c.typeCount, s->GetRecordTypeCount());
        EXPECT_EQ(c.records, dynamic_cast<COneListSection*>(s.get()) != nullptr);
        EXPECT_EQ(!c.records, dynamic_cast<CKeyValueSection*>(s.get()) != nullptr);
        EXPECT_EQ(0, s->GetRecordCount());
        EXPECT_EQ(nullptr, s->GetRecordList());
        EXPECT_EQ(nullptr, s->GetLatestList());
        EXPECT_EQ(nullptr, s->GetBaseList());
        EXPECT_EQ(nullptr, s->CreateRecord());
        // The header line carries the name whose upper case is the keyword.
        const std::string text = repotest::Written(*s);
        const size_t open = text.find("\r\n[");
        ASSERT_NE(std::string::npos, open);
        std::string name = text.substr(open + 3, text.find(']', open) - open - 3);
        for (char& ch : name) ch = AsciiToUpper(ch);
        EXPECT_EQ(SectionKeywordOf(c.id), name);
    }
}

}  // namespace
