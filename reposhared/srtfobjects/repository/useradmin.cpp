#include "repository/useradmin.h"

// Key tables in file order.
#define S CDeleteUserSection
SRTF_KEY_VALUE_SECTION(CDeleteUserSection,
    SRTF_KEY(S, UserName, String))
#undef S

#define S CModifySecurityAccessSection
SRTF_KEY_VALUE_SECTION(CModifySecurityAccessSection,
    SRTF_KEY(S, UserName,   String),
    SRTF_KEY(S, ObjectType, String),
    SRTF_KEY(S, ObjectGUID, Guid),
    SRTF_KEY(S, ACL,        Hex))
#undef S

#define S CModifyUserInfoSection
SRTF_KEY_VALUE_SECTION(CModifyUserInfoSection,
    SRTF_KEY(S, UserName,    String),
    SRTF_KEY(S, ProfileName, String),
    SRTF_KEY(S, PassWord,    String),
    SRTF_KEY(S, Status,      String))
#undef S

#define S CProfileSection
SRTF_KEY_VALUE_SECTION(CProfileSection,
    SRTF_KEY(S, Name,        String),
    SRTF_KEY(S, Description, String),
    SRTF_REPEATED_KEY(S, Privilege, PrivilegeList))
#undef S

#define R CUserSecurityRight
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member    type    key data  property refers
    SRTF_COL(R, Status,      String, -1,   0,       0,  -1),
    SRTF_COL(R, UserName,    String, -1,   1,       0,  -1),
    SRTF_COL(R, ACL,         Hex,    -1,   2,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CObjectSecurityRightAllUserSection, CUserSecurityRight,
                      "User_Secruity_Right", false)

#define R CUserWithSpecificProfile
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member    type    key data  property refers
    SRTF_COL(R, UserName,    String, -1,   0,       0,  -1),
    SRTF_COL(R, Status,      String, -1,   1,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CUserWithSpecificProfileSection, CUserWithSpecificProfile,
                      "Specific_Profile_User", false)

#define R CPrivilege
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member    type    key data  property refers
    SRTF_COL(R, Name,        String, -1,   0,       0,  -1),
    SRTF_COL(R, Description, String, -1,   1,       0,  -1),
    SRTF_COL(R, PrivilegeID, Int,    -1,   2,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CPrivilegeSection, CPrivilege, "Privilege", false)
