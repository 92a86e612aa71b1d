#include "ddgraphicobject.h"

#define R CDDGraphicObject
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member          type    key data  property refers
    SRTF_COL(R, GraphicObjectId,   Int,      0,  -1,       0,  -1),
    SRTF_COL(R, SubmodelId,        Int,      1,  -1,       0,  68),
    SRTF_COL(R, GraphicObjectType, Int,     -1,   0,   28910,  -1),
    SRTF_COL(R, LeftPosition,      Int,     -1,   1,   28911,  -1),
    SRTF_COL(R, TopPosition,       Int,     -1,   2,   28912,  -1),
    SRTF_COL(R, RightPosition,     Int,     -1,   3,   28913,  -1),
    SRTF_COL(R, BottomPosition,    Int,     -1,   4,   28914,  -1),
    SRTF_COL(R, RawData,           String,  -1,   5,   28915,  -1),
    SRTF_COL(R, xNodeBackup,       Int,     -1,   6,   29541,  -1),
    SRTF_COL(R, yNodeBackup,       Int,     -1,   7,   29542,  -1),
    SRTF_COL(R, cxNodeBackup,      Int,     -1,   8,   29543,  -1),
    SRTF_COL(R, cyNodeBackup,      Int,     -1,   9,   29544,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDGraphicObjectSection, CDDGraphicObject,
                      "Graphic_Object_Base", "Graphic_Object_Latest")

#define R CDDPathNode
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member               type    key data  property refers
    SRTF_COL(R, PathNodeId,             Int,      0,  -1,       0,  -1),
    SRTF_COL(R, ViewRelationshipDispId, Int,      1,  -1,       0,  88),
    SRTF_COL(R, SuperTypeDisplayId,     Int,      2,  -1,       0,  74),
    SRTF_COL(R, X,                      Int,     -1,   0,   29374,  -1),
    SRTF_COL(R, Y,                      Int,     -1,   1,   29375,  -1),
    SRTF_COL(R, SequenceNumber,         Int,     -1,   2,   29376,  -1),
    SRTF_COL(R, RelationshipDispId,     Int,      3,  -1,       0,  58),
    SRTF_COL(R, SchemaObjEdgeId,        Int,     -1,   3,   29518,  -1),
    SRTF_COL(R, ShapeEdgeDisplayId,     Int,      4,  -1,       0,  66),
    SRTF_COL(R, LineageStreamDisplayId, Int,      5,  -1,       0, 197),
    SRTF_COL(R, MetaEdgeDisplayId,      Int,      6,  -1,       0, 210))
#undef R
SRTF_TWO_LIST_SECTION(CDDPathNodeSection, CDDPathNode, "PathNode_Base", "PathNode_Latest")
