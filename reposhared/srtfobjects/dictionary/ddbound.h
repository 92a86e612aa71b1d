// Bound dictionary object section: a dictionary object bound to one row
// (TableRowId) of a model table (MetaTableId).
#ifndef SRTF_DICTIONARY_DDBOUND_H
#define SRTF_DICTIONARY_DDBOUND_H

#include "sectionbase.h"

// MetaTableId comes first on the line and in the tech-key walk but is no
// foreign key; the id is the second column.
class CDDBoundDictionaryObject : public CDDRecord {
    SRTF_RECORD_KIND(CDDBoundDictionaryObject)
    int MetaTableId = 0;
    int BoundDictionaryObjectId = 0;
    int DictionaryObjectId = 0;
    int TableRowId = 0;
    int AttachmentDataType = 0;
    std::string ValueOverride;
    int SequenceNumber = 0;
};

class CDDBoundDictionaryObjectSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDBoundDictionaryObjectSection)
};

#endif
