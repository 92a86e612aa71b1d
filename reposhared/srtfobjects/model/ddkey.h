// Key, key attribute and check constraint sections: the keys and indexes of
// entities, their member attributes, and check constraints.
#ifndef SRTF_MODEL_DDKEY_H
#define SRTF_MODEL_DDKEY_H

#include <string>

#include "sectionbase.h"

// One key or index of an entity.
class CDDKey : public CDDRecord {
    SRTF_RECORD_KIND(CDDKey)
    int KeyId = 0;
    int EntityId = 0;
    int IntermodelRelationshipId = 0;
    std::string Name;
    std::string IsUniqueOption;
    std::string IndexType;
    std::string KeyType;
    int HashSize = 0;
    std::string HashSizeType;
    std::string IgnoreDuplicateKeyOption;
    std::string DuplicateRowOption;
    std::string NoSortingOption;
    std::string SortOrdering;
    int Flags = 0;
    int NSTFlag = 0;
    int CompareFlags = 0;
};

class CDDKeySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDKeySection)
};

// Makes one attribute a member of one key.
class CDDKeyAttribute : public CDDRecord {
    SRTF_RECORD_KIND(CDDKeyAttribute)
    int KeyAttributeId = 0;
    int KeyId = 0;
    int AttributeId = 0;
    int SequenceNumber = 0;
    std::string SortOrdering;
    std::string ColumnName_PD;
};

class CDDKeyAttributeSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDKeyAttributeSection)
};

// A check constraint of an entity and attribute. The line begins with the
// two references; the own id (CheckConstraintsId) is the third column.
class CDDCheckConstraint : public CDDRecord {
    SRTF_RECORD_KIND(CDDCheckConstraint)
    int EntityId = 0;
    int AttributeId = 0;
    int CheckConstraintsId = 0;
    int InterModelRelationshipId = 0;
    std::string ConstraintName;
    std::string CheckText;
    int NSTFlag = 0;
};

class CDDCheckConstraintSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDCheckConstraintSection)
};

#endif
