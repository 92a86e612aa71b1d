// Relationship sections: fixture round trips, and the inter-model
// relationship section whose one list serves as both Base and Latest list
// (read, counted and written once).
#include <gtest/gtest.h>

#include <string>

#include "ipfmtwrite.h"
#include "model/ddrelationship.h"
#include "srtf_test_util.h"

namespace {

std::string SaveText(CSRTFContainer& doc) {
    doc.SetFilePath(srtftest::TempPath("saved.srtf"));
    doc.Save();
    return srtftest::ReadBytes(doc.GetFilePath());
}

void ReadText(CSRTFContainer& doc, const std::string& text) {
    const std::string path = srtftest::TempPath("in.srtf");
    srtftest::WriteBytes(path, text);
    doc.SetFilePath(path);
    doc.Read();
}

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(Model2Relationship, FixtureRoundTrips) {
    srtftest::ExpectRoundTrip("model/m2_relationship.srtf");
    // Later list first, record types in other letter case, and lines whose
    // record types only resemble the section's (skipped).
    srtftest::ExpectRoundTrip("model/m2_relationship_reordered.srtf",
                              "model/m2_relationship.srtf");
}

TEST(Model2Relationship, InterModelRelationshipsFormOneListCountedOnce) {
    CSRTFContainer doc;
    ReadText(doc, srtftest::Crlf("[DDInterModelRelationshipSection]\n"
                                 "InterModelRel = 1,11;\n"
                                 "intermodelrel = 2,12;\n"
                                 "INTERMODELREL = 3,13;\n"
                                 "InterModelRel_Latest = 4,14;\n"
                                 "InterModelRel_Base = 5,15;\n"));
    CSectionBase* s = doc.GetFirstSection(40);
    ASSERT_NE(nullptr, s);
    EXPECT_EQ(1, s->GetRecordTypeCount());
    ASSERT_EQ(s->GetLatestList(), s->GetBaseList());
    ASSERT_EQ(3u, s->GetLatestList()->size());
    for (int i = 0; i < 3; ++i) EXPECT_EQ(i + 1, (*s->GetLatestList())[i]->GetId());
    EXPECT_EQ(3, s->GetRecordCount());
    EXPECT_EQ(3, doc.CountObjects());

    // A record added from outside lands in the one list.
    CObjectBase* added = s->CreateRecord();
    ASSERT_NE(nullptr, dynamic_cast<CDDInterModelRelationship*>(added));
    added->SetId(9);
    added->SetForeignKey(19, 20);
    s->GetLatestList()->push_back(added);
    EXPECT_EQ(4, s->GetRecordCount());

    // The header's record count and the written lines count each record once.
    doc.CreateSection(0);
    const std::string saved = SaveText(doc);
    EXPECT_NE(std::string::npos, saved.find("Object_Count = 4;\r\n"));
    EXPECT_EQ(1u, Count(saved, "[DDInterModelRelationshipSection]"));
    EXPECT_EQ(4u, Count(saved, "InterModelRel = "));
    const std::string tail = ",\"\",\"\",0x00000000,0x00000000,0,0,0;\r\n";
    EXPECT_NE(std::string::npos,
              saved.find("\r\n\r\n# InterModelRelId, DiagramId, ObjectGUID, VersionGUID, ACL, "
                         "ObjectStatus, VersionId, ParentVersionId, VersionNumber;\r\n"
                         "\r\n[DDInterModelRelationshipSection]\r\n"
                         "InterModelRel = 1,11" + tail + "InterModelRel = 2,12" + tail +
                         "InterModelRel = 3,13" + tail + "InterModelRel = 9,19" + tail));
}

TEST(Model2Relationship, EveryInterModelRelationshipEntersTheIndex) {
    CDDInterModelRelationshipSection s;
    s.sectionId = 40;
    s.indexEnabled = 1;
    for (const char* v : {"5,1", "6,1", "5,2"}) {
        std::string type = "InterModelRel";
        s.DispatchRecord(type, v);
    }
    ASSERT_EQ(3u, s.GetLatestList()->size());
    ASSERT_EQ(2u, s.recordIndex.size());
    RecordKey k5{40, 5};
    EXPECT_EQ((*s.GetLatestList())[0], s.recordIndex.at(k5)) << "the first record of an id stays";
}

TEST(Model2Relationship, AddedRelationshipIsWrittenAfterEveryBaseLine) {
    CSRTFContainer doc;
    ReadText(doc, srtftest::Crlf("[DDRelationshipSection]\n"
                                 "Rel_Latest = 2;\n"
                                 "rel_base = 1;\n"
                                 "REL_BASE = 3;\n"));
    CSectionBase* s = doc.GetFirstSection(57);
    ASSERT_NE(nullptr, s);
    CObjectBase* added = s->CreateRecord();
    added->SetId(4);
    s->GetLatestList()->push_back(added);
    const std::string saved = SaveText(doc);
    const size_t b1 = saved.find("Rel_Base = 1,"), b3 = saved.find("Rel_Base = 3,");
    const size_t l2 = saved.find("Rel_Latest = 2,"), l4 = saved.find("Rel_Latest = 4,");
    ASSERT_NE(std::string::npos, b1);
    ASSERT_NE(std::string::npos, b3);
    ASSERT_NE(std::string::npos, l2);
    ASSERT_NE(std::string::npos, l4);
    EXPECT_LT(b1, b3);
    EXPECT_LT(b3, l2);
    EXPECT_LT(l2, l4);
}

TEST(Model2Relationship, ShortLineLeavesTheRestAtDefaults) {
    CDDRelationshipMemberSection s;
    std::string type = "RelMbr_Base";
    s.DispatchRecord(type, "1,2,3,4,5,6,7,8,9");
    ASSERT_EQ(1u, s.GetBaseList()->size());
    COutputLineBuffer b;
    s.GetBaseList()->front()->WriteColumns(b);
    EXPECT_EQ("1,2,3,4,5,6,7,8,9,\"\",\"\",0x00000000,0x00000000,0,0,0",
              std::string(b.Data(), static_cast<size_t>(b.Length())));
}

}  // namespace
