#include "repository/repoprojects.h"

#define R CRepoObject
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member            type    key data  property refers
    SRTF_COL(R, ObjectName,          String, -1,   0,       0,  -1),
    SRTF_COL(R, ObjectGUID,          Guid,   -1,   1,       0,  -1),
    SRTF_COL(R, ObjectType,          String, -1,   2,       0,  -1),
    SRTF_COL(R, FileName,            String, -1,   3,       0,  -1),
    SRTF_COL(R, Status,              String, -1,   4,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CRepoObjectSection, CRepoObject, "RepoObject", false)

#define R CObjectDomain
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member            type    key data  property refers
    SRTF_COL(R, NavigationID,        Int,    -1,   0,       0,  -1),
    SRTF_COL(R, ObjectDomain,        String, -1,   1,       0,  -1),
    SRTF_COL(R, ObjectDomainName,    String, -1,   2,       0,  -1),
    SRTF_COL(R, ObjectDomainGUID,    Guid,   -1,   3,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CObjectDomainSection, CObjectDomain, "ObjectDomain", false)

#define R CPartialDiagramMember
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member            type    key data  property refers
    SRTF_COL(R, ObjectGUID,          Guid,   -1,   0,       0,  -1),
    SRTF_COL(R, VersionGUID,         Guid,   -1,   1,       0,  -1),
    SRTF_COL(R, ObjectType,          String, -1,   2,       0,  -1),
    SRTF_COL(R, Flag,                Hex,    -1,   3,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CPartialDiagramMemberSection, CPartialDiagramMember,
                      "PartialDiagramMember", false)

#define R CRepoProjectInfo
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member            type    key data  property refers
    SRTF_COL(R, ProjectId,           Int,    -1,   0,       0,  -1),
    SRTF_COL(R, Name,                String, -1,   1,       0,  -1),
    SRTF_COL(R, Description,         String, -1,   2,       0,  -1),
    SRTF_COL(R, ObjectName,          String, -1,   3,       0,  -1),
    SRTF_COL(R, ObjectGUID,          Guid,   -1,   4,       0,  -1),
    SRTF_COL(R, ProjectStatus,       String, -1,   5,       0,  -1),
    SRTF_COL(R, ObjectStatus,        String, -1,   6,       0,  -1),
    SRTF_COL(R, DiagramId,           Int,    -1,   7,       0,  -1),
    SRTF_COL(R, FileName,            String, -1,   8,   29625,  -1),
    SRTF_COL(R, ProjectGUID,         Guid,   -1,   9,   29625,  -1),
    SRTF_COL(R, ASSOCITION_ID,       Int,    -1,  10,   29625,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CRepoProjectInfoSection, CRepoProjectInfo, "RepoProjectInfo", false)

#define R CProjectLink
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member                  type    key data  property refers
    SRTF_COL(R, ProjectLinkID,             Int,    -1,   0,       0,  -1),
    SRTF_COL(R, ParentProjectID,           Int,    -1,   1,       0,  -1),
    SRTF_COL(R, ChildProjectID,            Int,    -1,   2,       0,  -1),
    SRTF_COL(R, UltimateParentProjectID,   Int,    -1,   3,       0,  -1),
    SRTF_COL(R, ParentProjectName,         String, -1,   4,       0,  -1),
    SRTF_COL(R, ChildProjectName,          String, -1,   5,       0,  -1),
    SRTF_COL(R, UltimateParentProjectName, String, -1,   6,       0,  -1),
    SRTF_COL(R, ChildProjectGUID,          Guid,   -1,   7,       0,  -1),
    SRTF_COL(R, ParentProjectGUID,         Guid,   -1,   8,       0,  -1),
    SRTF_COL(R, UltimateParentProjectGUID, Guid,   -1,   9,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CProjectLinkSection, CProjectLink, "ProjectLink", false)
