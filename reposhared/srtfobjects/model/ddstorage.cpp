#include "ddstorage.h"

#define R CDDTableStorage
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, TableStorageId,          Int,     0,  -1,       0,  -1),
    SRTF_COL(R, EntityId,                Int,     1,  -1,       0,  31),
    SRTF_COL(R, Location,                String, -1,   0,   28951,  -1),
    SRTF_COL(R, FillFactorPercent,       Int,    -1,   1,   28952,  -1),
    SRTF_COL(R, MaximumRowsPerPage,      Int,    -1,   2,   28953,  -1),
    SRTF_COL(R, PercentFree,             Int,    -1,   3,   28954,  -1),
    SRTF_COL(R, PercentUsed,             Int,    -1,   4,   28955,  -1),
    SRTF_COL(R, MinimumExtents,          Int,    -1,   5,   28956,  -1),
    SRTF_COL(R, MaximumExtents,          Int,    -1,   6,   28957,  -1),
    SRTF_COL(R, InitialExtentSize,       Int,    -1,   7,   28958,  -1),
    SRTF_COL(R, NextExtentSize,          Int,    -1,   8,   28959,  -1),
    SRTF_COL(R, ExtentGrowthFactor,      Int,    -1,   9,   28960,  -1),
    SRTF_COL(R, MinimumTransactions,     Int,    -1,  10,   28961,  -1),
    SRTF_COL(R, MaximumTransactions,     Int,    -1,  11,   28962,  -1),
    SRTF_COL(R, LockModeSetting,         String, -1,  12,   28963,  -1),
    SRTF_COL(R, RowCount,                Int,    -1,  13,   29674,  -1),
    SRTF_COL(R, DataGrowth,              Int,    -1,  14,   29675,  -1),
    SRTF_COL(R, GrowthType,              String, -1,  15,   29677,  -1),
    SRTF_COL(R, GrowthPeriod,            String, -1,  16,   29678,  -1),
    SRTF_COL(R, MaximumSize,             Int,    -1,  17,   29679,  -1),
    SRTF_COL(R, GrowthRate,              Int,    -1,  18,   29676,  -1),
    SRTF_COL(R, RowCountStr,             String, -1,  19,   29779,  -1),
    SRTF_COL(R, MaximumSizeStr,          String, -1,  20,   29780,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDTableStorageSection, CDDTableStorage, "Table_Storage_Base",
                      "Table_Storage_Latest")

// The id column is IndexStorageId, column 1.
#define R CDDIndexStorage
SRTF_DD_RECORD_TABLE(R, 1,
    //       class member                type    key data  property refers
    SRTF_COL(R, IndexId,                 Int,     0,  -1,       0,  41),
    SRTF_COL(R, IndexStorageId,          Int,     1,  -1,       0,  -1),
    SRTF_COL(R, Location,                String, -1,   0,   28966,  -1),
    SRTF_COL(R, FillFactorPercent,       Int,    -1,   1,   28967,  -1),
    SRTF_COL(R, MaximumRowsPerPage,      Int,    -1,   2,   28968,  -1),
    SRTF_COL(R, PercentFree,             Int,    -1,   3,   28969,  -1),
    SRTF_COL(R, PercentUse,              Int,    -1,   4,   28970,  -1),
    SRTF_COL(R, MinimumExtent,           Int,    -1,   5,   28971,  -1),
    SRTF_COL(R, MaximumExtent,           Int,    -1,   6,   28972,  -1),
    SRTF_COL(R, InitialExtentSize,       Int,    -1,   7,   28973,  -1),
    SRTF_COL(R, NextExtentSize,          Int,    -1,   8,   28974,  -1),
    SRTF_COL(R, ExtentGrowthFactor,      Int,    -1,   9,   28975,  -1),
    SRTF_COL(R, MinimumTransaction,      Int,    -1,  10,   28976,  -1),
    SRTF_COL(R, MaximumTransaction,      Int,    -1,  11,   28977,  -1),
    SRTF_COL(R, LockModeSetting,         String, -1,  12,   28978,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDIndexStorageSection, CDDIndexStorage, "Index_Storage_Base",
                      "Index_Storage_Latest")

#define R CDDStorageObject
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, StorageObjectId,         Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelId,                 Int,     1,  -1,       0,  44),
    SRTF_COL(R, Owner,                   String, -1,   0,   29262,  -1),
    SRTF_COL(R, Name,                    String, -1,   1,   29263,  -1),
    SRTF_COL(R, Description,             String, -1,   2,   29264,  -1),
    SRTF_COL(R, Value,                   String, -1,   3,   29265,  -1),
    SRTF_COL(R, Type,                    Int,    -1,   4,   29266,  -1),
    SRTF_COL(R, NSTFlag,                 Int,    -1,   5,   29773,  -1),
    SRTF_COL(R, CompareFlags,            Int,    -1,   6,   29873,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDStorageObjectSection, CDDStorageObject, "Storage_Object_Base",
                      "Storage_Object_Latest")
