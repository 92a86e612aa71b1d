#include "repository/statusreports.h"

#define R CVersionInfo
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member            type    key data  property refers
    SRTF_COL(R, ObjectGUID,          Guid,   -1,   0,       0,  -1),
    SRTF_COL(R, ObjectType,          String, -1,   1,       0,  -1),
    SRTF_COL(R, VersionNumber,       Int,    -1,   2,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CVersionInfoSection, CVersionInfo, "VersionInfo", false)

// The comment line of project lines names only the first four columns: the
// fifth has no name.
#define R CProjectInfo
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member            type    key data  property refers
    SRTF_COL(R, NavID,               Int,    -1,   0,       0,  -1),
    SRTF_COL(R, ProjectID,           Int,    -1,   1,       0,  -1),
    SRTF_COL(R, Name,                String, -1,   2,       0,  -1),
    SRTF_COL(R, Description,         String, -1,   3,       0,  -1),
    SRTF_COL_NAMED("", R, UnnamedValue, Int, -1,   4,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CProjectInfoSection, CProjectInfo, "ProjectInfo", false)

#define R CCtlSysVersionInfo
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member            type    key data  property refers
    SRTF_COL(R, CheckInDate,         String, -1,   0,       0,  -1),
    SRTF_COL(R, VersionGUID,         Guid,   -1,   1,       0,  -1),
    SRTF_COL(R, Comment,             String, -1,   2,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CCtlSysVersionInfoSection, CCtlSysVersionInfo, "CtlSysVersionInfo", false)

#define R CRepoStatsInfo
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member            type    key data  property refers
    SRTF_COL(R, ObjectType,          String, -1,   0,       0,  -1),
    SRTF_COL(R, ObjectId,            Int,    -1,   1,       0,  -1),
    SRTF_COL(R, ObjectGUID,          Guid,   -1,   2,       0,  -1),
    SRTF_COL(R, ObjectName,          String, -1,   3,       0,  -1),
    SRTF_COL(R, RSIType,             Int,    -1,   4,       0,  -1),
    SRTF_COL(R, IntValue,            Int,    -1,   5,       0,  -1),
    SRTF_COL(R, StringValue,         String, -1,   6,       0,  -1),
    SRTF_COL(R, RepoStatsInfo_ID,    Int,     0,  -1,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CRepoStatsInfoSection, CRepoStatsInfo, "RepoStatsInfo", false)

#define R CRepoUserOnMachineInfo
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member            type    key data  property refers
    SRTF_COL(R, UserName,            String, -1,   0,   29620,  -1),
    SRTF_COL(R, MachineName,         String, -1,   1,   29621,  -1),
    SRTF_COL(R, UserId,              Int,    -1,   2,   29630,  -1),
    SRTF_COL(R, MachineId,           Int,    -1,   3,   29631,  -1),
    SRTF_COL(R, UOMId,               Int,    -1,   4,   29632,  -1),
    SRTF_COL(R, Status,              String, -1,   5,   29633,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CRepoUserOnMachineInfoSection, CRepoUserOnMachineInfo,
                      "RepoUserOnMachineInfo", false)

#define R CRepoUserCheckedOutInfo
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member            type    key data  property refers
    SRTF_COL(R, UserName,            String, -1,   0,   29622,  -1),
    SRTF_COL(R, MachineName,         String, -1,   1,   29624,  -1),
    SRTF_COL(R, ObjectName,          String, -1,   2,   29626,  -1),
    SRTF_COL(R, ObjectGUID,          Guid,   -1,   3,   29627,  -1),
    SRTF_COL(R, CtlDiagramId,        Int,    -1,   4,   29628,  -1),
    SRTF_COL(R, ObjectCategory,      Int,    -1,   5,   29629,  -1),
    SRTF_COL(R, FileName,            String, -1,   6,   29637,  -1),
    SRTF_COL(R, Status,              String, -1,   7,   29634,  -1),
    SRTF_COL(R, UOMId,               Int,    -1,   8,   29635,  -1),
    SRTF_COL(R, ExclusiveFlag,       Int,    -1,   9,   29636,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CRepoUserCheckedOutInfoSection, CRepoUserCheckedOutInfo,
                      "RepoUserCheckedOutInfo", false)
