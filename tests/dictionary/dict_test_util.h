// Helpers shared by the tests of the data-dictionary sections.
#ifndef DICT_TEST_UTIL_H
#define DICT_TEST_UTIL_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ipfmtwrite.h"
#include "sectionbase.h"
#include "srtf_test_util.h"

namespace dicttest {

// The seven base columns as the lines of these tests end.
constexpr const char* kBaseColumns =
    "\"00112233445566778899aabbccddeeff\",\"\",0x00000010,0x00000001,3,2,1";
// The seven base columns of a new record.
constexpr const char* kZeroBase = "\"\",\"\",0x00000000,0x00000000,0,0,0";

using srtftest::Columns;
using srtftest::Dispatch;
using srtftest::ForeignKeys;
using srtftest::TechKeys;
using srtftest::Written;

inline std::vector<int> Ids(const RecordList& list) {
    std::vector<int> ids;
    for (CObjectBase* r : list) ids.push_back(r->GetId());
    return ids;
}

}  // namespace dicttest

#endif
