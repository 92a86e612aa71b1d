// Metadata usage sections: meta-class members, property usages, property
// value usages and user object matches. The ids of the meta-class world are
// plain data values, not keys.
#ifndef SRTF_MODEL_DDMETADATA_H
#define SRTF_MODEL_DDMETADATA_H

#include <string>

#include "sectionbase.h"

// A member of a meta class.
class CDDMetaClassMember : public CDDRecord {
    SRTF_RECORD_KIND(CDDMetaClassMember)
    int MetaClassMemberId = 0;
    std::string Name;
    std::string Label;
    int TableRowId = 0;
    int SequenceNo = 0;
    int ValidMetaClassId = 0;
};

class CDDMetaClassMemberSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDMetaClassMemberSection)
};

// Ties a meta-class member to a valid property. The only tech key is the
// own id in the fifth column; MetaClassMemberId, the first column, is the
// first data property.
class CDDPropertyUsage : public CDDRecord {
    SRTF_RECORD_KIND(CDDPropertyUsage)
    int MetaClassMemberId = 0;
    std::string Label;
    int MaxRows = 0;
    int IsMandatory = 0;
    int PropertyUsageId = 0;
    int ValidPropertyId = 0;
    int MinRows = 0;
    int EnforceMaximum = 0;
};

class CDDPropertyUsageSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDPropertyUsageSection)
};

// One value of a property usage.
class CDDPropertyValueUsage : public CDDRecord {
    SRTF_RECORD_KIND(CDDPropertyValueUsage)
    int PropertyValueUsageId = 0;
    int PropertyUsageId = 0;
    int SequenceNo = 0;
    int ValidPropertyValueId = 0;
    std::string ValueOverride;
    std::string Label;
};

class CDDPropertyValueUsageSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDPropertyValueUsageSection)
};

// Pairs an object on side A with one on side B. The key columns and the
// data columns interleave (BMetaTableId follows Flags); the meta-table ids
// are keys that refer to no section, and SetForeignKey fills the A column
// of each pair.
class CDDUserObjectMatch : public CDDRecord {
    SRTF_RECORD_KIND(CDDUserObjectMatch)
    int UserObjectMatchId = 0;
    int AMetaTableId = 0;
    int AModelId = 0;
    int BModelId = 0;
    int ATableRowId = 0;
    int BTableRowId = 0;
    int Flags = 0;
    int BMetaTableId = 0;
    std::string Definition;
    std::string Note;
};

class CDDUserObjectMatchSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDUserObjectMatchSection)
};

#endif
