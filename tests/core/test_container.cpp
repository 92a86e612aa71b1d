// The SRTF container: reading, the version check, section order and stamps
// on save, the keyword table and the section factory.
#include <gtest/gtest.h>

#include <set>

#include "headersection.h"
#include "model/ddentity.h"
#include "srtf_test_util.h"
#include "srtfcontainer.h"
#include "srtferrors.h"

using srtftest::Crlf;
using srtftest::ReadBytes;
using srtftest::TempPath;
using srtftest::WriteBytes;

namespace {

const char kHeader45[] = "[HeaderSection]\nUserName = \"u\";\nSRTFVersionNumber = 45;\n";

std::string FileWith(const std::string& text) {
    const std::string path = TempPath("in.srtf");
    WriteBytes(path, text);
    return path;
}

// The compiler's date form: "Mar  8 2021".
bool LooksLikeBuildDate(const std::string& d) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return d.size() == 11 && d[0] >= 'A' && d[0] <= 'Z' && d[1] >= 'a' && d[1] <= 'z' && d[2] >= 'a' &&
           d[2] <= 'z' && d[3] == ' ' && (d[4] == ' ' || (d[4] >= '1' && d[4] <= '3')) && digit(d[5]) &&
           d[6] == ' ' && digit(d[7]) && digit(d[8]) && digit(d[9]) && digit(d[10]);
}

void ExpectSrtfException(const CSrtfException& e, int code, int line, const std::string& message,
                         int version, const std::string& detail = "") {
    ASSERT_EQ(1u, e.errors.size());
    EXPECT_EQ(code, e.errors[0].code);
    EXPECT_EQ(line, e.errors[0].line);
    EXPECT_EQ(message, e.errors[0].message);
    EXPECT_EQ(detail, e.errors[0].detail);
    EXPECT_EQ(version, e.srtfVersion);
    EXPECT_TRUE(LooksLikeBuildDate(e.buildDate)) << e.buildDate;
    const std::string src = e.errors[0].sourceFile;
    EXPECT_NE(std::string::npos, src.find("srtfcontainer")) << src;
}

TEST(KeywordTable, LooksUpExactUpperCaseKeywords) {
    EXPECT_EQ(7, SectionIdOfKeyword("DDATTRIBUTESECTION"));
    EXPECT_EQ(0, SectionIdOfKeyword("HEADERSECTION"));
    EXPECT_EQ(227, SectionIdOfKeyword("SIDVIEWCTECOLUMNSECTION"));
    for (const char* bad : {"DDATTRIBUTESECTIO", "DDATTRIBUTESECTIONS", "ddattributesection", "",
                            " DDATTRIBUTESECTION"})
        EXPECT_EQ(-1, SectionIdOfKeyword(bad)) << bad;
    std::set<std::string> keywords;
    for (int id = 0; id < kSectionIdCount; ++id) {
        const char* k = SectionKeywordOf(id);
        ASSERT_NE(nullptr, k);
        EXPECT_EQ(id, SectionIdOfKeyword(k));
        keywords.insert(k);
    }
    EXPECT_EQ(228u, keywords.size());
    EXPECT_EQ(nullptr, SectionKeywordOf(228));
}

// Every section class the factory makes carries its id, is written under a
// name that reads back as the same id, and survives a read of what it wrote.
TEST(SectionFactory, EveryBuiltKindRoundTripsUnderItsKeyword) {
    int built = 0;
    for (int id = 0; id < kSectionIdCount; ++id) {
        if (!SectionMakerOf(id)) continue;
        ++built;
        CSRTFContainer doc;
        CSectionBase* s = doc.CreateSection(id);
        ASSERT_EQ(id, s->sectionId);
        const std::string path = TempPath("kind.srtf");
        doc.SetFilePath(path);
        doc.Save();
        const std::string first = ReadBytes(path);
        CSRTFContainer back;
        back.SetFilePath(path);
        back.Read();  // a header section is stamped with version 45
        ASSERT_EQ(1, back.SectionCount(id)) << SectionKeywordOf(id);
        back.Save();
        EXPECT_EQ(first, ReadBytes(path)) << SectionKeywordOf(id);
    }
    EXPECT_EQ(kSectionIdCount, built);  // every id has its class
}

TEST(SectionFactory, RefusesIdsItCannotBuild) {
    CSRTFContainer doc;
    for (int id : {-1, 228}) {
        try {
            doc.CreateSection(id);
            FAIL() << id;
        } catch (const CSrtfException& e) {
            ExpectSrtfException(e, 0x01078001, 1754,
                                "Invalid Create Section:  The section is outdated or does not exist.", 45);
        }
        EXPECT_EQ(nullptr, doc.GetSectionList(id));
    }
    CSectionBase* a = doc.CreateSection(0);
    CSectionBase* b = doc.CreateSection(0);
    EXPECT_NE(a, b);
    EXPECT_EQ(2, doc.SectionCount(0));
    EXPECT_EQ(a, doc.FindSection(0, false));
}

TEST(Container, VersionCheck) {
    {
        CSRTFContainer doc;
        doc.SetFilePath(FileWith(kHeader45));
        EXPECT_EQ(1, doc.Read());
    }
    struct Case {
        std::string text;
        int version;
    } cases[] = {
        {"[DDEntitySection]\nEntity_Latest = 1;\n[HeaderSection]\nSRTFVersionNumber = 44;\n", 44},
        {"[HeaderSection]\nUserName = \"u\";\n", 0},
    };
    for (const Case& c : cases) {
        CSRTFContainer doc;
        doc.SetFilePath(FileWith(c.text));
        try {
            doc.Read();
            FAIL() << c.text;
        } catch (const CSrtfException& e) {
            ExpectSrtfException(e, 0x01078004, 477,
                                "SRTF Version Mismatch:  The SRTF Version read from the file does not "
                                "match the current SRTF Version.",
                                c.version);
        }
        // what was read stays in the container
        EXPECT_EQ(1, doc.SectionCount(0));
    }
    CSRTFContainer noHeader;
    noHeader.SetFilePath(FileWith("[DDEntitySection]\nEntity_Latest = 1;\n"));
    EXPECT_EQ(1, noHeader.Read());
    EXPECT_EQ(1, noHeader.CountObjects());
}

TEST(Container, UnknownKeywordKeepsWhatWasRead) {
    for (const char* header : {"[NoSuchSection]", "[ DDEntitySection]"}) {
        CSRTFContainer doc;
        doc.SetFilePath(FileWith(std::string("[ddentitysection]\nEntity_Base = 1;\n") + header +
                                 "\nX = 1;\n"));
        try {
            doc.Read();
            FAIL();
        } catch (const CSrtfException& e) {
            ExpectSrtfException(e, 0x01078001, 1754,
                                "Invalid Create Section:  The section is outdated or does not exist.", 45);
        }
        EXPECT_EQ(1, doc.SectionCount(31));
        EXPECT_EQ(1, doc.CountObjects());
    }
}

TEST(Container, SavesInIdOrderAndStampsEveryHeader) {
    const std::string in =
        "leading text is skipped\n"
        "[DDEntitySection]\nEntity_Latest = 2;\nEntity_Base = 1;\n"
        "[DDAttributeSection]\nAttr_Base = 9;\n"
        "[HEADERSECTION]\nUserName = \"a\";\nSRTFVersionNumber = 45;\nObject_Count = 77;\n"
        "[DDEntitySection]\nEntity_Latest = 3;\n"
        "[HeaderSection]\nUserName = \"b\";\nSRTFVersionNumber = 45;\n";
    CSRTFContainer doc;
    doc.SetFilePath(FileWith(in));
    doc.Read();
    // Only the first section of each id is counted: 1 attribute + 2 entities.
    EXPECT_EQ(3, doc.CountObjects());
    EXPECT_EQ(3, doc.CountListRecords());
    const std::string out = TempPath("out.srtf");
    doc.SetFilePath(out);
    doc.Save();

    auto header = [&](const char* user) {
        return std::string("\n[HeaderSection]\nUserName = \"") + user +
               "\";\nObjectGUID = \"\";\nObjectType = \"\";\nOperation = \"\";\nMiscStatus = 0;\n"
               "Comment = \"\";\nMachineName = \"\";\nNamedRelease = \"\";\nTransactionGUID = \"\";\n"
               "UserPassword = \"\";\nFileDate = \"\";\nSignatureGUID = \"\";\nSRTFVersionNumber = 45;\n"
               "DM1FileSpec = \"\";\nObject_Count = 3;\nSRTFFileSpec = \"" + out + "\";\n";
    };
    const std::string attrCols =
        "AttributeId, EntityId, InterModelRelId, DomainId, UserDatatypeId, RuleId, DefaultId, "
        "AttributeName, ColumnName, RoleName, Datatype, Nullable, Length, Scale, IdentityColumn, "
        "IdentitySeed, IdentityIncrement, SequenceNumber, CheckConstraint, DefaultText, "
        "ColNameSetOption, RoleNameSetOption, PrimaryKey, Definition, LogicalRoleName, "
        "PKSequenceNumber, LogicalRoleNameSetOption, Notes, DefaultName, OverrideDataBits, Flags, "
        "AverageWidth, PercentNull, NSTFlag, IdentitySeedStr, IdentityIncrementStr, UnifiedToId, "
        "CompareFlags, PhysicalCompareFlags, IdentityInd_PD, IdentityIncrement_PD, IdentitySeed_PD, "
        "CheckConstraint_PD, Datatype_PD, CompositeDatatype_PD, Length_PD, Scale_PD, ColumnName_PD, "
        "ObjectGUID, VersionGUID, ACL, ObjectStatus, VersionId, ParentVersionId, VersionNumber";
    const std::string entityCols =
        "EntityId, ModelId, InterModelRelId, EntityName, TableName, Definition, Note, Owner, "
        "EntityType, DimModelSettings, Flags, NSTFlag, PhysicalCompareFlags, CompareFlags, DDL_PD, "
        "ObjectGUID, VersionGUID, ACL, ObjectStatus, VersionId, ParentVersionId, VersionNumber";
    const std::string attrTail = std::string(",0,0,0,0,0,0") + ",\"\",\"\",\"\",\"\",0,0,0,\"\",0,0,0,\"\",\"\",0,0,0,"
                                 "\"\",\"\",0,0,\"\",\"\",0,0,0,0,0,\"\",\"\",0,0,0,0,0,0,\"\",\"\",\"\",0,0,\"\","
                                 "\"\",\"\",0x00000000,0x00000000,0,0,0";
    const std::string entityTail =
        ",0,0,\"\",\"\",\"\",\"\",\"\",\"\",0,0,0,0,0,\"\",\"\",\"\",0x00000000,0x00000000,0,0,0";
    const std::string want = header("a") + header("b") +
                             "\n\n# " + attrCols + ";\n\n[DDAttributeSection]\nAttr_Base = 9" + attrTail + ";\n" +
                             "\n\n# " + entityCols + ";\n\n[DDEntitySection]\nEntity_Base = 1" + entityTail +
                             ";\nEntity_Latest = 2" + entityTail + ";\n" +
                             "\n\n# " + entityCols + ";\n\n[DDEntitySection]\nEntity_Latest = 3" + entityTail + ";\n";
    EXPECT_EQ(Crlf(want), ReadBytes(out));

    // What was written reads back to the same bytes.
    CSRTFContainer again;
    again.SetFilePath(out);
    again.Read();
    again.Save();
    EXPECT_EQ(Crlf(want), ReadBytes(out));
}

TEST(Container, SaveOfEmptyDocumentEmptiesTheFile) {
    const std::string path = FileWith("old content");
    CSRTFContainer doc;
    doc.SetFilePath(path);
    doc.Save();
    EXPECT_EQ("", ReadBytes(path));
}

TEST(Container, SectionCursorsAndInvalidIds) {
    CSRTFContainer doc;
    EXPECT_EQ(nullptr, doc.GetNextSection(0));
    CSectionBase* a = doc.CreateSection(0);
    CSectionBase* b = doc.CreateSection(0);
    EXPECT_EQ(nullptr, doc.GetNextSection(0));
    EXPECT_EQ(a, doc.GetFirstSection(0));
    EXPECT_EQ(b, doc.GetNextSection(0));
    EXPECT_EQ(nullptr, doc.GetNextSection(0));
    EXPECT_EQ(nullptr, doc.GetNextSection(0));
    for (int id : {-1, 228}) {
        EXPECT_EQ(nullptr, doc.GetFirstSection(id));
        EXPECT_EQ(nullptr, doc.GetNextSection(id));
        EXPECT_EQ(nullptr, doc.GetSectionList(id));
        EXPECT_EQ(nullptr, doc.FindSection(id, false));
    }
    try {
        doc.FindSection(31, true);
        FAIL();
    } catch (const CSrtfException& e) {
        ExpectSrtfException(e, 0x01078001, 1854, "Invalid Section: Section does not exist in SRTF Container.",
                            45, "DDENTITYSECTION");
    }
    try {
        doc.SectionKeyword(228);
        FAIL();
    } catch (const CSrtfException& e) {
        ExpectSrtfException(e, 0x01078001, 2215, "Invalid Section: Section does not exist in SRTF Container.",
                            45);
    }
    try {
        doc.SectionCount(-1);
        FAIL();
    } catch (const CSrtfException& e) {
        ExpectSrtfException(e, 0x01078001, 2295, "Invalid Section: Section does not exist in SRTF Container.",
                            45);
    }
    EXPECT_EQ("DDATTRIBUTESECTION", doc.SectionKeyword(7));
    EXPECT_EQ(0, doc.SectionCount(7));

    // The walk over the kinds present.
    doc.CreateSection(31);
    doc.ResetSectionType();
    std::vector<int> kinds;
    for (doc.NextSectionType(); !doc.SectionTypeAtEnd(); doc.NextSectionType()) kinds.push_back(doc.GetSectionType());
    EXPECT_EQ((std::vector<int>{0, 31}), kinds);
}

TEST(Container, FileErrorsLeaveTheDocument) {
    CSRTFContainer doc;
    doc.SetFilePath("/nonexistent-folder/x.srtf");
    try {
        doc.Read();
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(84, e.line);
        EXPECT_EQ("/nonexistent-folder/x.srtf", e.path);
        EXPECT_EQ("r", e.mode);
    }
    try {
        doc.Save();
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(84, e.line);
        EXPECT_EQ("w", e.mode);
    }
#if !defined(_WIN32)  // Windows has no full device; its write failure is tested with a closed pipe
    doc.CreateSection(0);
    doc.SetFilePath("/dev/full");
    EXPECT_THROW(doc.Save(), FileError);
#endif

    // A syntax error keeps the sections and records read until then.
    CSRTFContainer partial;
    partial.SetFilePath(FileWith("[DDEntitySection]\nEntity_Base = 1;\n= 2;\n"));
    try {
        partial.Read();
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(-2, e.GetCode());
        EXPECT_EQ(235, e.line);
    }
    EXPECT_EQ(1, partial.CountObjects());
}

}  // namespace
