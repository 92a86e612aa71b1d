// Transformation sections: object transforms, the row pairs they map, and
// transformations with their code.
#ifndef SRTF_MODEL_DDTRANSFORM_H
#define SRTF_MODEL_DDTRANSFORM_H

#include "sectionbase.h"

class CDDObjectTransform : public CDDRecord {
    SRTF_RECORD_KIND(CDDObjectTransform)
    int ObjectTransformId = 0;
    int ModelId = 0;
    int TransformType = 0;
    std::string Name;
    std::string Description;
    int CompareFlags = 0;
};

class CDDObjectTransformSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDObjectTransformSection)
};

class CDDTransformMember : public CDDRecord {
    SRTF_RECORD_KIND(CDDTransformMember)
    int TransformMemberId = 0;
    int ObjectTransformId = 0;
    int MetaTableId = 0;
    int SourceTableRowId = 0;
    int TargetTableRowId = 0;
    int TransformAction = 0;
};

class CDDTransformMemberSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDTransformMemberSection)
};

class CDDTransformation : public CDDRecord {
    SRTF_RECORD_KIND(CDDTransformation)
    int TransformationId = 0;
    std::string Type;
    int ModelId = 0;
    std::string Name;
    std::string Definition;
    std::string Code;
};

class CDDTransformationSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDTransformationSection)
};

#endif
