// Check-in state of diagrams, models, submodels, entities, attributes, keys,
// relationships and supertypes: one-list SID sections whose records end with
// the seven CSIDDiagObject columns.
#ifndef SRTF_SID_SIDMODEL_H
#define SRTF_SID_SIDMODEL_H

#include "sectionbase.h"
#include "sid/siddiagobject.h"

// The only SID record with property ids other than 0.
class CSIDDiagram : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDDiagram)
    int DiagramId = 0;
    int QuorvaneVersionID = 0;
    std::string DiagramName;
    std::string Description;
};

class CSIDModel : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDModel)
    int ModelId = 0;
    int DiagramId = 0;
};

class CSIDSubmodel : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDSubmodel)
    int SubmodelId = 0;
    int ModelId = 0;
};

// DiagramId is the tech key, not a data property.
class CSIDEntity : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDEntity)
    int EntityId = 0;
    int ModelId = 0;
    int DiagramId = 0;
    std::string OwnerName;
};

// DiagramId is the tech key, not a data property.
class CSIDAttribute : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDAttribute)
    int AttributeId = 0;
    int EntityId = 0;
    int DiagramId = 0;
    int ModelId = 0;
};

class CSIDKey : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDKey)
    int KeyId = 0;
    int EntityId = 0;
};

class CSIDRelationship : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDRelationship)
    int RelationshipId = 0;
    int ModelId = 0;
    int ParentEntityId = 0;
    int ChildEntityId = 0;
    int DiagramId = 0;
};

class CSIDSupertype : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDSupertype)
    int EntityId = 0;
    int SupertypeID = 0;
    int ModelId = 0;
};

class CSIDDiagramSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDDiagramSection)
};
class CSIDModelSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDModelSection)
};
class CSIDSubmodelSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDSubmodelSection)
};
class CSIDEntitySection : public COneListSection {
    SRTF_SECTION_KIND(CSIDEntitySection)
};
class CSIDAttributeSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDAttributeSection)
};
class CSIDKeySection : public COneListSection {
    SRTF_SECTION_KIND(CSIDKeySection)
};
class CSIDRelationshipSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDRelationshipSection)
};
class CSIDSupertypeSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDSupertypeSection)
};

#endif
