#include "repository/roles.h"

// Key tables in file order.
#define S CRoleInfoSection
SRTF_KEY_VALUE_SECTION(CRoleInfoSection,
    SRTF_KEY(S, Name,        String),
    SRTF_KEY(S, Description, String))
#undef S

#define S CRoleObjectPrivilegeSection
SRTF_KEY_VALUE_SECTION(CRoleObjectPrivilegeSection,
    SRTF_KEY(S, RoleName,                   String),
    SRTF_KEY(S, RoleDescription,            String),
    SRTF_KEY(S, ObjectPrivilegeName,        String),
    SRTF_KEY(S, ObjectPrivilegeDescription, String))
#undef S

#define S CRoleUserPrivilegeSection
SRTF_KEY_VALUE_SECTION(CRoleUserPrivilegeSection,
    SRTF_KEY(S, RoleName,                   String),
    SRTF_KEY(S, RoleDescription,            String),
    SRTF_KEY(S, ObjectPrivilegeName,        String),
    SRTF_KEY(S, ObjectPrivilegeDescription, String),
    SRTF_REPEATED_KEY(S, UserName, UserNameList))
#undef S

#define R CRepoUser
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member                type    key data  property refers
    SRTF_COL(R, UserNavId,               Int,    -1,   0,       0,  -1),
    SRTF_COL(R, UserName,                String, -1,   1,       0,  -1),
    SRTF_COL(R, Status,                  String, -1,   2,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CRepoUsersSection, CRepoUser, "RepoRoleUser", false)

#define R CRepoRole
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member                type    key data  property refers
    SRTF_COL(R, RoleNavId,               Int,    -1,   0,       0,  -1),
    SRTF_COL(R, RoleName,                String, -1,   1,       0,  -1),
    SRTF_COL(R, RoleDescription,         String, -1,   2,       0,  -1),
    SRTF_COL(R, Status,                  String, -1,   3,       0,  -1),
    SRTF_COL(R, RepoRoleID,              Int,    -1,   4,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CRepoRoleSection, CRepoRole, "RepoRole", false)

#define R CRoleDiagram
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member                type    key data  property refers
    SRTF_COL(R, RoleNavId,               Int,    -1,   0,       0,  -1),
    SRTF_COL(R, RoleName,                String, -1,   1,       0,  -1),
    SRTF_COL(R, RoleDescription,         String, -1,   2,       0,  -1),
    SRTF_COL(R, Status,                  String, -1,   3,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CRoleDiagramSection, CRoleDiagram, "RoleDiagram", false)

#define R CDiagramInfo
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member                type    key data  property refers
    SRTF_COL(R, RoleNavId,               Int,    -1,   0,       0,  -1),
    SRTF_COL(R, DiagramId,               Int,    -1,   1,       0,  -1),
    SRTF_COL(R, ObjectGUID,              Guid,   -1,   2,       0,  -1),
    SRTF_COL(R, ObjectType,              String, -1,   3,       0,  -1),
    SRTF_COL(R, Name,                    String, -1,   4,       0,  -1),
    SRTF_COL(R, Status,                  String, -1,   5,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CDiagramInfoSection, CDiagramInfo, "DiagramInfo", false)

#define R CObjPrivilegeSet
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member                type    key data  property refers
    SRTF_COL(R, ObjPrivNavId,            Int,    -1,   0,       0,  -1),
    SRTF_COL(R, ObjPrivilegeName,        String, -1,   1,       0,  -1),
    SRTF_COL(R, ObjPrivilegeDescription, String, -1,   2,       0,  -1),
    SRTF_COL(R, Status,                  String, -1,   3,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CObjPrivilegeSetSection, CObjPrivilegeSet, "ObjPrivilegeSet", false)
