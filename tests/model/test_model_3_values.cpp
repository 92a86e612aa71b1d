// Column values of the view, comment, procedure and storage kinds that need
// more than a distinct value per column: hex and decimal Flags, the comment's
// GUID column, texts with commas, quotes and blanks, short and long lines,
// and records built through the Java-side calls, saved and read back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ipfmtwrite.h"
#include "srtf_test_util.h"

namespace {

std::vector<std::string> Fields(CObjectBase& rec) {
    COutputLineBuffer b;
    rec.WriteColumns(b);
    std::vector<std::string> out(1);
    for (int i = 0; i < b.Length(); ++i) {
        if (b.Data()[i] == ',') out.emplace_back();
        else out.back() += b.Data()[i];
    }
    return out;
}

CObjectBase* NewRecord(CSRTFContainer& doc, int sectionId) {
    CSectionBase* s = doc.CreateSection(sectionId);
    CObjectBase* r = s->CreateRecord();
    s->GetLatestList()->push_back(r);
    return r;
}

// Flags is a hex column in procedures, templated procedures and triggers and
// a decimal one in packages.
TEST(Model3Values, FlagsAreHexOrDecimalByKind) {
    struct Case {
        int sectionId, column, dataPos;
        const char* input;
        const char* written;
        int value;
    };
    const Case cases[] = {
        {52, 3, 1, "10", "0x00000010", 16},
        {52, 3, 1, "0x10", "0x00000010", 16},
        {52, 3, 1, "ffffffff", "0xFFFFFFFF", -1},
        {77, 4, 2, "0x10", "0x00000010", 16},
        {17, 6, 4, "10", "0x00000010", 16},
        {16, 5, 3, "0x10", "0", 0},  // the decimal reader stops at the x
        {16, 5, 3, "16", "16", 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.sectionId) + " " + c.input);
        CSRTFContainer doc;
        CObjectBase* r = NewRecord(doc, c.sectionId);
        ASSERT_TRUE(r);
        r->ReadColumn(c.column, c.input);
        EXPECT_EQ(c.written, Fields(*r)[static_cast<size_t>(c.column)]);
        PropertyValue v;
        int pid = 0;
        for (int i = 0; i <= c.dataPos; ++i) ASSERT_TRUE(r->IterateDataProperty(i == 0, v, pid));
        EXPECT_EQ(PropertyValue::kInt, v.type);
        EXPECT_EQ(c.value, v.value);
    }
}

TEST(Model3Values, TextGuidAndShortLongLinesRoundTrip) {
    const std::string objectTracking =
        "\n\n# ObjectTrackingId, MetaTableId, TableRowId, CreatedBy, CreateTimestamp, "
        "LastUpdatedBy, LastUpdateTimestamp, ObjectGUID, VersionGUID, ACL, ObjectStatus, "
        "VersionId, ParentVersionId, VersionNumber;\n\n[DDObjectTrackingSection]\n";
    const std::string comment =
        "\n\n# CommentId, Comment, Timestamp, MetatableId, TableRowGUID, ParentContainerId, "
        "ParentContainerType, UserName, ObjectGUID, VersionGUID, ACL, ObjectStatus, VersionId, "
        "ParentVersionId, VersionNumber;\n\n[DDCommentSection]\n";
    const std::string in = srtftest::Crlf(
        objectTracking +
        "ObjectTracking_Base = 1,2;\n"
        "ObjectTracking_Latest = 4,5,6,\"   \",\"2024-01-02, 10:11\",\" a \",\"x\"\"y\",,\"\","
        "0x1,0x2,3,4,5;\n" +
        comment +
        "Comment_Base = 7,\"c\",1700000000,3,\"00112233445566778899AABBCCDDEEFF\",11,12,\"u\","
        "\"\",\"\",0x0,0x0,1,2,3,99,100;\n"
        "Comment_Latest = 8,\"\",-1,4,\"\",13,14,\"v\",\"\",\"\",0x0,0x0,1,2,3;\n");
    const std::string want = srtftest::Crlf(
        objectTracking +
        "ObjectTracking_Base = 1,2,0,\"\",\"\",\"\",\"\",\"\",\"\",0x00000000,0x00000000,0,0,0;\n"
        "ObjectTracking_Latest = 4,5,6,\"\",\"2024-01-02, 10:11\",\" a \",\"x\"\"y\",\"\",\"\","
        "0x00000001,0x00000002,3,4,5;\n" +
        comment +
        "Comment_Base = 7,\"c\",1700000000,3,\"00112233445566778899aabbccddeeff\",11,12,\"u\","
        "\"\",\"\",0x00000000,0x00000000,1,2,3;\n"
        "Comment_Latest = 8,\"\",-1,4,\"\",13,14,\"v\",\"\",\"\",0x00000000,0x00000000,1,2,3;\n");

    const std::string path = srtftest::TempPath("in.srtf");
    srtftest::WriteBytes(path, in);
    CSRTFContainer doc;
    EXPECT_EQ(want, srtftest::ReadAndSave(path, doc));

    // The all-zero GUID read from "" is reported as a GUID value.
    CSectionBase* s = doc.GetFirstSection(202);
    ASSERT_TRUE(s && s->GetLatestList()->size() == 1);
    PropertyValue v;
    GuidFromHexString(v.guid, "ffffffffffffffffffffffffffffffff");
    int pid = 0;
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(s->GetLatestList()->front()->IterateDataProperty(i == 0, v, pid));
    EXPECT_EQ(29907, pid);
    EXPECT_EQ(PropertyValue::kGuid, v.type);
    EXPECT_TRUE(v.guid.IsZero());
}

// A common table expression and one of its columns, built as the Java side
// builds them (keys parent first), saved and read back.
TEST(Model3Values, CteRecordsBuiltByKeyPositionSaveOwnIdFirst) {
    const std::string path = srtftest::TempPath("cte.srtf");
    {
        CSRTFContainer doc;
        CObjectBase* cte = NewRecord(doc, 224);
        CObjectBase* col = NewRecord(doc, 225);
        ASSERT_TRUE(cte && col);
        cte->AddTechKeyProperty(1, 7);  // DbViewId
        cte->AddTechKeyProperty(0, 8);  // ViewCteId
        PropertyValue v;
        v.text = "cte, one";
        cte->AddDataProperty(1, v);
        v.text = "select \"x\"";
        cte->AddDataProperty(0, v);
        v.value = 3;
        cte->AddDataProperty(0, v);
        col->AddTechKeyProperty(1, 8);  // ViewCteId
        col->AddTechKeyProperty(0, 9);  // ViewCteColumnId
        v.text = "col";
        col->AddDataProperty(1, v);
        v.value = 4;
        col->AddDataProperty(0, v);
        EXPECT_EQ(8, cte->GetId());
        EXPECT_EQ(9, col->GetId());
        doc.SetFilePath(path);
        doc.Save();
    }
    const std::string saved = srtftest::ReadBytes(path);
    EXPECT_NE(std::string::npos,
              saved.find("ViewCte_Latest = 8,7,\"cte, one\",\"select \"\"x\"\"\",3,"));
    EXPECT_NE(std::string::npos, saved.find("ViewCteColumn_Latest = 9,8,\"col\",4,"));

    CSRTFContainer doc;
    doc.SetFilePath(path);
    doc.Read();
    struct Expect {
        int sectionId;
        std::vector<int> keys;
        std::vector<std::string> texts;
        int sequenceNo;
        int id;
    };
    for (const Expect& e : {Expect{224, {7, 8}, {"cte, one", "select \"x\""}, 3, 8},
                            Expect{225, {8, 9}, {"col"}, 4, 9}}) {
        SCOPED_TRACE(e.sectionId);
        CSectionBase* s = doc.GetFirstSection(e.sectionId);
        ASSERT_TRUE(s && s->GetLatestList()->size() == 1);
        CObjectBase* r = s->GetLatestList()->front();
        int key = 0;
        for (size_t i = 0; i < e.keys.size(); ++i) {
            ASSERT_TRUE(r->IterateTechKeyProperty(i == 0, key));
            EXPECT_EQ(e.keys[i], key);
        }
        PropertyValue v;
        int pid = 0;
        for (size_t i = 0; i < e.texts.size(); ++i) {
            ASSERT_TRUE(r->IterateDataProperty(i == 0, v, pid));
            EXPECT_EQ(e.texts[i], v.text);
        }
        ASSERT_TRUE(r->IterateDataProperty(0, v, pid));
        EXPECT_EQ(e.sequenceNo, v.value);
        EXPECT_FALSE(r->IterateDataProperty(0, v, pid));
        EXPECT_EQ(e.id, r->GetId());
    }
}

}  // namespace
