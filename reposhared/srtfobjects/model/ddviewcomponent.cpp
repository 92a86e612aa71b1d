#include "ddviewcomponent.h"

// The id column is ViewComponentId, column 1.
#define R CDDViewComponent
SRTF_DD_RECORD_TABLE(R, 1,
    //       class member                type    key data  property refers
    SRTF_COL(R, DbViewId,                Int,     0,  -1,       0,  18),
    SRTF_COL(R, ViewComponentId,         Int,     1,  -1,       0,  -1),
    SRTF_COL(R, SQL,                     String, -1,   0,   29054,  -1),
    SRTF_COL(R, ComponentType,           Int,    -1,   1,   29055,  -1),
    SRTF_COL(R, BIsCurrent,              Int,    -1,   2,   29056,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDViewComponentSection, CDDViewComponent, "View_Component_Base",
                      "View_Component_Latest")

#define R CDDColumnUsage
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, ColumnUsageId,           Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ViewColumnId,            Int,     1,  -1,       0,  84),
    SRTF_COL(R, UsageType,               Int,    -1,   0,   29070,  -1),
    SRTF_COL(R, SequenceNo,              Int,    -1,   1,   29071,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDColumnUsageSection, CDDColumnUsage, "Column_Usage_Base",
                      "Column_Usage_Latest")

// Tech keys and foreign keys: DbViewId (column 1) first, then the record's
// own ViewCteId (column 0), which refers to this section itself.
#define R CDDViewCTE
SRTF_DD_RECORD_TABLE(R, 0,
    //          class member             type    key data  property refers fk
    SRTF_COL_FK(R, ViewCteId,            Int,     1,  -1,       0, 224,    1),
    SRTF_COL_FK(R, DbViewId,             Int,     0,  -1,       0,  18,    0),
    SRTF_COL(R, Name,                    String, -1,   0,   30093,  -1),
    SRTF_COL(R, Select,                  String, -1,   1,   30094,  -1),
    SRTF_COL(R, SequenceNo,              Int,    -1,   2,   30092,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDViewCteSection, CDDViewCTE, "ViewCte_Base", "ViewCte_Latest")

// Tech keys and foreign keys: ViewCteId (column 1) first, then the record's
// own ViewCteColumnId (column 0), which refers to this section itself.
#define R CDDViewCteColumn
SRTF_DD_RECORD_TABLE(R, 0,
    //          class member             type    key data  property refers fk
    SRTF_COL_FK(R, ViewCteColumnId,      Int,     1,  -1,       0, 225,    1),
    SRTF_COL_FK(R, ViewCteId,            Int,     0,  -1,       0, 224,    0),
    SRTF_COL(R, Name,                    String, -1,   0,   30095,  -1),
    SRTF_COL(R, SequenceNo,              Int,    -1,   1,   30096,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDViewCteColumnSection, CDDViewCteColumn, "ViewCteColumn_Base",
                      "ViewCteColumn_Latest")
