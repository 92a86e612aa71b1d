// CSRTFContainer: one SRTF document in memory.
//
// For each SectionId 0..227 a list of sections in creation order (several may
// share an id; single-section operations use the first). Read parses a file
// into new sections (checking the format version of every header section as
// soon as it has been read); Save stamps every header section with the path,
// version 45 and the record count and writes all sections in id order.
// The container owns its sections; failures leave as CSrtfException or
// FileError.
#ifndef SRTF_SRTFCONTAINER_H
#define SRTF_SRTFCONTAINER_H

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sectionbase.h"
#include "sectiontable.h"

class IpFmtRead;
class IpFmtWrite;

class CContainer {
public:
    virtual ~CContainer() = default;
};

using SectionList = std::vector<CSectionBase*>;

class CSRTFContainer : public CContainer {
public:
    CSRTFContainer() = default;
    ~CSRTFContainer() override;
    CSRTFContainer(const CSRTFContainer&) = delete;
    CSRTFContainer& operator=(const CSRTFContainer&) = delete;

    void SetFilePath(std::string path) { filePath = std::move(path); }
    const std::string& GetFilePath() const { return filePath; }

    int Read();
    int ReadSection(std::string& header, IpFmtRead& reader);
    int Save();
    int Write(IpFmtWrite& writer);
    CSectionBase* CreateSection(int id);
    CSectionBase* FindSection(int id, bool mustExist);
    virtual CSectionBase* GetFirstSection(int id);
    virtual CSectionBase* GetNextSection(int id);
    SectionList* GetSectionList(int id);
    int CountObjects();
    void CreateAllSections();
    void SetOwnsRecords(int flag);
    void SetOwnsRecordsOf(int id);
    int CountListRecords();
    std::string SectionKeyword(int id);
    int SectionCount(int id);
    void NextSectionType();
    void ResetSectionType() { typeCursor = -1; }
    int GetSectionType() const { return typeCursor; }
    bool SectionTypeAtEnd() const { return typeCursor == -1; }

private:
    std::string filePath;
    std::map<int, size_t> sectionCursors;
    std::unique_ptr<SectionList> sectionLists[kSectionIdCount];
    int indexEnabled = 0;
    int typeCursor = -1;
};

#endif
