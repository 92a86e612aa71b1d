// Denormalisation sections: file round trip and the member section, which
// keeps its Latest list first.
#include <gtest/gtest.h>

#include <cstring>

#include "srtf_test_util.h"

namespace {

const char* const kMemberComment =
    "\n\n# DenormMemberId, DenormMappingId, DenormalizedObjectId, TargetMetaTableId, "
    "TargetTableRowId, Flags, ObjectGUID, VersionGUID, ACL, ObjectStatus, VersionId, "
    "ParentVersionId, VersionNumber;\n\n[DDDenormMemberSection]\n";
const char* const kTail = ",\"\",\"\",0x00000000,0x00000000,0,0,0;\n";

std::string MemberLine(const char* type, int id) {
    return std::string(type) + " = " + std::to_string(id) + ",2,3,4,5,6" + kTail;
}

std::vector<int> Ids(const RecordList& list) {
    std::vector<int> ids;
    for (CObjectBase* r : list) ids.push_back(r->GetId());
    return ids;
}

TEST(ModelDenorm4, FileRoundTrip) {
    srtftest::ExpectRoundTrip("model/m4_denorm.srtf");
    // Base lines before Latest lines, record types in other letter case.
    srtftest::ExpectRoundTrip("model/m4_denorm_swapped.srtf", "model/m4_denorm.srtf");
}

// Lines of both types in mixed order come back with every Latest line first,
// each group in read order; the lists still answer as Latest and Base.
TEST(ModelDenorm4, MemberSectionWritesLatestListFirst) {
    const std::string in = srtftest::TempPath("in.srtf");
    srtftest::WriteBytes(in, srtftest::Crlf(std::string(kMemberComment) +
                                            MemberLine("DenormMember_Base", 1) +
                                            MemberLine("denormmember_latest", 2) +
                                            MemberLine("DENORMMEMBER_BASE", 3) +
                                            MemberLine("DenormMember_Latest", 4)));
    CSRTFContainer doc;
    const std::string saved = srtftest::ReadAndSave(in, doc);
    EXPECT_EQ(srtftest::Crlf(std::string(kMemberComment) + MemberLine("DenormMember_Latest", 2) +
                             MemberLine("DenormMember_Latest", 4) +
                             MemberLine("DenormMember_Base", 1) +
                             MemberLine("DenormMember_Base", 3)),
              saved);

    CSectionBase* s = doc.GetFirstSection(205);
    ASSERT_NE(nullptr, s);
    EXPECT_EQ((std::vector<int>{2, 4}), Ids(*s->GetLatestList()));
    EXPECT_EQ((std::vector<int>{1, 3}), Ids(*s->GetBaseList()));
    EXPECT_EQ(4, s->GetRecordCount());
    ASSERT_EQ(2, s->GetRecordTypeCount());
    EXPECT_STREQ("DenormMember_Latest", s->GetRecordTypeTable()[0].recordType);
    EXPECT_STREQ("DenormMember_Base", s->GetRecordTypeTable()[1].recordType);
}

// The record index takes the records of the Latest list, which is the first
// list here, and never those of the Base list.
TEST(ModelDenorm4, MemberSectionIndexesLatestRecordsOnly) {
    CSRTFContainer doc;
    CSectionBase* s = doc.CreateSection(205);
    s->indexEnabled = 1;
    std::string base = "DenormMember_Base", latest = "DenormMember_Latest";
    s->DispatchRecord(base, "5,2,3,4,5,6");
    s->DispatchRecord(latest, "6,2,3,4,5,6");
    ASSERT_EQ(1u, s->recordIndex.size());
    EXPECT_EQ(205, s->recordIndex.begin()->first.sectionId);
    EXPECT_EQ(6u, s->recordIndex.begin()->first.id);
    EXPECT_EQ(s->GetLatestList()->at(0), s->recordIndex.begin()->second);
}

TEST(ModelDenorm4, EmptyMemberSectionWritesCommentAndHeaderOnly) {
    CSRTFContainer doc;
    doc.CreateSection(205);
    const std::string out = srtftest::TempPath("out.srtf");
    doc.SetFilePath(out);
    doc.Save();
    EXPECT_EQ(srtftest::Crlf(kMemberComment), srtftest::ReadBytes(out));
}

}  // namespace
