// The error types: the one-entry CSrtfException that MakeSrtfException
// builds, copies that own their entries, FileError caught as ErrorBase, the
// build date's form and the catalogue texts.
#include <gtest/gtest.h>

#include <string>

#include "srtferrors.h"

namespace {

TEST(SrtfException, MakeBuildsOneEntry) {
    const CSrtfException e =
        MakeSrtfException(SrtfErr::kCodeInvalidSection, SrtfErr::kLineFindSection,
                          SrtfErr::kMsgInvalidSection, "DDATTRIBUTESECTION", SrtfErr::kFormatVersion,
                          "reposhared/srtfobjects/srtfcontainer.cpp");
    EXPECT_EQ(e.srtfVersion, 45);
    EXPECT_EQ(e.text, "");
    EXPECT_EQ(e.buildDate, SrtfBuildDate());
    ASSERT_EQ(e.errors.size(), 1u);
    const ErrorEntry& entry = e.errors[0];
    EXPECT_EQ(entry.code, 0x01078001);
    EXPECT_EQ(entry.line, 1854);
    EXPECT_EQ(entry.message, "Invalid Section: Section does not exist in SRTF Container.");
    EXPECT_EQ(entry.sourceFile, "reposhared/srtfobjects/srtfcontainer.cpp");
    EXPECT_EQ(entry.detail, "DDATTRIBUTESECTION");
    EXPECT_EQ(entry.reserved1 | entry.reserved2 | entry.reserved3, 0);
    EXPECT_EQ(entry.reservedText, "");

    const CSrtfException mismatch =
        MakeSrtfException(SrtfErr::kCodeVersionMismatch, SrtfErr::kLineVersionMismatch,
                          SrtfErr::kMsgVersionMismatch, "", 44, "srtfcontainer.cpp");
    EXPECT_EQ(mismatch.srtfVersion, 44);
    ASSERT_EQ(mismatch.errors.size(), 1u);
    EXPECT_EQ(mismatch.errors[0].code, 0x01078004);
    EXPECT_EQ(mismatch.errors[0].line, 477);
    EXPECT_EQ(mismatch.errors[0].detail, "");
}

TEST(SrtfException, BuildDateHasTheCompilerForm) {
    // "Mar  8 2021": three-letter month, the day right-aligned in two places,
    // the four-digit year, single blanks between
    const std::string date = SrtfBuildDate();
    ASSERT_EQ(date.size(), 11u) << date;
    const std::string months = "JanFebMarAprMayJunJulAugSepOctNovDec";
    const size_t month = months.find(date.substr(0, 3));
    EXPECT_TRUE(month != std::string::npos && month % 3 == 0) << date;
    EXPECT_EQ(date[3], ' ');
    const bool digit4 = date[4] >= '1' && date[4] <= '3';
    EXPECT_TRUE(date[4] == ' ' || digit4) << date;
    EXPECT_TRUE(date[5] >= (digit4 ? '0' : '1') && date[5] <= '9') << date;
    EXPECT_EQ(date[6], ' ');
    for (int i = 7; i < 11; ++i) EXPECT_TRUE(date[i] >= '0' && date[i] <= '9') << date;
}

TEST(SrtfException, CopyOwnsItsEntries) {
    CSrtfException original = MakeSrtfException(SrtfErr::kCodeInvalidSection, 2215,
                                                SrtfErr::kMsgInvalidSection, "", 45, "a.cpp");
    {
        CSrtfException* copy = new CSrtfException(original);
        ErrorEntry second;
        second.SetMessage("second");
        copy->AddErrorEntry(second);
        copy->errors[0].SetMessage("changed");
        EXPECT_EQ(copy->errors.size(), 2u);
        delete copy;
    }
    ASSERT_EQ(original.errors.size(), 1u);
    EXPECT_EQ(original.errors[0].message, SrtfErr::kMsgInvalidSection);
    EXPECT_EQ(original.errors[0].line, 2215);

    try {
        throw original;
    } catch (const CSrtfException& caught) {
        ASSERT_EQ(caught.errors.size(), 1u);
        EXPECT_EQ(caught.errors[0].line, 2215);
        EXPECT_EQ(caught.buildDate, original.buildDate);
    }
}

TEST(FileErrorType, CaughtAsErrorBaseKeepsItsCode) {
    FileError error(-2);
    error.SetPath("/tmp/x.srtf");
    error.SetMode("r");
    error.SetMessage("m");
    error.SetSourceFile("s.cpp");
    error.SetLine(235);
    try {
        throw error;
    } catch (const ErrorBase& base) {
        EXPECT_EQ(base.GetCode(), -2);
    }
    try {
        throw error;
    } catch (const FileError& copy) {
        EXPECT_EQ(copy.GetCode(), -2);
        EXPECT_EQ(copy.path, "/tmp/x.srtf");
        EXPECT_EQ(copy.mode, "r");
        EXPECT_EQ(copy.message, "m");
        EXPECT_EQ(copy.sourceFile, "s.cpp");
        EXPECT_EQ(copy.line, 235);
    }
    EXPECT_EQ(ErrorBase().GetCode(), 0);
}

// The catalogue's texts are the system's own and are compared letter for
// letter by its clients (note the two blanks after some colons).
TEST(Catalogue, MessageTexts) {
    EXPECT_STREQ(SrtfErr::kMsgVersionMismatch,
                 "SRTF Version Mismatch:  The SRTF Version read from the file does not match the "
                 "current SRTF Version.");
    EXPECT_STREQ(SrtfErr::kMsgInvalidSection,
                 "Invalid Section: Section does not exist in SRTF Container.");
    EXPECT_STREQ(SrtfErr::kMsgInvalidCreateSection,
                 "Invalid Create Section:  The section is outdated or does not exist.");
    EXPECT_STREQ(SrtfErr::kMsgExpectSymbol, "Parser - Expected a SYMBOL token type not returned");
    EXPECT_STREQ(SrtfErr::kMsgExpectEqual, "Parser - Expected a EQUAL token type not returned");
    EXPECT_STREQ(SrtfErr::kMsgUnexpectedEof,
                 "IpIoBase::fgets() failed: An invalid EOF character was encountered in the file.");
    EXPECT_STREQ(SrtfErr::kMsgSharingViolation,
                 "The Dode Didud Eduzov can't access the internal SRTF file because the Zara Ro "
                 "Rivure is using it.");
}

}  // namespace
