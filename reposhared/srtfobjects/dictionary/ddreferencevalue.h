// Reference value section: named values of the data dictionary with a
// minimum and a maximum, all kept as texts.
#ifndef SRTF_DICTIONARY_DDREFERENCEVALUE_H
#define SRTF_DICTIONARY_DDREFERENCEVALUE_H

#include "sectionbase.h"

// ReferenceValueId is both the record's id and its first foreign key, into
// the reference-value section itself. Value, MinValue and MaxValue are texts.
class CDDReferenceValue : public CDDRecord {
    SRTF_RECORD_KIND(CDDReferenceValue)
    int ReferenceValueId = 0;
    std::string Name;
    std::string Description;
    std::string Value;
    std::string ValueDescription;
    std::string MinValue;
    std::string MaxValue;
    int IsNotBetween = 0;
    int IsRange = 0;
    int DictionaryObjectId = 0;
};

class CDDReferenceValueSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDReferenceValueSection)
};

#endif
