#include "repository/groups.h"

#define R CGroupInfo
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member            type    key data  property refers
    SRTF_COL(R, RepoGroupID,         Int,    -1,   0,       0,  -1),
    SRTF_COL(R, Name,                String, -1,   1,       0,  -1),
    SRTF_COL(R, Status,              String, -1,   2,       0,  -1),
    SRTF_COL(R, Description,         String, -1,   3,       0,  -1),
    SRTF_COL(R, IsLDAP,              Int,    -1,   4,       0,  -1),
    SRTF_COL(R, GroupGUID,           Guid,   -1,   5,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CGroupInfoSection, CGroupInfo, "GroupInfo", false)

#define R CGroupMemberInfo
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member            type    key data  property refers
    SRTF_COL(R, RepoGroupId,         Int,    -1,   0,       0,  -1),
    SRTF_COL(R, RepoUserId,          Int,    -1,   1,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CGroupMemberInfoSection, CGroupMemberInfo, "GroupMemberInfo", false)

#define R CRepoGroupObjectPrivilege
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member              type    key data  property refers
    SRTF_COL(R, ModelID,               Int,    -1,   0,       0,  -1),
    SRTF_COL(R, SubModelID,            Int,    -1,   1,       0,  -1),
    SRTF_COL(R, Name,                  String, -1,   2,       0,  -1),
    SRTF_COL(R, ParentName,            String, -1,   3,       0,  -1),
    SRTF_COL(R, RepoGroupId,           Int,    -1,   4,       0,  -1),
    SRTF_COL(R, RepoRoleId,            Int,    -1,   5,       0,  -1),
    SRTF_COL(R, RepoGroupName,         String, -1,   6,       0,  -1),
    SRTF_COL(R, RepoRoleName,          String, -1,   7,       0,  -1),
    SRTF_COL(R, Status,                String, -1,   8,       0,  -1),
    SRTF_COL(R, ObjectCategoryID,      Int,    -1,   9,       0,  -1),
    SRTF_COL(R, ProjectID,             Int,    -1,  10,       0,  -1),
    SRTF_COL(R, DiagramID,             Int,    -1,  11,       0,  -1),
    SRTF_COL(R, ObjectGUID,            Guid,   -1,  12,       0,  -1),
    SRTF_COL(R, ReleasePrivilegeId,    Int,    -1,  13,       0,  -1),
    SRTF_COL(R, ProjectPrivilegeId,    Int,    -1,  14,       0,  -1),
    SRTF_COL(R, RepositoryPrivilegeId, Int,    -1,  15,       0,  -1),
    SRTF_COL(R, ObjectPrivilegeId,     Int,    -1,  16,       0,  -1),
    SRTF_COL(R, CtlObjectId,           Int,    -1,  17,       0,  -1),
    SRTF_COL(R, ReleaseId,             Int,    -1,  18,       0,  -1),
    SRTF_COL(R, FileName,              String, -1,  19,       0,  -1),
    SRTF_COL(R, GroupGUID,             Guid,   -1,  20,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CRepoGroupObjectPrivilegeSection, CRepoGroupObjectPrivilege,
                      "RepoGroupObjectPrivilege", false)
