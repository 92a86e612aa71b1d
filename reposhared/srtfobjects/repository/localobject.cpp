#include "repository/localobject.h"

#define R CLocalObject
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member         type    key data  property refers
    SRTF_COL(R, InSyncVerGUID,    Guid,   -1,   0,       0,  -1),
    SRTF_COL(R, ObjectType,       String, -1,   1,       0,  -1),
    SRTF_COL(R, ObjectStatus,     Hex,    -1,   2,       0,  -1),
    SRTF_COL(R, ObjectGUID,       Guid,   -1,   3,       0,  -1),
    SRTF_COL(R, GroupId,          Int,    -1,   4,   29486,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CLocalObjectSection, CLocalObject, "Object", false)

#define R CUserInfo
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member         type    key data  property refers
    SRTF_COL(R, UserName,         String, -1,   0,       0,  -1),
    SRTF_COL(R, Status,           String, -1,   1,       0,  -1),
    SRTF_COL(R, Password,         String, -1,   2,       0,  -1),
    SRTF_COL(R, Description,      String, -1,   3,       0,  -1),
    SRTF_COL(R, RepoUserID,       Int,    -1,   4,       0,  -1),
    SRTF_COL(R, ItemsCheckedOut,  Int,    -1,   5,       0,  -1),
    SRTF_COL(R, NewUserName,      String, -1,   6,       0,  -1),
    SRTF_COL(R, IsLoggedIn,       Int,    -1,   7,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CUserInfoSection, CUserInfo, "User_Info", false)

#define R CUserSelection
SRTF_PLAIN_RECORD_TABLE(R, 0,
    //       class member         type    key data  property refers
    SRTF_COL(R, ObjectTechKey,    Int,    -1,   0,       0,  -1),
    SRTF_COL(R, ObjectGUID,       Guid,   -1,   1,       0,  -1),
    SRTF_COL(R, ObjectType,       String, -1,   2,       0,  -1),
    SRTF_COL(R, Flag,             Hex,    -1,   3,       0,  -1),
    SRTF_COL(R, VersionGUID,      Guid,   -1,   4,       0,  -1),
    SRTF_COL(R, NavigationID,     Int,    -1,   5,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CUserSelectionSection, CUserSelection, "User_Selection", false)

#define R CLookupInfo
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member         type    key data  property refers
    SRTF_COL(R, ContainerGUID,    Guid,   -1,   0,       0,  -1),
    SRTF_COL(R, ParentGUID,       Guid,   -1,   1,       0,  -1),
    SRTF_COL(R, ObjectGUID,       Guid,   -1,   2,       0,  -1),
    SRTF_COL(R, ObjectType,       String, -1,   3,       0,  -1),
    SRTF_COL(R, Flags,            Int,    -1,   4,       0,  -1),
    SRTF_COL(R, Text,             String, -1,   5,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CLookupInfoSection, CLookupInfo, "LookupInfo", false)
