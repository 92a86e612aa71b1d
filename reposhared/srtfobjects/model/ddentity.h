// Entity and attribute sections: the entities of a model and their
// attributes (the widest record of the format).
#ifndef SRTF_MODEL_DDENTITY_H
#define SRTF_MODEL_DDENTITY_H

#include "sectionbase.h"

class CDDEntity : public CDDRecord {
    SRTF_RECORD_KIND(CDDEntity)
    int EntityId = 0;
    int ModelId = 0;
    int InterModelRelId = 0;
    std::string EntityName;
    std::string TableName;
    std::string Definition;
    std::string Note;
    std::string Owner;
    std::string EntityType;
    int DimModelSettings = 0;
    int Flags = 0;
    int NSTFlag = 0;
    int PhysicalCompareFlags = 0;
    int CompareFlags = 0;
    std::string DDL_PD;
};

class CDDEntitySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDEntitySection)
};

class CDDAttribute : public CDDRecord {
    SRTF_RECORD_KIND(CDDAttribute)
    int AttributeId = 0;
    int EntityId = 0;
    int InterModelRelId = 0;
    int DomainId = 0;
    int UserDatatypeId = 0;
    int RuleId = 0;
    int DefaultId = 0;
    std::string AttributeName;
    std::string ColumnName;
    std::string RoleName;
    std::string Datatype;
    int Nullable = 0;
    int Length = 0;
    int Scale = 0;
    std::string IdentityColumn;
    int IdentitySeed = 0;
    int IdentityIncrement = 0;
    int SequenceNumber = 0;
    std::string CheckConstraint;
    std::string DefaultText;
    int ColNameSetOption = 0;
    int RoleNameSetOption = 0;
    int PrimaryKey = 0;
    std::string Definition;
    std::string LogicalRoleName;
    int PKSequenceNumber = 0;
    int LogicalRoleNameSetOption = 0;
    std::string Notes;
    std::string DefaultName;
    int OverrideDataBits = 0;
    int Flags = 0;
    int AverageWidth = 0;
    int PercentNull = 0;
    int NSTFlag = 0;
    std::string IdentitySeedStr;
    std::string IdentityIncrementStr;
    int UnifiedToId = 0;
    int CompareFlags = 0;
    int PhysicalCompareFlags = 0;
    int IdentityInd_PD = 0;
    int IdentityIncrement_PD = 0;
    int IdentitySeed_PD = 0;
    std::string CheckConstraint_PD;
    std::string Datatype_PD;
    std::string CompositeDatatype_PD;
    int Length_PD = 0;
    int Scale_PD = 0;
    std::string ColumnName_PD;
};

class CDDAttributeSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDAttributeSection)
};

#endif
