// srtf_docgen: writes a generated SRTF document of about the given size.
//
//   srtf_docgen OUT.srtf SIZE_MB [SEED]      writes the document, prints its counts
//   srtf_docgen --check SIZE_MB [SEED] DIR   generates into DIR, reads the
//       document with the container, saves it under the path the header names
//       and compares: the two files must be equal byte for byte (the
//       generator writes exactly what the writer writes).
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "benchcommon.h"
#include "docgen.h"
#include "srtfcontainer.h"

namespace {

void Print(const char* path, const DocGenStats& s) {
    std::printf("%s: %llu bytes, %d models, %d entities, %d attributes, %d keys, "
                "%d key attributes, %d relationships, %d records (%d Latest)\n",
                path, static_cast<unsigned long long>(s.bytes), s.models, s.entities,
                s.attributes, s.keys, s.keyAttributes, s.relationships, s.records,
                s.latestRecords);
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int Usage() {
    std::fprintf(stderr, "usage: srtf_docgen OUT.srtf SIZE_MB [SEED]\n"
                         "       srtf_docgen --check SIZE_MB [SEED] DIR\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc >= 4 && std::string(argv[1]) == "--check") {
            DocGenOptions o;
            o.targetBytes = static_cast<uint64_t>(std::atof(argv[2]) * 1024 * 1024);
            o.seed = argc >= 5 ? std::strtoull(argv[3], nullptr, 10) : 1;
            const std::string dir = argv[argc - 1];
            const std::string generated = dir + "/srtf-docgen-check.srtf";
            const std::string saved = dir + "/srtf-docgen-check-saved.srtf";
            o.fileSpec = saved;
            Print(generated.c_str(), GenerateDocumentFile(generated, o));
            {
                CSRTFContainer doc;
                doc.SetFilePath(generated);
                doc.Read();
                doc.SetFilePath(saved);
                doc.Save();
            }
            const bool same = Slurp(generated) == Slurp(saved);
            std::remove(generated.c_str());
            std::remove(saved.c_str());
            std::printf("read and save %s the generated file\n", same ? "reproduce" : "DO NOT reproduce");
            return same ? 0 : 1;
        }
        if (argc < 3 || argv[1][0] == '-') return Usage();
        DocGenOptions o;
        o.targetBytes = static_cast<uint64_t>(std::atof(argv[2]) * 1024 * 1024);
        o.seed = argc >= 4 ? std::strtoull(argv[3], nullptr, 10) : 1;
        Print(argv[1], GenerateDocumentFile(argv[1], o));
        return 0;
    } catch (...) {
        std::fprintf(stderr, "srtf_docgen: %s\n", CurrentFailureText().c_str());
    }
    return 1;
}
