#include "sid/sidmodel.h"

#define R CSIDDiagram
SRTF_SID_RECORD_TABLE(R,
    //       class member           type    key data property refers
    SRTF_COL(R, DiagramId,          Int,    -1,  0,       0,  -1),
    SRTF_COL(R, QuorvaneVersionID,  Int,    -1,  1,   29488,  -1),
    SRTF_COL(R, DiagramName,        String, -1,  2,   29488,  -1),
    SRTF_COL(R, Description,        String, -1,  3,   29488,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDDiagramSection, CSIDDiagram, "Diagram", true)

#define R CSIDModel
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, ModelId,            Int,    -1,  0,       0,  -1),
    SRTF_COL(R, DiagramId,          Int,    -1,  1,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDModelSection, CSIDModel, "Model", true)

#define R CSIDSubmodel
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, SubmodelId,         Int,    -1,  0,       0,  -1),
    SRTF_COL(R, ModelId,            Int,    -1,  1,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDSubmodelSection, CSIDSubmodel, "Submodel", true)

#define R CSIDEntity
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, EntityId,           Int,    -1,  0,       0,  -1),
    SRTF_COL(R, ModelId,            Int,    -1,  1,       0,  -1),
    SRTF_COL(R, DiagramId,          Int,     0, -1,       0,  -1),
    SRTF_COL(R, OwnerName,          String, -1,  2,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDEntitySection, CSIDEntity, "Entity", true)

#define R CSIDAttribute
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, AttributeId,        Int,    -1,  0,       0,  -1),
    SRTF_COL(R, EntityId,           Int,    -1,  1,       0,  -1),
    SRTF_COL(R, DiagramId,          Int,     0, -1,       0,  -1),
    SRTF_COL(R, ModelId,            Int,    -1,  2,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDAttributeSection, CSIDAttribute, "Attribute", true)

#define R CSIDKey
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, KeyId,              Int,    -1,  0,       0,  -1),
    SRTF_COL(R, EntityId,           Int,    -1,  1,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDKeySection, CSIDKey, "Key", true)

#define R CSIDRelationship
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, RelationshipId,     Int,    -1,  0,       0,  -1),
    SRTF_COL(R, ModelId,            Int,    -1,  1,       0,  -1),
    SRTF_COL(R, ParentEntityId,     Int,    -1,  2,       0,  -1),
    SRTF_COL(R, ChildEntityId,      Int,    -1,  3,       0,  -1),
    SRTF_COL(R, DiagramId,          Int,    -1,  4,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDRelationshipSection, CSIDRelationship, "Relationship", true)

#define R CSIDSupertype
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, EntityId,           Int,    -1,  0,       0,  -1),
    SRTF_COL(R, SupertypeID,        Int,    -1,  1,       0,  -1),
    SRTF_COL(R, ModelId,            Int,    -1,  2,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDSupertypeSection, CSIDSupertype, "Supertype", true)
