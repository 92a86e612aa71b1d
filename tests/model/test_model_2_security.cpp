// Database security sections: fixture round trips, and the role section that
// keeps its Latest list ahead of its Base list (reading, writing, record
// index).
#include <gtest/gtest.h>

#include <string>

#include "model/ddsecurity.h"
#include "srtf_test_util.h"

namespace {

const char kRoleComment[] =
    "\n\n# DatabaseRoleID, ModelID, Name, IdentificationType, Password, Flags, Description, "
    "NSTFlag, CompareFlags, ObjectGUID, VersionGUID, ACL, ObjectStatus, VersionId, "
    "ParentVersionId, VersionNumber;\n\n[DDDatabaseRoleSection]\n";

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

TEST(Model2Security, FixtureRoundTrips) {
    srtftest::ExpectRoundTrip("model/m2_security.srtf");
    // Later list first and record types in other letter case: written back
    // in list order with the record types as the section names them.
    srtftest::ExpectRoundTrip("model/m2_security_reordered.srtf", "model/m2_security.srtf");
}

TEST(Model2Security, RoleSectionWritesLatestBeforeBase) {
    CSRTFContainer doc;
    ReadText(doc, srtftest::Crlf("[DDDatabaseRoleSection]\n"
                                 "DatabaseRole_Base = 1,10,\"b1\",0,\"\",0,\"\",0,0;\n"
                                 "DatabaseRole_Base = 2,10,\"b2\",0,\"\",0,\"\",0,0;\n"
                                 "DatabaseRole_Latest = 3,10,\"l3\",0,\"p\"\"w\",0,\"\",0,0;\n"));
    CSectionBase* s = doc.GetFirstSection(14);
    ASSERT_NE(nullptr, s);
    ASSERT_EQ(1u, s->GetLatestList()->size());
    EXPECT_EQ(3, s->GetLatestList()->front()->GetId());
    ASSERT_EQ(2u, s->GetBaseList()->size());
    EXPECT_EQ(1, s->GetBaseList()->front()->GetId());
    EXPECT_EQ(3, s->GetRecordCount());
    EXPECT_EQ("p\"w", static_cast<CDDDatabaseRole*>(s->GetLatestList()->front())->Password);

    // A record added from outside joins the Latest list and is written with it.
    CObjectBase* added = s->CreateRecord();
    added->SetId(4);
    s->GetLatestList()->push_back(added);

    const std::string tail = ",\"\",\"\",0x00000000,0x00000000,0,0,0;\n";
    EXPECT_EQ(srtftest::Crlf(std::string(kRoleComment) +
                             "DatabaseRole_Latest = 3,10,\"l3\",0,\"p\"\"w\",0,\"\",0,0" + tail +
                             "DatabaseRole_Latest = 4,0,\"\",0,\"\",0,\"\",0,0" + tail +
                             "DatabaseRole_Base = 1,10,\"b1\",0,\"\",0,\"\",0,0" + tail +
                             "DatabaseRole_Base = 2,10,\"b2\",0,\"\",0,\"\",0,0" + tail),
              SaveText(doc));
}

TEST(Model2Security, RoleSectionWithOnlyBaseRecordsOrNone) {
    CSRTFContainer doc;
    ReadText(doc, srtftest::Crlf("[DDDatabaseRoleSection]\n"
                                 "databaserole_base = 1,2,\"n\",3,\"\",4,\"d\",5,6;\n"));
    EXPECT_EQ(srtftest::Crlf(std::string(kRoleComment) +
                             "DatabaseRole_Base = 1,2,\"n\",3,\"\",4,\"d\",5,6,\"\",\"\","
                             "0x00000000,0x00000000,0,0,0;\n"),
              SaveText(doc));

    CSRTFContainer empty;
    empty.CreateSection(14);
    EXPECT_EQ(srtftest::Crlf(kRoleComment), SaveText(empty));
}

TEST(Model2Security, RecordIndexTakesLatestRecordsOnly) {
    // The index is off in every document; a section that enables it enters
    // its Latest records, the first record of an id staying.
    CDDDatabaseRoleSection s;
    s.sectionId = 14;
    s.indexEnabled = 1;
    const struct {
        const char* type;
        const char* value;
    } lines[] = {
        {"DatabaseRole_Base", "7,1"},
        {"DATABASEROLE_LATEST", "8,1"},
        {"DatabaseRole_Latest", "8,2"},
        {"DatabaseRole_Latest", "9,1"},
    };
    for (const auto& l : lines) {
        std::string type = l.type;
        s.DispatchRecord(type, l.value);
    }
    ASSERT_EQ(3u, s.GetLatestList()->size());
    ASSERT_EQ(1u, s.GetBaseList()->size());
    ASSERT_EQ(2u, s.recordIndex.size());
    RecordKey k8{14, 8}, k7{14, 7};
    EXPECT_EQ((*s.GetLatestList())[0], s.recordIndex.at(k8));
    EXPECT_EQ(0u, s.recordIndex.count(k7));

    CDDDatabaseRoleSection off;  // the default
    std::string type = "DatabaseRole_Latest";
    off.DispatchRecord(type, "8,1");
    EXPECT_EQ("DATABASEROLE_LATEST", type) << "the record type is upper-cased in place";
    EXPECT_TRUE(off.recordIndex.empty());
}

TEST(Model2Security, ForeignRecordTypesAreIgnored) {
    CDDUserRoleMemberSection s;
    for (const char* t : {"DatabaseRole_Latest", "User_Role_Member", "UserRoleMember_Base",
                          "User_Role_Member_Latest "}) {
        std::string type = t;
        s.DispatchRecord(type, "1,2,3,4");
    }
    EXPECT_EQ(0, s.GetRecordCount());
}

}  // namespace
