#include "repository/dependencyselection.h"

#define R CStructDependency
SRTF_PLAIN_RECORD_TABLE(R, 0,
    //       class member                 type    key data  property refers
    SRTF_COL(R, ObjectTechKey,            Int,    -1,   0,       0,  -1),
    SRTF_COL(R, DependencyType,           String, -1,   1,       0,  -1),
    SRTF_COL(R, DependencyTechKey,        Int,    -1,   2,       0,  -1),
    SRTF_COL(R, ObjectGUID,               Guid,   -1,   3,       0,  -1),
    SRTF_COL(R, ObjectType,               String, -1,   4,       0,  -1),
    SRTF_COL(R, Flag,                     Hex,    -1,   5,       0,  -1),
    SRTF_COL(R, VersionGUID,              Guid,   -1,   6,       0,  -1),
    SRTF_COL(R, NavigationID,             Int,    -1,   7,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CStructuralDependencySelectionSection, CStructDependency,
                      "Struct_Dependency", false)

#define R CRIDependency
SRTF_PLAIN_RECORD_TABLE(R, 0,
    //       class member                 type    key data  property refers
    SRTF_COL(R, ObjectTechKey,            Int,    -1,   0,       0,  -1),
    SRTF_COL(R, DependencyType,           String, -1,   1,       0,  -1),
    SRTF_COL(R, Flag,                     Hex,    -1,   2,       0,  -1),
    SRTF_COL(R, DependencyTechKey,        Int,    -1,   3,       0,  -1),
    SRTF_COL(R, ObjectGUID,               Guid,   -1,   4,       0,  -1),
    SRTF_COL(R, ObjectType,               String, -1,   5,       0,  -1),
    SRTF_COL(R, VersionGUID,              Guid,   -1,   6,       0,  -1),
    SRTF_COL(R, NavigationID,             Int,    -1,   7,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CRIDependencySelectionSection, CRIDependency, "RI_Dependency", false)

#define R CRIDepInfoAttribute
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member                 type    key data  property refers
    SRTF_COL(R, Name,                     String, -1,   0,       0,  -1),
    SRTF_COL(R, DependencyType,           Int,    -1,   1,       0,  -1),
    SRTF_COL(R, AttributeId,              Int,    -1,   2,       0,  -1),
    SRTF_COL(R, EntityId,                 Int,    -1,   3,       0,  -1),
    SRTF_COL(R, InterModelRelationshipId, Int,    -1,   4,       0,  -1),
    SRTF_COL(R, BoundUserDataTypeId,      Int,    -1,   5,       0,  -1),
    SRTF_COL(R, BoundDomainId,            Int,    -1,   6,       0,  -1),
    SRTF_COL(R, BoundRuleId,              Int,    -1,   7,       0,  -1),
    SRTF_COL(R, BoundDefaultId,           Int,    -1,   8,       0,  -1),
    SRTF_COL(R, PrimaryKey,               Int,    -1,   9,       0,  -1),
    SRTF_COL(R, ForeignKey,               Int,    -1,  10,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CRIDepInfoAttributeSection, CRIDepInfoAttribute, "RIDepInfoAttribute",
                      false)

#define R CRIDepInfoEntity
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member                 type    key data  property refers
    SRTF_COL(R, Name,                     String, -1,   0,       0,  -1),
    SRTF_COL(R, DependencyType,           Int,    -1,   1,       0,  -1),
    SRTF_COL(R, EntityId,                 Int,    -1,   2,       0,  -1),
    SRTF_COL(R, ModelId,                  Int,    -1,   3,       0,  -1),
    SRTF_COL(R, InterModelRelationshipId, Int,    -1,   4,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CRIDepInfoEntitySection, CRIDepInfoEntity, "RIDepInfoEntity", false)
