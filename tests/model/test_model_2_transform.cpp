// Transformation sections: fixture round trips and the irregular record
// types of object transforms and transform members, accepted letter for
// letter (in any letter case) and nothing that merely resembles them.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/ddtransform.h"
#include "srtf_test_util.h"

namespace {

TEST(Model2Transform, FixtureRoundTrips) {
    srtftest::ExpectRoundTrip("model/m2_transform.srtf");
    srtftest::ExpectRoundTrip("model/m2_transform_reordered.srtf", "model/m2_transform.srtf");
}

TEST(Model2Transform, RecordTypesMatchLetterForLetter) {
    const struct {
        int section;
        const char* type;
        int base;
        int latest;
    } cases[] = {
        {49, "ObjectTransformBase", 1, 0},
        {49, "objecttransformlatest", 0, 1},
        {49, "ObjectTransform_Base", 0, 0},
        {49, "ObjectTransform_Latest", 0, 0},
        {78, "TransfromMember_Base", 1, 0},
        {78, "TRANSFROMMEMBER_BASE", 1, 0},
        {78, "TransformMemberLatest", 0, 1},
        {78, "TransformMember_Base", 0, 0},
        {78, "TransfromMemberLatest", 0, 0},
        {78, "TransformMember_Latest", 0, 0},
        {78, "TransfromMember_Latest", 0, 0},
        {191, "Transformation_Base", 1, 0},
        {191, "TRANSFORMATION_latest", 0, 1},
        {191, "TransformationBase", 0, 0},
    };
    for (const auto& c : cases) {
        std::unique_ptr<CSectionBase> s;
        if (c.section == 49) s.reset(new CDDObjectTransformSection);
        if (c.section == 78) s.reset(new CDDTransformMemberSection);
        if (c.section == 191) s.reset(new CDDTransformationSection);
        std::string type = c.type;
        s->DispatchRecord(type, "1,2,3");
        EXPECT_EQ(static_cast<size_t>(c.base), s->GetBaseList()->size()) << c.type;
        EXPECT_EQ(static_cast<size_t>(c.latest), s->GetLatestList()->size()) << c.type;
    }
}

}  // namespace
