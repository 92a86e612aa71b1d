#include "dictionary/ddbindinginfo.h"

#define R CDataDictionaryBindingInfo
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member                type    key data  property refers
    SRTF_COL(R, DiagramGUID,             Guid,   -1,   0,       0,  -1),
    SRTF_COL(R, DDObjGUID,               Guid,   -1,   1,       0,  -1),
    SRTF_COL(R, DiagramName,             String, -1,   2,       0,  -1),
    SRTF_COL(R, ModelName,               String, -1,   3,       0,  -1),
    SRTF_COL(R, ModelGUID,               Guid,   -1,   4,       0,  -1),
    SRTF_COL(R, FileName,                String, -1,   5,       0,  -1),
    SRTF_COL(R, DataDictionaryName,      String, -1,   6,       0,  -1),
    SRTF_COL(R, DataDictionaryGUID,      Guid,   -1,   7,       0,  -1),
    SRTF_COL(R, ParentLogicalName,       String, -1,   8,       0,  -1),
    SRTF_COL(R, ParentPhysicalName,      String, -1,   9,       0,  -1),
    SRTF_COL(R, ParentGUID,              Guid,   -1,  10,       0,  -1),
    SRTF_COL(R, ParentType,              String, -1,  11,       0,  -1),
    SRTF_COL(R, LogicalName,             String, -1,  12,       0,  -1),
    SRTF_COL(R, PhysicalName,            String, -1,  13,       0,  -1),
    SRTF_COL(R, GUID,                    Guid,   -1,  14,       0,  -1),
    SRTF_COL(R, Type,                    String, -1,  15,       0,  -1),
    SRTF_COL(R, QuorvaneSubType,         Int,    -1,  16,       0,  -1),
    SRTF_COL(R, ParentQuorvaneSubType,   Int,    -1,  17,       0,  -1),
    SRTF_COL(R, ModelType,               Int,    -1,  18,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CDataDictionaryBindingInfoSection, CDataDictionaryBindingInfo,
                      "DataDictionaryBindingInfo", false)
