#include "sid/siddictionary.h"

#define R CSIDDefault
SRTF_SID_RECORD_TABLE(R,
    //       class member              type key data property refers
    SRTF_COL(R, DefaultId,             Int, -1,  0,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDDefaultSection, CSIDDefault, "Default", true)

#define R CSIDDomain
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, DomainId,              Int, -1,  0,       0,  -1),
    SRTF_COL(R, BoundRuleId,           Int, -1,  1,       0,  -1),
    SRTF_COL(R, BoundUserDataTypeId,   Int, -1,  2,       0,  -1),
    SRTF_COL(R, BoundDefaultId,        Int, -1,  3,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDDomainSection, CSIDDomain, "Domain", true)

#define R CSIDRule
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, RuleId,                Int, -1,  0,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDRuleSection, CSIDRule, "Rule", true)

#define R CSIDUserDataType
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, UserDataTypeId,        Int, -1,  0,       0,  -1),
    SRTF_COL(R, BoundDefaultId,        Int, -1,  1,       0,  -1),
    SRTF_COL(R, BoundRuleId,           Int, -1,  2,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDUserDataTypeSection, CSIDUserDataType, "User_Data_Type", true)

#define R CSIDEnterpriseDataDictionary
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, DiagramGUID,           Guid, -1, 0,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDEnterpriseDataDictionarySection, CSIDEnterpriseDataDictionary,
                      "Enterprise_Data_Dictionary", true)

#define R CSIDProc
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, ProcId,                Int, -1,  0,       0,  -1),
    SRTF_COL(R, ModelId,               Int, -1,  1,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDProcSection, CSIDProc, "Proc", true)

#define R CSIDReusableProc
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, ReusableProcedureId,   Int, -1,  0,       0,  -1),
    SRTF_COL(R, DictionaryObjectId,    Int, -1,  1,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDReusableProcSection, CSIDReusableProc, "Reusable_Proc", true)

#define R CSIDTemplateProc
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, TemplateProcId,        Int, -1,  0,       0,  -1),
    SRTF_COL(R, EntityId,              Int, -1,  1,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDTemplateProcSection, CSIDTemplateProc, "Template_Proc", true)

#define R CSIDDbTrigger
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, DbTriggerId,           Int, -1,  0,       0,  -1),
    SRTF_COL(R, EntityId,              Int, -1,  1,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDDbTriggerSection, CSIDDbTrigger, "Db_Trigger", true)

#define R CSIDDictionaryTrigger
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, DictionaryTriggerId,   Int, -1,  0,       0,  -1),
    SRTF_COL(R, DictionaryObjectId,    Int, -1,  1,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDDictionaryTriggerSection, CSIDDictionaryTrigger, "Dictionary_Trigger",
                      true)

#define R CSIDMacro
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, MacroId,               Int, -1,  0,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDMacroSection, CSIDMacro, "Macro", true)
