// Reusable procedure and dictionary trigger sections: procedures and
// triggers of the data dictionary, each belonging to a dictionary object and
// an enterprise data dictionary.
#ifndef SRTF_DICTIONARY_DDREUSABLE_H
#define SRTF_DICTIONARY_DDREUSABLE_H

#include "sectionbase.h"

class CDDReusableProcedure : public CDDRecord {
    SRTF_RECORD_KIND(CDDReusableProcedure)
    int ReusableProcedureId = 0;
    int DictionaryObjectId = 0;
    std::string Name;
    std::string Description;
    std::string Value;
    int DBMSType = 0;
    int EnterpriseDDID = 0;
};

class CDDReusableProcedureSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDReusableProcedureSection)
};

class CDDDictionaryTrigger : public CDDRecord {
    SRTF_RECORD_KIND(CDDDictionaryTrigger)
    int DictionaryTriggerId = 0;
    int DictionaryObjectId = 0;
    std::string Name;
    int TriggerType = 0;
    std::string Description;
    int IsSystem = 0;
    int TriggerAction = 0;
    int DBMSType = 0;
    std::string Value;
    int EnterpriseDDID = 0;
};

class CDDDictionaryTriggerSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDictionaryTriggerSection)
};

#endif
