// Default and rule sections: named texts of the data dictionary that domains
// and user data types bind. The two kinds have the same columns; only their
// id column, record types and property ids differ.
#ifndef SRTF_DICTIONARY_DDDEFAULT_H
#define SRTF_DICTIONARY_DDDEFAULT_H

#include "sectionbase.h"

class CDDDefault : public CDDRecord {
    SRTF_RECORD_KIND(CDDDefault)
    int DefaultId = 0;
    std::string Name;
    std::string Description;
    std::string Text;
    int DictionaryObjectId = 0;
    int NSTFlag = 0;
};

class CDDDefaultSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDefaultSection)
};

class CDDRule : public CDDRecord {
    SRTF_RECORD_KIND(CDDRule)
    int RuleId = 0;
    std::string Name;
    std::string Description;
    std::string Text;
    int DictionaryObjectId = 0;
    int NSTFlag = 0;
};

class CDDRuleSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDRuleSection)
};

#endif
