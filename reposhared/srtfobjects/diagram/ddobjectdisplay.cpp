#include "ddobjectdisplay.h"

#define R CDDEntityDisplay
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                     type    key data  property refers
    SRTF_COL(R, EntityDisplayId,              Int,      0,  -1,       0,  -1),
    SRTF_COL(R, SubmodelId,                   Int,      1,  -1,       0,  68),
    SRTF_COL(R, EntityId,                     Int,      2,  -1,       0,  31),
    SRTF_COL(R, HorizontalPosition,           Int,     -1,   0,   28891,  -1),
    SRTF_COL(R, VerticalPosition,             Int,     -1,   1,   28892,  -1),
    SRTF_COL(R, Width,                        Int,     -1,   2,   28893,  -1),
    SRTF_COL(R, Height,                       Int,     -1,   3,   28894,  -1),
    SRTF_COL(R, DisplayBackgroundColorOption, Int,     -1,   4,   28895,  -1),
    SRTF_COL(R, BackgroundColor,              Int,     -1,   5,   28896,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDEntityDisplaySection, CDDEntityDisplay,
                      "Entity_Display_Base", "Entity_Display_Latest")

#define R CDDViewDisplay
SRTF_DD_RECORD_TABLE(R, 1,
    //       class member            type    key data  property refers
    SRTF_COL(R, DbViewId,            Int,      0,  -1,       0,  18),
    SRTF_COL(R, ViewDisplayId,       Int,      1,  -1,       0,  -1),
    SRTF_COL(R, SubmodelId,          Int,      2,  -1,       0,  68),
    SRTF_COL(R, ViewBackgroundColor, Int,     -1,   0,   29026,  -1),
    SRTF_COL(R, DefaultHorzPosition, Int,     -1,   1,   29027,  -1),
    SRTF_COL(R, DefaultVertPosition, Int,     -1,   2,   29028,  -1),
    SRTF_COL(R, DisplayBkgColor,     Int,     -1,   3,   29029,  -1),
    SRTF_COL(R, CxView,              Int,     -1,   4,   29030,  -1),
    SRTF_COL(R, CyView,              Int,     -1,   5,   29031,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDViewDisplaySection, CDDViewDisplay,
                      "View_Display_Base", "View_Display_Latest")
