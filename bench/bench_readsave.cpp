// srtf_bench: what reading and saving a document costs, each measured
// against its baseline inside the same iteration, so that the ratio holds on
// a noisy machine:
//
//   read/<MB>  CSRTFContainer::Read of the file   vs  a 256-byte fgets scan of it
//   save/<MB>  CSRTFContainer::Save of a read doc  vs  one fwrite of the same bytes
//
// The two halves of an iteration alternate in order. The reported time is
// the container's; the counters give the baseline and the ratio. After the
// run a summary (one line per benchmark: median ratio over all runs, and the
// cost per byte, whose constancy across sizes shows linear growth) goes to
// stdout and, with --summary=PATH, to a tab-separated file.
//
// Own flags, among Google Benchmark's: --sizes=1,10,50,200 (MB of the
// generated documents, kept in $SRTF_BENCH_DATA or /tmp/srtf-bench) and
// --summary=PATH.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "benchcommon.h"
#include "srtfcontainer.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

// One call of a benchmark function: its totals.
struct Sample {
    double op = 0;
    double base = 0;
    double iterations = 0;
};
struct Series {
    std::string kind;   // "read" or "save"
    std::string label;  // size in MB
    uint64_t bytes = 0;
    std::vector<Sample> samples;
};
std::map<std::string, Series> g_results;  // by benchmark name
std::vector<std::string> g_order;         // names in the order of registration

// The baseline of read: the file through fgets with a 256-byte buffer.
size_t FgetsScan(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "r");
    if (!f) throw std::runtime_error("cannot open " + path);
    char line[256];
    size_t lines = 0;
    while (std::fgets(line, sizeof line, f)) lines += line[0] != 0;
    std::fclose(f);
    return lines;
}

// The baseline of save: the bytes through one fwrite.
void FwriteAll(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "w");
    if (!f) throw std::runtime_error("cannot create " + path);
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (std::fclose(f) != 0 || !ok) throw std::runtime_error("cannot write " + path);
}

std::string Slurp(const std::string& path) {
    std::string bytes(FileSizeOf(path), '\0');
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) throw std::runtime_error("cannot open " + path);
    const size_t got = std::fread(&bytes[0], 1, bytes.size(), f);
    std::fclose(f);
    bytes.resize(got);
    return bytes;
}

void Report(benchmark::State& state, const std::string& name, uint64_t bytes, const Sample& s) {
    if (s.iterations == 0) return;
    state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
    state.counters["baseline_ms"] = benchmark::Counter(s.base * 1e3 / s.iterations);
    state.counters["ratio"] = benchmark::Counter(s.base > 0 ? s.op / s.base : 0);
    Series& series = g_results[name];
    series.bytes = bytes;
    series.samples.push_back(s);
}

void BM_Read(benchmark::State& state, std::string name, std::string path) {
    Sample s;
    uint64_t bytes = 0;
    try {
        bytes = FileSizeOf(path);
        bool readFirst = false;
        for (auto _ : state) {
            readFirst = !readFirst;
            double readTime = 0;
            for (int half = 0; half < 2; ++half) {
                if ((half == 0) == readFirst) {
                    auto doc = std::make_unique<CSRTFContainer>();
                    const auto t0 = Clock::now();
                    doc->SetFilePath(path);
                    doc->Read();
                    const auto t1 = Clock::now();
                    readTime = Seconds(t0, t1);
                    doc.reset();  // releasing the document is not part of reading it
                } else {
                    const auto t0 = Clock::now();
                    benchmark::DoNotOptimize(FgetsScan(path));
                    s.base += Seconds(t0, Clock::now());
                }
            }
            s.op += readTime;
            s.iterations += 1;
            state.SetIterationTime(readTime);
        }
    } catch (...) {
        state.SkipWithError(CurrentFailureText().c_str());
        return;
    }
    Report(state, name, bytes, s);
}

void BM_Save(benchmark::State& state, std::string name, std::string path, std::string outDir) {
    Sample s;
    uint64_t bytes = 0;
    const std::string savePath = outDir + "/srtf-bench-save.srtf";
    const std::string writePath = outDir + "/srtf-bench-fwrite.srtf";
    try {
        CSRTFContainer doc;
        doc.SetFilePath(path);
        doc.Read();
        doc.SetFilePath(savePath);
        doc.Save();  // once untimed: gives the bytes of the baseline
        const std::string saved = Slurp(savePath);
        bytes = saved.size();
        bool saveFirst = false;
        for (auto _ : state) {
            saveFirst = !saveFirst;
            double saveTime = 0;
            for (int half = 0; half < 2; ++half) {
                if ((half == 0) == saveFirst) {
                    const auto t0 = Clock::now();
                    doc.Save();
                    saveTime = Seconds(t0, Clock::now());
                } else {
                    const auto t0 = Clock::now();
                    FwriteAll(writePath, saved);
                    s.base += Seconds(t0, Clock::now());
                }
            }
            s.op += saveTime;
            s.iterations += 1;
            state.SetIterationTime(saveTime);
        }
    } catch (...) {
        state.SkipWithError(CurrentFailureText().c_str());
        return;
    }
    std::remove(savePath.c_str());
    std::remove(writePath.c_str());
    Report(state, name, bytes, s);
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// One summary line per benchmark: kind, size, bytes, median milliseconds of
// the operation and of its baseline, median ratio, operation ns per byte.
void WriteSummary(FILE* out) {
    for (const std::string& name : g_order) {
        const Series& series = g_results[name];
        if (series.samples.empty()) continue;
        std::vector<double> ratios, ops, bases;
        for (const Sample& s : series.samples) {
            ratios.push_back(s.op / s.base);
            ops.push_back(s.op / s.iterations);
            bases.push_back(s.base / s.iterations);
        }
        const double op = Median(ops);
        std::fprintf(out, "%s\t%s\t%llu\t%.3f\t%.3f\t%.2f\t%.2f\n", series.kind.c_str(),
                     series.label.c_str(), static_cast<unsigned long long>(series.bytes),
                     op * 1e3, Median(bases) * 1e3, Median(ratios),
                     series.bytes ? op * 1e9 / static_cast<double>(series.bytes) : 0.0);
    }
}

std::vector<double> ParseSizes(const char* text) {
    std::vector<double> sizes;
    while (*text) {
        char* end = nullptr;
        const double v = std::strtod(text, &end);
        if (end == text || v <= 0) throw std::runtime_error("bad --sizes");
        sizes.push_back(v);
        text = *end == ',' ? end + 1 : end;
    }
    return sizes;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<double> sizes = {1, 10, 50, 200};
    std::string summaryPath;
    std::string dir;
    try {
        // Take our own flags out of argv before Google Benchmark sees it.
        int kept = 1;
        for (int i = 1; i < argc; ++i) {
            if (std::strncmp(argv[i], "--sizes=", 8) == 0)
                sizes = ParseSizes(argv[i] + 8);
            else if (std::strncmp(argv[i], "--summary=", 10) == 0)
                summaryPath = argv[i] + 10;
            else
                argv[kept++] = argv[i];
        }
        argc = kept;
        dir = BenchDataDir();
        for (double mb : sizes) {
            std::fprintf(stderr, "document of %g MB: ", mb);
            const std::string path = EnsureDocument(mb, dir);
            std::fprintf(stderr, "%s (%llu bytes)\n", path.c_str(),
                         static_cast<unsigned long long>(FileSizeOf(path)));
            char label[32];
            std::snprintf(label, sizeof label, "%g", mb);
            const std::string readName = std::string("read/") + label + "MB";
            const std::string saveName = std::string("save/") + label + "MB";
            g_results[readName] = Series{"read", label, 0, {}};
            g_results[saveName] = Series{"save", label, 0, {}};
            g_order.push_back(readName);
            g_order.push_back(saveName);
            benchmark::RegisterBenchmark(readName.c_str(), BM_Read, readName, path)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(saveName.c_str(), BM_Save, saveName, path, dir)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        }
    } catch (...) {
        std::fprintf(stderr, "srtf_bench: %s\n", CurrentFailureText().c_str());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("\nkind\tMB\tbytes\top_ms\tbase_ms\tratio\tns/byte\n");
    WriteSummary(stdout);
    if (!summaryPath.empty()) {
        FILE* f = std::fopen(summaryPath.c_str(), "w");
        if (!f) {
            std::fprintf(stderr, "srtf_bench: cannot write %s\n", summaryPath.c_str());
            return 1;
        }
        WriteSummary(f);
        std::fclose(f);
    }
    return 0;
}
