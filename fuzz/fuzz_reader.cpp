// Fuzz target "reader": any bytes are read as an SRTF file by the container.
//
// A read may fail, but only with the library's own errors (FileError,
// CSrtfException); anything else escaping is a fault, as is any memory error,
// leak or hang. When the read succeeds, the document is walked the way the
// Java side walks it, saved, read again and saved again: the two saved files
// must be byte for byte the same, since what the library writes it must read
// back to the same document. (Both saves go to the same path, which the
// header records.) For some input sizes: the same bytes behind a long comment
// line, so that a read block of the file ends inside them, must give the
// same document or error.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_support.h"
#include "objectbase.h"
#include "sectionbase.h"
#include "srtfcontainer.h"
#include "srtferrors.h"

namespace {

// The block in which the reader takes the file from the stream.
constexpr size_t kReadBlock = 64 * 1024;

// Walks bounded by this many steps each; a walk that does not end is a fault.
constexpr int kWalkLimit = 1 << 20;

void WalkRecord(CObjectBase* record) {
    PropertyValue value;
    int propertyId = 0;
    int steps = 0;
    for (bool more = record->IterateDataProperty(1, value, propertyId); more;
         more = record->IterateDataProperty(0, value, propertyId))
        if (++steps > kWalkLimit) fuzzsupport::Fail("data walk does not end", "");
    int key = 0;
    steps = 0;
    for (bool more = record->IterateTechKeyProperty(1, key); more;
         more = record->IterateTechKeyProperty(0, key))
        if (++steps > kWalkLimit) fuzzsupport::Fail("tech-key walk does not end", "");
    ForeignKeyRef ref;
    steps = 0;
    for (bool more = record->IterateForeignKey(1, ref); more; more = record->IterateForeignKey(0, ref))
        if (++steps > kWalkLimit) fuzzsupport::Fail("foreign-key walk does not end", "");
    (void)record->GetId();
}

void WalkList(RecordList* list) {
    if (!list) return;
    for (CObjectBase* record : *list) WalkRecord(record);
}

// What the Java side does with a document it has read: section types, every
// section of a type, every record of a section with its walks, the counts.
void WalkDocument(CSRTFContainer& doc) {
    int types = 0;
    for (doc.NextSectionType(); !doc.SectionTypeAtEnd(); doc.NextSectionType()) {
        if (++types > kSectionIdCount) fuzzsupport::Fail("section type walk does not end", "");
        const int id = doc.GetSectionType();
        (void)doc.SectionKeyword(id);
        (void)doc.SectionCount(id);
        for (CSectionBase* s = doc.GetFirstSection(id); s; s = doc.GetNextSection(id)) {
            WalkList(s->GetLatestList());
            if (s->GetBaseList() != s->GetLatestList()) WalkList(s->GetBaseList());
            WalkList(s->GetRecordList());
            (void)s->GetRecordCount();
        }
    }
    (void)doc.CountObjects();
    (void)doc.CountListRecords();
}

// Reads the file at path into doc; false when the library reports the file
// as unreadable.
bool ReadDocument(CSRTFContainer& doc, const std::string& path, std::string* why) {
    doc.SetFilePath(path);
    try {
        doc.Read();
        return true;
    } catch (const FileError& e) {
        if (why)
            *why = "FileError " + std::to_string(e.GetCode()) + " line " + std::to_string(e.line) +
                   ": " + e.message;
    } catch (const CSrtfException& e) {
        if (why) {
            *why = "CSrtfException";
            for (const ErrorEntry& entry : e.errors) *why += ": " + entry.message + " " + entry.detail;
        }
    }
    return false;
}

struct Outcome {
    bool read = false;
    std::string why;    // the error when not read
    std::string saved;  // the file saved to output when read
};

// Reads the file at path, walks the document and saves it to output.
Outcome ReadWalkSave(const std::string& path, const std::string& output) {
    Outcome result;
    CSRTFContainer doc;
    result.read = ReadDocument(doc, path, &result.why);
    if (!result.read) return result;
    WalkDocument(doc);
    doc.SetFilePath(output);
    doc.Save();
    result.saved = fuzzsupport::ReadFile(output);
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string input = fuzzsupport::ScratchPath("reader-in");
    static const std::string padded = fuzzsupport::ScratchPath("reader-padded");
    static const std::string output = fuzzsupport::ScratchPath("reader-out");
    // SRTF_FUZZ_VERBOSE=1: tell for each input whether it reads (corpus care).
    static const bool verbose = std::getenv("SRTF_FUZZ_VERBOSE") != nullptr;

    fuzzsupport::WriteFile(input, data, size);
    const Outcome plain = ReadWalkSave(input, output);
    if (verbose) std::fprintf(stderr, "reader: %s\n", plain.read ? "read" : plain.why.c_str());

    // The same bytes behind a comment line, placed so that a read block of
    // the file ends inside them (after the first k bytes): the document, or
    // the error, must be the same. Reading the long comment costs about ten
    // plain reads, so one input size in eight is checked this way.
    if (size % 8 == 0 && size + 2 <= kReadBlock) {
        const size_t k = size ? data[0] % (size + 1) : 0;
        std::string text(kReadBlock - k, 'x');
        text.front() = '#';
        text.back() = '\n';
        text.append(reinterpret_cast<const char*>(data), size);
        fuzzsupport::WriteFile(padded, reinterpret_cast<const uint8_t*>(text.data()), text.size());
        const Outcome behind = ReadWalkSave(padded, output);
        if (behind.read != plain.read || behind.why != plain.why)
            fuzzsupport::Fail("a comment line in front changes whether the file reads",
                              plain.read ? "read" : plain.why, behind.read ? "read" : behind.why);
        if (behind.saved != plain.saved)
            fuzzsupport::Fail("a comment line in front changes the document", plain.saved,
                              behind.saved);
    }
    if (!plain.read) return 0;

    // What the library wrote reads back to the same document.
    CSRTFContainer again;
    std::string why;
    if (!ReadDocument(again, output, &why))
        fuzzsupport::Fail(("a file the library wrote does not read back (" + why + ")").c_str(),
                          plain.saved);
    again.Save();
    const std::string second = fuzzsupport::ReadFile(output);
    if (plain.saved != second)
        fuzzsupport::Fail("saving a document read from a saved file gives a different file",
                          plain.saved, second);
    return 0;
}
