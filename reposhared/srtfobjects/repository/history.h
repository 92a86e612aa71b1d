// Object history and macro status: the actions done on single objects, and
// per object the version it is in sync with and whether it was changed or
// deleted locally. One-list sections that travel only in files.
#ifndef SRTF_REPOSITORY_HISTORY_H
#define SRTF_REPOSITORY_HISTORY_H

#include "sectionbase.h"

// Action and ActionDate are texts, kept as read.
class CHistory : public CPlainRecord {
    SRTF_RECORD_KIND(CHistory)
    std::string UserName;
    std::string Machine;
    std::string Action;
    std::string ActionDate;
    SrtfGuid ObjectGUID;
    std::string ObjectType;
    int VersionNumber = 0;
    SrtfGuid VersionGUID;
    std::string Comment;
};

class CHistorySection : public COneListSection {
    SRTF_SECTION_KIND(CHistorySection)
};

// LocallyModified and LocallyDeleted are decimal ints, any value kept.
class CMacroStatus : public CPlainRecord {
    SRTF_RECORD_KIND(CMacroStatus)
    SrtfGuid InSyncVerGUID;
    SrtfGuid ObjectGUID;
    int LocallyModified = 0;
    int LocallyDeleted = 0;
};

// Its lines carry the record type "Macro_Status", with the underscore.
class CMacroStatusSection : public COneListSection {
    SRTF_SECTION_KIND(CMacroStatusSection)
};

#endif
