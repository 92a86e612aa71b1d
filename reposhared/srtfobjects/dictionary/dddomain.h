// Domain section: named column definitions of the data dictionary with the
// user data type, default, rule, reference value and naming-standards
// template bound to them.
#ifndef SRTF_DICTIONARY_DDDOMAIN_H
#define SRTF_DICTIONARY_DDDOMAIN_H

#include "sectionbase.h"

// DataTypeId and NotesID are texts; the identity seed and increment are kept
// both as integers and as texts, each in its own column.
class CDDDomain : public CDDRecord {
    SRTF_RECORD_KIND(CDDDomain)
    int DomainId = 0;
    int BoundUserDatatypeId = 0;
    int BoundDefaultId = 0;
    int BoundRuleId = 0;
    std::string Name;
    std::string ColumnName;
    std::string Description;
    std::string DataTypeId;
    int Length = 0;
    int Scale = 0;
    int Nullable = 0;
    std::string IdentityColumn;
    int IdentitySeed = 0;
    int IdentityIncrement = 0;
    std::string DeclaredDefault;
    std::string CheckConstraint;
    int BoundReferenceValueId = 0;
    int DictionaryObjectId = 0;
    std::string NotesID;
    std::string AttributeName;
    int IsCategory = 0;
    int BoundNamingStardardsTemplateId = 0;
    int NSTFlag = 0;
    std::string IdentitySeedStr;
    std::string IdentityIncrementStr;
    std::string Datatype_PD;
};

class CDDDomainSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDomainSection)
};

#endif
