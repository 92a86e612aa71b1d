// Data-dictionary sections as files: every kind read and written back, the
// list order of the dictionary object links, empty sections, and the
// binding-information section, which reaches the Java side not at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dict_test_util.h"
#include "srtfcontainer.h"

namespace {

using dicttest::Ids;

// One fixture per group of kinds; the reordered form has the lines of the
// second list before those of the first and record types in other case.
TEST(DictFiles, RoundTrip) {
    for (const char* name : {"domain", "default_rule", "userdatatype", "procedure_trigger",
                             "dictionary_objects", "bound_object", "attachments",
                             "reference_value", "enterprise_nst", "binding_info"}) {
        SCOPED_TRACE(name);
        const std::string fixture = std::string("dictionary/") + name + ".srtf";
        srtftest::ExpectRoundTrip(fixture);
        srtftest::ExpectRoundTrip(std::string("dictionary/") + name + "_reordered.srtf",
                                  fixture);
    }
}

TEST(DictFiles, EverySectionIsCountedInTheObjectCount) {
    CSRTFContainer doc;
    doc.SetFilePath(srtftest::FixturePath("dictionary/dictionary_objects.srtf"));
    doc.Read();
    EXPECT_EQ(6, doc.CountObjects());
    CSRTFContainer binding;
    binding.SetFilePath(srtftest::FixturePath("dictionary/binding_info.srtf"));
    binding.Read();
    EXPECT_EQ(2, binding.CountObjects());
}

// An empty section writes its comment line and its header and nothing else.
TEST(DictFiles, EmptySectionsWriteCommentAndHeaderOnly) {
    const struct {
        int id;
        const char* bracket;
        const char* firstColumn;
    } cases[] = {
        {5, "DDAttachmentSection", "AttachmentId"},
        {6, "DDAttachmentTypeSection", "AttachmentTypeId"},
        {8, "DDBoundDictionaryObjectSection", "MetaTableId"},
        {19, "DDDefaultSection", "DefaultId"},
        {22, "DDDictionaryLibrarySection", "DictionaryLibraryId"},
        {23, "DDDictionaryObjectSection", "DictionaryObjectId"},
        {24, "DDDictionaryObjectLinkSection", "NodeLevel"},
        {25, "DDDictionaryTriggerSection", "DictionaryTriggerId"},
        {29, "DDDomainSection", "DomainId"},
        {30, "DDEnterpriseDataDictionarySection", "EnterpriseDDID"},
        {56, "DDReferenceValueSection", "ReferenceValueId"},
        {60, "DDReusableProcedureSection", "ReusableProcedureId"},
        {61, "DDRuleSection", "RuleId"},
        {80, "DDUserDataTypeSection", "Length"},
        {83, "DDValidAttachmentTypeSection", "ValidAttachmentTypeId"},
        {169, "DataDictionaryBindingInfoSection", "DiagramGUID"},
        {187, "DDNamingStandardsTemplateSection", "NamingStandardsTemplateId"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bracket);
        CSRTFContainer doc;
        CSectionBase* s = doc.CreateSection(c.id);
        EXPECT_EQ(0, s->GetRecordCount());
        const std::string text = dicttest::Written(*s);
        const std::string head = srtftest::Crlf(std::string("\n\n# ") + c.firstColumn + ", ");
        const std::string tail = srtftest::Crlf(std::string(";\n\n[") + c.bracket + "]\n");
        EXPECT_EQ(head, text.substr(0, head.size()));
        ASSERT_GE(text.size(), tail.size());
        EXPECT_EQ(tail, text.substr(text.size() - tail.size()));
        EXPECT_EQ(1u, static_cast<size_t>(std::count(text.begin(), text.end(), '[')));
        const char* lastColumn = c.id == 169 ? "ModelType" : "VersionNumber";
        EXPECT_NE(std::string::npos, text.find(std::string(", ") + lastColumn + ";"));
    }
}

const char* const kLinkHead =
    "\n\n# NodeLevel, DictionaryObjectLinkId, DictionaryObjectID, Ultimate_Parent_ID, ParentID, "
    "ChildID, NodeName, IsBottomLevel, ObjectGUID, VersionGUID, ACL, ObjectStatus, VersionId, "
    "ParentVersionId, VersionNumber;\n\n[DDDictionaryObjectLinkSection]\n";

std::string LinkLine(const char* type, int id) {
    return std::string(type) + " = 3," + std::to_string(id) + ",4,5,6,7,\"n\",1," +
           dicttest::kZeroBase + ";\n";
}

// Lines of both types in mixed order come back with every Latest line first,
// each group in read order; the lists still answer as Latest and Base, and
// only Latest records enter the record index.
TEST(DictFiles, LinkSectionWritesLatestListFirst) {
    const std::string in = srtftest::TempPath("in.srtf");
    srtftest::WriteBytes(in, srtftest::Crlf(std::string(kLinkHead) +
                                            LinkLine("Dictionary_Object_Link_Base", 1) +
                                            LinkLine("dictionary_object_link_latest", 2) +
                                            LinkLine("DICTIONARY_OBJECT_LINK_BASE", 3) +
                                            LinkLine("Dictionary_Object_Link_Latest", 4)));
    CSRTFContainer doc;
    const std::string saved = srtftest::ReadAndSave(in, doc);
    EXPECT_EQ(srtftest::Crlf(std::string(kLinkHead) +
                             LinkLine("Dictionary_Object_Link_Latest", 2) +
                             LinkLine("Dictionary_Object_Link_Latest", 4) +
                             LinkLine("Dictionary_Object_Link_Base", 1) +
                             LinkLine("Dictionary_Object_Link_Base", 3)),
              saved);
    CSectionBase* s = doc.GetFirstSection(24);
    ASSERT_NE(nullptr, s);
    EXPECT_EQ((std::vector<int>{2, 4}), Ids(*s->GetLatestList()));
    EXPECT_EQ((std::vector<int>{1, 3}), Ids(*s->GetBaseList()));
    EXPECT_EQ(4, s->GetRecordCount());

    // Only Base records: comment, header and the Base lines.
    CSRTFContainer only;
    CSectionBase* b = only.CreateSection(24);
    dicttest::Dispatch(*b, "Dictionary_Object_Link_Base", "3,1,4,5,6,7,\"n\",1");
    EXPECT_EQ(srtftest::Crlf(std::string(kLinkHead) + LinkLine("Dictionary_Object_Link_Base", 1)),
              dicttest::Written(*b));
}

const char* const kBindingHead =
    "\n\n# DiagramGUID, DDObjGUID, DiagramName, ModelName, ModelGUID, FileName, "
    "DataDictionaryName, DataDictionaryGUID, ParentLogicalName, ParentPhysicalName, ParentGUID, "
    "ParentType, LogicalName, PhysicalName, GUID, Type, QuorvaneSubType, "
    "ParentQuorvaneSubType, ModelType;\n\n[DataDictionaryBindingInfoSection]\n";

// The section keeps its records for the file alone: no list, no record
// factory; a short line is written back with all its columns.
TEST(DictFiles, BindingInfoIsReadAndWrittenOnly) {
    const std::string in = srtftest::TempPath("in.srtf");
    srtftest::WriteBytes(
        in, srtftest::Crlf(std::string(kBindingHead) +
                           "DataDictionaryBindingInfo = \"A0A1A2A3A4A5A6A7A8A9AAABACADAEAF\",,"
                           "\"say \"\"x\"\"\";\n"
                           "Binding_Info_Other = \"\",\"\",\"lost\";\n"));
    CSRTFContainer doc;
    const std::string saved = srtftest::ReadAndSave(in, doc);
    EXPECT_EQ(srtftest::Crlf(std::string(kBindingHead) +
                             "DataDictionaryBindingInfo = \"a0a1a2a3a4a5a6a7a8a9aaabacadaeaf\",\"\","
                             "\"say \"\"x\"\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
                             "\"\",\"\",\"\",0,0,0;\n"),
              saved);
    CSectionBase* s = doc.GetFirstSection(169);
    ASSERT_NE(nullptr, s);
    EXPECT_EQ(1, s->GetRecordCount());
    EXPECT_EQ(nullptr, s->GetRecordList());
    EXPECT_EQ(nullptr, s->GetLatestList());
    EXPECT_EQ(nullptr, s->GetBaseList());
    EXPECT_EQ(nullptr, s->CreateRecord());
    ASSERT_EQ(1, s->GetRecordTypeCount());
    EXPECT_STREQ("DataDictionaryBindingInfo", s->GetRecordTypeTable()[0].recordType);
}

// Each header of the kind makes a section of its own; all are written.
TEST(DictFiles, SeveralBindingInfoSectionsStayApart) {
    const std::string line = "DataDictionaryBindingInfo = \"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
                             "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",1,2,3;\n";
    const std::string text = std::string(kBindingHead) + line + line + kBindingHead + line;
    const std::string in = srtftest::TempPath("in.srtf");
    srtftest::WriteBytes(in, srtftest::Crlf(text));
    CSRTFContainer doc;
    EXPECT_EQ(srtftest::Crlf(text), srtftest::ReadAndSave(in, doc));
    EXPECT_EQ(2, doc.SectionCount(169));
    EXPECT_EQ(2, doc.GetFirstSection(169)->GetRecordCount());
}

}  // namespace
