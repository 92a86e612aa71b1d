#include "benchcommon.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>

#include "docgen.h"
#include "srtferrors.h"

std::string BenchDataDir() {
    const char* env = std::getenv("SRTF_BENCH_DATA");
    std::string dir = env && *env ? env : "/tmp/srtf-bench";
    if (::mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST)
        throw std::runtime_error("cannot create " + dir);
    return dir;
}

std::string EnsureDocument(double sizeMb, const std::string& dir) {
    char name[64];
    std::snprintf(name, sizeof name, "/srtf-bench-%gmb.srtf", sizeMb);
    const std::string path = dir + name;
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) return path;
    DocGenOptions o;
    o.targetBytes = static_cast<uint64_t>(sizeMb * 1024 * 1024);
    o.fileSpec = path;
    const std::string partial = path + ".part";
    GenerateDocumentFile(partial, o);
    // The header names the final path; the rename makes a complete file appear at once.
    if (std::rename(partial.c_str(), path.c_str()) != 0)
        throw std::runtime_error("cannot rename " + partial);
    return path;
}

uint64_t FileSizeOf(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) throw std::runtime_error("cannot stat " + path);
    return static_cast<uint64_t>(st.st_size);
}

std::string CurrentFailureText() {
    try {
        throw;
    } catch (const FileError& e) {
        return "file error " + std::to_string(e.GetCode()) + " on " + e.path + ": " + e.message;
    } catch (const CSrtfException& e) {
        return "SRTF error: " + (e.errors.empty() ? e.text : e.errors.front().message);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unknown failure";
    }
}
