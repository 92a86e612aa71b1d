// Referenced-object and where-used sections: file round trip, the key cursor
// that the tech-key and foreign-key walks share, and the where-used record
// that has no id of its own.
#include <gtest/gtest.h>

#include "srtf_test_util.h"

namespace {

TEST(ModelReferenced4, FileRoundTrip) {
    srtftest::ExpectRoundTrip("model/m4_referenced.srtf");
    // Latest lines before Base lines, record types in other letter case.
    srtftest::ExpectRoundTrip("model/m4_referenced_swapped.srtf", "model/m4_referenced.srtf");
}

// Five foreign keys among seven tech keys: after two tech-key steps the
// foreign-key walk goes on with the key numbered 2 (TableRowId, 31).
TEST(ModelReferenced4, ForeignKeyWalkSharesTheTechKeyCursor) {
    CSRTFContainer doc;
    CSectionBase* s = doc.CreateSection(55);
    std::string type = "Referenced_Object_Latest";
    s->DispatchRecord(type, "1,2,3,4,5,6,7");
    CObjectBase* r = s->GetLatestList()->at(0);
    int key = 0;
    ASSERT_TRUE(r->IterateTechKeyProperty(1, key));
    ASSERT_TRUE(r->IterateTechKeyProperty(0, key));
    ForeignKeyRef fk;
    const std::pair<int, int> rest[] = {{4, 31}, {6, 16}, {7, 67}};
    for (const auto& want : rest) {
        ASSERT_TRUE(r->IterateForeignKey(0, fk));
        EXPECT_EQ(want, std::make_pair(fk.keyValue, fk.objectType));
    }
    EXPECT_FALSE(r->IterateForeignKey(0, fk));
    // The tech-key walk goes on from the same cursor: position 5, DbPackageId.
    ASSERT_TRUE(r->IterateTechKeyProperty(0, key));
    EXPECT_EQ(6, key);
    ASSERT_TRUE(r->IterateTechKeyProperty(1, key));
    EXPECT_EQ(1, key);
}

// GetId answers 0 and SetId stores nothing, so WhereUsedId survives SetId and
// is written back as read; an empty row GUID is the zero GUID, reported with
// value kind GUID and written as "".
TEST(ModelReferenced4, WhereUsedRecordHasNoId) {
    const std::string text = srtftest::Crlf(
        "\n\n# WhereUsedId, AMetaTableId, ATableRowGUID, BMetaTableId, BTableRowGUID, Flags, "
        "ObjectGUID, VersionGUID, ACL, ObjectStatus, VersionId, ParentVersionId, VersionNumber;\n"
        "\n[DDWhereUsedPDSection]\n"
        "WhereUsedPD_Base = 6,1,\"\",2,\"\",0,\"\",\"\",0x00000000,0x00000000,0,0,0;\n"
        "WhereUsedPD_Latest = 7,3,\"\",4,\"b0b1b2b3b4b5b6b7b8b9babbbcbdbebf\",12,\"\",\"\","
        "0x00000000,0x00000000,0,0,0;\n"
        "WhereUsedPD_Latest = 8,5,\"a0a1a2a3a4a5a6a7a8a9aaabacadaeaf\",6,\"\",13,\"\",\"\","
        "0x00000000,0x00000000,0,0,0;\n");
    const std::string in = srtftest::TempPath("in.srtf");
    srtftest::WriteBytes(in, text);
    CSRTFContainer doc;
    doc.SetFilePath(in);
    doc.Read();
    CSectionBase* s = doc.GetFirstSection(220);
    ASSERT_NE(nullptr, s);
    ASSERT_EQ(2u, s->GetLatestList()->size());
    for (CObjectBase* r : *s->GetLatestList()) {
        EXPECT_EQ(0, r->GetId());
        r->SetId(9);
        EXPECT_EQ(0, r->GetId());
    }
    CObjectBase* first = s->GetLatestList()->at(0);
    int key = 0;
    ASSERT_TRUE(first->IterateTechKeyProperty(1, key));
    EXPECT_EQ(7, key);

    PropertyValue v;
    v.guid = HexStringToGuid("ffffffffffffffffffffffffffffffff");
    int prop = 0;
    ASSERT_TRUE(first->IterateDataProperty(1, v, prop));
    EXPECT_EQ(PropertyValue::kGuid, v.type);
    EXPECT_EQ(30041, prop);
    EXPECT_EQ(SrtfGuid(), v.guid);

    const std::string out = srtftest::TempPath("out.srtf");
    doc.SetFilePath(out);
    doc.Save();
    EXPECT_EQ(text, srtftest::ReadBytes(out));
}

// With the index on, every Latest where-used record has the key {220, 0}:
// only the first one is entered.
TEST(ModelReferenced4, WhereUsedRecordsShareOneIndexKey) {
    CSRTFContainer doc;
    CSectionBase* s = doc.CreateSection(220);
    s->indexEnabled = 1;
    for (const char* line : {"7,1,\"\",2,\"\",0", "8,3,\"\",4,\"\",0"}) {
        std::string type = "WhereUsedPD_Latest";
        s->DispatchRecord(type, line);
    }
    ASSERT_EQ(1u, s->recordIndex.size());
    const auto& entry = *s->recordIndex.begin();
    EXPECT_EQ(220, entry.first.sectionId);
    EXPECT_EQ(0u, entry.first.id);
    EXPECT_EQ(s->GetLatestList()->at(0), entry.second);
}

}  // namespace
