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

inline void Dispatch(CSectionBase& s, std::string type, const std::string& value) {
    s.DispatchRecord(type, value);
}

// The record's columns as WriteColumns appends them (no record type, no ";").
inline std::string Columns(CObjectBase& r) {
    COutputLineBuffer b;
    r.WriteColumns(b);
    return std::string(b.Data() ? b.Data() : "", static_cast<size_t>(b.Length()));
}

// The text that one section writes, as it reaches the file.
inline std::string Written(CSectionBase& s) {
    const std::string path = srtftest::TempPath("section.srtf");
    IpFmtWrite w(path);
    s.Write(w);
    w.close();
    return srtftest::ReadBytes(path);
}

inline std::vector<int> TechKeys(CObjectBase& r) {
    std::vector<int> keys;
    int v = 0;
    for (int reset = 1; r.IterateTechKeyProperty(reset, v); reset = 0) keys.push_back(v);
    return keys;
}

inline std::vector<std::pair<int, int>> ForeignKeys(CObjectBase& r) {
    std::vector<std::pair<int, int>> fks;
    ForeignKeyRef fk;
    for (int reset = 1; r.IterateForeignKey(reset, fk); reset = 0)
        fks.emplace_back(fk.keyValue, fk.objectType);
    return fks;
}

inline std::vector<int> Ids(const RecordList& list) {
    std::vector<int> ids;
    for (CObjectBase* r : list) ids.push_back(r->GetId());
    return ids;
}

}  // namespace dicttest

#endif
