// Key-value sections of user and role administration and the further error
// reports: defaults, value types, repeatable keys and section order.
#include <gtest/gtest.h>

#include <functional>

#include "repo_test_util.h"
#include "repository/errorreports.h"
#include "repository/roles.h"
#include "repository/useradmin.h"

namespace {

void Feed(CSectionBase& s, std::string key, const std::string& value) {
    s.DispatchRecord(key, value);
}

TEST(Repo2KeyValue, FreshSectionsWriteEveryKeyAtItsDefault) {
    struct Case {
        int id;
        const char* text;
    } cases[] = {
        {151, "\n[CommunicationErrorSection]\nErrorCode = 0x00000000;\nErrorDescription = \"\";\n"
              "Information = \"\";\n"},
        {119, "\n[DeleteUserSection]\nUserName = \"\";\n"},
        {122, "\n[ModifySecurityAccessSection]\nUserName = \"\";\nObjectType = \"\";\n"
              "ObjectGUID = \"\";\nACL = 0x00000000;\n"},
        {125, "\n[ProfileSection]\nName = \"\";\nDescription = \"\";\nPrivilege = \"\";\n"},
        {158, "\n[RoleInfoSection]\nName = \"\";\nDescription = \"\";\n"},
        {164, "\n[RoleUserPrivilegeSection]\nRoleName = \"\";\nRoleDescription = \"\";\n"
              "ObjectPrivilegeName = \"\";\nObjectPrivilegeDescription = \"\";\nUserName = \"\";\n"},
        {132, "\n[SRTFErrorHeaderSection]\nSRTFRequestFileVersion = 0;\n"
              "SRTFRequestFileDate = \"\";\nSRTFRequestFileName = \"\";\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        std::unique_ptr<CSectionBase> s = repotest::MakeSection(c.id);
        ASSERT_NE(nullptr, s);
        EXPECT_EQ(srtftest::Crlf(c.text), repotest::Written(*s));
    }
}

// Every line of a repeatable key adds an element, duplicates included; the
// member holds the last value; other keys keep their last value.
TEST(Repo2KeyValue, RepeatableKeysWriteOneLinePerValueRead) {
    struct Case {
        int id;
        std::vector<std::pair<std::string, std::string>> lines;
        const char* text;
        std::function<void(CSectionBase&)> check;
    } cases[] = {
        {125,
         {{"Name", "\"P1\""}, {"privilege", "\"A\""}, {"Privilege", "B"}, {"Name", "\"P2\""},
          {"PRIVILEGE", "\"A\""}, {"Description", "\"d\""}},
         "\n[ProfileSection]\nName = \"P2\";\nDescription = \"d\";\nPrivilege = \"A\";\n"
         "Privilege = \"B\";\nPrivilege = \"A\";\n",
         [](CSectionBase& s) {
             auto& p = static_cast<CProfileSection&>(s);
             EXPECT_EQ("A", p.Privilege);
             EXPECT_EQ((std::vector<std::string>{"A", "B", "A"}), p.PrivilegeList);
         }},
        {164,
         {{"UserName", "\"U1\""}, {"RoleName", "\"R1\""}, {"UserName", "\"U2\""},
          {"RoleName", "\"R2\""}, {"username", "\"U1\""}},
         "\n[RoleUserPrivilegeSection]\nRoleName = \"R2\";\nRoleDescription = \"\";\n"
         "ObjectPrivilegeName = \"\";\nObjectPrivilegeDescription = \"\";\nUserName = \"U1\";\n"
         "UserName = \"U2\";\nUserName = \"U1\";\n",
         [](CSectionBase& s) {
             auto& p = static_cast<CRoleUserPrivilegeSection&>(s);
             EXPECT_EQ("U1", p.UserName);
             EXPECT_EQ((std::vector<std::string>{"U1", "U2", "U1"}), p.UserNameList);
         }},
        // The same key in a section that does not have it is ignored.
        {159, {{"UserName", "\"U1\""}, {"RoleName", "\"R\""}},
         "\n[RoleObjectPrivilegeSection]\nRoleName = \"R\";\nRoleDescription = \"\";\n"
         "ObjectPrivilegeName = \"\";\nObjectPrivilegeDescription = \"\";\n",
         [](CSectionBase&) {}},
        // A quoted value with a doubled quote keeps one quote, in the member
        // and in the list, and is written doubled again.
        {125, {{"Privilege", "\"Read \"\"all\"\"\""}},
         "\n[ProfileSection]\nName = \"\";\nDescription = \"\";\n"
         "Privilege = \"Read \"\"all\"\"\";\n",
         [](CSectionBase& s) {
             auto& p = static_cast<CProfileSection&>(s);
             EXPECT_EQ("Read \"all\"", p.Privilege);
             EXPECT_EQ(std::vector<std::string>{"Read \"all\""}, p.PrivilegeList);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        std::unique_ptr<CSectionBase> s = repotest::MakeSection(c.id);
        ASSERT_NE(nullptr, s);
        for (const auto& l : c.lines) Feed(*s, l.first, l.second);
        c.check(*s);
        EXPECT_EQ(srtftest::Crlf(c.text), repotest::Written(*s));
        EXPECT_EQ(0, s->GetRecordCount());
    }
}

TEST(Repo2KeyValue, KeysReadByTheirValueType) {
    auto access = [](CSectionBase& s) -> CModifySecurityAccessSection& {
        return static_cast<CModifySecurityAccessSection&>(s);
    };
    SrtfGuid guid;
    GuidFromHexString(guid, "00112233445566778899aabbccddeeff");
    struct Case {
        int id;
        const char* what;
        std::vector<std::pair<std::string, std::string>> lines;
        std::function<void(CSectionBase&)> check;
    } cases[] = {
        {122, "ACL prefixed hex", {{"ACL", "0x1f"}},
         [&](CSectionBase& s) { EXPECT_EQ(31, access(s).ACL); }},
        {122, "ACL bare hex", {{"acl", "1F"}},
         [&](CSectionBase& s) { EXPECT_EQ(31, access(s).ACL); }},
        {122, "ACL that does not convert keeps its value", {{"ACL", "0x10"}, {"ACL", "\"x\""}},
         [&](CSectionBase& s) { EXPECT_EQ(16, access(s).ACL); }},
        {122, "quoted GUID", {{"ObjectGUID", "\"00112233445566778899AABBCCDDEEFF\""}},
         [&](CSectionBase& s) { EXPECT_EQ(guid, access(s).ObjectGUID); }},
        {122, "unquoted GUID", {{"ObjectGUID", "00112233445566778899aabbccddeeff"}},
         [&](CSectionBase& s) { EXPECT_EQ(guid, access(s).ObjectGUID); }},
        {122, "short GUID is zero", {{"ObjectGUID", "\"0011\""}},
         [&](CSectionBase& s) { EXPECT_EQ(SrtfGuid(), access(s).ObjectGUID); }},
        {123, "password key in other case, kept as plain text", {{"passWORD", "\"s3cret\""}},
         [](CSectionBase& s) { EXPECT_EQ("s3cret", static_cast<CModifyUserInfoSection&>(s).PassWord); }},
        {132, "request file version", {{"SRTFRequestFileVersion", "44"},
                                       {"SRTFRequestFileDate", "\"2001-02-03\""}},
         [](CSectionBase& s) {
             auto& h = static_cast<CSRTFErrorHeaderSection&>(s);
             EXPECT_EQ(44, h.SRTFRequestFileVersion);
             EXPECT_EQ("2001-02-03", h.SRTFRequestFileDate);
         }},
        {143, "hex code and decimal line", {{"ErrorCode", "0x80000001"}, {"SourceLine", "-7"}},
         [](CSectionBase& s) {
             auto& e = static_cast<CPrcFileRenameErrorSection&>(s);
             EXPECT_EQ(static_cast<int>(0x80000001u), e.ErrorCode);
             EXPECT_EQ(-7, e.SourceLine);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<CSectionBase> s = repotest::MakeSection(c.id);
        ASSERT_NE(nullptr, s);
        for (const auto& l : c.lines) Feed(*s, l.first, l.second);
        c.check(*s);
    }

    CModifySecurityAccessSection s;
    s.ACL = 10;
    s.ObjectGUID = guid;
    const std::string text = repotest::Written(s);
    EXPECT_NE(std::string::npos, text.find("\r\nACL = 0x0000000A;\r\n"));
    EXPECT_NE(std::string::npos,
              text.find("\r\nObjectGUID = \"00112233445566778899aabbccddeeff\";\r\n"));
}

// Each header gives its own object; the save writes them by id and, within
// an id, in file order.
TEST(Repo2KeyValue, ParameterErrorsFollowTheirHeaderWhateverTheFileOrder) {
    auto doc = repotest::ReadText(
        "[RepoDbParameterErrorSection]\nParameterName = \"P1\";\nBadValue = \"a \"\"b\"\"\";\n"
        "[RepoDbParameterErrorSection]\nParameterName = \"P2\";\n"
        "[RepoDbParameterErrorHeaderSection]\nErrorCode = 0x2A;\nErrorLineNumber = 12;\n"
        "[RepoDbParameterErrorSection]\nParameterName = \"P3\";\nExpectedValue = \"1, 2\";\n"
        "[PrcFileRenameErrorSection]\nInFileName = \"a.prc\";\n");
    ASSERT_EQ(3, doc->SectionCount(137));
    ASSERT_EQ(1, doc->SectionCount(136));
    EXPECT_EQ(0, doc->CountObjects());
    const std::string out = srtftest::TempPath("saved.srtf");
    doc->SetFilePath(out);
    doc->Save();
    EXPECT_EQ(srtftest::Crlf(
                  "\n[RepoDbParameterErrorHeaderSection]\nErrorCode = 0x0000002A;\n"
                  "ErrorDescription = \"\";\nErrorFile = \"\";\nErrorLineNumber = 12;\n"
                  "MethodName = \"\";\n"
                  "\n[RepoDbParameterErrorSection]\nParameterName = \"P1\";\n"
                  "BadValue = \"a \"\"b\"\"\";\nExpectedValue = \"\";\n"
                  "\n[RepoDbParameterErrorSection]\nParameterName = \"P2\";\nBadValue = \"\";\n"
                  "ExpectedValue = \"\";\n"
                  "\n[RepoDbParameterErrorSection]\nParameterName = \"P3\";\nBadValue = \"\";\n"
                  "ExpectedValue = \"1, 2\";\n"
                  "\n[PrcFileRenameErrorSection]\nErrorCode = 0x00000000;\n"
                  "ErrorDescription = \"\";\nInFileName = \"a.prc\";\nPrcFileName = \"\";\n"
                  "SourceFile = \"\";\nSourceLine = 0;\n"),
              srtftest::ReadBytes(out));
}

// "Privilege" is a repeatable key of the profile section and the record type
// of the privilege section; each section consults only its own table.
TEST(Repo2KeyValue, PrivilegeLineMeansWhatItsSectionSays) {
    auto doc = repotest::ReadText(
        "[ProfileSection]\nPrivilege = \"Read\";\n"
        "[PrivilegeSection]\nPrivilege = \"Read\",\"r\",3;\nName = \"x\";\n");
    auto* profile = static_cast<CProfileSection*>(doc->GetFirstSection(125));
    ASSERT_NE(nullptr, profile);
    EXPECT_EQ(std::vector<std::string>{"Read"}, profile->PrivilegeList);
    auto* privileges = static_cast<COneListSection*>(doc->GetFirstSection(150));
    ASSERT_NE(nullptr, privileges);
    ASSERT_EQ(1, privileges->GetRecordCount());
    auto& p = static_cast<CPrivilege&>(*privileges->Records()[0]);
    EXPECT_EQ("Read", p.Name);
    EXPECT_EQ(3, p.PrivilegeID);
    EXPECT_EQ(1, doc->CountObjects());
}

}  // namespace
