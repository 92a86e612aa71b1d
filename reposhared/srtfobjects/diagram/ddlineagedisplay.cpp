#include "ddlineagedisplay.h"

#define R CDDTransformationDisplay
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data property refers
    SRTF_COL(R, TransformationDisplayId, Int,     0,  -1,      0,  -1),
    SRTF_COL(R, TransformationId,        Int,     1,  -1,      0, 191),
    SRTF_COL(R, SubmodelId,              Int,     2,  -1,      0,  68),
    SRTF_COL(R, xNode,                   Int,    -1,   0,  29815,  -1),
    SRTF_COL(R, yNode,                   Int,    -1,   1,  29816,  -1),
    SRTF_COL(R, cxNode,                  Int,    -1,   2,  29817,  -1),
    SRTF_COL(R, cyNode,                  Int,    -1,   3,  29818,  -1),
    SRTF_COL(R, xNodeBackup,             Int,    -1,   4,  29819,  -1),
    SRTF_COL(R, yNodeBackup,             Int,    -1,   5,  29820,  -1),
    SRTF_COL(R, cxNodeBackup,            Int,    -1,   6,  29821,  -1),
    SRTF_COL(R, cyNodeBackup,            Int,    -1,   7,  29822,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDTransformationDisplaySection, CDDTransformationDisplay,
                      "TransformationDisplay_Base", "TransformationDisplay_Latest")

#define R CDDLineageComponentDisplay
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                  type    key data property refers
    SRTF_COL(R, LineageComponentDisplayId, Int,     0,  -1,      0,  -1),
    SRTF_COL(R, LineageComponentId,        Int,     1,  -1,      0, 192),
    SRTF_COL(R, SubmodelId,                Int,     2,  -1,      0,  68),
    SRTF_COL(R, xNode,                     Int,    -1,   0,  29827,  -1),
    SRTF_COL(R, yNode,                     Int,    -1,   1,  29828,  -1),
    SRTF_COL(R, cxNode,                    Int,    -1,   2,  29829,  -1),
    SRTF_COL(R, cyNode,                    Int,    -1,   3,  29830,  -1),
    SRTF_COL(R, xNodeBackup,               Int,    -1,   4,  29831,  -1),
    SRTF_COL(R, yNodeBackup,               Int,    -1,   5,  29832,  -1),
    SRTF_COL(R, cxNodeBackup,              Int,    -1,   6,  29833,  -1),
    SRTF_COL(R, cyNodeBackup,              Int,    -1,   7,  29834,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDLineageComponentDisplaySection, CDDLineageComponentDisplay,
                      "LineageComponentDisplay_Base", "LineageComponentDisplay_Latest")

#define R CDDLineageStreamDisplay
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member               type    key data property refers
    SRTF_COL(R, LineageStreamDisplayId, Int,     0,  -1,      0,  -1),
    SRTF_COL(R, LineageStreamId,        Int,     1,  -1,      0, 193),
    SRTF_COL(R, SubmodelId,             Int,     2,  -1,      0,  68),
    SRTF_COL(R, DesiredRoutingStyle,    Int,    -1,   0,  29839,  -1),
    SRTF_COL(R, ParentConnectorFlags,   Int,    -1,   1,  29840,  -1),
    SRTF_COL(R, ParentConnectorOffsetX, Int,    -1,   2,  29841,  -1),
    SRTF_COL(R, ParentConnectorOffsetY, Int,    -1,   3,  29842,  -1),
    SRTF_COL(R, ParentConnectorPerMils, Int,    -1,   4,  29843,  -1),
    SRTF_COL(R, ChildConnectorFlags,    Int,    -1,   5,  29844,  -1),
    SRTF_COL(R, ChildConnectorOffsetX,  Int,    -1,   6,  29845,  -1),
    SRTF_COL(R, ChildConnectorOffsetY,  Int,    -1,   7,  29846,  -1),
    SRTF_COL(R, ChildConnectorPerMils,  Int,    -1,   8,  29847,  -1),
    SRTF_COL(R, DockingType,            Int,    -1,   9,  29848,  -1),
    SRTF_COL(R, cxName,                 Int,    -1,  10,  29849,  -1),
    SRTF_COL(R, cyName,                 Int,    -1,  11,  29850,  -1),
    SRTF_COL(R, NameOffsetX,            Int,    -1,  12,  29851,  -1),
    SRTF_COL(R, NameOffsetY,            Int,    -1,  13,  29852,  -1),
    SRTF_COL(R, NameOrientation,        Int,    -1,  14,  29853,  -1),
    SRTF_COL(R, cxDescription,          Int,    -1,  15,  29854,  -1),
    SRTF_COL(R, cyDescription,          Int,    -1,  16,  29855,  -1),
    SRTF_COL(R, DescriptionOffsetX,     Int,    -1,  17,  29856,  -1),
    SRTF_COL(R, DescriptionOffsetY,     Int,    -1,  18,  29857,  -1),
    SRTF_COL(R, DescriptionOrientation, Int,    -1,  19,  29858,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDLineageStreamDisplaySection, CDDLineageStreamDisplay,
                      "LineageStreamDisplay_Base", "LineageStreamDisplay_Latest")
