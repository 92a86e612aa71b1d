// Display-override, subject-area, lineage-display and layout sections: each
// file is read and saved back byte for byte; a variant with the sections in
// reverse order, the Latest lines before the Base lines and the record types
// in other letter case saves to the same bytes.
#include <gtest/gtest.h>

#include <string>

#include "srtf_test_util.h"

namespace {

class Diagram2Files : public ::testing::TestWithParam<const char*> {};

TEST_P(Diagram2Files, RoundTripKeepsEveryField) {
    const std::string name = std::string("diagram/") + GetParam();
    srtftest::ExpectRoundTrip(name + ".srtf");
}

TEST_P(Diagram2Files, ReorderedFileIsWrittenInSectionAndListOrder) {
    const std::string name = std::string("diagram/") + GetParam();
    srtftest::ExpectRoundTrip(name + "_swapped.srtf", name + ".srtf");
}

INSTANTIATE_TEST_SUITE_P(All, Diagram2Files,
                         ::testing::Values("dg2_overrides", "dg2_subject_display",
                                           "dg2_lineage_display", "dg2_layout_frame",
                                           "dg2_graph_geometry", "dg2_circular_components",
                                           "dg2_disconnected_symmetric", "dg2_hierarchical",
                                           "dg2_orthogonal_tree"),
                         [](const ::testing::TestParamInfo<const char*>& i) {
                             return std::string(i.param).substr(4);
                         });

}  // namespace
