#include "ddlineage.h"

// TableRowId refers to entities whatever MetaTableId names.
#define R CDDLineageComponent
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, LineageComponentId,      Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelId,                 Int,     1,  -1,       0,  44),
    SRTF_COL(R, MetaTableId,             Int,     2,  -1,       0,  -1),
    SRTF_COL(R, TableRowId,              Int,     3,  -1,       0,  31),
    SRTF_COL(R, DisplayName,             String, -1,   0,   29881,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDLineageComponentSection, CDDLineageComponent, "LineageComponent_Base",
                      "LineageComponent_Latest")

#define R CDDLineageStream
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, LineageStreamId,         Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelId,                 Int,     1,  -1,       0,  44),
    SRTF_COL(R, TransformationId,        Int,     2,  -1,       0, 191),
    SRTF_COL(R, LineageComponentId,      Int,     3,  -1,       0, 192),
    SRTF_COL(R, Name,                    String, -1,   0,   29803,  -1),
    SRTF_COL(R, Description,             String, -1,   1,   29804,  -1),
    SRTF_COL(R, Flags,                   Int,    -1,   2,   29805,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDLineageStreamSection, CDDLineageStream, "LineageStream_Base",
                      "LineageStream_Latest")

#define R CDDLineageStreamMember
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, LineageStreamMemberId,   Int,     0,  -1,       0,  -1),
    SRTF_COL(R, LineageStreamId,         Int,     1,  -1,       0, 193),
    SRTF_COL(R, MetaTableId,             Int,     2,  -1,       0,  -1),
    SRTF_COL(R, TableRowId,              Int,     3,  -1,       0,  31))
#undef R
SRTF_TWO_LIST_SECTION(CDDLineageStreamMemberSection, CDDLineageStreamMember,
                      "LineageStreamMember_Base", "LineageStreamMember_Latest")
