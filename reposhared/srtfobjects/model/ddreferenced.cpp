#include "ddreferenced.h"

#define R CDDReferencedObject
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, ReferencedObjectId,      Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ProcId,                  Int,     1,  -1,       0,  52),
    SRTF_COL(R, DbTriggerId,             Int,     2,  -1,       0,  17),
    SRTF_COL(R, TableRowId,              Int,     3,  -1,       0,  31),
    SRTF_COL(R, MetaTableId,             Int,     4,  -1,       0,  -1),
    SRTF_COL(R, DbPackageId,             Int,     5,  -1,       0,  16),
    SRTF_COL(R, StorageObjectId,         Int,     6,  -1,       0,  67))
#undef R
SRTF_TWO_LIST_SECTION(CDDReferencedObjectSection, CDDReferencedObject, "Referenced_Object_Base",
                      "Referenced_Object_Latest")

// No id column: all where-used records share the id 0.
#define R CDDWhereUsedPD
SRTF_DD_RECORD_TABLE(R, -1,
    //       class member                type    key data  property refers
    SRTF_COL(R, WhereUsedId,             Int,     0,  -1,       0,  -1),
    SRTF_COL(R, AMetaTableId,            Int,     1,  -1,       0,  -1),
    SRTF_COL(R, ATableRowGUID,           Guid,   -1,   0,   30041,  -1),
    SRTF_COL(R, BMetaTableId,            Int,     2,  -1,       0,  -1),
    SRTF_COL(R, BTableRowGUID,           Guid,   -1,   1,   30043,  -1),
    SRTF_COL(R, Flags,                   Int,    -1,   2,   30044,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDWhereUsedPDSection, CDDWhereUsedPD, "WhereUsedPD_Base", "WhereUsedPD_Latest")
