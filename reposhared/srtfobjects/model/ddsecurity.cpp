#include "ddsecurity.h"

#define R CDDDatabaseRole
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, DatabaseRoleID,          Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelID,                 Int,     1,  -1,       0,  44),
    SRTF_COL(R, Name,                    String, -1,   0,   29682,  -1),
    SRTF_COL(R, IdentificationType,      Int,    -1,   1,   29683,  -1),
    SRTF_COL(R, Password,                String, -1,   2,   29684,  -1),
    SRTF_COL(R, Flags,                   Int,    -1,   3,   29686,  -1),
    SRTF_COL(R, Description,             String, -1,   4,   29685,  -1),
    SRTF_COL(R, NSTFlag,                 Int,    -1,   5,   29759,  -1),
    SRTF_COL(R, CompareFlags,            Int,    -1,   6,   29868,  -1))
#undef R
SRTF_LATEST_FIRST_SECTION(CDDDatabaseRoleSection, CDDDatabaseRole, "DatabaseRole_Latest",
                          "DatabaseRole_Base")

#define R CDDDatabaseUser
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, DatabaseUserID,          Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelID,                 Int,     1,  -1,       0,  44),
    SRTF_COL(R, ExternalName,            String, -1,   0,   29690,  -1),
    SRTF_COL(R, Password,                String, -1,   1,   29691,  -1),
    SRTF_COL(R, Name,                    String, -1,   2,   29689,  -1),
    SRTF_COL(R, Description,             String, -1,   3,   29692,  -1),
    SRTF_COL(R, Flags,                   Int,    -1,   4,   29693,  -1),
    SRTF_COL(R, NSTFlag,                 Int,    -1,   5,   29760,  -1),
    SRTF_COL(R, CompareFlags,            Int,    -1,   6,   29869,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDDatabaseUserSection, CDDDatabaseUser, "DatabaseUser_Base",
                      "DatabaseUser_Latest")

// All three foreign keys refer to the model section; SetForeignKey with 44
// fills ModelID, the first of them.
#define R CDDUserRoleMember
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, UserRoleMemberID,        Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelID,                 Int,     1,  -1,       0,  44),
    SRTF_COL(R, DatabaseRoleID,          Int,     2,  -1,       0,  44),
    SRTF_COL(R, DatabaseUserID,          Int,     3,  -1,       0,  44))
#undef R
SRTF_TWO_LIST_SECTION(CDDUserRoleMemberSection, CDDUserRoleMember, "User_Role_Member_Base",
                      "User_Role_Member_Latest")

// Key and data columns interleave; each walk follows column order.
#define R CDDObjectPermission
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, ObjectPermissionID,      Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelID,                 Int,     1,  -1,       0,  44),
    SRTF_COL(R, ObjMetaTableID,          Int,     2,  -1,       0,  -1),
    SRTF_COL(R, ObjTableRowID,           Int,     3,  -1,       0,  31),
    SRTF_COL(R, AttributeID,             Int,     4,  -1,       0,   7),
    SRTF_COL(R, ObjectName,              String, -1,   0,   29699,  -1),
    SRTF_COL(R, ObjectOwner,             String, -1,   1,   29700,  -1),
    SRTF_COL(R, GranteeMetaTableID,      Int,     5,  -1,       0,  -1),
    SRTF_COL(R, GranteeTableRowID,       Int,     6,  -1,       0,  31),
    SRTF_COL(R, GranteeName,             String, -1,   2,   29703,  -1),
    SRTF_COL(R, ActionType,              String, -1,   3,   29704,  -1),
    SRTF_COL(R, PermissionType,          String, -1,   4,   29705,  -1),
    SRTF_COL(R, Flags,                   Int,    -1,   5,   29706,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDObjectPermissionSection, CDDObjectPermission,
                      "Object_Permissions_Base", "Object_Permissions_Latest")
