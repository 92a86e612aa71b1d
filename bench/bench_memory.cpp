// srtf_bench_memory: the memory a read document takes, against its file size.
//
//   srtf_bench_memory FILE [LABEL]
//
// Run once per document, in a fresh process, so that the peak belongs to this
// read alone. Prints one tab-separated line:
//
//   memory LABEL bytes peak_bytes held_bytes heap_bytes ratio
//
// peak_bytes: growth of the peak resident set (VmHWM) over the resident set
// before the read; held_bytes: growth of the resident set while the document
// is held after the read; heap_bytes: growth of the heap bytes in use
// (allocator statistics, independent of page granularity); ratio:
// peak_bytes / bytes.
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "benchcommon.h"
#include "srtfcontainer.h"

namespace {

// A "Vm...:  N kB" line of /proc/self/status, in bytes.
long long StatusBytes(const char* key) {
    FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char line[256];
    long long value = -1;
    const size_t n = std::strlen(key);
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, key, n) == 0 && line[n] == ':') {
            value = std::atoll(line + n + 1) * 1024;
            break;
        }
    std::fclose(f);
    return value;
}

long long HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: srtf_bench_memory FILE [LABEL]\n");
        return 2;
    }
    const std::string path = argv[1];
    const std::string label = argc > 2 ? argv[2] : path;
    try {
        const long long bytes = static_cast<long long>(FileSizeOf(path));
        const long long rssBefore = StatusBytes("VmRSS");
        const long long heapBefore = HeapInUse();
        CSRTFContainer doc;
        doc.SetFilePath(path);
        doc.Read();
        const long long peak = StatusBytes("VmHWM") - rssBefore;
        const long long held = StatusBytes("VmRSS") - rssBefore;
        const long long heap = HeapInUse() - heapBefore;
        std::printf("memory\t%s\t%lld\t%lld\t%lld\t%lld\t%.2f\n", label.c_str(), bytes, peak, held,
                    heap, bytes ? static_cast<double>(peak) / static_cast<double>(bytes) : 0.0);
        return 0;
    } catch (...) {
        std::fprintf(stderr, "srtf_bench_memory: %s\n", CurrentFailureText().c_str());
        return 1;
    }
}
