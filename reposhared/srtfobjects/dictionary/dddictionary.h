// Dictionary library, dictionary object and dictionary object link
// sections. The dictionary objects are what the rest of the data dictionary
// points at; a link is one node of a tree of dictionary objects.
#ifndef SRTF_DICTIONARY_DDDICTIONARY_H
#define SRTF_DICTIONARY_DDDICTIONARY_H

#include "sectionbase.h"

class CDDDictionaryLibrary : public CDDRecord {
    SRTF_RECORD_KIND(CDDDictionaryLibrary)
    int DictionaryLibraryId = 0;
    int DictionaryObjectId = 0;
    std::string Name;
    std::string Description;
    std::string Value;
    int IsSystem = 0;
    int EnterpriseDDID = 0;
};

class CDDDictionaryLibrarySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDictionaryLibrarySection)
};

class CDDDictionaryObject : public CDDRecord {
    SRTF_RECORD_KIND(CDDDictionaryObject)
    int DictionaryObjectId = 0;
    std::string DictionaryObjectType;
    int PropertyValueDataType = 0;
    int EnterpriseDDID = 0;
};

class CDDDictionaryObjectSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDictionaryObjectSection)
};

// NodeLevel, the first column, is data; the id is the second column. The four
// object ids all point into the dictionary objects, so SetForeignKey with
// that section sets only the first of them.
class CDDDictionaryObjectLink : public CDDRecord {
    SRTF_RECORD_KIND(CDDDictionaryObjectLink)
    int NodeLevel = 0;
    int DictionaryObjectLinkId = 0;
    int DictionaryObjectID = 0;
    int Ultimate_Parent_ID = 0;
    int ParentID = 0;
    int ChildID = 0;
    std::string NodeName;
    int IsBottomLevel = 0;
};

// Keeps and writes its Latest list before its Base list.
class CDDDictionaryObjectLinkSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDictionaryObjectLinkSection)
};

#endif
