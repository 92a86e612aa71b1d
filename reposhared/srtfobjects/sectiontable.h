// Section keyword table and section factory registry.
//
// The keyword table pairs each SectionId (0 to 227) with its keyword. The
// factory knows, for each id whose section family is built, how to make an
// empty section of the id's class; the families register their classes in
// one function each (see SectionRegistry), called once before first use.
#ifndef SRTF_SECTIONTABLE_H
#define SRTF_SECTIONTABLE_H

#include <string>

class CSectionBase;

constexpr int kSectionIdCount = 228;

struct SectionTableEntry {
    int id;
    const char* keyword;
};
extern const SectionTableEntry kSectionTable[kSectionIdCount];

// The id of an upper-cased keyword (exact, full length), or -1.
int SectionIdOfKeyword(const std::string& keyword);
// The keyword of an id, or null when no entry holds it.
const char* SectionKeywordOf(int id);

using SectionMaker = CSectionBase* (*)();

template <class T>
CSectionBase* SrtfMakeSection() {
    return new T;
}

class SectionRegistry {
public:
    template <class T>
    void Add(int id) {
        Set(id, &SrtfMakeSection<T>);
    }
    void Set(int id, SectionMaker maker);

    explicit SectionRegistry(SectionMaker* makers) : makers_(makers) {}

private:
    SectionMaker* makers_;
};

// How to make a section of the id, or null when the id has no class here.
SectionMaker SectionMakerOf(int id);

// One registration function per family of section classes.
void RegisterCoreSections(SectionRegistry& r);
void RegisterModelSections1(SectionRegistry& r);
void RegisterModelSections2(SectionRegistry& r);
void RegisterModelSections3(SectionRegistry& r);
void RegisterModelSections4(SectionRegistry& r);
void RegisterRepositorySections(SectionRegistry& r);
void RegisterRepositorySections2(SectionRegistry& r);
void RegisterRepositorySections3(SectionRegistry& r);
void RegisterDictionarySections(SectionRegistry& r);
void RegisterDiagramSections1(SectionRegistry& r);
void RegisterDiagramSections2(SectionRegistry& r);
void RegisterSidSections(SectionRegistry& r);

#endif
