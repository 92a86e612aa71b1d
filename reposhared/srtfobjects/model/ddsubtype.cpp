#include "ddsubtype.h"

// GetId/SetId use SubtypeId (column 1). Two columns refer to entities;
// SetForeignKey with 31 fills ChildEntityId.
#define R CDDSubtype
SRTF_DD_RECORD_TABLE(R, 1,
    //       class member                type    key data  property refers
    SRTF_COL(R, ChildEntityId,           Int,     0,  -1,       0,  31),
    SRTF_COL(R, SubtypeId,               Int,     1,  -1,       0,  -1),
    SRTF_COL(R, RelationshipId,          Int,     2,  -1,       0,  57),
    SRTF_COL(R, SupertypeId,             Int,     3,  -1,       0,  73),
    SRTF_COL(R, ParentEntityId,          Int,     4,  -1,       0,  31),
    SRTF_COL(R, InterModelRelationshipId,Int,     5,  -1,       0,  40))
#undef R
SRTF_TWO_LIST_SECTION(CDDSubtypeSection, CDDSubtype, "Subtype_Base", "Subtype_Latest")

// GetId/SetId use SupertypeId (column 1); Discriminator is data, not a key.
#define R CDDSupertype
SRTF_DD_RECORD_TABLE(R, 1,
    //       class member                type    key data  property refers
    SRTF_COL(R, EntityId,                Int,     0,  -1,       0,  31),
    SRTF_COL(R, SupertypeId,             Int,     1,  -1,       0,  -1),
    SRTF_COL(R, Supertype,               String, -1,   0,   29208,  -1),
    SRTF_COL(R, Type,                    String, -1,   1,   29209,  -1),
    SRTF_COL(R, Discriminator,           Int,    -1,   2,   29210,  -1),
    SRTF_COL(R, InterModelRelationshipId,Int,     2,  -1,       0,  40),
    SRTF_COL(R, DiscriminatorGUID,       Guid,   -1,   3,   29255,  -1),
    SRTF_COL(R, CompareFlags,            Int,    -1,   4,   29874,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDSupertypeSection, CDDSupertype, "Supertype_Base", "Supertype_Latest")
