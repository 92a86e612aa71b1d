#include "ddtransform.h"

#define R CDDObjectTransform
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, ObjectTransformId,       Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelId,                 Int,     1,  -1,       0,  44),
    SRTF_COL(R, TransformType,           Int,    -1,   0,   29551,  -1),
    SRTF_COL(R, Name,                    String, -1,   1,   29552,  -1),
    SRTF_COL(R, Description,             String, -1,   2,   29553,  -1),
    SRTF_COL(R, CompareFlags,            Int,    -1,   3,   29875,  -1))
#undef R
// The record types of this kind carry no underscore.
SRTF_TWO_LIST_SECTION(CDDObjectTransformSection, CDDObjectTransform, "ObjectTransformBase",
                      "ObjectTransformLatest")

// Both row ids refer to entities whatever MetaTableId names; SetForeignKey
// with 31 fills SourceTableRowId.
#define R CDDTransformMember
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, TransformMemberId,       Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ObjectTransformId,       Int,     1,  -1,       0,  49),
    SRTF_COL(R, MetaTableId,             Int,     2,  -1,       0,  -1),
    SRTF_COL(R, SourceTableRowId,        Int,     3,  -1,       0,  31),
    SRTF_COL(R, TargetTableRowId,        Int,     4,  -1,       0,  31),
    SRTF_COL(R, TransformAction,         Int,    -1,   0,   29557,  -1))
#undef R
// The two record types differ in form, and files carry exactly these names:
// "Transfrom" with an underscore for Base, "Transform" without for Latest.
SRTF_TWO_LIST_SECTION(CDDTransformMemberSection, CDDTransformMember, "TransfromMember_Base",
                      "TransformMemberLatest")

// Type stands between the id and ModelId and is the first data position.
#define R CDDTransformation
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, TransformationId,        Int,     0,  -1,       0,  -1),
    SRTF_COL(R, Type,                    String, -1,   0,   29880,  -1),
    SRTF_COL(R, ModelId,                 Int,     1,  -1,       0,  44),
    SRTF_COL(R, Name,                    String, -1,   1,   29790,  -1),
    SRTF_COL(R, Definition,              String, -1,   2,   29791,  -1),
    SRTF_COL(R, Code,                    String, -1,   3,   29792,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDTransformationSection, CDDTransformation, "Transformation_Base",
                      "Transformation_Latest")
