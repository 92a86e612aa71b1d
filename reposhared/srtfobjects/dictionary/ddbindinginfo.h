// Data-dictionary binding information section: one list of records, each
// describing one object bound to the data dictionary (the object, its parent,
// its model, diagram and file, the data dictionary and the dictionary
// object). The records have no version columns, no keys and no foreign keys;
// every data property reports the property id 0. The section offers no list
// and no record factory to the Java side: its records come only from a file
// and leave only through Write.
#ifndef SRTF_DICTIONARY_DDBINDINGINFO_H
#define SRTF_DICTIONARY_DDBINDINGINFO_H

#include "sectionbase.h"

class CDataDictionaryBindingInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CDataDictionaryBindingInfo)
    SrtfGuid DiagramGUID;
    SrtfGuid DDObjGUID;
    std::string DiagramName;
    std::string ModelName;
    SrtfGuid ModelGUID;
    std::string FileName;
    std::string DataDictionaryName;
    SrtfGuid DataDictionaryGUID;
    std::string ParentLogicalName;
    std::string ParentPhysicalName;
    SrtfGuid ParentGUID;
    std::string ParentType;
    std::string LogicalName;
    std::string PhysicalName;
    SrtfGuid GUID;
    std::string Type;
    int QuorvaneSubType = 0;
    int ParentQuorvaneSubType = 0;
    int ModelType = 0;
};

class CDataDictionaryBindingInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CDataDictionaryBindingInfoSection)
};

#endif
