#include "sectiontable.h"

#include <stdexcept>
#include <unordered_map>

#include "headersection.h"

namespace {

struct Factory {
    SectionMaker makers[kSectionIdCount] = {};
    std::unordered_map<std::string, int> byKeyword;
    const char* keywords[kSectionIdCount] = {};

    Factory() {
        for (const SectionTableEntry& e : kSectionTable) {
            byKeyword.emplace(e.keyword, e.id);
            keywords[e.id] = e.keyword;
        }
        SectionRegistry r(makers);
        RegisterCoreSections(r);
        RegisterModelSections1(r);
        RegisterModelSections2(r);
        RegisterModelSections3(r);
        RegisterModelSections4(r);
        RegisterRepositorySections(r);
        RegisterRepositorySections2(r);
        RegisterRepositorySections3(r);
        RegisterDictionarySections(r);
        RegisterDiagramSections1(r);
        RegisterDiagramSections2(r);
        RegisterSidSections(r);
    }
};

Factory& TheFactory() {
    static Factory f;
    return f;
}

}  // namespace

void SectionRegistry::Set(int id, SectionMaker maker) {
    if (id < 0 || id >= kSectionIdCount) throw std::logic_error("section id out of range");
    makers_[id] = maker;
}

int SectionIdOfKeyword(const std::string& keyword) {
    const Factory& f = TheFactory();
    auto it = f.byKeyword.find(keyword);
    return it == f.byKeyword.end() ? -1 : it->second;
}

const char* SectionKeywordOf(int id) {
    if (id < 0 || id >= kSectionIdCount) return nullptr;
    return TheFactory().keywords[id];
}

SectionMaker SectionMakerOf(int id) {
    if (id < 0 || id >= kSectionIdCount) return nullptr;
    return TheFactory().makers[id];
}

void RegisterCoreSections(SectionRegistry& r) { r.Add<CHeaderSection>(0); }
