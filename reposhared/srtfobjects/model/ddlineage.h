// Lineage sections: lineage components, the streams that connect a
// transformation with a component, and the rows that belong to a stream.
#ifndef SRTF_MODEL_DDLINEAGE_H
#define SRTF_MODEL_DDLINEAGE_H

#include "sectionbase.h"

class CDDLineageComponent : public CDDRecord {
    SRTF_RECORD_KIND(CDDLineageComponent)
    int LineageComponentId = 0;
    int ModelId = 0;
    int MetaTableId = 0;
    int TableRowId = 0;
    std::string DisplayName;
};

class CDDLineageComponentSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDLineageComponentSection)
};

class CDDLineageStream : public CDDRecord {
    SRTF_RECORD_KIND(CDDLineageStream)
    int LineageStreamId = 0;
    int ModelId = 0;
    int TransformationId = 0;
    int LineageComponentId = 0;
    std::string Name;
    std::string Description;
    int Flags = 0;
};

class CDDLineageStreamSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDLineageStreamSection)
};

class CDDLineageStreamMember : public CDDRecord {
    SRTF_RECORD_KIND(CDDLineageStreamMember)
    int LineageStreamMemberId = 0;
    int LineageStreamId = 0;
    int MetaTableId = 0;
    int TableRowId = 0;
};

class CDDLineageStreamMemberSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDLineageStreamMemberSection)
};

#endif
