// Record kinds of the request selection, dependency selection, option,
// detail report, user administration and role sections: walks, ids, the
// text form of each column type, and the CRequestSelection base.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "repo_test_util.h"
#include "repository/dependencyselection.h"
#include "repository/detailreports.h"
#include "repository/requestoptions.h"
#include "repository/requestselection.h"
#include "repository/roles.h"
#include "repository/useradmin.h"

namespace {

using repotest::Expected;
using repotest::WalkData;

std::string Columns(CObjectBase& r) {
    COutputLineBuffer b;
    r.WriteColumns(b);
    return std::string(b.Data(), static_cast<size_t>(b.Length()));
}

SrtfGuid GuidOf(const char* hex) {
    SrtfGuid g;
    GuidFromHexString(g, hex);
    return g;
}

template <class T>
std::function<CObjectBase*()> Make() {
    return [] { return static_cast<CObjectBase*>(new T); };
}

// Data walk (one digit per step: 0 text, 1 int, 2 GUID, property ids all 0),
// column count, and the written form of a new record.
TEST(Repo2Records, WalksColumnCountsAndDefaults) {
    struct Case {
        const char* what;
        std::function<CObjectBase*()> make;
        const char* walk;
        int columns;
        const char* written;
    } cases[] = {
        {"CMeasurement", Make<CMeasurement>(), "000100", 6, "\"\",\"\",\"\",0,\"\",\"\""},
        {"CErrorDetail", Make<CErrorDetail>(), "0022011", 7,
         "\"\",\"\",\"\",\"\",\"\",0x00000000,0"},
        {"CWarningDetail", Make<CWarningDetail>(), "0022011", 7,
         "\"\",\"\",\"\",\"\",\"\",0x00000000,0"},
        // Records on CRequestSelection walk their own columns only.
        {"CCIRSelection", Make<CCIRSelection>(), "", 2, "\"\",\"\""},
        {"CCORSelection", Make<CCORSelection>(), "1011", 6, "0,\"\",0x00000000,0,\"\",\"\""},
        {"CSharingSourceSelection", Make<CSharingSourceSelection>(), "", 2, "\"\",\"\""},
        {"CSIRSelection", Make<CSIRSelection>(), "20", 2, "\"\",\"\""},
        {"CDeleteObject", Make<CDeleteObject>(), "202", 3, "\"\",\"\",\"\""},
        {"CStructDependency", Make<CStructDependency>(), "10120121", 8,
         "0,\"\",0,\"\",\"\",0x00000000,\"\",0"},
        {"CRIDependency", Make<CRIDependency>(), "10112021", 8,
         "0,\"\",0x00000000,0,\"\",\"\",\"\",0"},
        {"CRIDepInfoAttribute", Make<CRIDepInfoAttribute>(), "01111111111", 11,
         "\"\",0,0,0,0,0,0,0,0,0,0"},
        {"CRIDepInfoEntity", Make<CRIDepInfoEntity>(), "01111", 5, "\"\",0,0,0,0"},
        {"CSIDataOption", Make<CSIDataOption>(), "1", 1, "0"},
        {"CGetLatestOption", Make<CGetLatestOption>(), "1", 1, "0"},
        {"CUserSecurityRight", Make<CUserSecurityRight>(), "001", 3, "\"\",\"\",0x00000000"},
        {"CUserWithSpecificProfile", Make<CUserWithSpecificProfile>(), "00", 2, "\"\",\"\""},
        {"CPrivilege", Make<CPrivilege>(), "001", 3, "\"\",\"\",0"},
        {"CRepoUser", Make<CRepoUser>(), "100", 3, "0,\"\",\"\""},
        {"CRepoRole", Make<CRepoRole>(), "10001", 5, "0,\"\",\"\",\"\",0"},
        {"CRoleDiagram", Make<CRoleDiagram>(), "1000", 4, "0,\"\",\"\",\"\""},
        {"CDiagramInfo", Make<CDiagramInfo>(), "112000", 6, "0,0,\"\",\"\",\"\",\"\""},
        {"CObjPrivilegeSet", Make<CObjPrivilegeSet>(), "1000", 4, "0,\"\",\"\",\"\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<CObjectBase> r(c.make());
        EXPECT_EQ(Expected(c.walk), WalkData(*r));
        EXPECT_EQ(c.columns, r->GetColumnCount());
        EXPECT_EQ(c.written, Columns(*r));
        repotest::ExpectNoKeys(*r);
        // Where the walk yields nothing, the store stores nothing.
        PropertyValue v;
        v.value = 9;
        v.text = "t";
        v.guid = GuidOf("0123456789abcdef0123456789abcdef");
        for (size_t i = 0; i <= std::string(c.walk).size(); ++i) r->AddDataProperty(i == 0, v);
        if (*c.walk == '\0') {
            EXPECT_EQ(c.written, Columns(*r));
        }
    }
}

// Fields read by their column type and written back; lines of another
// record type are passed over.
TEST(Repo2Records, LinesReadAndWrittenByColumnType) {
    struct Case {
        const char* what;
        const char* section;
        const char* line;
        const char* written;  // empty: no record line
    } cases[] = {
        {"unquoted number stays text", "PerformanceSection",
         "Measurement = Load,12.5,ms,3,,Server;",
         "Measurement = \"Load\",\"12.5\",\"ms\",3,\"\",\"Server\";"},
        {"32-bit error code, empty GUID", "ErrorDetailSection",
         "ErrorDetail = \"Db\",\"Entity\",,\"0102030405060708090a0b0c0d0e0f10\",\"x\",0x80004005,2;",
         "ErrorDetail = \"Db\",\"Entity\",\"\",\"0102030405060708090a0b0c0d0e0f10\",\"x\","
         "0x80004005,2;"},
        {"warning under an error detail header", "ErrorDetailSection",
         "WarningDetail = \"Db\",\"Entity\",\"\",\"\",\"x\",1,2;", ""},
        {"error under a warning detail header", "WarningDetailSection",
         "ErrorDetail = \"Db\",\"Entity\",\"\",\"\",\"x\",1,2;", ""},
        {"COR selection", "CORSelectionSection",
         "CORSelection = 12,\"Parent\",1,7,\"\",\"Entity\";",
         "CORSelection = 12,\"Parent\",0x00000001,7,\"\",\"Entity\";"},
        {"COR flag word and signed tech keys", "CORSelectionSection",
         "corselection = -3,\"Child\",0x10,-4,\"00112233445566778899aabbccddeeff\",\"View\";",
         "CORSelection = -3,\"Child\",0x00000010,-4,\"00112233445566778899aabbccddeeff\","
         "\"View\";"},
        {"delete object without version", "DeleteObjectSelectionSection",
         "Delete_Object = \"00112233445566778899aabbccddeeff\",\"Entity\",\"\";",
         "Delete_Object = \"00112233445566778899aabbccddeeff\",\"Entity\",\"\";"},
        {"sharing source", "SharingSourceSelectionSection",
         "SHARING_SOURCE_SELECTION = \"00112233445566778899AABBCCDDEEFF\",Model;",
         "Sharing_Source_Selection = \"00112233445566778899aabbccddeeff\",\"Model\";"},
        {"entity dependency information", "RIDepInfoEntitySection",
         "RIDepInfoEntity = CUSTOMER,2,15,1,0;",
         "RIDepInfoEntity = \"CUSTOMER\",2,15,1,0;"},
        {"numeric dependency type without a number", "RIDepInfoAttributeSection",
         "RIDepInfoAttribute = \"A \"\"b\"\", c\",Parent,1,2,3,4,5,6,7,8,9;",
         "RIDepInfoAttribute = \"A \"\"b\"\", c\",0,1,2,3,4,5,6,7,8,9;"},
        {"textual dependency type", "StructuralDependencySelectionSection",
         "Struct_Dependency = 1,Parent,2,\"\",\"E\",1f,\"\",3;",
         "Struct_Dependency = 1,\"Parent\",2,\"\",\"E\",0x0000001F,\"\",3;"},
        {"option bit vector is decimal", "SIDataOptionsSection", "SIDataOption = -1;",
         "SIDataOption = -1;"},
        {"hex option text reads as 0", "GetLatestOptionsSection", "GetLatestOption = 0x1F;",
         "GetLatestOption = 0;"},
        {"record type spelled as in files", "ObjectSecurityRightAllUserSection",
         "user_secruity_right = \"ok\",\"ann\",255;",
         "User_Secruity_Right = \"ok\",\"ann\",0x00000255;"},
        {"ACL read as hex", "ObjectSecurityRightAllUserSection",
         "User_Secruity_Right = \"ok\",\"ann\",0xFF;",
         "User_Secruity_Right = \"ok\",\"ann\",0x000000FF;"},
        {"privilege id is decimal", "PrivilegeSection", "Privilege = \"Read\",\"r\",-1;",
         "Privilege = \"Read\",\"r\",-1;"},
        {"repository users", "RepoUsersSection", "reporoleuser = 4,\"ann\",\"A\";",
         "RepoRoleUser = 4,\"ann\",\"A\";"},
        {"role ids first and last", "RepoRoleSection", "RepoRole = -5,\"R\",\"d\",\"A\",12;",
         "RepoRole = -5,\"R\",\"d\",\"A\",12;"},
        {"diagram GUID", "DiagramInfoSection",
         "DiagramInfo = 1,2,\"A0A1A2A3A4A5A6A7A8A9AAABACADAEAF\",\"Diagram\",\"D\",\"A\";",
         "DiagramInfo = 1,2,\"a0a1a2a3a4a5a6a7a8a9aaabacadaeaf\",\"Diagram\",\"D\",\"A\";"},
        {"zero diagram GUID", "DiagramInfoSection", "DiagramInfo = 1,2,,\"Diagram\",\"D\",\"A\";",
         "DiagramInfo = 1,2,\"\",\"Diagram\",\"D\",\"A\";"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto doc = repotest::ReadText(std::string("[") + c.section + "]\n" + c.line + "\n");
        const std::string out = srtftest::TempPath("saved.srtf");
        doc->SetFilePath(out);
        doc->Save();
        const std::string text = srtftest::ReadBytes(out);
        const std::string header = std::string("[") + c.section + "]\r\n";
        if (*c.written) {
            EXPECT_NE(std::string::npos, text.find(header + c.written + "\r\n")) << text;
        } else {
            EXPECT_EQ(text.size(), text.find(header) + header.size()) << text;
        }
    }
}

TEST(Repo2Records, DependencySelectionsKeepFlagInTheirOwnPlace) {
    auto doc = repotest::ReadText(
        "[StructuralDependencySelectionSection]\n"
        "Struct_Dependency = 7,\"Parent\",8,\"00112233445566778899aabbccddeeff\",\"Entity\","
        "0x00000004,\"ffeeddccbbaa99887766554433221100\",9;\n"
        "[RIDependencySelectionSection]\n"
        "RI_Dependency = 7,\"Parent\",0x00000004,8,\"00112233445566778899aabbccddeeff\","
        "\"Entity\",\"ffeeddccbbaa99887766554433221100\",9;\n");
    auto& sd = static_cast<CStructDependency&>(
        *static_cast<COneListSection*>(doc->GetFirstSection(139))->Records().at(0));
    auto& ri = static_cast<CRIDependency&>(
        *static_cast<COneListSection*>(doc->GetFirstSection(140))->Records().at(0));
    // Both lines read into the same values.
    for (auto cols : {std::make_tuple(sd.ObjectTechKey, sd.DependencyTechKey, sd.Flag,
                                      sd.NavigationID),
                      std::make_tuple(ri.ObjectTechKey, ri.DependencyTechKey, ri.Flag,
                                      ri.NavigationID)})
        EXPECT_EQ(std::make_tuple(7, 8, 4, 9), cols);
    EXPECT_EQ(sd.ObjectGUID, ri.ObjectGUID);
    EXPECT_EQ(sd.VersionGUID, ri.VersionGUID);
    EXPECT_EQ(GuidOf("ffeeddccbbaa99887766554433221100"), ri.VersionGUID);

    // ObjectTechKey is the id of both; the information records have none.
    EXPECT_EQ(7, sd.GetId());
    EXPECT_EQ(7, ri.GetId());
    sd.SetId(42);
    ri.SetId(42);
    EXPECT_EQ("42,\"Parent\",8,\"00112233445566778899aabbccddeeff\",\"Entity\",0x00000004,"
              "\"ffeeddccbbaa99887766554433221100\",9",
              Columns(sd));
    EXPECT_EQ("42,\"Parent\",0x00000004,8,\"00112233445566778899aabbccddeeff\",\"Entity\","
              "\"ffeeddccbbaa99887766554433221100\",9",
              Columns(ri));
}

TEST(Repo2Records, OnlyTheStructuralAndRIDependenciesHaveAnId) {
    struct Case {
        const char* what;
        std::function<CObjectBase*()> make;
        int id;  // after the first column was set to 5 through the data store
    } cases[] = {
        {"CStructDependency", Make<CStructDependency>(), 5},
        {"CRIDependency", Make<CRIDependency>(), 5},
        {"CCORSelection", Make<CCORSelection>(), 0},
        {"CRIDepInfoAttribute", Make<CRIDepInfoAttribute>(), 0},
        {"CRIDepInfoEntity", Make<CRIDepInfoEntity>(), 0},
        {"CRepoUser", Make<CRepoUser>(), 0},
        {"CSIDataOption", Make<CSIDataOption>(), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<CObjectBase> r(c.make());
        PropertyValue v;
        v.value = 5;
        v.text = "5";
        r->AddDataProperty(1, v);
        EXPECT_EQ(c.id, r->GetId());
        const std::string before = Columns(*r);
        r->SetId(6);
        if (c.id == 0) {
            EXPECT_EQ(before, Columns(*r));
        } else {
            EXPECT_EQ(6, r->GetId());
        }
    }
}

TEST(Repo2Records, OptionStoreTakesOneValuePerReset) {
    CGetLatestOption r;
    PropertyValue v;
    v.value = 5;
    r.AddDataProperty(1, v);
    v.value = 6;
    r.AddDataProperty(0, v);  // past the one column: ignored
    EXPECT_EQ(5, r.OptionBitVector);
    r.AddDataProperty(1, v);
    EXPECT_EQ(6, r.OptionBitVector);
}

// The base offers its two columns through its own walk and cursors, apart
// from the walk of the record built on it.
TEST(Repo2Records, RequestSelectionBaseWalksItsTwoColumnsOnItsOwnCursor) {
    CRequestSelection base;
    EXPECT_EQ(Expected("20"), WalkData(base));
    EXPECT_EQ(2, base.GetColumnCount());
    EXPECT_EQ(0, base.GetId());
    repotest::ExpectNoKeys(base);
    PropertyValue v;
    v.guid = GuidOf("00112233445566778899aabbccddeeff");
    v.text = "Entity \"E\"";
    base.AddDataProperty(1, v);
    base.AddDataProperty(0, v);
    v.text = "ignored";
    base.AddDataProperty(0, v);
    EXPECT_EQ("\"00112233445566778899aabbccddeeff\",\"Entity \"\"E\"\"\"", Columns(base));

    CCORSelection cor;
    cor.ObjectTechKey = 3;
    cor.ObjectType = "View";
    int prop = -1;
    ASSERT_TRUE(cor.IterateDataProperty(1, v, prop));
    EXPECT_EQ(3, v.value);
    // The base's walk, reached on the same record, keeps its own position.
    ASSERT_TRUE(cor.CRequestSelection::IterateDataProperty(1, v, prop));
    ASSERT_TRUE(cor.CRequestSelection::IterateDataProperty(0, v, prop));
    EXPECT_EQ("View", v.text);
    ASSERT_TRUE(cor.IterateDataProperty(0, v, prop));
    EXPECT_EQ(PropertyValue::kText, v.type);
    EXPECT_EQ("", v.text);  // DependencyType, the record's second column
    EXPECT_FALSE(cor.CRequestSelection::IterateDataProperty(0, v, prop));
    EXPECT_EQ(2, cor.CRequestSelection::GetColumnCount());

    // Lines fill the base's columns after the record's own.
    CSharingSourceSelection sharing;
    CSectionBase::ParseRecordFields("\"ffeeddccbbaa99887766554433221100\",\"Model\"", &sharing);
    EXPECT_EQ(GuidOf("ffeeddccbbaa99887766554433221100"), sharing.ObjectGUID);
    EXPECT_EQ("Model", sharing.ObjectType);
    CSectionBase::ParseRecordFields("1,\"Parent\",2,3,\"ffeeddccbbaa99887766554433221100\",E,x",
                                    &cor);
    EXPECT_EQ("1,\"Parent\",0x00000002,3,\"ffeeddccbbaa99887766554433221100\",\"E\"",
              Columns(cor));
}

TEST(Repo2Records, SectionsWriteTheirRecordsInListOrder) {
    auto doc = repotest::ReadText(
        "[GetLatestOptionsSection]\nGetLatestOption = 2;\nGetLatestOption = 1;\n"
        "[CIRSelectionSection]\nCIRSelection = \"\",\"B\";\nCIRSelection = \"\",\"A\";\n"
        "[PerformanceSection]\n");
    EXPECT_EQ(4, doc->CountObjects());
    const std::string out = srtftest::TempPath("saved.srtf");
    doc->SetFilePath(out);
    doc->Save();
    EXPECT_EQ(srtftest::Crlf("\n\n# ObjectGUID, ObjectType;\n\n[CIRSelectionSection]\n"
                             "CIRSelection = \"\",\"B\";\nCIRSelection = \"\",\"A\";\n"
                             "\n\n# MeasurementName, Value, Units, Level, Parent, Category;\n\n"
                             "[PerformanceSection]\n"
                             "\n\n# OptionBitVector;\n\n[GetLatestOptionsSection]\n"
                             "GetLatestOption = 2;\nGetLatestOption = 1;\n"),
              srtftest::ReadBytes(out));
}

}  // namespace
