#include "ddshapeedge.h"

#define R CDDShapeEdge
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member          type    key data  property refers
    SRTF_COL(R, ShapeEdgeId,       Int,      0,  -1,       0,  -1),
    SRTF_COL(R, ModelId,           Int,      1,  -1,       0,  44),
    SRTF_COL(R, ParentMetaTableId, Int,      2,  -1,       0,  -1),
    SRTF_COL(R, ChildMetaTableId,  Int,      3,  -1,       0,  -1),
    SRTF_COL(R, ParentTableRowId,  Int,      4,  -1,       0,  31),
    SRTF_COL(R, ChildTableRowId,   Int,      5,  -1,       0,  31),
    SRTF_COL(R, Name,              String,  -1,   0,   29586,  -1),
    SRTF_COL(R, VerbPhrase,        String,  -1,   1,   29612,  -1),
    SRTF_COL(R, InverseVerbPhrase, String,  -1,   2,   29613,  -1),
    SRTF_COL(R, NSTFlag,           Int,     -1,   3,   29772,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDShapeEdgeSection, CDDShapeEdge, "ShapeEdge_Base", "ShapeEdge_Latest")

#define R CDDShapeEdgeDisplay
SRTF_DD_RECORD_TABLE(R, 1,
    //       class member                     type    key data  property refers
    SRTF_COL(R, ParentConnectorFlags,         Int,     -1,   0,   29596,  -1),
    SRTF_COL(R, ShapeEdgeDisplayId,           Int,      0,  -1,       0,  -1),
    SRTF_COL(R, ShapeEdgeId,                  Int,      1,  -1,       0,  65),
    SRTF_COL(R, SubmodelId,                   Int,      2,  -1,       0,  68),
    SRTF_COL(R, LineWidth,                    Int,     -1,   1,   29590,  -1),
    SRTF_COL(R, PenStyle,                     Int,     -1,   2,   29591,  -1),
    SRTF_COL(R, CurvatureStyle,               Int,     -1,   3,   29592,  -1),
    SRTF_COL(R, SourceArrowHeadStyle,         Int,     -1,   4,   29593,  -1),
    SRTF_COL(R, TargetArrowHeadStyle,         Int,     -1,   5,   29594,  -1),
    SRTF_COL(R, DesiredRoutingStyle,          Int,     -1,   6,   29595,  -1),
    SRTF_COL(R, ParentConnectorOffsetX,       Int,     -1,   7,   29597,  -1),
    SRTF_COL(R, ParentConnectorOffsetY,       Int,     -1,   8,   29598,  -1),
    SRTF_COL(R, ParentConnectorPerMils,       Int,     -1,   9,   29599,  -1),
    SRTF_COL(R, ChildConnectorPerMils,        Int,     -1,  10,   29603,  -1),
    SRTF_COL(R, ChildConnectorFlags,          Int,     -1,  11,   29600,  -1),
    SRTF_COL(R, ChildConnectorOffsetX,        Int,     -1,  12,   29601,  -1),
    SRTF_COL(R, ChildConnectorOffsetY,        Int,     -1,  13,   29602,  -1),
    SRTF_COL(R, DockingType,                  Int,     -1,  14,   29604,  -1),
    SRTF_COL(R, VerbOffsetX,                  Int,     -1,  15,   29614,  -1),
    SRTF_COL(R, VerbOffsetY,                  Int,     -1,  16,   29615,  -1),
    SRTF_COL(R, InverseVerbOffsetX,           Int,     -1,  17,   29616,  -1),
    SRTF_COL(R, InverseVerbOffsetY,           Int,     -1,  18,   29617,  -1),
    SRTF_COL(R, cxName,                       Int,     -1,  19,   29726,  -1),
    SRTF_COL(R, cyName,                       Int,     -1,  20,   29727,  -1),
    SRTF_COL(R, cxVerbPhrase,                 Int,     -1,  21,   29728,  -1),
    SRTF_COL(R, cyVerbPhrase,                 Int,     -1,  22,   29729,  -1),
    SRTF_COL(R, cxInverseVerbPhrase,          Int,     -1,  23,   29730,  -1),
    SRTF_COL(R, cyInverseVerbPhrase,          Int,     -1,  24,   29731,  -1),
    SRTF_COL(R, NameOrientation,              Int,     -1,  25,   29732,  -1),
    SRTF_COL(R, VerbPhraseOrientation,        Int,     -1,  26,   29733,  -1),
    SRTF_COL(R, InverseVerbPhraseOrientation, Int,     -1,  27,   29734,  -1),
    SRTF_COL(R, NameOffsetX,                  Int,     -1,  28,   29735,  -1),
    SRTF_COL(R, NameOffsetY,                  Int,     -1,  29,   29736,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDShapeEdgeDisplaySection, CDDShapeEdgeDisplay,
                      "ShapeEdgeDisplay_Base", "ShapeEdgeDisplay_Latest")
