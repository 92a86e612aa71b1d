// Mapping and subject-area sections: universal mappings between two objects,
// external mapped objects, and the subject areas of a model with their
// mappings to submodels.
#ifndef SRTF_MODEL_DDMAPPING_H
#define SRTF_MODEL_DDMAPPING_H

#include "sectionbase.h"

// Both sides are named by meta-table id (a tech key) and row GUID (data);
// no foreign key.
class CDDUniversalMapping : public CDDRecord {
    SRTF_RECORD_KIND(CDDUniversalMapping)
    int UniversalMappingId = 0;
    int AMetaTableId = 0;
    SrtfGuid ATableRowGUID;
    int BMetaTableId = 0;
    SrtfGuid BTableRowGUID;
    std::string Description;
    int Flags = 0;
    std::string Note;
};

class CDDUniversalMappingSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDUniversalMappingSection)
};

class CDDExternalMappedObject : public CDDRecord {
    SRTF_RECORD_KIND(CDDExternalMappedObject)
    int ExternalMappedObjectId = 0;
    SrtfGuid ParentEMObjGUID;
    int EMObj_Type = 0;
    std::string User_Friendly_Display_Info;
    SrtfGuid ContainerGUID;
};

class CDDExternalMappedObjectSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDExternalMappedObjectSection)
};

class CDDSubjectArea : public CDDRecord {
    SRTF_RECORD_KIND(CDDSubjectArea)
    int SubjectAreaId = 0;
    int ModelId = 0;
    std::string Name;
    std::string Description;
    int Flags = 0;
};

class CDDSubjectAreaSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDSubjectAreaSection)
};

class CDDSubjectAreaMapping : public CDDRecord {
    SRTF_RECORD_KIND(CDDSubjectAreaMapping)
    int SubjectAreaMappingId = 0;
    int SubjectAreaId = 0;
    int SubModelId = 0;
    std::string Name;
    std::string Description;
    int Flags = 0;
};

class CDDSubjectAreaMappingSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDSubjectAreaMappingSection)
};

#endif
