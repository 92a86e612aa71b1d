// Replays inputs through a fuzz target without libFuzzer, so that any
// compiler (and the sanitizer build) can run the corpus and the crashers as
// tests.
//
//   <target>_replay FILE_OR_DIR...
//
// Directories are read recursively; files run in name order. A broken
// property or a sanitizer report ends the process with the name of the input
// that was running; otherwise it prints how many inputs passed and exits 0.
// A named file or directory that does not exist is an error (a misspelt
// path would otherwise replay nothing and pass).
#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// Present only in sanitizer builds: called before a sanitizer ends the
// process.
extern "C" void __sanitizer_set_death_callback(void (*callback)(void)) __attribute__((weak));

namespace {

namespace fs = std::filesystem;

// The input being replayed, kept where a signal handler can print it.
char g_current[4096];

void PrintCurrent() {
    const char prefix[] = "\nreplay: fault while running input ";
    ssize_t ignored = write(2, prefix, sizeof prefix - 1);
    ignored = write(2, g_current, std::strlen(g_current));
    ignored = write(2, "\n", 1);
    (void)ignored;
}

extern "C" void OnFatalSignal(int sig) {
    PrintCurrent();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE_OR_DIR...\n", argv[0]);
        return 2;
    }
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path path(argv[i]);
        std::error_code ec;
        if (fs::is_directory(path, ec)) {
            for (const auto& entry : fs::recursive_directory_iterator(path))
                if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
                    inputs.push_back(entry.path());
        } else if (fs::is_regular_file(path, ec)) {
            inputs.push_back(path);
        } else {
            std::fprintf(stderr, "%s: no such file or directory: %s\n", argv[0], argv[i]);
            return 2;
        }
    }
    std::sort(inputs.begin(), inputs.end());

    // A sanitizer reports memory faults itself (its own signal handlers stay);
    // without one, the fatal signals name the input.
    std::signal(SIGABRT, &OnFatalSignal);
    if (__sanitizer_set_death_callback)
        __sanitizer_set_death_callback(&PrintCurrent);
    else
        for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL}) std::signal(sig, &OnFatalSignal);

    for (const fs::path& input : inputs) {
        std::snprintf(g_current, sizeof g_current, "%s", input.c_str());
        const std::string bytes = fuzzsupport::ReadFile(input.string());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%s: %zu inputs replayed, no fault\n", argv[0], inputs.size());
    return 0;
}
