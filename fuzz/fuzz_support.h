// Helpers shared by the fuzz targets: scratch files (the reader and the
// writer work on paths), whole-file reads, and the report of a broken
// property (both texts and where they first differ, then abort, which the
// fuzzer and the replay driver record as a fault).
#ifndef SRTF_FUZZ_SUPPORT_H
#define SRTF_FUZZ_SUPPORT_H

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fuzzsupport {

// The scratch files of this process, removed when it exits normally.
struct ScratchFiles {
    std::vector<std::string> paths;
    ~ScratchFiles() {
        for (const std::string& p : paths) std::remove(p.c_str());
    }
};

// A file name of this process in a scratch directory: $SRTF_FUZZ_TMPDIR,
// else /dev/shm (memory), else $TMPDIR, else /tmp.
inline std::string ScratchPath(const char* tag) {
    static ScratchFiles files;
    std::string dir;
    if (const char* d = std::getenv("SRTF_FUZZ_TMPDIR")) dir = d;
    if (dir.empty() && access("/dev/shm", W_OK) == 0) dir = "/dev/shm";
    if (dir.empty())
        if (const char* d = std::getenv("TMPDIR")) dir = d;
    if (dir.empty()) dir = "/tmp";
    std::string path = dir + "/srtf-fuzz-" + std::to_string(getpid()) + "-" + tag + ".srtf";
    files.paths.push_back(path);
    return path;
}

inline void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::perror(path.c_str());
        std::abort();
    }
    if (size && std::fwrite(data, 1, size, f) != size) std::abort();
    if (std::fclose(f) != 0) std::abort();
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::perror(path.c_str());
        std::abort();
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Prints text with every byte outside printable ASCII as \xNN, so that line
// ends and quotes show.
inline void PrintEscaped(const char* label, const std::string& text, size_t from = 0,
                         size_t max = 2000) {
    std::fprintf(stderr, "%s (%zu bytes):\n  ", label, text.size());
    const size_t end = text.size() < from + max ? text.size() : from + max;
    for (size_t i = from; i < end; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\\')
            std::fputs("\\\\", stderr);
        else if (c >= 0x20 && c < 0x7F)
            std::fputc(c, stderr);
        else if (c == '\n')
            std::fputs("\\n\n  ", stderr);
        else
            std::fprintf(stderr, "\\x%02X", c);
    }
    if (end < text.size()) std::fputs("...", stderr);
    std::fputc('\n', stderr);
}

// A broken property: what was expected, what came, where they first differ.
[[noreturn]] inline void Fail(const char* what, const std::string& expected,
                              const std::string& actual) {
    size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
    const size_t from = at > 200 ? at - 200 : 0;
    std::fprintf(stderr, "\n*** SRTF fuzz property broken: %s\n", what);
    std::fprintf(stderr, "first difference at byte %zu (shown from byte %zu)\n", at, from);
    PrintEscaped("expected", expected, from);
    PrintEscaped("actual", actual, from);
    std::fflush(stderr);
    std::abort();
}

[[noreturn]] inline void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "\n*** SRTF fuzz property broken: %s\n", what);
    PrintEscaped("detail", detail);
    std::fflush(stderr);
    std::abort();
}

}  // namespace fuzzsupport

#endif
