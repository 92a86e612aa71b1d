#include "sid/sidview.h"

#define R CSIDView
SRTF_SID_RECORD_TABLE(R,
    //       class member           type    key data property refers
    SRTF_COL(R, DbViewId,           Int,    -1,  0,       0,  -1),
    SRTF_COL(R, ModelId,            Int,    -1,  1,       0,  -1),
    SRTF_COL(R, OwnerName,          String, -1,  2,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDViewSection, CSIDView, "View", true)

#define R CSIDViewField
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, ViewFieldId,        Int,    -1,  0,       0,  -1),
    SRTF_COL(R, DbViewId,           Int,    -1,  1,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDViewFieldSection, CSIDViewField, "View_Field", true)

#define R CSIDViewTable
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, ViewTableId,        Int,    -1,  0,       0,  -1),
    SRTF_COL(R, ParentEntityId,     Int,    -1,  1,       0,  -1),
    SRTF_COL(R, ParentDbViewId,     Int,    -1,  2,       0,  -1),
    SRTF_COL(R, ChildDbViewId,      Int,    -1,  3,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDViewTableSection, CSIDViewTable, "View_Table", true)

#define R CSIDViewCte
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, ViewCteId,          Int,    -1,  0,       0,  -1),
    SRTF_COL(R, ParentDbViewId,     Int,    -1,  1,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDViewCteSection, CSIDViewCte, "View_Cte", true)

#define R CSIDViewCteColumn
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, ViewCteColumnId,    Int,    -1,  0,       0,  -1),
    SRTF_COL(R, ParentViewCteId,    Int,    -1,  1,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDViewCteColumnSection, CSIDViewCteColumn, "View_Cte_Column", true)
