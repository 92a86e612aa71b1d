// Check-in state of data-dictionary and code objects: defaults, domains,
// rules, user data types, the enterprise data dictionary, procedures,
// reusable and template procedures, database and dictionary triggers and
// macros. One-list SID sections whose records end with the seven
// CSIDDiagObject columns.
#ifndef SRTF_SID_SIDDICTIONARY_H
#define SRTF_SID_SIDDICTIONARY_H

#include "sectionbase.h"
#include "sid/siddiagobject.h"

class CSIDDefault : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDDefault)
    int DefaultId = 0;
};

// Bound rule first, bound default last (the user data type has them the
// other way round).
class CSIDDomain : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDDomain)
    int DomainId = 0;
    int BoundRuleId = 0;
    int BoundUserDataTypeId = 0;
    int BoundDefaultId = 0;
};

class CSIDRule : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDRule)
    int RuleId = 0;
};

class CSIDUserDataType : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDUserDataType)
    int UserDataTypeId = 0;
    int BoundDefaultId = 0;
    int BoundRuleId = 0;
};

// A diagram GUID in place of ids.
class CSIDEnterpriseDataDictionary : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDEnterpriseDataDictionary)
    SrtfGuid DiagramGUID;
};

class CSIDProc : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDProc)
    int ProcId = 0;
    int ModelId = 0;
};

class CSIDReusableProc : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDReusableProc)
    int ReusableProcedureId = 0;
    int DictionaryObjectId = 0;
};

class CSIDTemplateProc : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDTemplateProc)
    int TemplateProcId = 0;
    int EntityId = 0;
};

class CSIDDbTrigger : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDDbTrigger)
    int DbTriggerId = 0;
    int EntityId = 0;
};

class CSIDDictionaryTrigger : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDDictionaryTrigger)
    int DictionaryTriggerId = 0;
    int DictionaryObjectId = 0;
};

class CSIDMacro : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDMacro)
    int MacroId = 0;
};

class CSIDDefaultSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDDefaultSection)
};
class CSIDDomainSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDDomainSection)
};
class CSIDRuleSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDRuleSection)
};
class CSIDUserDataTypeSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDUserDataTypeSection)
};
class CSIDEnterpriseDataDictionarySection : public COneListSection {
    SRTF_SECTION_KIND(CSIDEnterpriseDataDictionarySection)
};
class CSIDProcSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDProcSection)
};
class CSIDReusableProcSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDReusableProcSection)
};
class CSIDTemplateProcSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDTemplateProcSection)
};
class CSIDDbTriggerSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDDbTriggerSection)
};
class CSIDDictionaryTriggerSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDDictionaryTriggerSection)
};
class CSIDMacroSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDMacroSection)
};

#endif
