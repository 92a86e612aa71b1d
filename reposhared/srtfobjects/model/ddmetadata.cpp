#include "ddmetadata.h"

#define R CDDMetaClassMember
SRTF_DD_RECORD_TABLE(R, 0,
    //          member             type    key data  property refers
    SRTF_COL(R, MetaClassMemberId, Int,     0,  -1,       0,  -1),
    SRTF_COL(R, Name,              String, -1,   0,   29230,  -1),
    SRTF_COL(R, Label,             String, -1,   1,   29231,  -1),
    SRTF_COL(R, TableRowId,        Int,    -1,   2,   29232,  -1),
    SRTF_COL(R, SequenceNo,        Int,    -1,   3,   29233,  -1),
    SRTF_COL(R, ValidMetaClassId,  Int,    -1,   4,   29234,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDMetaClassMemberSection, CDDMetaClassMember,
                      "Meta_Class_Member_Base", "Meta_Class_Member_Latest")

#define R CDDPropertyUsage
SRTF_DD_RECORD_TABLE(R, 4,
    //          member             type    key data  property refers
    SRTF_COL(R, MetaClassMemberId, Int,    -1,   0,   29235,  -1),
    SRTF_COL(R, Label,             String, -1,   1,   29236,  -1),
    SRTF_COL(R, MaxRows,           Int,    -1,   2,   29237,  -1),
    SRTF_COL(R, IsMandatory,       Int,    -1,   3,   29238,  -1),
    SRTF_COL(R, PropertyUsageId,   Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ValidPropertyId,   Int,    -1,   4,   29240,  -1),
    SRTF_COL(R, MinRows,           Int,    -1,   5,   29241,  -1),
    SRTF_COL(R, EnforceMaximum,    Int,    -1,   6,   29242,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDPropertyUsageSection, CDDPropertyUsage,
                      "Property_Usage_Base", "Property_Usage_Latest")

#define R CDDPropertyValueUsage
SRTF_DD_RECORD_TABLE(R, 0,
    //          member                type    key data  property refers
    SRTF_COL(R, PropertyValueUsageId, Int,     0,  -1,       0,  -1),
    SRTF_COL(R, PropertyUsageId,      Int,     1,  -1,       0,  53),
    SRTF_COL(R, SequenceNo,           Int,    -1,   0,   29245,  -1),
    SRTF_COL(R, ValidPropertyValueId, Int,    -1,   1,   29246,  -1),
    SRTF_COL(R, ValueOverride,        String, -1,   2,   29247,  -1),
    SRTF_COL(R, Label,                String, -1,   3,   29248,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDPropertyValueUsageSection, CDDPropertyValueUsage,
                      "Property_Value_Usage_Base", "Property_Value_Usage_Latest")

#define R CDDUserObjectMatch
SRTF_DD_RECORD_TABLE(R, 0,
    //          member             type    key data  property refers
    SRTF_COL(R, UserObjectMatchId, Int,     0,  -1,       0,  -1),
    SRTF_COL(R, AMetaTableId,      Int,     1,  -1,       0,  -1),
    SRTF_COL(R, AModelId,          Int,     2,  -1,       0,  44),
    SRTF_COL(R, BModelId,          Int,     3,  -1,       0,  44),
    SRTF_COL(R, ATableRowId,       Int,     4,  -1,       0,  31),
    SRTF_COL(R, BTableRowId,       Int,     5,  -1,       0,  31),
    SRTF_COL(R, Flags,             Int,    -1,   0,   29611,  -1),
    SRTF_COL(R, BMetaTableId,      Int,     6,  -1,       0,  -1),
    SRTF_COL(R, Definition,        String, -1,   1,   29876,  -1),
    SRTF_COL(R, Note,              String, -1,   2,   30091,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDUserObjectMatchSection, CDDUserObjectMatch,
                      "UserObjectMatch_Base", "UserObjectMatch_Latest")
