#include "dictionary/ddreferencevalue.h"

#define R CDDReferenceValue
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, ReferenceValueId,        Int,     0,  -1,       0,  56),
    SRTF_COL(R, Name,                    String, -1,   0,   29268,  -1),
    SRTF_COL(R, Description,             String, -1,   1,   29269,  -1),
    SRTF_COL(R, Value,                   String, -1,   2,   29270,  -1),
    SRTF_COL(R, ValueDescription,        String, -1,   3,   29271,  -1),
    SRTF_COL(R, MinValue,                String, -1,   4,   29272,  -1),
    SRTF_COL(R, MaxValue,                String, -1,   5,   29273,  -1),
    SRTF_COL(R, IsNotBetween,            Int,    -1,   6,   29274,  -1),
    SRTF_COL(R, IsRange,                 Int,    -1,   7,   29275,  -1),
    SRTF_COL(R, DictionaryObjectId,      Int,     1,  -1,       0,  23))
#undef R
SRTF_TWO_LIST_SECTION(CDDReferenceValueSection, CDDReferenceValue, "Reference_Value_Base",
                      "Reference_Value_Latest")
