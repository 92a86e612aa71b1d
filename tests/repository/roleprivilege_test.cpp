// Role privilege, repository object privilege and repository role
// information sections.
#include <gtest/gtest.h>

#include "repo_test_util.h"
#include "repository/roleprivilege.h"

namespace {

using repotest::Expected;
using repotest::WalkData;

std::string Columns(CObjectBase& r) {
    COutputLineBuffer b;
    r.WriteColumns(b);
    return std::string(b.Data(), static_cast<size_t>(b.Length()));
}

TEST(RepoRolePrivilege, RoundTrip) {
    srtftest::ExpectRoundTrip("repository/roleprivilege.srtf");
    srtftest::ExpectRoundTrip("repository/roleprivilege-variant.srtf",
                              "repository/roleprivilege.srtf");
}

TEST(RepoRolePrivilege, DataWalksReportValueTypesAndPropertyIds) {
    CRolePrivilege role;
    EXPECT_EQ(Expected("110000110"), WalkData(role));
    CRepoObjectPrivilege object;
    EXPECT_EQ(Expected("11121111110110001100", {{19, 29623}}), WalkData(object));
    CRepoRoleInfo info;
    EXPECT_EQ(Expected("0100"), WalkData(info));
}

TEST(RepoRolePrivilege, ObjectPrivilegeFilledWithFourValuesKeepsTheRestAtDefaults) {
    CRepoObjectPrivilege r;
    PropertyValue v;
    v.type = PropertyValue::kInt;
    for (int i = 1; i <= 3; ++i) {
        v.value = i * 10;
        r.AddDataProperty(i == 1, v);
    }
    GuidFromHexString(v.guid, "00112233445566778899aabbccddeeff");
    v.type = PropertyValue::kGuid;
    r.AddDataProperty(0, v);
    EXPECT_EQ("10,20,30,\"00112233445566778899aabbccddeeff\",0,0,0,0,0,0,\"\",0,0,\"\",\"\",\"\","
              "0,0,\"\",\"\"",
              Columns(r));
}

TEST(RepoRolePrivilege, GuidColumnStoresTheValueGuidWhateverItsType) {
    struct Case {
        const char* what;
        int type;
        const char* guid;  // carried by the value
        const char* stored;
    } cases[] = {
        {"GUID value", PropertyValue::kGuid, "0102030405060708090a0b0c0d0e0f10",
         "0102030405060708090a0b0c0d0e0f10"},
        {"text value without a GUID", PropertyValue::kText, "", ""},
        {"text value carrying a GUID", PropertyValue::kText, "ffeeddccbbaa99887766554433221100",
         "ffeeddccbbaa99887766554433221100"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CRepoObjectPrivilege r;
        GuidFromHexString(r.ObjectGUID, "11111111111111111111111111111111");
        PropertyValue skip;
        for (int i = 0; i < 3; ++i) r.AddDataProperty(i == 0, skip);
        PropertyValue v;
        v.type = c.type;
        v.text = "00000000000000000000000000000001";
        GuidFromHexString(v.guid, c.guid);
        r.AddDataProperty(0, v);
        EXPECT_EQ(c.stored, GuidToHexString(r.ObjectGUID));
    }
}

TEST(RepoRolePrivilege, AddedRecordsFollowTheFileRecordsUnderOneHeader) {
    auto doc = repotest::ReadText(
        "[RolePrivilegeSection]\n"
        "RolePrivilege = 1,2,\"Admin\",\"All rights\",\"Read\",\"Diagram\",3,4,\"Active\";\n"
        "[RepoRoleInfoSection]\n"
        "RepoRoleInfo = \"Viewer\",8,\"Reads\",\"Active\";\n");
    auto* privileges = static_cast<COneListSection*>(doc->GetFirstSection(171));
    auto* roles = static_cast<COneListSection*>(doc->GetFirstSection(173));
    auto* objects = static_cast<COneListSection*>(doc->CreateSection(172));

    PropertyValue v;
    CObjectBase* p = privileges->Kind().create();
    privileges->Records().push_back(p);
    const int ints[] = {5, 6};
    for (int i = 0; i < 2; ++i) {
        v.value = ints[i];
        p->AddDataProperty(i == 0, v);
    }
    for (const char* t : {"Dev", "Builds, tests", "Write", "Model"}) {
        v.text = t;
        p->AddDataProperty(0, v);
    }
    v.value = 7;
    p->AddDataProperty(0, v);
    v.value = 9;
    p->AddDataProperty(0, v);
    v.text = "Pending";
    p->AddDataProperty(0, v);

    CObjectBase* role = roles->Kind().create();
    roles->Records().push_back(role);
    v.text = "Editor \"E\"";
    role->AddDataProperty(1, v);
    v.value = 12;
    role->AddDataProperty(0, v);

    CObjectBase* object = objects->Kind().create();
    objects->Records().push_back(object);
    v.text = "model.dm1";
    for (int i = 0; i < 20; ++i) object->AddDataProperty(i == 0, v);

    const std::string out = srtftest::TempPath("saved.srtf");
    doc->SetFilePath(out);
    doc->Save();
    const std::string want = srtftest::Crlf(
        "\n\n# RepoRoleId, PrivilegeId, RoleName, RoleDescription, PrivilegeName, "
        "ObjectCategoryName, RolePrivilegeId, ObjectCategoryId, Status;\n"
        "\n[RolePrivilegeSection]\n"
        "RolePrivilege = 1,2,\"Admin\",\"All rights\",\"Read\",\"Diagram\",3,4,\"Active\";\n"
        "RolePrivilege = 5,6,\"Dev\",\"Builds, tests\",\"Write\",\"Model\",7,9,\"Pending\";\n"
        "\n\n# ObjectCategoryID, DiagramID, SubModelID, ObjectGUID, ReleasePrivilegeId, "
        "ProjectPrivilegeId, RepositoryPrivilegeId, ObjectPrivilegeId, CtlObjectId, "
        "ReleaseId, ParentName, RepoUserId, RepoRoleId, RepoUserName, RepoRoleName, "
        "Status, ProjectID, ModelID, Name, FileName;\n"
        "\n[RepoObjectPrivilegeSection]\n"
        "RepoObjectPrivilege = 12,12,12,\"\",12,12,12,12,12,12,\"model.dm1\",12,12,"
        "\"model.dm1\",\"model.dm1\",\"model.dm1\",12,12,\"model.dm1\",\"model.dm1\";\n"
        "\n\n# RoleName, RoleId, RoleDescription, Status;\n"
        "\n[RepoRoleInfoSection]\n"
        "RepoRoleInfo = \"Viewer\",8,\"Reads\",\"Active\";\n"
        "RepoRoleInfo = \"Editor \"\"E\"\"\",12,\"\",\"\";\n");
    EXPECT_EQ(want, srtftest::ReadBytes(out));
    EXPECT_EQ(5, doc->CountObjects());
}

}  // namespace
