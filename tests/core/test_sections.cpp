// Section and record frameworks: field splitting, dispatch, the record
// engine's walks, key-value sections and the record index.
#include <gtest/gtest.h>

#include "headersection.h"
#include "ipfmtwrite.h"
#include "model/ddentity.h"
#include "sectionbase.h"
#include "srtf_test_util.h"

namespace {

// A record that records the fields it is given.
class FieldRecorder : public CPlainRecord {
    SRTF_RECORD_KIND(FieldRecorder)
    // Every field through ReadColumn, none converted in place.
    const RecordKind* InPlaceKind() override { return nullptr; }
    int ReadColumn(int index, std::string text) override {
        fields.push_back(std::to_string(index) + ":" + text);
        return 0;
    }
    std::vector<std::string> fields;
};
SRTF_PLAIN_RECORD_TABLE(FieldRecorder, -1)

std::vector<std::string> Split(const std::string& value) {
    FieldRecorder r;
    CSectionBase::ParseRecordFields(value, &r);
    return r.fields;
}

TEST(ParseRecordFields, SplitsAsTheReaderDelivers) {
    struct Case {
        std::string value;
        std::vector<std::string> fields;
    } cases[] = {
        {"1,,3", {"0:1", "1:", "2:3"}},
        {"", {}},
        {"\"a,b\",2", {"0:a,b", "1:2"}},
        {"\"say \"\"hi\"\"\",5", {"0:say \"hi\"", "1:5"}},
        {"x\"a,b\"y", {"0:xa,by"}},
        {"1,2,", {"0:1", "1:2,"}},
        {"7", {"0:7"}},
        {" 12, a ", {"0: 12", "1: a "}},
        {"\"\",\"\"", {"0:", "1:"}},
        {"\"multi\nline\",0x0000001F", {"0:multi\nline", "1:0x0000001F"}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.fields, Split(c.value)) << c.value;
}

// A one-list kind and a key-value kind used only by these tests.
class TestItem : public CPlainRecord {
    SRTF_RECORD_KIND(TestItem)
    int ItemId = 0;
    int OwnerId = 0;
    int OtherOwnerId = 0;
    std::string Label;
    int Mask = 0;
    SrtfGuid Ref;
};
#define R TestItem
SRTF_PLAIN_RECORD_TABLE(R, 0,
    SRTF_COL(R, ItemId,       Int,     0, -1,   0, -1),
    SRTF_COL(R, OwnerId,      Int,     1, -1,   0, 31),
    SRTF_COL(R, OtherOwnerId, Int,     2, -1,   0, 31),
    SRTF_COL(R, Label,        String, -1,  1, 501, -1),
    SRTF_COL(R, Mask,         Hex,    -1,  0, 502, -1),
    SRTF_NO_COLUMN(2, 503),
    SRTF_COL(R, Ref,          Guid,   -1,  3, 504, -1))
#undef R

class CTestItemSection : public COneListSection {
    SRTF_SECTION_KIND(CTestItemSection)
};
SRTF_ONE_LIST_SECTION(CTestItemSection, TestItem, "Item", false)

class CTestKeySection : public CKeyValueSection {
    SRTF_SECTION_KIND(CTestKeySection)
    std::string Name;
    int Code = 0;
    std::string Privilege;
    std::vector<std::string> Privileges;
};
SRTF_KEY_VALUE_SECTION(CTestKeySection,
    SRTF_KEY(CTestKeySection, Name, String),
    SRTF_KEY(CTestKeySection, Code, Hex),
    SRTF_REPEATED_KEY(CTestKeySection, Privilege, Privileges))

std::string WriteSection(CSectionBase& s) {
    const std::string path = srtftest::TempPath("section.srtf");
    {
        IpFmtWrite w(path);
        s.Write(w);
        w.close();
    }
    return srtftest::ReadBytes(path);
}

void Dispatch(CSectionBase& s, std::string type, const std::string& value) {
    s.DispatchRecord(type, value);
}

TEST(SectionFramework, DispatchIgnoresCaseAndUnknownTypes) {
    CDDEntitySection s;
    Dispatch(s, "entity_base", "1");
    Dispatch(s, "ENTITY_LATEST", "2");
    Dispatch(s, "Attr_Base", "3");  // another kind's record type
    Dispatch(s, "Entity_Latest", "4");
    ASSERT_EQ(1u, s.GetBaseList()->size());
    ASSERT_EQ(2u, s.GetLatestList()->size());
    EXPECT_EQ(3, s.GetRecordCount());
    EXPECT_EQ(1, (*s.GetBaseList())[0]->GetId());
    EXPECT_EQ(4, (*s.GetLatestList())[1]->GetId());
    EXPECT_EQ(nullptr, s.GetRecordList());
}

TEST(SectionFramework, OneListAndKeyValueShapesOfferNoLatestList) {
    CTestItemSection one;
    CTestKeySection kv;
    for (CSectionBase* s : {static_cast<CSectionBase*>(&one), static_cast<CSectionBase*>(&kv)}) {
        EXPECT_EQ(nullptr, s->GetLatestList());
        EXPECT_EQ(nullptr, s->GetBaseList());
        EXPECT_EQ(nullptr, s->CreateRecord());
        EXPECT_EQ(nullptr, s->GetRecordList());
    }
    Dispatch(kv, "Name", "\"x\"");
    EXPECT_EQ(0, kv.GetRecordCount());
}

TEST(SectionFramework, EmptyRecordSectionWritesCommentAndHeader) {
    CTestItemSection s;
    EXPECT_EQ(srtftest::Crlf("\n\n# ItemId, OwnerId, OtherOwnerId, Label, Mask, Ref;\n\n[TestItemSection]\n"),
              WriteSection(s));
}

TEST(RecordFramework, ColumnsReadAndWriteByType) {
    CTestItemSection s;
    Dispatch(s, "item",
             "7, 8,x9,\"a \"\"q\"\", b\",1f,\"00112233445566778899AABBCCDDEEFF\",extra,more");
    Dispatch(s, "Item", "   ,1,2,   ,zz,\"abc\"");
    const RecordList& items = s.Records();
    ASSERT_EQ(2u, items.size());
    auto* a = static_cast<TestItem*>(items[0]);
    EXPECT_EQ(7, a->ItemId);
    EXPECT_EQ(8, a->OwnerId);       // a leading blank before a number is fine
    EXPECT_EQ(0, a->OtherOwnerId);  // no number: unchanged
    EXPECT_EQ("a \"q\", b", a->Label);
    EXPECT_EQ(0x1f, a->Mask);
    EXPECT_EQ("00112233445566778899aabbccddeeff", GuidToHexString(a->Ref));
    auto* b = static_cast<TestItem*>(items[1]);
    EXPECT_EQ("", b->Label);  // spaces only read as the empty text
    EXPECT_TRUE(b->Ref.IsZero());
    EXPECT_EQ(srtftest::Crlf("\n\n# ItemId, OwnerId, OtherOwnerId, Label, Mask, Ref;\n\n[TestItemSection]\n"
                             "Item = 7,8,0,\"a \"\"q\"\", b\",0x0000001F,\"00112233445566778899aabbccddeeff\";\n"
                             "Item = 0,1,2,\"\",0x00000000,\"\";\n"),
              WriteSection(s));
}

TEST(RecordFramework, WalksFollowTheTable) {
    TestItem r;
    r.ItemId = 5;
    r.OwnerId = 6;
    r.OtherOwnerId = 7;
    r.Label = "L";
    r.Mask = 9;
    r.Ref = HexStringToGuid("0102030405060708090a0b0c0d0e0f10");

    PropertyValue v;
    int id = 0;
    ASSERT_TRUE(r.IterateDataProperty(1, v, id));
    EXPECT_EQ(PropertyValue::kInt, v.type);
    EXPECT_EQ(9, v.value);
    EXPECT_EQ(502, id);
    ASSERT_TRUE(r.IterateDataProperty(0, v, id));
    EXPECT_EQ(PropertyValue::kText, v.type);
    EXPECT_EQ("L", v.text);
    EXPECT_EQ(501, id);
    // The position without a column reports its id and leaves the value alone.
    v.type = 1;
    v.value = 1234;
    ASSERT_TRUE(r.IterateDataProperty(0, v, id));
    EXPECT_EQ(503, id);
    EXPECT_EQ(1, v.type);
    EXPECT_EQ(1234, v.value);
    ASSERT_TRUE(r.IterateDataProperty(0, v, id));
    EXPECT_EQ(PropertyValue::kGuid, v.type);
    EXPECT_EQ(r.Ref, v.guid);
    EXPECT_FALSE(r.IterateDataProperty(0, v, id));
    EXPECT_EQ(504, id);  // unchanged after the end
    EXPECT_FALSE(r.IterateDataProperty(0, v, id));

    // Tech keys and foreign keys share one cursor.
    int key = 0;
    ASSERT_TRUE(r.IterateTechKeyProperty(1, key));
    EXPECT_EQ(5, key);
    ForeignKeyRef fk;
    ASSERT_TRUE(r.IterateForeignKey(0, fk));  // foreign key #1
    EXPECT_EQ(7, fk.keyValue);
    EXPECT_EQ(31, fk.objectType);
    EXPECT_FALSE(r.IterateForeignKey(0, fk));
    ASSERT_TRUE(r.IterateForeignKey(1, fk));
    EXPECT_EQ(6, fk.keyValue);

    // SetForeignKey fills the first column that refers to the id.
    r.SetForeignKey(70, 31);
    r.SetForeignKey(80, 44);
    EXPECT_EQ(70, r.OwnerId);
    EXPECT_EQ(7, r.OtherOwnerId);

    // Adds store by the column's type, whatever the value's type says.
    PropertyValue in;
    in.type = PropertyValue::kText;
    in.value = 33;
    in.text = "ignored";
    r.AddDataProperty(1, in);
    EXPECT_EQ(33, r.Mask);
    in.text = "T";
    r.AddDataProperty(0, in);
    EXPECT_EQ("T", r.Label);
    r.AddDataProperty(0, in);  // no column: nothing stored, cursor moves
    in.guid = HexStringToGuid("ffffffffffffffffffffffffffffffff");
    r.AddDataProperty(0, in);
    EXPECT_EQ(in.guid, r.Ref);
    r.AddDataProperty(0, in);  // past the end: nothing

    r.AddTechKeyProperty(1, 11);
    r.AddTechKeyProperty(0, 12);
    r.AddTechKeyProperty(0, 13);
    r.AddTechKeyProperty(0, 14);
    EXPECT_EQ(11, r.ItemId);
    EXPECT_EQ(12, r.OwnerId);
    EXPECT_EQ(13, r.OtherOwnerId);
    EXPECT_EQ(11, r.GetId());
    r.SetId(99);
    EXPECT_EQ(99, r.ItemId);
}

TEST(RecordFramework, DiagObjectBaseColumns) {
    CDDEntitySection s;
    Dispatch(s, "Entity_Latest",
             "1,2,3,\"n\",\"\",\"\",\"\",\"\",\"\",0,0,0,0,0,\"\","
             "\"00112233445566778899aabbccddeeff\",,0x00000010,0x1,3,2,1");
    auto* e = static_cast<CDDEntity*>((*s.GetLatestList())[0]);
    EXPECT_EQ("00112233445566778899aabbccddeeff", GuidToHexString(e->ObjectGUID));
    EXPECT_TRUE(e->VersionGUID.IsZero());
    EXPECT_EQ(16, e->ACL);
    EXPECT_EQ(1, e->ObjectStatus);
    EXPECT_EQ(3, e->VersionId);
    EXPECT_EQ(2, e->ParentVersionId);
    EXPECT_EQ(1, e->VersionNumber);
    COutputLineBuffer b;
    e->CDDDiagObject::WriteColumns(b);
    EXPECT_EQ("\"00112233445566778899aabbccddeeff\",\"\",0x00000010,0x00000001,3,2,1",
              std::string(b.Data(), static_cast<size_t>(b.Length())));

    // The base walk has its own cursor and seven positions.
    PropertyValue v;
    int id = 0;
    ASSERT_TRUE(e->CDDDiagObject::IterateDataProperty(1, v, id));
    EXPECT_EQ(PropertyValue::kGuid, v.type);
    EXPECT_EQ(28688, id);
    for (int i = 1; i < 7; ++i) EXPECT_TRUE(e->CDDDiagObject::IterateDataProperty(0, v, id));
    EXPECT_EQ(29258, id);
    EXPECT_EQ(1, v.value);
    EXPECT_FALSE(e->CDDDiagObject::IterateDataProperty(0, v, id));
    EXPECT_FALSE(e->CDDDiagObject::IterateDataProperty(0, v, id));
    // ...while the record's own walk starts at its own first data column.
    ASSERT_TRUE(e->IterateDataProperty(1, v, id));
    EXPECT_EQ("n", v.text);
    EXPECT_EQ(22, e->GetColumnCount());
}

TEST(RecordFramework, RecordIndexKeepsFirstLatestRecordWhenEnabled) {
    CDDEntitySection off;
    Dispatch(off, "Entity_Latest", "1");
    EXPECT_TRUE(off.recordIndex.empty());

    CDDEntitySection on;
    on.sectionId = 31;
    on.indexEnabled = 1;
    Dispatch(on, "Entity_Latest", "5,1");
    Dispatch(on, "Entity_Latest", "5,2");
    Dispatch(on, "Entity_Base", "6");
    ASSERT_EQ(1u, on.recordIndex.size());
    auto* first = static_cast<CDDEntity*>(on.recordIndex.begin()->second);
    EXPECT_EQ(1, first->ModelId);
    EXPECT_EQ(31, on.recordIndex.begin()->first.sectionId);
}

TEST(KeyValueSection, RepeatableKeyAndHexValues) {
    CTestKeySection s;
    EXPECT_EQ(srtftest::Crlf("\n[TestKeySection]\nName = \"\";\nCode = 0x00000000;\nPrivilege = \"\";\n"),
              WriteSection(s));
    Dispatch(s, "privilege", "\"a\"");
    Dispatch(s, "Privilege", "\"b\"");
    Dispatch(s, "PRIVILEGE", "c");
    Dispatch(s, "Code", "0x1F");
    EXPECT_EQ(srtftest::Crlf("\n[TestKeySection]\nName = \"\";\nCode = 0x0000001F;\n"
                             "Privilege = \"a\";\nPrivilege = \"b\";\nPrivilege = \"c\";\n"),
              WriteSection(s));
}

TEST(KeyValueSection, TextValuesReadBackAsWritten) {
    struct Case {
        const char* value;
        const char* text;
    } cases[] = {
        {"\"plain\"", "plain"},
        {"\"say \"\"hi\"\"\"", "say \"hi\""},         // one quoted text: quotes un-doubled
        {"\"\"\"\"", "\""},
        {"\"\"", ""},
        {"a, b, c", "a, b, c"},                       // unquoted: commas stay
        {"say \"hi\"", "say hi"},                     // otherwise every quote goes
        {"\"a\",\"b\"", "a,b"},
        {"\"open", "open"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.text, CKeyValueSection::ReadKeyText(c.value)) << c.value;

    // Whatever is written reads back unchanged.
    for (const char* text : {"x\"y", "\"", "\"\"", "a\"\"b\"", ",;\n\""}) {
        CHeaderSection h;
        h.Comment = text;
        const std::string written = WriteSection(h);
        const std::string marker = "Comment = ";
        const size_t at = written.find(marker) + marker.size();
        const size_t end = written.find(";\r\nMachineName");
        std::string value = written.substr(at, end - at);
        // the file carries CR LF for a line end inside the value
        for (size_t p; (p = value.find("\r\n")) != std::string::npos;) value.erase(p, 1);
        CHeaderSection back;
        Dispatch(back, "Comment", value);
        EXPECT_EQ(text, back.Comment);
    }
}

TEST(HeaderSection, ReadsKeysInAnyOrderAndWritesAllSixteen) {
    CHeaderSection h;
    Dispatch(h, "objectguid", "\"00112233445566778899AABBCCDDEEFF\"");
    Dispatch(h, "UserName", "\"first\"");
    Dispatch(h, "UserName", "\"second\"");
    Dispatch(h, "Comment", "one, two");
    Dispatch(h, "MiscStatus", "12");
    Dispatch(h, "MiscStatus", "none");
    Dispatch(h, "TransactionGUID", "\"\"");
    Dispatch(h, "NoSuchKey", "1");
    EXPECT_EQ(srtftest::Crlf("\n[HeaderSection]\n"
                             "UserName = \"second\";\n"
                             "ObjectGUID = \"00112233445566778899aabbccddeeff\";\n"
                             "ObjectType = \"\";\n"
                             "Operation = \"\";\n"
                             "MiscStatus = 12;\n"
                             "Comment = \"one, two\";\n"
                             "MachineName = \"\";\n"
                             "NamedRelease = \"\";\n"
                             "TransactionGUID = \"\";\n"
                             "UserPassword = \"\";\n"
                             "FileDate = \"\";\n"
                             "SignatureGUID = \"\";\n"
                             "SRTFVersionNumber = 0;\n"
                             "DM1FileSpec = \"\";\n"
                             "Object_Count = 0;\n"
                             "SRTFFileSpec = \"\";\n"),
              WriteSection(h));
}

TEST(SectionFramework, PasswordOperationsRoundTrip) {
    CHeaderSection h;
    std::string cipher, plain;
    int stamp = 0;
    ASSERT_EQ(0, h.EncryptPassword("secret", cipher, stamp));
    EXPECT_EQ(16u, cipher.size());
    CDDEntitySection other;  // every section deciphers with the stamp
    ASSERT_EQ(0, other.DecryptPassword(cipher, plain, stamp));
    EXPECT_EQ("secret", plain);
    EXPECT_EQ(112, other.DecryptPassword("0123456789abcde", plain, stamp));
    EXPECT_EQ("", plain);
}

}  // namespace
