// Relationship sections: relationships between entities, their attribute
// pairs, inter-model relationships and containment links.
#ifndef SRTF_MODEL_DDRELATIONSHIP_H
#define SRTF_MODEL_DDRELATIONSHIP_H

#include "sectionbase.h"

class CDDRelationship : public CDDRecord {
    SRTF_RECORD_KIND(CDDRelationship)
    int RelationshipId = 0;
    int ModelId = 0;
    int InterModelRelId = 0;
    int ParentEntityId = 0;
    int ChildEntityId = 0;
    std::string Name;
    std::string RelationshipType;
    std::string Definition;
    std::string Note;
    std::string InversePhrase;
    std::string VerbPhrase;
    std::string ParentConstraintType;
    std::string ParentCardinality;
    int ParentCardinalityNo = 0;
    std::string ChildCardinality;
    int ChildCardinalityNo = 0;
    std::string ParentOptionality;
    std::string ChildOptionality;
    std::string ParentInsert;
    std::string ParentUpdate;
    std::string ParentDelete;
    std::string ChildInsert;
    std::string ChildUpdate;
    std::string ChildDelete;
    int AssociativeEntityId = 0;
    SrtfGuid AlternateKeyGUID;
    std::string LogicalName;
    int Flags = 0;
    int NSTFlag = 0;
    int CompareFlags = 0;
};

class CDDRelationshipSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDRelationshipSection)
};

class CDDRelationshipMember : public CDDRecord {
    SRTF_RECORD_KIND(CDDRelationshipMember)
    int RelationshipMemberId = 0;
    int RelationshipId = 0;
    int ParentAttributeId = 0;
    int ChildAttributeId = 0;
    int ParentEntityId = 0;
    int ChildEntityId = 0;
    int OriginalEntityId = 0;
    int OriginalAttributeId = 0;
    int SequenceNo = 0;
};

class CDDRelationshipMemberSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDRelationshipMemberSection)
};

class CDDInterModelRelationship : public CDDRecord {
    SRTF_RECORD_KIND(CDDInterModelRelationship)
    int InterModelRelId = 0;
    int DiagramId = 0;
};

// One list that serves as both Base and Latest list, one record type.
class CDDInterModelRelationshipSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDInterModelRelationshipSection)
};

class CDDContainmentLink : public CDDRecord {
    SRTF_RECORD_KIND(CDDContainmentLink)
    int ContainmentLinkId = 0;
    int ModelId = 0;
    int ParentMetaTableId = 0;
    int ParentTableRowId = 0;
    int ChildMetaTableId = 0;
    int ChildTableRowId = 0;
    int Flags = 0;
};

class CDDContainmentLinkSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDContainmentLinkSection)
};

#endif
