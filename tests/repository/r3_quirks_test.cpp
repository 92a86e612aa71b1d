// Group, repository control, status report, history, repository object and
// project, branch and merge, and task sections: names and shapes letter for
// letter, walks with their value types and property ids, the one tech key,
// and how single lines and keys are read and written back.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "repo_test_util.h"
#include "repository/branchmerge.h"
#include "repository/groups.h"
#include "repository/history.h"
#include "repository/repocontrol.h"
#include "repository/repoprojects.h"
#include "repository/statusreports.h"
#include "repository/tasks.h"

namespace {

using repotest::Expected;
using repotest::WalkData;

SrtfGuid GuidOf(const char* hex) {
    SrtfGuid g;
    GuidFromHexString(g, hex);
    return g;
}

// The record lines that a section writes after its header line.
std::string RecordLines(CSectionBase& s) {
    const std::string text = repotest::Written(s);
    const size_t at = text.find("]\r\n");
    return at == std::string::npos ? text : text.substr(at + 3);
}

TEST(Repo3Kinds, EachIdMakesItsKindWithItsNamesAndShape) {
    struct Case {
        int id;
        const char* entry;  // first record type or key, letter for letter
        int typeCount;
        int columnCount;    // -1: a key-value section
        const char* fresh;  // what a new section writes
    } cases[] = {
        {120, "History", 1, 9,
         "\n\n# UserName, Machine, Action, ActionDate, ObjectGUID, ObjectType, VersionNumber, "
         "VersionGUID, Comment;\n\n[HistorySection]\n"},
        {121, "Macro_Status", 1, 4,
         "\n\n# InSyncVerGUID, ObjectGUID, LocallyModified, LocallyDeleted;\n\n"
         "[MacroStatusSection]\n"},
        {128, "SharingPath", 1, -1, "\n[SharingPathSection]\nSharingPath = \"\";\n"},
        {147, "TimeOut", 1, -1, "\n[ShutDownSection]\nTimeOut = 0;\n"},
        {152, "Command", 11, -1,
         "\n[RepoControlSection]\nCommand = \"\";\nStrParam1 = \"\";\nStrParam2 = \"\";\n"
         "StrParam3 = \"\";\nStrParam4 = \"\";\nStrParam5 = \"\";\nIntParam1 = 0;\n"
         "IntParam2 = 0;\nIntParam3 = 0;\nIntParam4 = 0;\nIntParam5 = 0;\n"},
        {153, "Machine_Name", 10, -1,
         "\n[RepoServerInfoSection]\nMachine_Name = \"\";\nCPU = \"\";\nCPU_Speed = 0;\n"
         "CPU_Count = 0;\nDisk_Type = \"\";\nDisk_Count = 0;\nDisk_Controller = \"\";\nRAM = 0;\n"
         "Repo_Server_Count = 0;\nNotes = \"\";\n"},
        {154, "Sequence_Numb", 8, -1,
         "\n[RepoEventSection]\nSequence_Numb = 0;\nJulian_Date = 0;\nDiagram_GUID = \"\";\n"
         "Object_Type = \"\";\nObject_GUID = \"\";\nEvent_Type = \"\";\nUser = \"\";\n"
         "Mach = \"\";\n"},
        {157, "Name", 3, -1,
         "\n[NamedReleaseSection]\nName = \"\";\nDescription = \"\";\nDate = \"\";\n"},
        {165, "VersionInfo", 1, 3,
         "\n\n# ObjectGUID, ObjectType, VersionNumber;\n\n[VersionInfoSection]\n"},
        // Five columns, four named in the comment line.
        {166, "ProjectInfo", 1, 5,
         "\n\n# NavID, ProjectID, Name, Description;\n\n[ProjectInfoSection]\n"},
        {167, "CtlSysVersionInfo", 1, 3,
         "\n\n# CheckInDate, VersionGUID, Comment;\n\n[CtlSysVersionInfoSection]\n"},
        {170, "ObjectDomain", 1, 4,
         "\n\n# NavigationID, ObjectDomain, ObjectDomainName, ObjectDomainGUID;\n\n"
         "[ObjectDomainSection]\n"},
        {174, "RepoObject", 1, 5,
         "\n\n# ObjectName, ObjectGUID, ObjectType, FileName, Status;\n\n[RepoObjectSection]\n"},
        {175, "RepoProjectInfo", 1, 11,
         "\n\n# ProjectId, Name, Description, ObjectName, ObjectGUID, ProjectStatus, "
         "ObjectStatus, DiagramId, FileName, ProjectGUID, ASSOCITION_ID;\n\n"
         "[RepoProjectInfoSection]\n"},
        {176, "PartialDiagramMember", 1, 4,
         "\n\n# ObjectGUID, VersionGUID, ObjectType, Flag;\n\n[PartialDiagramMemberSection]\n"},
        {177, "RepoUserOnMachineInfo", 1, 6,
         "\n\n# UserName, MachineName, UserId, MachineId, UOMId, Status;\n\n"
         "[RepoUserOnMachineInfoSection]\n"},
        {178, "RepoUserCheckedOutInfo", 1, 10,
         "\n\n# UserName, MachineName, ObjectName, ObjectGUID, CtlDiagramId, ObjectCategory, "
         "FileName, Status, UOMId, ExclusiveFlag;\n\n[RepoUserCheckedOutInfoSection]\n"},
        {183, "CreatedDate", 7, -1,
         "\n[BranchMergeInfoSection]\nCreatedDate = \"\";\nSourceDiagramGUID = \"\";\n"
         "TargetDiagramGUID = \"\";\nTargetDiagramName = \"\";\nTargetFileName = \"\";\n"
         "Description = \"\";\nCreatedUser = \"\";\n"},
        {184, "BranchTreeInfo", 1, 11,
         "\n\n# DiagramID, DiagramName, FileName, DiagramObjectGUID, ParentDiagramID, "
         "ChildDiagramID, UltimateParentDiagramID, Description, IsDeleted, CreatedUser, "
         "CreatedDate;\n\n[BranchTreeInfoSection]\n"},
        {185, "MergePairings", 1, 6,
         "\n\n# SourceObjectGUID, SourceVersionGUID, SourceIsDeleted, TargetObjectGUID, "
         "TargetVersionGUID, TargetIsDeleted;\n\n[MergePairingsSection]\n"},
        {186, "ProjectLink", 1, 10,
         "\n\n# ProjectLinkID, ParentProjectID, ChildProjectID, UltimateParentProjectID, "
         "ParentProjectName, ChildProjectName, UltimateParentProjectName, ChildProjectGUID, "
         "ParentProjectGUID, UltimateParentProjectGUID;\n\n[ProjectLinkSection]\n"},
        {189, "RepoStatsInfo", 1, 8,
         "\n\n# ObjectType, ObjectId, ObjectGUID, ObjectName, RSIType, IntValue, StringValue, "
         "RepoStatsInfo_ID;\n\n[RepoStatsInfoSection]\n"},
        {214, "GroupInfo", 1, 6,
         "\n\n# RepoGroupID, Name, Status, Description, IsLDAP, GroupGUID;\n\n"
         "[GroupInfoSection]\n"},
        {215, "GroupMemberInfo", 1, 2,
         "\n\n# RepoGroupId, RepoUserId;\n\n[GroupMemberInfoSection]\n"},
        {216, "RepoGroupObjectPrivilege", 1, 21,
         "\n\n# ModelID, SubModelID, Name, ParentName, RepoGroupId, RepoRoleId, RepoGroupName, "
         "RepoRoleName, Status, ObjectCategoryID, ProjectID, DiagramID, ObjectGUID, "
         "ReleasePrivilegeId, ProjectPrivilegeId, RepositoryPrivilegeId, ObjectPrivilegeId, "
         "CtlObjectId, ReleaseId, FileName, GroupGUID;\n\n[RepoGroupObjectPrivilegeSection]\n"},
        {217, "TaskInfo", 1, 8,
         "\n\n# TaskId, Name, Description, TaskStatus, Hyperlink, Status, ProjId, "
         "Association_Id;\n\n[TaskInfoSection]\n"},
        {218, "ChangeRecordInfo", 1, 8,
         "\n\n# ChangeRecordId, DiagramId, EnterpriseDDID, UserOnMachineId, Comment, Name, "
         "Status, ChangeRecordStatus;\n\n[ChangeRecordInfoSection]\n"},
        {219, "ChangeRecordTaskInfo", 1, 4,
         "\n\n# ChangeRecordTaskId, TaskId, ChangeRecordId, Status;\n\n"
         "[ChangeRecordTaskInfoSection]\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        std::unique_ptr<CSectionBase> s = repotest::MakeSection(c.id);
        ASSERT_NE(nullptr, s);
        ASSERT_EQ(c.typeCount, s->GetRecordTypeCount());
        EXPECT_STREQ(c.entry, s->GetRecordTypeTable()[0].recordType);
        EXPECT_EQ(srtftest::Crlf(c.fresh), repotest::Written(*s));
        EXPECT_EQ(0, s->GetRecordCount());
        // None offers records to the Java side.
        EXPECT_EQ(nullptr, s->GetRecordList());
        EXPECT_EQ(nullptr, s->GetLatestList());
        EXPECT_EQ(nullptr, s->GetBaseList());
        EXPECT_EQ(nullptr, s->CreateRecord());
        auto* list = dynamic_cast<COneListSection*>(s.get());
        if (c.columnCount < 0) {
            EXPECT_EQ(nullptr, list);
            EXPECT_NE(nullptr, dynamic_cast<CKeyValueSection*>(s.get()));
            continue;
        }
        ASSERT_NE(nullptr, list);
        std::unique_ptr<CObjectBase> r(list->Kind().create());
        EXPECT_EQ(c.columnCount, r->GetColumnCount());
    }
}

TEST(Repo3Kinds, DataWalksReportValueTypesAndPropertyIds) {
    struct Case {
        const char* what;
        std::function<CObjectBase*()> make;
        std::vector<repotest::Step> walk;
    } cases[] = {
        {"GroupInfo", [] { return new CGroupInfo; }, Expected("100012")},
        {"GroupMemberInfo", [] { return new CGroupMemberInfo; }, Expected("11")},
        {"RepoGroupObjectPrivilege", [] { return new CRepoGroupObjectPrivilege; },
         Expected("110011000111211111102")},
        {"VersionInfo", [] { return new CVersionInfo; }, Expected("201")},
        {"ProjectInfo", [] { return new CProjectInfo; }, Expected("11001")},
        {"CtlSysVersionInfo", [] { return new CCtlSysVersionInfo; }, Expected("020")},
        // RepoStatsInfo_ID is a tech key, not walked here.
        {"RepoStatsInfo", [] { return new CRepoStatsInfo; }, Expected("0120110")},
        {"RepoUserOnMachineInfo", [] { return new CRepoUserOnMachineInfo; },
         Expected("001110", {{0, 29620}, {1, 29621}, {2, 29630}, {3, 29631}, {4, 29632},
                             {5, 29633}})},
        // The ids do not rise with the columns: FileName has the highest.
        {"RepoUserCheckedOutInfo", [] { return new CRepoUserCheckedOutInfo; },
         Expected("0002110011", {{0, 29622}, {1, 29624}, {2, 29626}, {3, 29627}, {4, 29628},
                                 {5, 29629}, {6, 29637}, {7, 29634}, {8, 29635}, {9, 29636}})},
        {"History", [] { return new CHistory; }, Expected("000020120")},
        {"MacroStatus", [] { return new CMacroStatus; }, Expected("2211")},
        {"RepoObject", [] { return new CRepoObject; }, Expected("02000")},
        {"ObjectDomain", [] { return new CObjectDomain; }, Expected("1002")},
        {"PartialDiagramMember", [] { return new CPartialDiagramMember; }, Expected("2201")},
        {"RepoProjectInfo", [] { return new CRepoProjectInfo; },
         Expected("10002001021", {{8, 29625}, {9, 29625}, {10, 29625}})},
        {"ProjectLink", [] { return new CProjectLink; }, Expected("1111000222")},
        {"BranchTreeInfo", [] { return new CBranchTreeInfo; }, Expected("10021110100")},
        {"MergePairings", [] { return new CMergePairings; }, Expected("221221")},
        {"TaskInfo", [] { return new CTaskInfo; }, Expected("10010111")},
        {"ChangeRecordInfo", [] { return new CChangeRecordInfo; }, Expected("11110011")},
        {"ChangeRecordTaskInfo", [] { return new CChangeRecordTaskInfo; }, Expected("1111")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<CObjectBase> r(c.make());
        EXPECT_EQ(c.walk, WalkData(*r));
        if (std::string(c.what) != "RepoStatsInfo") repotest::ExpectNoKeys(*r);
        // No record has an id.
        r->SetId(55);
        EXPECT_EQ(0, r->GetId());
    }
}

TEST(Repo3Kinds, StatsIdIsTheOnlyTechKey) {
    auto doc = repotest::ReadText(
        "[RepoStatsInfoSection]\n"
        "RepoStatsInfo = \"Entity\",4,\"\",\"E1\",2,17,\"s\",901;\n");
    auto* s = static_cast<COneListSection*>(doc->GetFirstSection(189));
    ASSERT_EQ(1u, s->Records().size());
    CObjectBase& r = *s->Records()[0];

    int key = -1;
    ASSERT_TRUE(r.IterateTechKeyProperty(1, key));
    EXPECT_EQ(901, key);
    key = -1;
    EXPECT_FALSE(r.IterateTechKeyProperty(0, key));
    EXPECT_EQ(-1, key);
    ForeignKeyRef fk;
    EXPECT_FALSE(r.IterateForeignKey(1, fk));

    r.AddTechKeyProperty(1, 902);
    r.AddTechKeyProperty(0, 903);  // past the only key: stored nowhere
    r.SetForeignKey(904, 189);
    EXPECT_EQ(902, static_cast<CRepoStatsInfo&>(r).RepoStatsInfo_ID);
    EXPECT_EQ(srtftest::Crlf("RepoStatsInfo = \"Entity\",4,\"\",\"E1\",2,17,\"s\",902;\n"),
              RecordLines(*s));
}

TEST(Repo3Kinds, WalkAndStoreFollowColumnOrderAndType) {
    // ASSOCITION_ID is last on the line and in the walk.
    auto doc = repotest::ReadText(
        "[RepoProjectInfoSection]\n"
        "RepoProjectInfo = 5,\"P\",\"D\",\"O\",\"\",\"Open\",\"Locked\",9,\"f.dm1\",\"\",-12;\n"
        "[PartialDiagramMemberSection]\n"
        "PartialDiagramMember = \"\",\"\",\"Entity\",1f;\n");
    auto* projects = static_cast<COneListSection*>(doc->GetFirstSection(175));
    ASSERT_EQ(1u, projects->Records().size());
    CObjectBase& p = *projects->Records()[0];
    EXPECT_EQ(-12, static_cast<CRepoProjectInfo&>(p).ASSOCITION_ID);
    PropertyValue v;
    int prop = 0;
    for (int i = 0; i < 11; ++i) ASSERT_TRUE(p.IterateDataProperty(i == 0, v, prop));
    EXPECT_EQ(PropertyValue::kInt, v.type);
    EXPECT_EQ(-12, v.value);
    EXPECT_EQ(29625, prop);

    // The store takes the value's member of the column's type, whatever the
    // value's own type: a text is not converted into an int column.
    PropertyValue in;
    in.type = PropertyValue::kText;
    in.text = "77";
    in.value = 41;
    p.AddDataProperty(1, in);  // ProjectId
    in.type = PropertyValue::kInt;
    p.AddDataProperty(0, in);  // Name
    EXPECT_EQ(41, static_cast<CRepoProjectInfo&>(p).ProjectId);
    EXPECT_EQ("77", static_cast<CRepoProjectInfo&>(p).Name);

    // A flag word travels as its plain integer.
    auto* members = static_cast<COneListSection*>(doc->GetFirstSection(176));
    ASSERT_EQ(1u, members->Records().size());
    CObjectBase& m = *members->Records()[0];
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(m.IterateDataProperty(i == 0, v, prop));
    EXPECT_EQ(PropertyValue::kInt, v.type);
    EXPECT_EQ(31, v.value);
}

TEST(Repo3Kinds, ProjectLinkGuidsComeChildParentUltimate) {
    auto doc = repotest::ReadText(
        "[ProjectLinkSection]\n"
        "ProjectLink = 1,2,3,4,\"parent\",\"child\",\"top\",\"11111111111111111111111111111111\","
        "\"22222222222222222222222222222222\",\"33333333333333333333333333333333\";\n");
    auto* s = static_cast<COneListSection*>(doc->GetFirstSection(186));
    ASSERT_EQ(1u, s->Records().size());
    auto& r = static_cast<CProjectLink&>(*s->Records()[0]);
    EXPECT_EQ("parent", r.ParentProjectName);
    EXPECT_EQ("child", r.ChildProjectName);
    EXPECT_EQ(GuidOf("11111111111111111111111111111111"), r.ChildProjectGUID);
    EXPECT_EQ(GuidOf("22222222222222222222222222222222"), r.ParentProjectGUID);
    EXPECT_EQ(GuidOf("33333333333333333333333333333333"), r.UltimateParentProjectGUID);
}

TEST(Repo3Lines, FieldsReadByColumnTypeAndWrittenBack) {
    struct Case {
        const char* what;
        int id;
        const char* lines;    // below the section's header
        const char* written;  // the record lines the section writes
    } cases[] = {
        {"member pair", 215, "GroupMemberInfo = 12,7;\n", "GroupMemberInfo = 12,7;\n"},
        {"empty IsLDAP stays 0", 214, "GroupInfo = 3,\"g\",\"Active\",\"d\",,\"\";\n",
         "GroupInfo = 3,\"g\",\"Active\",\"d\",0,\"\";\n"},
        {"twenty values leave GroupGUID zero", 216,
         "RepoGroupObjectPrivilege = 1,2,\"n\",\"p\",3,4,\"g\",\"r\",\"s\",5,6,7,\"\",8,9,10,"
         "11,12,13,\"f\";\n",
         "RepoGroupObjectPrivilege = 1,2,\"n\",\"p\",3,4,\"g\",\"r\",\"s\",5,6,7,\"\",8,9,10,"
         "11,12,13,\"f\",\"\";\n"},
        {"four project fields: fifth written as 0; five kept", 166,
         "ProjectInfo = 1,2,\"n\",\"d\";\nProjectInfo = 3,4,\"m\",\"e\",-5;\n",
         "ProjectInfo = 1,2,\"n\",\"d\",0;\nProjectInfo = 3,4,\"m\",\"e\",-5;\n"},
        {"unquoted text status is written quoted", 177,
         "RepoUserOnMachineInfo = \"u\",\"m\",1,2,3,1;\n",
         "RepoUserOnMachineInfo = \"u\",\"m\",1,2,3,\"1\";\n"},
        {"record type in lower case; GUID digits written in lower case", 165,
         "versioninfo = \"0123456789ABCDEF0123456789ABCDEF\",\"Entity\",3;\n"
         "VERSIONINFO = ,\"View\",4;\n",
         "VersionInfo = \"0123456789abcdef0123456789abcdef\",\"Entity\",3;\n"
         "VersionInfo = \"\",\"View\",4;\n"},
        {"macro status type keeps its underscore", 121,
         "MacroStatus = \"\",\"\",1,1;\nmacro_status = ;\n"
         "Macro_Status = \"\",\"\",2,-1;\n",
         "Macro_Status = \"\",\"\",0,0;\nMacro_Status = \"\",\"\",2,-1;\n"},
        {"history comment with comma and doubled quote", 120,
         "History = \"u\",\"m\",\"CheckIn\",\"2024-01-02\",\"ABCDEF0123456789ABCDEF0123456789\","
         "\"Entity\",7,,\"fixed \"\"a\"\", then b\";\n",
         "History = \"u\",\"m\",\"CheckIn\",\"2024-01-02\",\"abcdef0123456789abcdef0123456789\","
         "\"Entity\",7,\"\",\"fixed \"\"a\"\", then b\";\n"},
        {"flag word with and without prefix", 176,
         "PartialDiagramMember = \"\",\"\",\"E\",1f;\nPartialDiagramMember = \"\",\"\",\"E\",0x1f;\n",
         "PartialDiagramMember = \"\",\"\",\"E\",0x0000001F;\n"
         "PartialDiagramMember = \"\",\"\",\"E\",0x0000001F;\n"},
        {"ten project fields: ASSOCITION_ID 0", 175,
         "RepoProjectInfo = 1,\"n\",\"d\",\"o\",\"\",\"Open\",\"Closed\",2,\"f\",\"\";\n",
         "RepoProjectInfo = 1,\"n\",\"d\",\"o\",\"\",\"Open\",\"Closed\",2,\"f\",\"\",0;\n"},
        {"record type in lower case", 174, "repoobject = \"o\",,\"E\",\"f\",\"s\";\n",
         "RepoObject = \"o\",\"\",\"E\",\"f\",\"s\";\n"},
        {"deleted flag unquoted, date text quoted", 184,
         "BranchTreeInfo = 1,\"d\",\"f\",,2,3,4,\"x\",1,\"u\",2024-05-06 10:00;\n",
         "BranchTreeInfo = 1,\"d\",\"f\",\"\",2,3,4,\"x\",1,\"u\",\"2024-05-06 10:00\";\n"},
        {"zero GUIDs of a pairing", 185, "MergePairings = ,,1,,,0;\n",
         "MergePairings = \"\",\"\",1,\"\",\"\",0;\n"},
        {"int status; a quoted word converts nothing", 217,
         "TaskInfo = 1,\"t\",\"d\",2,\"h\",3,4,5;\nTaskInfo = 6,\"t\",\"d\",7,\"h\",\"Open\",8,9;\n",
         "TaskInfo = 1,\"t\",\"d\",2,\"h\",3,4,5;\nTaskInfo = 6,\"t\",\"d\",7,\"h\",0,8,9;\n"},
        {"first five task fields only", 217, "TaskInfo = 1,\"t\",\"d\",2,\"h\";\n",
         "TaskInfo = 1,\"t\",\"d\",2,\"h\",0,0,0;\n"},
        {"comma inside a quoted comment", 218,
         "ChangeRecordInfo = 1,2,3,4,\"a, b\",\"n\",5,6;\n",
         "ChangeRecordInfo = 1,2,3,4,\"a, b\",\"n\",5,6;\n"},
        {"four decimals; surplus fields passed over", 219,
         "ChangeRecordTaskInfo = 1,-2,3,4;\nChangeRecordTaskInfo = 5,6,7,8,9,\"x\";\n",
         "ChangeRecordTaskInfo = 1,-2,3,4;\nChangeRecordTaskInfo = 5,6,7,8;\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<CSectionBase> probe = repotest::MakeSection(c.id);
        ASSERT_NE(nullptr, probe);
        // The header name is what the section writes between the brackets.
        const std::string fresh = repotest::Written(*probe);
        const size_t open = fresh.find('[');
        const std::string header = fresh.substr(open, fresh.find(']') - open + 1);
        auto doc = repotest::ReadText(header + "\n" + c.lines);
        CSectionBase* s = doc->GetFirstSection(c.id);
        ASSERT_NE(nullptr, s);
        EXPECT_EQ(srtftest::Crlf(c.written), RecordLines(*s));
    }
}

TEST(Repo3Keys, KeysReadByTheirValueType) {
    auto control = [](CSectionBase& s) -> CRepoControlSection& {
        return static_cast<CRepoControlSection&>(s);
    };
    auto shut = [](CSectionBase& s) -> CShutDownSection& {
        return static_cast<CShutDownSection&>(s);
    };
    auto event = [](CSectionBase& s) -> CRepoEventSection& {
        return static_cast<CRepoEventSection&>(s);
    };
    auto branch = [](CSectionBase& s) -> CBranchMergeInfoSection& {
        return static_cast<CBranchMergeInfoSection&>(s);
    };
    const SrtfGuid g = GuidOf("0123456789abcdef0123456789abcdef");
    struct Case {
        int id;
        const char* what;
        std::vector<std::pair<std::string, std::string>> lines;
        std::function<void(CSectionBase&)> check;
    } cases[] = {
        {152, "key in lower case", {{"command", "\"Stop\""}},
         [&](CSectionBase& s) { EXPECT_EQ("Stop", control(s).Command); }},
        {152, "later value wins; an int that does not convert keeps the earlier",
         {{"StrParam2", "\"a\""}, {"StrParam2", "\"b\""}, {"IntParam3", "4"},
          {"IntParam3", "\"5\""}, {"IntParam4", "1"}, {"IntParam4", "-2"}},
         [&](CSectionBase& s) {
             EXPECT_EQ("b", control(s).StrParam2);
             EXPECT_EQ(4, control(s).IntParam3);
             EXPECT_EQ(-2, control(s).IntParam4);
         }},
        {147, "negative time-out", {{"TimeOut", "-30"}},
         [&](CSectionBase& s) { EXPECT_EQ(-30, shut(s).TimeOut); }},
        {147, "time-out that is no number", {{"TimeOut", "abc"}},
         [&](CSectionBase& s) { EXPECT_EQ(0, shut(s).TimeOut); }},
        {154, "GUID quoted, unquoted and empty",
         {{"Diagram_GUID", "\"0123456789ABCDEF0123456789ABCDEF\""},
          {"Object_GUID", "0123456789abcdef0123456789abcdef"}, {"Julian_Date", "2460000"}},
         [&](CSectionBase& s) {
             EXPECT_EQ(g, event(s).Diagram_GUID);
             EXPECT_EQ(g, event(s).Object_GUID);
             EXPECT_EQ(2460000, event(s).Julian_Date);
         }},
        {154, "empty GUID and GUID of 31 digits read as zero",
         {{"Diagram_GUID", "\"\""}, {"Object_GUID", "0123456789abcdef0123456789abcde"}},
         [&](CSectionBase& s) {
             EXPECT_EQ(SrtfGuid(), event(s).Diagram_GUID);
             EXPECT_EQ(SrtfGuid(), event(s).Object_GUID);
         }},
        {183, "source GUID with or without a leading quote; user key in lower case",
         {{"SourceDiagramGUID", "0123456789ABCDEF0123456789ABCDEF"},
          {"TargetDiagramGUID", "\"0123456789abcdef0123456789abcdef\""},
          {"createduser", "\"ann\""}, {"CreatedDate", "2024-05-06"}},
         [&](CSectionBase& s) {
             EXPECT_EQ(g, branch(s).SourceDiagramGUID);
             EXPECT_EQ(g, branch(s).TargetDiagramGUID);
             EXPECT_EQ("ann", branch(s).CreatedUser);
             EXPECT_EQ("2024-05-06", branch(s).CreatedDate);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<CSectionBase> s = repotest::MakeSection(c.id);
        ASSERT_NE(nullptr, s);
        for (const auto& l : c.lines) {
            std::string key = l.first;
            s->DispatchRecord(key, l.second);
        }
        c.check(*s);
    }
}

TEST(Repo3Keys, WrittenValuesReadBackUnchanged) {
    CRepoServerInfoSection server;
    server.Notes = "Raid \"5\", hot spare";
    server.RAM = -1;
    CRepoEventSection event;
    event.Object_GUID = GuidOf("ABCDEF0123456789abcdef0123456789");
    CBranchMergeInfoSection branch;
    branch.Description = "merge \"main\"";
    branch.SourceDiagramGUID = GuidOf("00112233445566778899aabbccddeeff");

    const std::string text =
        repotest::Written(server) + repotest::Written(event) + repotest::Written(branch);
    EXPECT_NE(std::string::npos, text.find("\r\nNotes = \"Raid \"\"5\"\", hot spare\";\r\n"));
    EXPECT_NE(std::string::npos, text.find("\r\nRAM = -1;\r\n"));
    EXPECT_NE(std::string::npos,
              text.find("\r\nObject_GUID = \"abcdef0123456789abcdef0123456789\";\r\n"));
    EXPECT_NE(std::string::npos, text.find("\r\nDiagram_GUID = \"\";\r\n"));
    EXPECT_NE(std::string::npos,
              text.find("\r\nSourceDiagramGUID = \"00112233445566778899aabbccddeeff\";\r\n"));

    const std::string path = srtftest::TempPath("reply.srtf");
    srtftest::WriteBytes(path, text);
    CSRTFContainer doc;
    doc.SetFilePath(path);
    doc.Read();
    auto* s = static_cast<CRepoServerInfoSection*>(doc.GetFirstSection(153));
    auto* e = static_cast<CRepoEventSection*>(doc.GetFirstSection(154));
    auto* b = static_cast<CBranchMergeInfoSection*>(doc.GetFirstSection(183));
    ASSERT_TRUE(s && e && b);
    // A written text keeps its inner quotes when read back.
    EXPECT_EQ(server.Notes, s->Notes);
    EXPECT_EQ(-1, s->RAM);
    EXPECT_EQ(event.Object_GUID, e->Object_GUID);
    EXPECT_EQ(SrtfGuid(), e->Diagram_GUID);
    EXPECT_EQ(branch.Description, b->Description);
    EXPECT_EQ(branch.SourceDiagramGUID, b->SourceDiagramGUID);
    EXPECT_EQ(0, doc.CountObjects());
}

TEST(Repo3Sections, EachHeaderMakesItsOwnSectionAndOnlyTheFirstIsCounted) {
    auto doc = repotest::ReadText(
        "[RepoEventSection]\nSequence_Numb = 1;\nUser = \"ann\";\n"
        "[TaskInfoSection]\nTaskInfo = 1,\"a\",\"\",0,\"\",0,0,0;\n"
        "[RepoStatsInfoSection]\nRepoStatsInfo = \"E\",1,,\"a\",1,1,\"\",1;\n"
        "RepoStatsInfo = \"E\",2,,\"b\",1,2,\"\",2;\nRepoStatsInfo = \"E\",3,,\"c\",1,3,\"\",3;\n"
        "[RepoEventSection]\nSequence_Numb = 2;\n"
        "[TaskInfoSection]\nTaskInfo = 2,\"b\",\"\",0,\"\",0,0,0;\n"
        "TaskInfo = 3,\"c\",\"\",0,\"\",0,0,0;\n"
        "[RepoStatsInfoSection]\n");
    ASSERT_EQ(2, doc->SectionCount(154));
    auto* e1 = static_cast<CRepoEventSection*>(doc->GetFirstSection(154));
    auto* e2 = static_cast<CRepoEventSection*>(doc->GetNextSection(154));
    EXPECT_EQ(1, e1->Sequence_Numb);
    EXPECT_EQ("ann", e1->User);
    EXPECT_EQ(2, e2->Sequence_Numb);
    EXPECT_EQ("", e2->User);

    ASSERT_EQ(2, doc->SectionCount(217));
    EXPECT_EQ(1, doc->GetFirstSection(217)->GetRecordCount());
    EXPECT_EQ(2, doc->GetNextSection(217)->GetRecordCount());
    ASSERT_EQ(2, doc->SectionCount(189));
    EXPECT_EQ(3, doc->GetFirstSection(189)->GetRecordCount());
    EXPECT_EQ(0, doc->GetNextSection(189)->GetRecordCount());
    // The first task section's 1 and the first statistics section's 3.
    EXPECT_EQ(4, doc->CountObjects());
}

}  // namespace
