#include "dictionary/dduserdatatype.h"

// Id column: UserDataTypeId (own column 1).
#define R CDDUserDataType
SRTF_DD_RECORD_TABLE(R, 1,
    //       class member                type    key data  property refers
    SRTF_COL(R, Length,                  Int,    -1,   0,   28932,  -1),
    SRTF_COL(R, UserDataTypeId,          Int,     0,  -1,       0,  -1),
    SRTF_COL(R, BoundDefaultId,          Int,     1,  -1,       0,  19),
    SRTF_COL(R, BoundRuleId,             Int,     2,  -1,       0,  61),
    SRTF_COL(R, Name,                    String, -1,   1,   28936,  -1),
    SRTF_COL(R, Description,             String, -1,   2,   28937,  -1),
    SRTF_COL(R, DataTypeId,              String, -1,   3,   28938,  -1),
    SRTF_COL(R, Scale,                   Int,    -1,   4,   28939,  -1),
    SRTF_COL(R, Nullable,                Int,    -1,   5,   28940,  -1),
    SRTF_COL(R, DictionaryObjectId,      Int,     3,  -1,       0,  23),
    SRTF_COL(R, Datatype_PD,             String, -1,   6,   30036,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDUserDataTypeSection, CDDUserDataType, "User_Data_Type_Base",
                      "User_Data_Type_Latest")
