#include "repository/history.h"

#define R CHistory
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member            type    key data  property refers
    SRTF_COL(R, UserName,            String, -1,   0,       0,  -1),
    SRTF_COL(R, Machine,             String, -1,   1,       0,  -1),
    SRTF_COL(R, Action,              String, -1,   2,       0,  -1),
    SRTF_COL(R, ActionDate,          String, -1,   3,       0,  -1),
    SRTF_COL(R, ObjectGUID,          Guid,   -1,   4,       0,  -1),
    SRTF_COL(R, ObjectType,          String, -1,   5,       0,  -1),
    SRTF_COL(R, VersionNumber,       Int,    -1,   6,       0,  -1),
    SRTF_COL(R, VersionGUID,         Guid,   -1,   7,       0,  -1),
    SRTF_COL(R, Comment,             String, -1,   8,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CHistorySection, CHistory, "History", false)

#define R CMacroStatus
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member            type    key data  property refers
    SRTF_COL(R, InSyncVerGUID,       Guid,   -1,   0,       0,  -1),
    SRTF_COL(R, ObjectGUID,          Guid,   -1,   1,       0,  -1),
    SRTF_COL(R, LocallyModified,     Int,    -1,   2,       0,  -1),
    SRTF_COL(R, LocallyDeleted,      Int,    -1,   3,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CMacroStatusSection, CMacroStatus, "Macro_Status", false)
