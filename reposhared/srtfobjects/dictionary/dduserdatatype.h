// User data type section: user-defined data types of the data dictionary,
// with the default and rule bound to them.
#ifndef SRTF_DICTIONARY_DDUSERDATATYPE_H
#define SRTF_DICTIONARY_DDUSERDATATYPE_H

#include "sectionbase.h"

// The line begins with Length, a data column; the id is the second column.
class CDDUserDataType : public CDDRecord {
    SRTF_RECORD_KIND(CDDUserDataType)
    int Length = 0;
    int UserDataTypeId = 0;
    int BoundDefaultId = 0;
    int BoundRuleId = 0;
    std::string Name;
    std::string Description;
    std::string DataTypeId;
    int Scale = 0;
    int Nullable = 0;
    int DictionaryObjectId = 0;
    std::string Datatype_PD;
};

class CDDUserDataTypeSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDUserDataTypeSection)
};

#endif
