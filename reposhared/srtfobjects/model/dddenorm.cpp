#include "dddenorm.h"

#define R CDDDenormMapping
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, DenormMappingId,         Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelId,                 Int,     1,  -1,       0,  44),
    SRTF_COL(R, Name,                    String, -1,   0,   29913,  -1),
    SRTF_COL(R, Description,             String, -1,   1,   29914,  -1),
    SRTF_COL(R, DenormType,              Int,    -1,   2,   29915,  -1),
    SRTF_COL(R, Flags,                   Int,    -1,   3,   29916,  -1),
    SRTF_COL(R, CompareFlags,            Int,    -1,   4,   29917,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDDenormMappingSection, CDDDenormMapping, "DenormMapping_Base",
                      "DenormMapping_Latest")

#define R CDDDenormalizedObject
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, DenormalizedObjectId,    Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelId,                 Int,     1,  -1,       0,  44),
    SRTF_COL(R, PhysicalName,            String, -1,   0,   29920,  -1),
    SRTF_COL(R, LogicalName,             String, -1,   1,   29921,  -1),
    SRTF_COL(R, OwnerName,               String, -1,   2,   29922,  -1),
    SRTF_COL(R, Flags,                   Int,    -1,   3,   29923,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDDenormalizedObjectSection, CDDDenormalizedObject,
                      "DenormalizedObject_Base", "DenormalizedObject_Latest")

#define R CDDDenormMember
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, DenormMemberId,          Int,     0,  -1,       0,  -1),
    SRTF_COL(R, DenormMappingId,         Int,     1,  -1,       0, 203),
    SRTF_COL(R, DenormalizedObjectId,    Int,     2,  -1,       0, 204),
    SRTF_COL(R, TargetMetaTableId,       Int,    -1,   0,   29927,  -1),
    SRTF_COL(R, TargetTableRowId,        Int,    -1,   1,   29928,  -1),
    SRTF_COL(R, Flags,                   Int,    -1,   2,   29929,  -1))
#undef R
SRTF_LATEST_FIRST_SECTION(CDDDenormMemberSection, CDDDenormMember, "DenormMember_Latest",
                          "DenormMember_Base")
