// Attachment, attachment type and valid attachment type sections.
#ifndef SRTF_DICTIONARY_DDATTACHMENT_H
#define SRTF_DICTIONARY_DDATTACHMENT_H

#include "sectionbase.h"

// ValueDefault is a text whatever AttachmentDataType says.
class CDDAttachment : public CDDRecord {
    SRTF_RECORD_KIND(CDDAttachment)
    int AttachmentId = 0;
    int AttachmentTypeId = 0;
    std::string Name;
    std::string Description;
    std::string ValueDefault;
    int AttachmentDataType = 0;
    int DictionaryObjectId = 0;
};

class CDDAttachmentSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDAttachmentSection)
};

class CDDAttachmentType : public CDDRecord {
    SRTF_RECORD_KIND(CDDAttachmentType)
    int AttachmentTypeId = 0;
    std::string Name;
    std::string Description;
    int IsUserDefined = 0;
    int DictionaryObjectId = 0;
};

class CDDAttachmentTypeSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDAttachmentTypeSection)
};

// MetaTableId is a data column here, not a tech key.
class CDDValidAttachmentType : public CDDRecord {
    SRTF_RECORD_KIND(CDDValidAttachmentType)
    int ValidAttachmentTypeId = 0;
    int AttachmentTypeId = 0;
    int MetaTableId = 0;
    int MinRows = 0;
    int MaxRows = 0;
    int DictionaryObjectId = 0;
};

class CDDValidAttachmentTypeSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDValidAttachmentTypeSection)
};

#endif
