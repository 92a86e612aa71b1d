#include "ddrelationship.h"

// Three columns refer to entities; SetForeignKey with 31 fills
// ParentEntityId. AssociativeEntityId is the last tech key although it stands
// among the data columns.
#define R CDDRelationship
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, RelationshipId,          Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelId,                 Int,     1,  -1,       0,  44),
    SRTF_COL(R, InterModelRelId,         Int,     2,  -1,       0,  40),
    SRTF_COL(R, ParentEntityId,          Int,     3,  -1,       0,  31),
    SRTF_COL(R, ChildEntityId,           Int,     4,  -1,       0,  31),
    SRTF_COL(R, Name,                    String, -1,   0,   28782,  -1),
    SRTF_COL(R, RelationshipType,        String, -1,   1,   28783,  -1),
    SRTF_COL(R, Definition,              String, -1,   2,   28784,  -1),
    SRTF_COL(R, Note,                    String, -1,   3,   28785,  -1),
    SRTF_COL(R, InversePhrase,           String, -1,   4,   28786,  -1),
    SRTF_COL(R, VerbPhrase,              String, -1,   5,   28787,  -1),
    SRTF_COL(R, ParentConstraintType,    String, -1,   6,   28788,  -1),
    SRTF_COL(R, ParentCardinality,       String, -1,   7,   28789,  -1),
    SRTF_COL(R, ParentCardinalityNo,     Int,    -1,   8,   28790,  -1),
    SRTF_COL(R, ChildCardinality,        String, -1,   9,   28791,  -1),
    SRTF_COL(R, ChildCardinalityNo,      Int,    -1,  10,   28792,  -1),
    SRTF_COL(R, ParentOptionality,       String, -1,  11,   28793,  -1),
    SRTF_COL(R, ChildOptionality,        String, -1,  12,   28794,  -1),
    SRTF_COL(R, ParentInsert,            String, -1,  13,   28795,  -1),
    SRTF_COL(R, ParentUpdate,            String, -1,  14,   28796,  -1),
    SRTF_COL(R, ParentDelete,            String, -1,  15,   28797,  -1),
    SRTF_COL(R, ChildInsert,             String, -1,  16,   28798,  -1),
    SRTF_COL(R, ChildUpdate,             String, -1,  17,   28799,  -1),
    SRTF_COL(R, ChildDelete,             String, -1,  18,   28800,  -1),
    SRTF_COL(R, AssociativeEntityId,     Int,     5,  -1,       0,  31),
    SRTF_COL(R, AlternateKeyGUID,        Guid,   -1,  19,   29299,  -1),
    SRTF_COL(R, LogicalName,             String, -1,  20,   29526,  -1),
    SRTF_COL(R, Flags,                   Int,    -1,  21,   29540,  -1),
    SRTF_COL(R, NSTFlag,                 Int,    -1,  22,   29768,  -1),
    SRTF_COL(R, CompareFlags,            Int,    -1,  23,   29867,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDRelationshipSection, CDDRelationship, "Rel_Base", "Rel_Latest")

// The three entity ids are tech keys that refer to no section.
#define R CDDRelationshipMember
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, RelationshipMemberId,    Int,     0,  -1,       0,  -1),
    SRTF_COL(R, RelationshipId,          Int,     1,  -1,       0,  57),
    SRTF_COL(R, ParentAttributeId,       Int,     2,  -1,       0,   7),
    SRTF_COL(R, ChildAttributeId,        Int,     3,  -1,       0,   7),
    SRTF_COL(R, ParentEntityId,          Int,     4,  -1,       0,  -1),
    SRTF_COL(R, ChildEntityId,           Int,     5,  -1,       0,  -1),
    SRTF_COL(R, OriginalEntityId,        Int,     6,  -1,       0,  -1),
    SRTF_COL(R, OriginalAttributeId,     Int,     7,  -1,       0,   7),
    SRTF_COL(R, SequenceNo,              Int,    -1,   0,   28810,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDRelationshipMemberSection, CDDRelationshipMember, "RelMbr_Base",
                      "RelMbr_Latest")

#define R CDDInterModelRelationship
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, InterModelRelId,         Int,     0,  -1,       0,  -1),
    SRTF_COL(R, DiagramId,               Int,     1,  -1,       0,  20))
#undef R
SRTF_SINGLE_LIST_SECTION(CDDInterModelRelationshipSection, CDDInterModelRelationship,
                         "InterModelRel")

// Both row ids refer to entities whatever their meta-table ids name;
// SetForeignKey with 31 fills ParentTableRowId.
#define R CDDContainmentLink
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, ContainmentLinkId,       Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelId,                 Int,     1,  -1,       0,  44),
    SRTF_COL(R, ParentMetaTableId,       Int,     2,  -1,       0,  -1),
    SRTF_COL(R, ParentTableRowId,        Int,     3,  -1,       0,  31),
    SRTF_COL(R, ChildMetaTableId,        Int,     4,  -1,       0,  -1),
    SRTF_COL(R, ChildTableRowId,         Int,     5,  -1,       0,  31),
    SRTF_COL(R, Flags,                   Int,    -1,   0,   30082,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDContainmentLinkSection, CDDContainmentLink, "ContainmentLink_Base",
                      "ContainmentLink_Latest")
