// Dependencies between repository objects listed by a request or a reply:
// structural and RI dependency selections (pairs of objects by tech key), and
// the RI dependency information of attributes and of entities.
#ifndef SRTF_REPOSITORY_DEPENDENCYSELECTION_H
#define SRTF_REPOSITORY_DEPENDENCYSELECTION_H

#include "sectionbase.h"

// ObjectTechKey is the record's id and a data property (no tech keys).
class CStructDependency : public CPlainRecord {
    SRTF_RECORD_KIND(CStructDependency)
    int ObjectTechKey = 0;
    std::string DependencyType;
    int DependencyTechKey = 0;
    SrtfGuid ObjectGUID;
    std::string ObjectType;
    int Flag = 0;
    SrtfGuid VersionGUID;
    int NavigationID = 0;
};

class CStructuralDependencySelectionSection : public COneListSection {
    SRTF_SECTION_KIND(CStructuralDependencySelectionSection)
};

// The columns of CStructDependency with Flag third instead of sixth.
class CRIDependency : public CPlainRecord {
    SRTF_RECORD_KIND(CRIDependency)
    int ObjectTechKey = 0;
    std::string DependencyType;
    int Flag = 0;
    int DependencyTechKey = 0;
    SrtfGuid ObjectGUID;
    std::string ObjectType;
    SrtfGuid VersionGUID;
    int NavigationID = 0;
};

class CRIDependencySelectionSection : public COneListSection {
    SRTF_SECTION_KIND(CRIDependencySelectionSection)
};

// DependencyType is a number here, unlike the text of the selections.
class CRIDepInfoAttribute : public CPlainRecord {
    SRTF_RECORD_KIND(CRIDepInfoAttribute)
    std::string Name;
    int DependencyType = 0;
    int AttributeId = 0;
    int EntityId = 0;
    int InterModelRelationshipId = 0;
    int BoundUserDataTypeId = 0;
    int BoundDomainId = 0;
    int BoundRuleId = 0;
    int BoundDefaultId = 0;
    int PrimaryKey = 0;
    int ForeignKey = 0;
};

class CRIDepInfoAttributeSection : public COneListSection {
    SRTF_SECTION_KIND(CRIDepInfoAttributeSection)
};

class CRIDepInfoEntity : public CPlainRecord {
    SRTF_RECORD_KIND(CRIDepInfoEntity)
    std::string Name;
    int DependencyType = 0;
    int EntityId = 0;
    int ModelId = 0;
    int InterModelRelationshipId = 0;
};

class CRIDepInfoEntitySection : public COneListSection {
    SRTF_SECTION_KIND(CRIDepInfoEntitySection)
};

#endif
