// Helpers for the tests of the repository administration sections.
#ifndef REPO_TEST_UTIL_H
#define REPO_TEST_UTIL_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ipfmtwrite.h"
#include "sectionbase.h"
#include "srtf_test_util.h"

namespace repotest {

using srtftest::ReadText;
using srtftest::Written;

// One step of a data walk as the Java side sees it.
struct Step {
    int type;
    int propertyId;
    bool operator==(const Step& o) const { return type == o.type && propertyId == o.propertyId; }
};
inline std::ostream& operator<<(std::ostream& os, const Step& s) {
    return os << "{type " << s.type << ", property " << s.propertyId << "}";
}

// Walks the data properties from a reset to the end; checks that the walk
// then stays at its end and leaves the out values alone.
inline std::vector<Step> WalkData(CObjectBase& r) {
    std::vector<Step> steps;
    PropertyValue v;
    int prop = 0;
    for (bool ok = r.IterateDataProperty(1, v, prop); ok; ok = r.IterateDataProperty(0, v, prop))
        steps.push_back({v.type, prop});
    v.type = 9;
    prop = -5;
    EXPECT_FALSE(r.IterateDataProperty(0, v, prop));
    EXPECT_FALSE(r.IterateDataProperty(0, v, prop));
    EXPECT_EQ(9, v.type);
    EXPECT_EQ(-5, prop);
    return steps;
}

// The expected walk: one digit per step (0 text, 1 int, 2 GUID), property
// ids 0 except those given as {step, id}.
inline std::vector<Step> Expected(const std::string& types,
                                  std::initializer_list<std::pair<int, int>> ids = {}) {
    std::vector<Step> steps;
    for (char c : types) steps.push_back({c - '0', 0});
    for (const auto& p : ids) steps.at(static_cast<size_t>(p.first)).propertyId = p.second;
    return steps;
}

// A record kind reached by the Java side: tech-key and foreign-key walks
// yield nothing and their stores change nothing.
inline void ExpectNoKeys(CObjectBase& r) {
    int out = 12345;
    EXPECT_FALSE(r.IterateTechKeyProperty(1, out));
    EXPECT_EQ(12345, out);
    ForeignKeyRef fk;
    EXPECT_FALSE(r.IterateForeignKey(1, fk));
    const std::string before = [&] {
        COutputLineBuffer b;
        r.WriteColumns(b);
        return std::string(b.Data(), static_cast<size_t>(b.Length()));
    }();
    r.AddTechKeyProperty(1, 77);
    r.AddTechKeyProperty(0, 78);
    r.SetForeignKey(79, 3);
    COutputLineBuffer after;
    r.WriteColumns(after);
    EXPECT_EQ(before, std::string(after.Data(), static_cast<size_t>(after.Length())));
}

// The section class of one id, as the section factory makes it.
inline std::unique_ptr<CSectionBase> MakeSection(int id) {
    SectionMaker make = SectionMakerOf(id);
    EXPECT_NE(nullptr, make) << "no class for section id " << id;
    return std::unique_ptr<CSectionBase>(make ? make() : nullptr);
}

}  // namespace repotest

#endif
