#include "repository/tasks.h"

#define R CTaskInfo
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member            type    key data  property refers
    SRTF_COL(R, TaskId,              Int,    -1,   0,       0,  -1),
    SRTF_COL(R, Name,                String, -1,   1,       0,  -1),
    SRTF_COL(R, Description,         String, -1,   2,       0,  -1),
    SRTF_COL(R, TaskStatus,          Int,    -1,   3,       0,  -1),
    SRTF_COL(R, Hyperlink,           String, -1,   4,       0,  -1),
    SRTF_COL(R, Status,              Int,    -1,   5,       0,  -1),
    SRTF_COL(R, ProjId,              Int,    -1,   6,       0,  -1),
    SRTF_COL(R, Association_Id,      Int,    -1,   7,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CTaskInfoSection, CTaskInfo, "TaskInfo", false)

#define R CChangeRecordInfo
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member            type    key data  property refers
    SRTF_COL(R, ChangeRecordId,      Int,    -1,   0,       0,  -1),
    SRTF_COL(R, DiagramId,           Int,    -1,   1,       0,  -1),
    SRTF_COL(R, EnterpriseDDID,      Int,    -1,   2,       0,  -1),
    SRTF_COL(R, UserOnMachineId,     Int,    -1,   3,       0,  -1),
    SRTF_COL(R, Comment,             String, -1,   4,       0,  -1),
    SRTF_COL(R, Name,                String, -1,   5,       0,  -1),
    SRTF_COL(R, Status,              Int,    -1,   6,       0,  -1),
    SRTF_COL(R, ChangeRecordStatus,  Int,    -1,   7,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CChangeRecordInfoSection, CChangeRecordInfo, "ChangeRecordInfo", false)

#define R CChangeRecordTaskInfo
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member            type    key data  property refers
    SRTF_COL(R, ChangeRecordTaskId,  Int,    -1,   0,       0,  -1),
    SRTF_COL(R, TaskId,              Int,    -1,   1,       0,  -1),
    SRTF_COL(R, ChangeRecordId,      Int,    -1,   2,       0,  -1),
    SRTF_COL(R, Status,              Int,    -1,   3,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CChangeRecordTaskInfoSection, CChangeRecordTaskInfo,
                      "ChangeRecordTaskInfo", false)
