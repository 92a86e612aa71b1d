// The checked-out objects and the repository's users: one-list SID sections
// whose records stand on CObjectBase directly and carry none of the seven
// CSIDDiagObject columns.
#ifndef SRTF_SID_SIDLIST_H
#define SRTF_SID_SIDLIST_H

#include "sectionbase.h"

// ObjectType is a text column here.
class CSIDCheckedOut : public CPlainRecord {
    SRTF_RECORD_KIND(CSIDCheckedOut)
    std::string UserName;
    SrtfGuid ObjectGUID;
    std::string ObjectType;
    std::string MachineName;
};

// UserId is a plain column, not the record's id (GetId answers 0).
class CSIDUser : public CPlainRecord {
    SRTF_RECORD_KIND(CSIDUser)
    int UserId = 0;
    std::string Name;
};

class CSIDCheckedOutSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDCheckedOutSection)
};
class CSIDUserSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDUserSection)
};

#endif
