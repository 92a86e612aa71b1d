// Denormalisation sections: denormalisation mappings and denormalized objects
// of a model, and the members that tie a mapping to a denormalized object.
#ifndef SRTF_MODEL_DDDENORM_H
#define SRTF_MODEL_DDDENORM_H

#include "sectionbase.h"

class CDDDenormMapping : public CDDRecord {
    SRTF_RECORD_KIND(CDDDenormMapping)
    int DenormMappingId = 0;
    int ModelId = 0;
    std::string Name;
    std::string Description;
    int DenormType = 0;
    int Flags = 0;
    int CompareFlags = 0;
};

class CDDDenormMappingSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDenormMappingSection)
};

class CDDDenormalizedObject : public CDDRecord {
    SRTF_RECORD_KIND(CDDDenormalizedObject)
    int DenormalizedObjectId = 0;
    int ModelId = 0;
    std::string PhysicalName;
    std::string LogicalName;
    std::string OwnerName;
    int Flags = 0;
};

class CDDDenormalizedObjectSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDenormalizedObjectSection)
};

// The member's target (meta-table id and row id) is data, not a reference.
class CDDDenormMember : public CDDRecord {
    SRTF_RECORD_KIND(CDDDenormMember)
    int DenormMemberId = 0;
    int DenormMappingId = 0;
    int DenormalizedObjectId = 0;
    int TargetMetaTableId = 0;
    int TargetTableRowId = 0;
    int Flags = 0;
};

// Keeps its Latest list first: read, written and destroyed Latest before Base.
class CDDDenormMemberSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDenormMemberSection)
};

#endif
