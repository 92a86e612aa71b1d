// Error sections of a server reply: reading each key by its value type,
// writing all keys in table order, and the members the error calls read.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "ipfmtwrite.h"
#include "repository/servererrors.h"
#include "srtf_test_util.h"

namespace {

std::string Written(CSectionBase& s) {
    const std::string path = srtftest::TempPath("section.srtf");
    IpFmtWrite w(path);
    s.Write(w);
    w.close();
    return srtftest::ReadBytes(path);
}

void Feed(CSectionBase& s, std::string key, const std::string& value) {
    s.DispatchRecord(key, value);
}

TEST(RepoServerErrors, RoundTrip) {
    srtftest::ExpectRoundTrip("repository/servererrors.srtf");
    // Keys in reverse order and other letter case, sections in reverse order:
    // written back in key-table and section-id order.
    srtftest::ExpectRoundTrip("repository/servererrors-variant.srtf",
                              "repository/servererrors.srtf");
}

TEST(RepoServerErrors, FreshSectionsWriteEveryKeyAtItsDefault) {
    CSRTFErrorSection srtf;
    EXPECT_EQ(srtftest::Crlf("\n[SRTFErrorSection]\n"
                             "ErrorDescription = \"\";\n"
                             "SRTFErrorSection = \"\";\n"
                             "SRTFObjectLineNumber = 0;\n"
                             "ErrorCode = 0x00000000;\n"
                             "ErrorLineNumber = 0;\n"
                             "SRTFErrorObject = \"\";\n"
                             "ExpectedColumnCount = 0;\n"
                             "ActualColumnCount = 0;\n"),
              Written(srtf));
    CRepoDbSQLErrorInfoSection sql;
    EXPECT_EQ(srtftest::Crlf("\n[RepoDbSQLErrorInfoSection]\n"
                             "SQLErrorCode = 0;\n"
                             "SQLErrorString = \"\";\n"),
              Written(sql));
}

TEST(RepoServerErrors, KeysReadByTheirValueType) {
    auto general = [](CSectionBase& s) -> CGeneralErrorSection& {
        return static_cast<CGeneralErrorSection&>(s);
    };
    auto sql = [](CSectionBase& s) -> CRepoDbSQLErrorInfoSection& {
        return static_cast<CRepoDbSQLErrorInfoSection&>(s);
    };
    auto G = [] { return static_cast<CSectionBase*>(new CGeneralErrorSection); };
    auto Q = [] { return static_cast<CSectionBase*>(new CRepoDbSQLErrorInfoSection); };
    struct Case {
        std::function<CSectionBase*()> make;
        const char* what;
        std::vector<std::pair<std::string, std::string>> lines;
        std::function<void(CSectionBase&)> check;
    };
    const Case cases[] = {
        {G, "hex code", {{"ErrorCode", "0x00000102"}},
         [&](CSectionBase& s) { EXPECT_EQ(258, general(s).ErrorCode); }},
        {G, "hex code without prefix", {{"ErrorCode", "1f"}},
         [&](CSectionBase& s) { EXPECT_EQ(31, general(s).ErrorCode); }},
        {G, "full 32-bit hex code", {{"ErrorCode", "0xFFFFFFFF"}},
         [&](CSectionBase& s) { EXPECT_EQ(-1, general(s).ErrorCode); }},
        {G, "key in other case", {{"errorcode", "0x2A"}, {"ERRORDESCRIPTION", "\"Disk full\""}},
         [&](CSectionBase& s) {
             EXPECT_EQ(42, general(s).ErrorCode);
             EXPECT_EQ("Disk full", general(s).ErrorDescription);
         }},
        {G, "quoted text with doubled quotes", {{"ErrorDescription", "\"a \"\"b\"\", c\""}},
         [&](CSectionBase& s) { EXPECT_EQ("a \"b\", c", general(s).ErrorDescription); }},
        {G, "unquoted text keeps its text", {{"Information", "plain text"}},
         [&](CSectionBase& s) { EXPECT_EQ("plain text", general(s).Information); }},
        {G, "decimal line number", {{"SourceLine", "-7"}},
         [&](CSectionBase& s) { EXPECT_EQ(-7, general(s).SourceLine); }},
        {G, "quoted int does not convert", {{"SourceLine", "5"}, {"SourceLine", "\"12\""}},
         [&](CSectionBase& s) { EXPECT_EQ(5, general(s).SourceLine); }},
        {G, "later value wins", {{"ClassName", "\"A\""}, {"ClassName", "\"B\""},
                              {"ErrorCode", "0x1"}, {"ErrorCode", "0x2"}},
         [&](CSectionBase& s) {
             EXPECT_EQ("B", general(s).ClassName);
             EXPECT_EQ(2, general(s).ErrorCode);
         }},
        {G, "unknown key ignored", {{"NoSuchKey", "\"x\""}},
         [&](CSectionBase& s) {
             EXPECT_EQ(0, general(s).ErrorCode);
             EXPECT_EQ("", general(s).ErrorDescription);
         }},
        {Q, "signed decimal SQL code", {{"SQLErrorCode", "-1"}},
         [&](CSectionBase& s) { EXPECT_EQ(-1, sql(s).SQLErrorCode); }},
        {Q, "hex text under a decimal key converts its leading 0", {{"SQLErrorCode", "0x10"}},
         [&](CSectionBase& s) { EXPECT_EQ(0, sql(s).SQLErrorCode); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<CSectionBase> s(c.make());
        for (const auto& l : c.lines) Feed(*s, l.first, l.second);
        c.check(*s);
    }
}

TEST(RepoServerErrors, WrittenValuesReadBackUnchanged) {
    CGeneralErrorSection a;
    a.ErrorCode = -1;
    a.ErrorDescription = "Disk \"C\" full, retry";
    a.SourceLine = -7;
    const std::string text = Written(a);
    EXPECT_NE(std::string::npos, text.find("ErrorCode = 0xFFFFFFFF;\r\n"));
    EXPECT_NE(std::string::npos,
              text.find("ErrorDescription = \"Disk \"\"C\"\" full, retry\";\r\n"));
    EXPECT_NE(std::string::npos, text.find("SourceLine = -7;\r\n"));

    const std::string path = srtftest::TempPath("reply.srtf");
    srtftest::WriteBytes(path, text);
    CSRTFContainer doc;
    doc.SetFilePath(path);
    doc.Read();
    auto* b = static_cast<CGeneralErrorSection*>(doc.GetFirstSection(142));
    ASSERT_NE(nullptr, b);
    EXPECT_EQ(-1, b->ErrorCode);
    EXPECT_EQ(a.ErrorDescription, b->ErrorDescription);
    EXPECT_EQ(-7, b->SourceLine);
}

TEST(RepoServerErrors, ReplyKeepsEachErrorSectionWithItsMembers) {
    const std::string path = srtftest::TempPath("reply.srtf");
    srtftest::WriteBytes(path, srtftest::Crlf(
        "[SRTFErrorSection]\nErrorCode = 0x00000009;\nErrorDescription = \"Bad line\";\n"
        "SRTFErrorSection = \"LOCALOBJECTSECTION\";\nExpectedColumnCount = 5;\n"
        "[GeneralErrorSection]\nErrorCode = 0x00000102;\nErrorDescription = \"Disk full\";\n"
        "[GeneralFileErrorSection]\nErrorCode = 0x00000003;\nErrorName = \"Not found\";\n"
        "[GeneralErrorSection]\nErrorCode = 0x00000103;\nErrorDescription = \"Second\";\n"
        "[RepoDbSQLErrorInfoSection]\nSQLErrorCode = -803;\nSQLErrorString = \"Duplicate\";\n"
        "[RepoDbDatabaseErrorSection]\nErrorCode = 0x00000010;\nErrorDescription = \"Db down\";\n"
        "ErrorLineNumber = 12;\n"));
    CSRTFContainer doc;
    doc.SetFilePath(path);
    doc.Read();

    ASSERT_EQ(2, doc.SectionCount(142));
    auto* g1 = static_cast<CGeneralErrorSection*>(doc.GetFirstSection(142));
    auto* g2 = static_cast<CGeneralErrorSection*>(doc.GetNextSection(142));
    EXPECT_EQ(258, g1->ErrorCode);
    EXPECT_EQ("Disk full", g1->ErrorDescription);
    EXPECT_EQ(259, g2->ErrorCode);
    EXPECT_EQ("Second", g2->ErrorDescription);

    auto* f = static_cast<CGeneralFileErrorSection*>(doc.GetFirstSection(141));
    EXPECT_EQ(3, f->ErrorCode);
    EXPECT_EQ("Not found", f->ErrorName);
    auto* q = static_cast<CRepoDbSQLErrorInfoSection*>(doc.GetFirstSection(135));
    EXPECT_EQ(-803, q->SQLErrorCode);
    EXPECT_EQ("Duplicate", q->SQLErrorString);
    auto* d = static_cast<CRepoDbDatabaseErrorSection*>(doc.GetFirstSection(134));
    EXPECT_EQ(16, d->ErrorCode);
    EXPECT_EQ("Db down", d->ErrorDescription);
    EXPECT_EQ(12, d->ErrorLineNumber);
    auto* e = static_cast<CSRTFErrorSection*>(doc.GetFirstSection(133));
    EXPECT_EQ(9, e->ErrorCode);
    EXPECT_EQ("Bad line", e->ErrorDescription);
    EXPECT_EQ("LOCALOBJECTSECTION", e->SRTFErrorSection);
    EXPECT_EQ(5, e->ExpectedColumnCount);

    // Key-value sections hold no records: nothing adds to the object count.
    EXPECT_EQ(0, doc.CountObjects());
    for (int id : {133, 134, 135, 141, 142}) {
        CSectionBase* s = doc.GetFirstSection(id);
        EXPECT_EQ(0, s->GetRecordCount()) << id;
        EXPECT_EQ(nullptr, s->GetRecordList()) << id;
        EXPECT_EQ(nullptr, s->GetLatestList()) << id;
        EXPECT_EQ(nullptr, s->CreateRecord()) << id;
    }
}

}  // namespace
