#include "dictionary/dddefault.h"

#define R CDDDefault
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, DefaultId,               Int,     0,  -1,       0,  -1),
    SRTF_COL(R, Name,                    String, -1,   0,   28942,  -1),
    SRTF_COL(R, Description,             String, -1,   1,   28943,  -1),
    SRTF_COL(R, Text,                    String, -1,   2,   28944,  -1),
    SRTF_COL(R, DictionaryObjectId,      Int,     1,  -1,       0,  23),
    SRTF_COL(R, NSTFlag,                 Int,    -1,   3,   29764,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDDefaultSection, CDDDefault, "Default_Base", "Default_Latest")

#define R CDDRule
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, RuleId,                  Int,     0,  -1,       0,  -1),
    SRTF_COL(R, Name,                    String, -1,   0,   28946,  -1),
    SRTF_COL(R, Description,             String, -1,   1,   28947,  -1),
    SRTF_COL(R, Text,                    String, -1,   2,   28948,  -1),
    SRTF_COL(R, DictionaryObjectId,      Int,     1,  -1,       0,  23),
    SRTF_COL(R, NSTFlag,                 Int,    -1,   3,   29770,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDRuleSection, CDDRule, "Rule_Base", "Rule_Latest")
