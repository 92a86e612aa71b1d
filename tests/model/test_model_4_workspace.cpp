// EA workspace and bus-data-object sections: file round trip and the
// signature GUID of a workspace filled from a value that carries none.
#include <gtest/gtest.h>

#include "ipfmtwrite.h"
#include "srtf_test_util.h"

namespace {

TEST(ModelWorkspace4, FileRoundTrip) {
    srtftest::ExpectRoundTrip("model/m4_workspace.srtf");
    // Latest lines before Base lines, record types in other letter case.
    srtftest::ExpectRoundTrip("model/m4_workspace_swapped.srtf", "model/m4_workspace.srtf");
}

// AddDataProperty at position 1 stores the value's GUID whatever its type:
// a text value leaves the zero GUID, written as "".
TEST(ModelWorkspace4, SignatureGuidTakesTheValuesGuidOnly) {
    CSRTFContainer doc;
    CObjectBase* r = doc.CreateSection(198)->CreateRecord();
    CSectionBase::ParseRecordFields("1,\"ws\",\"a0a1a2a3a4a5a6a7a8a9aaabacadaeaf\",\"d\",\"f\"", r);
    PropertyValue name;
    name.text = "renamed";
    PropertyValue text;
    text.type = PropertyValue::kText;
    text.text = "a0a1a2a3a4a5a6a7a8a9aaabacadaeaf";
    r->AddDataProperty(1, name);
    r->AddDataProperty(0, text);
    COutputLineBuffer b;
    r->WriteColumns(b);
    EXPECT_EQ(0, std::string(b.Data()).find("1,\"renamed\",\"\",\"d\",\"f\","));
    delete r;
}

}  // namespace
