#include "srtfcontainer.h"

#include "headersection.h"
#include "ipfmtread.h"
#include "ipfmtwrite.h"
#include "srtferrors.h"

namespace {
inline bool ValidId(int id) { return id >= 0 && id < kSectionIdCount; }
}  // namespace

CSRTFContainer::~CSRTFContainer() {
    for (auto& list : sectionLists)
        if (list)
            for (CSectionBase* s : *list) delete s;
}

int CSRTFContainer::Read() {
    IpFmtRead reader(filePath);
    std::string header;
    while (reader.ReadSectionHeader(header)) ReadSection(header, reader);
    reader.close();
    return 1;
}

int CSRTFContainer::ReadSection(std::string& header, IpFmtRead& reader) {
    RemoveChar(header, '[');
    RemoveChar(header, ']');
    MakeUpper(header);
    const int id = SectionIdOfKeyword(header);
    CSectionBase* section = CreateSection(id);
    std::string recordType, value;
    while (reader.ReadRecord(recordType, value)) section->DispatchRecord(recordType, value);
    if (id == 0) {
        const int version = static_cast<CHeaderSection*>(section)->SRTFVersionNumber;
        if (version != SrtfErr::kFormatVersion)
            throw MakeSrtfException(SrtfErr::kCodeVersionMismatch, SrtfErr::kLineVersionMismatch,
                                    SrtfErr::kMsgVersionMismatch, "", version, __FILE__);
    }
    return 1;
}

int CSRTFContainer::Save() {
    IpFmtWrite writer(filePath);
    Write(writer);
    writer.close();
    return 1;
}

int CSRTFContainer::Write(IpFmtWrite& writer) {
    const int count = CountObjects();
    for (int id = 0; id < kSectionIdCount; ++id) {
        if (!sectionLists[id]) continue;
        for (CSectionBase* s : *sectionLists[id]) {
            if (id == 0) {
                CHeaderSection* h = static_cast<CHeaderSection*>(s);
                h->SRTFFileSpec = filePath;
                h->SRTFVersionNumber = SrtfErr::kFormatVersion;
                h->Object_Count = count;
            }
            s->Write(writer);
        }
    }
    return 1;
}

CSectionBase* CSRTFContainer::CreateSection(int id) {
    SectionMaker make = SectionMakerOf(id);
    if (!make)
        throw MakeSrtfException(SrtfErr::kCodeInvalidSection, SrtfErr::kLineCreateSection,
                                SrtfErr::kMsgInvalidCreateSection, "", SrtfErr::kFormatVersion,
                                __FILE__);
    if (!sectionLists[id]) sectionLists[id].reset(new SectionList);
    CSectionBase* section = make();
    section->sectionId = id;
    section->indexEnabled = indexEnabled;
    try {
        sectionLists[id]->push_back(section);
    } catch (...) {
        delete section;
        throw;
    }
    return section;
}

CSectionBase* CSRTFContainer::FindSection(int id, bool mustExist) {
    CSectionBase* s = GetFirstSection(id);
    if (s || !mustExist) return s;
    const char* keyword = SectionKeywordOf(id);
    throw MakeSrtfException(SrtfErr::kCodeInvalidSection, SrtfErr::kLineFindSection,
                            SrtfErr::kMsgInvalidSection, keyword ? keyword : "",
                            SrtfErr::kFormatVersion, __FILE__);
}

CSectionBase* CSRTFContainer::GetFirstSection(int id) {
    if (!ValidId(id) || !sectionLists[id] || sectionLists[id]->empty()) return nullptr;
    sectionCursors[id] = 1;
    return sectionLists[id]->front();
}

CSectionBase* CSRTFContainer::GetNextSection(int id) {
    auto it = sectionCursors.find(id);
    if (it == sectionCursors.end() || !ValidId(id) || !sectionLists[id]) return nullptr;
    if (it->second >= sectionLists[id]->size()) return nullptr;
    return (*sectionLists[id])[it->second++];
}

SectionList* CSRTFContainer::GetSectionList(int id) {
    return ValidId(id) ? sectionLists[id].get() : nullptr;
}

int CSRTFContainer::CountObjects() {
    int count = 0;
    for (int id = 0; id < kSectionIdCount; ++id)
        if (CSectionBase* s = FindSection(id, false)) count += s->GetRecordCount();
    return count;
}

void CSRTFContainer::CreateAllSections() {
    for (int id = 0; id < kSectionIdCount; ++id) CreateSection(id);
}

void CSRTFContainer::SetOwnsRecords(int flag) {
    for (auto& list : sectionLists)
        if (list)
            for (CSectionBase* s : *list) s->ownsRecords = flag;
}

void CSRTFContainer::SetOwnsRecordsOf(int id) {
    if (SectionList* list = GetSectionList(id))
        for (CSectionBase* s : *list) s->ownsRecords = 1;
}

int CSRTFContainer::CountListRecords() {
    int count = 0;
    for (int id = 0; id < kSectionIdCount; ++id) {
        CSectionBase* s = FindSection(id, false);
        if (!s) continue;
        if (RecordList* l = s->GetLatestList()) count += static_cast<int>(l->size());
        if (RecordList* l = s->GetBaseList()) count += static_cast<int>(l->size());
    }
    return count;
}

std::string CSRTFContainer::SectionKeyword(int id) {
    const char* keyword = SectionKeywordOf(id);
    if (!keyword)
        throw MakeSrtfException(SrtfErr::kCodeInvalidSection, SrtfErr::kLineSectionKeyword,
                                SrtfErr::kMsgInvalidSection, "", SrtfErr::kFormatVersion, __FILE__);
    return keyword;
}

int CSRTFContainer::SectionCount(int id) {
    if (!SectionKeywordOf(id))
        throw MakeSrtfException(SrtfErr::kCodeInvalidSection, SrtfErr::kLineSectionCount,
                                SrtfErr::kMsgInvalidSection, "", SrtfErr::kFormatVersion, __FILE__);
    SectionList* list = GetSectionList(id);
    return list ? static_cast<int>(list->size()) : 0;
}

void CSRTFContainer::NextSectionType() {
    for (int id = typeCursor + 1; id < kSectionIdCount; ++id)
        if (GetFirstSection(id)) {
            typeCursor = id;
            return;
        }
    typeCursor = -1;
}
