// Local object, user information, user selection and lookup sections, and
// what every section with a Java-side record list offers.
#include <gtest/gtest.h>

#include <functional>

#include "repo_test_util.h"
#include "repository/localobject.h"
#include "repository/roleprivilege.h"

namespace {

using repotest::Expected;
using repotest::WalkData;

SrtfGuid GuidOf(const char* hex) {
    SrtfGuid g;
    GuidFromHexString(g, hex);
    return g;
}

TEST(RepoLocalObject, RoundTrip) {
    srtftest::ExpectRoundTrip("repository/localobject.srtf");
    // Record types in other case, an unknown record type, no comment lines.
    srtftest::ExpectRoundTrip("repository/localobject-variant.srtf",
                              "repository/localobject.srtf");
    CSRTFContainer doc;
    doc.SetFilePath(srtftest::FixturePath("repository/localobject.srtf"));
    doc.Read();
    EXPECT_EQ(8, doc.CountObjects());
}

// The seven sections whose record lists the Java side reaches directly.
TEST(RepoLocalObject, JavaListSectionsOfferTheirListAndRecordClass) {
    struct Case {
        int id;
        const char* text;  // what an empty section writes
        std::function<bool(CObjectBase*)> isRecordClass;
    } cases[] = {
        {3, "\n\n# InSyncVerGUID, ObjectType, ObjectStatus, ObjectGUID, GroupId;\n\n"
            "[LocalObjectSection]\n",
         [](CObjectBase* r) { return dynamic_cast<CLocalObject*>(r) != nullptr; }},
        {130, "\n\n# UserName, Status, Password, Description, RepoUserID, ItemsCheckedOut, "
              "NewUserName, IsLoggedIn;\n\n[UserInfoSection]\n",
         [](CObjectBase* r) { return dynamic_cast<CUserInfo*>(r) != nullptr; }},
        {138, "\n\n# ObjectTechKey, ObjectGUID, ObjectType, Flag, VersionGUID, NavigationID;\n\n"
              "[UserSelectionSection]\n",
         [](CObjectBase* r) { return dynamic_cast<CUserSelection*>(r) != nullptr; }},
        {213, "\n\n# ContainerGUID, ParentGUID, ObjectGUID, ObjectType, Flags, Text;\n\n"
              "[LookupInfoSection]\n",
         [](CObjectBase* r) { return dynamic_cast<CLookupInfo*>(r) != nullptr; }},
        {171, "\n\n# RepoRoleId, PrivilegeId, RoleName, RoleDescription, PrivilegeName, "
              "ObjectCategoryName, RolePrivilegeId, ObjectCategoryId, Status;\n\n"
              "[RolePrivilegeSection]\n",
         [](CObjectBase* r) { return dynamic_cast<CRolePrivilege*>(r) != nullptr; }},
        {172, "\n\n# ObjectCategoryID, DiagramID, SubModelID, ObjectGUID, ReleasePrivilegeId, "
              "ProjectPrivilegeId, RepositoryPrivilegeId, ObjectPrivilegeId, CtlObjectId, "
              "ReleaseId, ParentName, RepoUserId, RepoRoleId, RepoUserName, RepoRoleName, "
              "Status, ProjectID, ModelID, Name, FileName;\n\n[RepoObjectPrivilegeSection]\n",
         [](CObjectBase* r) { return dynamic_cast<CRepoObjectPrivilege*>(r) != nullptr; }},
        {173, "\n\n# RoleName, RoleId, RoleDescription, Status;\n\n[RepoRoleInfoSection]\n",
         [](CObjectBase* r) { return dynamic_cast<CRepoRoleInfo*>(r) != nullptr; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        std::unique_ptr<CSectionBase> s = repotest::MakeSection(c.id);
        ASSERT_NE(nullptr, s);
        auto* list = dynamic_cast<COneListSection*>(s.get());
        ASSERT_NE(nullptr, list);
        EXPECT_EQ(srtftest::Crlf(c.text), repotest::Written(*s));
        EXPECT_EQ(0, s->GetRecordCount());
        // The list is reached directly, never through the section operations.
        EXPECT_EQ(nullptr, s->GetRecordList());
        EXPECT_EQ(nullptr, s->GetLatestList());
        EXPECT_EQ(nullptr, s->GetBaseList());
        EXPECT_EQ(nullptr, s->CreateRecord());
        CObjectBase* r = list->Kind().create();
        EXPECT_TRUE(c.isRecordClass(r));
        repotest::ExpectNoKeys(*r);
        list->Records().push_back(r);  // the section owns it from now on
        EXPECT_EQ(1, s->GetRecordCount());
    }
}

TEST(RepoLocalObject, DataWalksReportValueTypesAndPropertyIds) {
    CLocalObject local;
    EXPECT_EQ(Expected("20121", {{4, 29486}}), WalkData(local));
    CUserInfo user;
    EXPECT_EQ(Expected("00001101"), WalkData(user));
    CUserSelection selection;
    EXPECT_EQ(Expected("120121"), WalkData(selection));
    CLookupInfo lookup;
    EXPECT_EQ(Expected("222010"), WalkData(lookup));
}

TEST(RepoLocalObject, DataWalkReportsTheColumnValues) {
    auto doc = repotest::ReadText(
        "[LocalObjectSection]\n"
        "Object = \"0102030405060708090a0b0c0d0e0f10\",\"Entity\",0x8000000F,"
        "\"a1a2a3a4a5a6a7a8a9aaabacadaeafb0\",-3;\n");
    auto* s = static_cast<COneListSection*>(doc->GetFirstSection(3));
    ASSERT_EQ(1u, s->Records().size());
    CObjectBase& r = *s->Records()[0];
    PropertyValue v;
    int prop = -1;
    ASSERT_TRUE(r.IterateDataProperty(1, v, prop));
    EXPECT_EQ(GuidOf("0102030405060708090a0b0c0d0e0f10"), v.guid);
    ASSERT_TRUE(r.IterateDataProperty(0, v, prop));
    EXPECT_EQ("Entity", v.text);
    ASSERT_TRUE(r.IterateDataProperty(0, v, prop));
    EXPECT_EQ(static_cast<int>(0x8000000F), v.value);
    ASSERT_TRUE(r.IterateDataProperty(0, v, prop));
    EXPECT_EQ(GuidOf("a1a2a3a4a5a6a7a8a9aaabacadaeafb0"), v.guid);
    ASSERT_TRUE(r.IterateDataProperty(0, v, prop));
    EXPECT_EQ(-3, v.value);
    EXPECT_EQ(29486, prop);
    // A reset starts the walk over.
    ASSERT_TRUE(r.IterateDataProperty(1, v, prop));
    EXPECT_EQ(2, v.type);
    EXPECT_EQ(0, prop);
}

TEST(RepoLocalObject, RecordAddedThroughJavaSideIsWrittenAfterTheFileRecords) {
    CSRTFContainer doc;
    doc.SetFilePath(srtftest::FixturePath("repository/localobject.srtf"));
    doc.Read();
    auto* s = static_cast<COneListSection*>(doc.GetFirstSection(3));
    CObjectBase* r = s->Kind().create();
    s->Records().push_back(r);

    PropertyValue v;
    v.type = PropertyValue::kGuid;
    v.guid = GuidOf("00112233445566778899aabbccddeeff");
    r->AddDataProperty(1, v);
    v.type = PropertyValue::kText;
    v.text = "Key \"Group\", 2";
    r->AddDataProperty(0, v);
    v.type = PropertyValue::kInt;
    v.value = 0x1F;
    r->AddDataProperty(0, v);
    v.type = PropertyValue::kGuid;
    v.guid = GuidOf("ffeeddccbbaa99887766554433221100");
    r->AddDataProperty(0, v);
    v.type = PropertyValue::kInt;
    v.value = -42;
    r->AddDataProperty(0, v);
    v.value = 5;
    r->AddDataProperty(0, v);  // beyond the last column: stored nowhere

    const std::string out = srtftest::TempPath("saved.srtf");
    doc.SetFilePath(out);
    doc.Save();
    std::string want = srtftest::ReadBytes(srtftest::FixturePath("repository/localobject.srtf"));
    const std::string next = "\r\n\r\n# UserName,";
    const size_t at = want.find(next);
    ASSERT_NE(std::string::npos, at);
    want.insert(at,
                "Object = \"00112233445566778899aabbccddeeff\",\"Key \"\"Group\"\", 2\","
                "0x0000001F,\"ffeeddccbbaa99887766554433221100\",-42;\r\n");
    EXPECT_EQ(want, srtftest::ReadBytes(out));
}

TEST(RepoLocalObject, StoreTakesTheValueMemberOfTheColumnType) {
    // Every member of the value is set; its type never matches the column's.
    PropertyValue v;
    v.text = "active";
    v.value = 77;
    v.guid = GuidOf("0123456789abcdef0123456789abcdef");

    CUserInfo user;
    v.type = PropertyValue::kGuid;
    user.AddDataProperty(1, v);        // UserName
    v.type = PropertyValue::kInt;
    user.AddDataProperty(0, v);        // Status
    v.type = PropertyValue::kText;
    for (int i = 0; i < 3; ++i) user.AddDataProperty(0, v);  // Password, Description, RepoUserID
    EXPECT_EQ("active", user.UserName);
    EXPECT_EQ("active", user.Status);
    EXPECT_EQ("active", user.Password);
    EXPECT_EQ(77, user.RepoUserID);
    EXPECT_EQ(0, user.ItemsCheckedOut);

    CLocalObject local;
    v.type = PropertyValue::kText;
    local.AddDataProperty(1, v);       // InSyncVerGUID
    v.type = PropertyValue::kGuid;
    local.AddDataProperty(0, v);       // ObjectType
    local.AddDataProperty(0, v);       // ObjectStatus
    EXPECT_EQ(v.guid, local.InSyncVerGUID);
    EXPECT_EQ("active", local.ObjectType);
    EXPECT_EQ(77, local.ObjectStatus);
}

TEST(RepoLocalObject, UserSelectionIdIsItsTechKeyColumn) {
    auto doc = repotest::ReadText(
        "[UserSelectionSection]\n"
        "User_Selection = 314,\"\",\"Entity\",0x00000002,\"\",7;\n");
    auto* s = static_cast<COneListSection*>(doc->GetFirstSection(138));
    ASSERT_EQ(1u, s->Records().size());
    CObjectBase& r = *s->Records()[0];
    EXPECT_EQ(314, r.GetId());
    r.SetId(-9);
    EXPECT_EQ(-9, static_cast<CUserSelection&>(r).ObjectTechKey);
    const std::string text = repotest::Written(*s);
    EXPECT_NE(std::string::npos,
              text.find("\r\nUser_Selection = -9,\"\",\"Entity\",0x00000002,\"\",7;\r\n"));

    // Records without an id column answer 0 and ignore SetId.
    CLookupInfo lookup;
    lookup.Flags = 5;
    lookup.SetId(6);
    EXPECT_EQ(0, lookup.GetId());
    EXPECT_EQ(5, lookup.Flags);
}

TEST(RepoLocalObject, FieldsReadByColumnType) {
    struct Case {
        const char* what;
        const char* section;
        const char* line;
        const char* written;
    } cases[] = {
        {"decimal Flags column stops at the x", "LookupInfoSection",
         "LookupInfo = \"\",\"\",\"\",\"T\",0x10,\"x\";",
         "LookupInfo = \"\",\"\",\"\",\"T\",0,\"x\";"},
        {"flag word without prefix", "LocalObjectSection",
         "Object = \"\",\"\",1f,\"\",0;", "Object = \"\",\"\",0x0000001F,\"\",0;"},
        {"flag word with prefix", "LocalObjectSection",
         "Object = \"\",\"\",0x1F,\"\",0;", "Object = \"\",\"\",0x0000001F,\"\",0;"},
        {"empty value text: all defaults", "LocalObjectSection", "Object = ;",
         "Object = \"\",\"\",0x00000000,\"\",0;"},
        {"fewer fields than columns", "UserInfoSection", "User_Info = \"ann\",\"ok\";",
         "User_Info = \"ann\",\"ok\",\"\",\"\",0,0,\"\",0;"},
        {"surplus fields passed over", "UserSelectionSection",
         "User_Selection = 1,\"\",\"E\",0x1,\"\",2,3,\"more\";",
         "User_Selection = 1,\"\",\"E\",0x00000001,\"\",2;"},
        {"GUID of 31 digits is zero, of 34 keeps 32", "LookupInfoSection",
         "LookupInfo = \"0123456789abcdef0123456789abcde\",\"0123456789ABCDEF0123456789abcdef12\","
         "\"\",\"T\",1,\"x\";",
         "LookupInfo = \"\",\"0123456789abcdef0123456789abcdef\",\"\",\"T\",1,\"x\";"},
        {"blank-only text becomes empty, other blanks stay", "UserInfoSection",
         "User_Info = \"   \",\" ok \",\"p\"\"w\",\"d\",-1,2,\"n\",1;",
         "User_Info = \"\",\" ok \",\"p\"\"w\",\"d\",-1,2,\"n\",1;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto doc = repotest::ReadText(std::string("[") + c.section + "]\n" + c.line + "\n");
        const std::string out = srtftest::TempPath("saved.srtf");
        doc->SetFilePath(out);
        doc->Save();
        const std::string text = srtftest::ReadBytes(out);
        EXPECT_NE(std::string::npos, text.find(std::string("]\r\n") + c.written + "\r\n")) << text;
    }
}

}  // namespace
