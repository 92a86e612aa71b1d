// Generator of realistic SRTF documents for the benchmarks.
//
// A document is a header and, per model, the model record, its entities,
// about ten attributes per entity (the widest record of the format), keys
// with their key attributes and relationships between the entities. Texts
// look like those of real models: names, column names, data types with
// commas, definitions with commas and doubled quotes, notes, GUIDs. A share
// of the objects also has a Base record (the version before a change).
//
// The output is byte for byte what the container writes when it saves the
// same document under the path given as fileSpec (sections in id order,
// CR LF line ends, the header stamped with the path, the format version and
// the record count), so read-then-save reproduces the file. The content is a
// function of the options alone (a fixed pseudo-random sequence per seed).
#ifndef SRTF_BENCH_DOCGEN_H
#define SRTF_BENCH_DOCGEN_H

#include <cstdint>
#include <string>

struct DocGenOptions {
    uint64_t targetBytes = 1 << 20;  // generation stops at the first entity past this size
    uint64_t seed = 1;
    int entitiesPerModel = 300;
    int attributesPerEntity = 10;     // on average (8 to 12)
    int basePercent = 10;             // objects that also carry a Base record
    std::string fileSpec;             // the header's SRTFFileSpec
};

struct DocGenStats {
    uint64_t bytes = 0;
    int models = 0;
    int entities = 0;
    int attributes = 0;
    int keys = 0;
    int keyAttributes = 0;
    int relationships = 0;
    int latestRecords = 0;  // Latest records of every section (the diagram's included)
    int records = 0;        // Base and Latest records: the header's Object_Count
};

// Builds the document text (CR LF line ends) into out.
DocGenStats GenerateDocument(const DocGenOptions& options, std::string& out);

// Writes the document to path (fileSpec defaults to path); throws
// std::runtime_error when the file cannot be written.
DocGenStats GenerateDocumentFile(const std::string& path, DocGenOptions options);

#endif
