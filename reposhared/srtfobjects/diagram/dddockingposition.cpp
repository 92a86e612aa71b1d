#include "dddockingposition.h"

#define R CDDDockingPosition
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                  type    key data  property refers
    SRTF_COL(R, DockingPositionId,         Int,      0,  -1,       0,  -1),
    SRTF_COL(R, ParentEntityDisplay,       Int,      1,  -1,       0,  32),
    SRTF_COL(R, RelationshipDisplayId,     Int,      2,  -1,       0,  58),
    SRTF_COL(R, ChildEntityDisplay,        Int,      3,  -1,       0,  32),
    SRTF_COL(R, ParentSupertypeDisplay,    Int,      4,  -1,       0,  -1),
    SRTF_COL(R, ParentViewDisplayId,       Int,      5,  -1,       0,  86),
    SRTF_COL(R, ChildViewDisplayId,        Int,      6,  -1,       0,  86),
    SRTF_COL(R, ViewRelationshipDisplayId, Int,      7,  -1,       0,  88),
    SRTF_COL(R, ChildSupertypeDisplay,     Int,      8,  -1,       0,  -1),
    SRTF_COL(R, SupertypeDisplayId,        Int,      9,  -1,       0,  74),
    SRTF_COL(R, DockingType,               Int,     -1,   0,   29089,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDDockingPositionSection, CDDDockingPosition,
                      "Docking_Position_Base", "Docking_Position_Latest")

#define R CDDDockPosDispLevel
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member               type    key data  property refers
    SRTF_COL(R, DockPosDispLevelId,     Int,      0,  -1,       0,  -1),
    SRTF_COL(R, DockingPositionId,      Int,      1,  -1,       0,  27),
    SRTF_COL(R, ParentSide,             Int,     -1,   0,   29074,  -1),
    SRTF_COL(R, ChildSide,              Int,     -1,   1,   29075,  -1),
    SRTF_COL(R, ParentRelativePosition, Int,     -1,   2,   29076,  -1),
    SRTF_COL(R, ChildRelativePosition,  Int,     -1,   3,   29077,  -1),
    SRTF_COL(R, DisplayLevel,           Int,     -1,   4,   29078,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDDockPosDispLevelSection, CDDDockPosDispLevel,
                      "Dock_Pos_Disp_Level_Base", "Dock_Pos_Disp_Level_Latest")
