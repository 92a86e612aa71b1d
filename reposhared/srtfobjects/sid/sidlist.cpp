#include "sid/sidlist.h"

#define R CSIDCheckedOut
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member           type    key data property refers
    SRTF_COL(R, UserName,           String, -1,  0,       0,  -1),
    SRTF_COL(R, ObjectGUID,         Guid,   -1,  1,       0,  -1),
    SRTF_COL(R, ObjectType,         String, -1,  2,       0,  -1),
    SRTF_COL(R, MachineName,        String, -1,  3,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDCheckedOutSection, CSIDCheckedOut, "CheckedOut", true)

#define R CSIDUser
SRTF_PLAIN_RECORD_TABLE(R, -1,
    SRTF_COL(R, UserId,             Int,    -1,  0,       0,  -1),
    SRTF_COL(R, Name,               String, -1,  1,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDUserSection, CSIDUser, "User", true)
