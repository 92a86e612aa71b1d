// Subtype and supertype sections: the generalisation hierarchies of a model.
// In both kinds the record's own id is the second column.
#ifndef SRTF_MODEL_DDSUBTYPE_H
#define SRTF_MODEL_DDSUBTYPE_H

#include "sectionbase.h"

class CDDSubtype : public CDDRecord {
    SRTF_RECORD_KIND(CDDSubtype)
    int ChildEntityId = 0;
    int SubtypeId = 0;
    int RelationshipId = 0;
    int SupertypeId = 0;
    int ParentEntityId = 0;
    int InterModelRelationshipId = 0;
};

class CDDSubtypeSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDSubtypeSection)
};

class CDDSupertype : public CDDRecord {
    SRTF_RECORD_KIND(CDDSupertype)
    int EntityId = 0;
    int SupertypeId = 0;
    std::string Supertype;
    std::string Type;
    int Discriminator = 0;
    int InterModelRelationshipId = 0;
    SrtfGuid DiscriminatorGUID;
    int CompareFlags = 0;
};

class CDDSupertypeSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDSupertypeSection)
};

#endif
