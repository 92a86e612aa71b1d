// Diagram, model and model option sections.
#include "model/dddiagram.h"
#include "test_model_1_support.h"

namespace {

TEST(DiagramModelSections, FixtureRoundTrip) {
    srtftest::ExpectRoundTrip("model/diagram.srtf");
    m1test::ExpectOneBaseOneLatest("model/diagram.srtf", {20, 44, 45});
}

TEST(DiagramModelSections, LatestLinesReadFirstAreWrittenAfterTheBaseLines) {
    srtftest::ExpectRoundTrip("model/diagram_latest_first.srtf", "model/diagram.srtf");
}

TEST(DiagramModelSections, ShortDiagramLineIsWrittenWithEveryColumn) {
    CDDDiagramSection s;
    m1test::Dispatch(s, "Diag_Latest",
                     "1,\"00112233445566778899AABBCCDDEEFF\",\"4.5\",\"2024-01-02\",\"2023-12-31\","
                     "10,20,30,640,480");
    ASSERT_EQ(1u, s.GetLatestList()->size());
    auto* d = static_cast<CDDDiagram*>(s.GetLatestList()->front());
    EXPECT_EQ(480, d->Height);
    EXPECT_EQ("", d->Name);
    EXPECT_TRUE(d->SignatureGUID.IsZero());
    EXPECT_EQ(0, d->QuorvaneDiagramVersion);
    // Zero GUIDs (SignatureGUID, ActiveSubmodelGUID and the base GUIDs) are
    // written as two double quotes.
    EXPECT_EQ(srtftest::Crlf(
                  "\n\n# DiagramId, ActiveModelGUID, DiagramVersionNumber, ModificationDate, "
                  "CreationDate, VerticalSplitterPosition, XPosition, YPosition, Width, Height, "
                  "Name, AuthorName, CompanyName, Copyright, Definition, UnificationOption, "
                  "Filename, CopyrightYear, CodePage, SignatureGUID, QuorvaneDiagramVersion, "
                  "ActiveSubmodelGUID, ObjectGUID, VersionGUID, ACL, ObjectStatus, VersionId, "
                  "ParentVersionId, VersionNumber;\n"
                  "\n[DDDiagramSection]\n"
                  "Diag_Latest = 1,\"00112233445566778899aabbccddeeff\",\"4.5\",\"2024-01-02\","
                  "\"2023-12-31\",10,20,30,640,480,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
                  "\"\",0,\"\",\"\",\"\",0x00000000,0x00000000,0,0,0;\n"),
              m1test::WriteSection(s));
}

TEST(DiagramModelSections, EmptySectionWritesCommentAndHeaderOnly) {
    CDDModelOptionSection s;
    EXPECT_EQ(0, s.GetRecordCount());
    EXPECT_EQ(srtftest::Crlf("\n\n# ModelOptionId, ModelId, OptionType, OptionValue, ObjectGUID, "
                             "VersionGUID, ACL, ObjectStatus, VersionId, ParentVersionId, "
                             "VersionNumber;\n\n[DDModelOptionSection]\n"),
              m1test::WriteSection(s));
}

TEST(DiagramModelSections, ModelKeysAndForeignKey) {
    CDDModelSection s;
    std::unique_ptr<CObjectBase> r(s.CreateRecord());
    ASSERT_NE(nullptr, dynamic_cast<CDDModel*>(r.get()));
    auto* m = static_cast<CDDModel*>(r.get());
    m->AddTechKeyProperty(1, 5);
    m->AddTechKeyProperty(0, 6);  // key position 1: DiagramId
    EXPECT_EQ(5, m->ModelId);
    EXPECT_EQ(6, m->DiagramId);
    m->SetForeignKey(9, 44);  // its own section: nothing
    EXPECT_EQ(5, m->ModelId);
    EXPECT_EQ(6, m->DiagramId);
    m->SetForeignKey(9, 20);
    EXPECT_EQ(9, m->DiagramId);
    EXPECT_EQ((std::vector<std::pair<int, int>>{{9, 20}}), m1test::ForeignKeyWalk(*m));
}

}  // namespace
