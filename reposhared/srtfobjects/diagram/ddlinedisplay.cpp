#include "ddlinedisplay.h"

#define R CDDViewRelationshipDisplay
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                  type    key data  property refers
    SRTF_COL(R, ViewRelationshipDisplayId, Int,      0,  -1,       0,  -1),
    SRTF_COL(R, SubmodelId,                Int,      1,  -1,       0,  68),
    SRTF_COL(R, ParentDbViewId,            Int,      2,  -1,       0,  18),
    SRTF_COL(R, ChildDbViewId,             Int,      3,  -1,       0,  18),
    SRTF_COL(R, EntityId,                  Int,      4,  -1,       0,  31),
    SRTF_COL(R, ViewTableId,               Int,      5,  -1,       0,  89),
    SRTF_COL(R, ElbowPosition,             Int,     -1,   0,   29038,  -1),
    SRTF_COL(R, RoutingStyle,              Int,     -1,   1,   29369,  -1),
    SRTF_COL(R, ParentConnectorFlags,      Int,     -1,   2,   29478,  -1),
    SRTF_COL(R, ParentConnectorOffsetX,    Int,     -1,   3,   29479,  -1),
    SRTF_COL(R, ParentConnectorOffsetY,    Int,     -1,   4,   29480,  -1),
    SRTF_COL(R, ParentConnectorPerMils,    Int,     -1,   5,   29481,  -1),
    SRTF_COL(R, ChildConnectorFlags,       Int,     -1,   6,   29482,  -1),
    SRTF_COL(R, ChildConnectorOffsetX,     Int,     -1,   7,   29483,  -1),
    SRTF_COL(R, ChildConnectorOffsetY,     Int,     -1,   8,   29484,  -1),
    SRTF_COL(R, ChildConnectorPerMils,     Int,     -1,   9,   29485,  -1),
    SRTF_COL(R, cxName,                    Int,     -1,  10,   29738,  -1),
    SRTF_COL(R, cyName,                    Int,     -1,  11,   29739,  -1),
    SRTF_COL(R, NameOrientation,           Int,     -1,  12,   29740,  -1),
    SRTF_COL(R, NameOffsetX,               Int,     -1,  13,   29741,  -1),
    SRTF_COL(R, NameOffsetY,               Int,     -1,  14,   29742,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDViewRelationshipDisplaySection, CDDViewRelationshipDisplay,
                      "View_Relationship_Display_Base", "View_Relationship_Display_Latest")

#define R CDDSupertypeDisplay
SRTF_DD_RECORD_TABLE(R, 3,
    //       class member               type    key data  property refers
    SRTF_COL(R, EntityId,               Int,      0,  -1,       0,  31),
    SRTF_COL(R, SubmodelId,             Int,      1,  -1,       0,  68),
    SRTF_COL(R, SupertypeId,            Int,      2,  -1,       0,  73),
    SRTF_COL(R, SupertypeDisplayId,     Int,      3,  -1,       0,  -1),
    SRTF_COL(R, HorizontalPosition,     Int,     -1,   0,   29216,  -1),
    SRTF_COL(R, VerticalPosition,       Int,     -1,   1,   29217,  -1),
    SRTF_COL(R, ElbowPosition,          Int,     -1,   2,   29218,  -1),
    SRTF_COL(R, RoutingStyle,           Int,     -1,   3,   29366,  -1),
    SRTF_COL(R, ParentConnectorOffsetY, Int,     -1,   4,   29480,  -1),
    SRTF_COL(R, ParentConnectorFlags,   Int,     -1,   5,   29478,  -1),
    SRTF_COL(R, ParentConnectorOffsetX, Int,     -1,   6,   29479,  -1),
    SRTF_COL(R, ParentConnectorPerMils, Int,     -1,   7,   29481,  -1),
    SRTF_COL(R, ChildConnectorFlags,    Int,     -1,   8,   29482,  -1),
    SRTF_COL(R, ChildConnectorOffsetX,  Int,     -1,   9,   29483,  -1),
    SRTF_COL(R, ChildConnectorOffsetY,  Int,     -1,  10,   29484,  -1),
    SRTF_COL(R, ChildConnectorPerMils,  Int,     -1,  11,   29485,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDSupertypeDisplaySection, CDDSupertypeDisplay,
                      "Supertype_Display_Base", "Supertype_Display_Latest")
