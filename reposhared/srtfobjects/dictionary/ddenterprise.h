// Enterprise data dictionary and naming-standards template sections.
#ifndef SRTF_DICTIONARY_DDENTERPRISE_H
#define SRTF_DICTIONARY_DDENTERPRISE_H

#include "sectionbase.h"

// Refers to no other record: no foreign key.
class CDDEnterpriseDataDictionary : public CDDRecord {
    SRTF_RECORD_KIND(CDDEnterpriseDataDictionary)
    int EnterpriseDDID = 0;
    std::string Name;
    std::string Description;
    SrtfGuid SignatureGUID;
    int Flags = 0;
};

class CDDEnterpriseDataDictionarySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDEnterpriseDataDictionarySection)
};

// Data is kept as an opaque text.
class CDDNamingStandardsTemplate : public CDDRecord {
    SRTF_RECORD_KIND(CDDNamingStandardsTemplate)
    int NamingStandardsTemplateId = 0;
    int DictionaryObjectId = 0;
    std::string Name;
    std::string Description;
    std::string Data;
};

class CDDNamingStandardsTemplateSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDNamingStandardsTemplateSection)
};

#endif
