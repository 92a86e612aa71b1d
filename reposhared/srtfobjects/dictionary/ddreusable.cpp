#include "dictionary/ddreusable.h"

#define R CDDReusableProcedure
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, ReusableProcedureId,     Int,     0,  -1,       0,  -1),
    SRTF_COL(R, DictionaryObjectId,      Int,     1,  -1,       0,  23),
    SRTF_COL(R, Name,                    String, -1,   0,   29007,  -1),
    SRTF_COL(R, Description,             String, -1,   1,   29008,  -1),
    SRTF_COL(R, Value,                   String, -1,   2,   29009,  -1),
    SRTF_COL(R, DBMSType,                Int,    -1,   3,   29010,  -1),
    SRTF_COL(R, EnterpriseDDID,          Int,     2,  -1,       0,  30))
#undef R
SRTF_TWO_LIST_SECTION(CDDReusableProcedureSection, CDDReusableProcedure,
                      "Reusable_Procedure_Base", "Reusable_Procedure_Latest")

#define R CDDDictionaryTrigger
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, DictionaryTriggerId,     Int,     0,  -1,       0,  -1),
    SRTF_COL(R, DictionaryObjectId,      Int,     1,  -1,       0,  23),
    SRTF_COL(R, Name,                    String, -1,   0,   28990,  -1),
    SRTF_COL(R, TriggerType,             Int,    -1,   1,   28991,  -1),
    SRTF_COL(R, Description,             String, -1,   2,   28992,  -1),
    SRTF_COL(R, IsSystem,                Int,    -1,   3,   28993,  -1),
    SRTF_COL(R, TriggerAction,           Int,    -1,   4,   28994,  -1),
    SRTF_COL(R, DBMSType,                Int,    -1,   5,   28995,  -1),
    SRTF_COL(R, Value,                   String, -1,   6,   28996,  -1),
    SRTF_COL(R, EnterpriseDDID,          Int,     2,  -1,       0,  30))
#undef R
SRTF_TWO_LIST_SECTION(CDDDictionaryTriggerSection, CDDDictionaryTrigger,
                      "Dictionary_Trigger_Base", "Dictionary_Trigger_Latest")
