// Shared by the benchmark programs: the generated input documents (kept
// between runs in a data directory outside the repository), file sizes and
// the text of a failure of the core.
#ifndef SRTF_BENCH_BENCHCOMMON_H
#define SRTF_BENCH_BENCHCOMMON_H

#include <cstdint>
#include <string>

// $SRTF_BENCH_DATA, or /tmp/srtf-bench; created when missing.
std::string BenchDataDir();

// The path of the generated document of about sizeMb megabytes (seed 1) in
// dir; generated there first when it is not there yet.
std::string EnsureDocument(double sizeMb, const std::string& dir);

// Size of a file in bytes; throws std::runtime_error when it cannot be read.
uint64_t FileSizeOf(const std::string& path);

// Call inside catch (...): the text of the exception being handled.
std::string CurrentFailureText();

#endif
