#include "ddcomment.h"

#define R CDDComment
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, CommentId,               Int,     0,  -1,       0,  -1),
    SRTF_COL(R, Comment,                 String, -1,   0,   29904,  -1),
    SRTF_COL(R, Timestamp,               Int,    -1,   1,   29905,  -1),
    SRTF_COL(R, MetatableId,             Int,    -1,   2,   29906,  -1),
    SRTF_COL(R, TableRowGUID,            Guid,   -1,   3,   29907,  -1),
    SRTF_COL(R, ParentContainerId,       Int,    -1,   4,   29908,  -1),
    SRTF_COL(R, ParentContainerType,     Int,    -1,   5,   29909,  -1),
    SRTF_COL(R, UserName,                String, -1,   6,   29910,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDCommentSection, CDDComment, "Comment_Base", "Comment_Latest")

#define R CDDObjectTracking
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, ObjectTrackingId,        Int,     0,  -1,       0,  -1),
    SRTF_COL(R, MetaTableId,             Int,    -1,   0,   29749,  -1),
    SRTF_COL(R, TableRowId,              Int,    -1,   1,   29750,  -1),
    SRTF_COL(R, CreatedBy,               String, -1,   2,   29751,  -1),
    SRTF_COL(R, CreateTimestamp,         String, -1,   3,   29752,  -1),
    SRTF_COL(R, LastUpdatedBy,           String, -1,   4,   29753,  -1),
    SRTF_COL(R, LastUpdateTimestamp,     String, -1,   5,   29754,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDObjectTrackingSection, CDDObjectTracking, "ObjectTracking_Base",
                      "ObjectTracking_Latest")
