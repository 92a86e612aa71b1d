#include "ddschemaobjedge.h"

#define R CDDSchemaObjEdge
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member               type    key data  property refers
    SRTF_COL(R, SchemaObjEdgeId,        Int,      0,  -1,       0,  -1),
    SRTF_COL(R, ParentEntityDispId,     Int,     -1,   0,   29500,  -1),
    SRTF_COL(R, ParentViewDispId,       Int,     -1,   1,   29501,  -1),
    SRTF_COL(R, ParentSchemaObjLinkId,  Int,     -1,   2,   29502,  -1),
    SRTF_COL(R, ChildSchemaObjLinkId,   Int,     -1,   3,   29503,  -1),
    SRTF_COL(R, SubmodelId,             Int,     -1,   4,   29504,  -1),
    SRTF_COL(R, DesiredRoutingStyle,    Int,     -1,   5,   29505,  -1),
    SRTF_COL(R, ParentConnectorFlags,   Int,     -1,   6,   29506,  -1),
    SRTF_COL(R, ParentConnectorOffsetX, Int,     -1,   7,   29507,  -1),
    SRTF_COL(R, ParentConnectorOffsetY, Int,     -1,   8,   29508,  -1),
    SRTF_COL(R, ParentConnectorPerMils, Int,     -1,   9,   29509,  -1),
    SRTF_COL(R, ChildConnectorFlags,    Int,     -1,  10,   29510,  -1),
    SRTF_COL(R, ChildConnectorOffsetX,  Int,     -1,  11,   29511,  -1),
    SRTF_COL(R, ChildConnectorOffsetY,  Int,     -1,  12,   29512,  -1),
    SRTF_COL(R, ChildConnectorPerMils,  Int,     -1,  13,   29513,  -1),
    SRTF_COL(R, DockingType,            Int,     -1,  14,   29514,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDSchemaObjEdgeSection, CDDSchemaObjEdge,
                      "SchemaObjEdge_Base", "SchemaObjEdge_Latest")

#define R CDDSubmodelSchemaObjLink
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, SubmodelSchemaObjLinkId, Int,      0,  -1,       0,  -1),
    SRTF_COL(R, SubmodelId,              Int,     -1,   0,   29491,  -1),
    SRTF_COL(R, MetaTableId,             Int,     -1,   1,   29492,  -1),
    SRTF_COL(R, TableRowId,              Int,     -1,   2,   29493,  -1),
    SRTF_COL(R, cxNode,                  Int,     -1,   3,   29494,  -1),
    SRTF_COL(R, cyNode,                  Int,     -1,   4,   29495,  -1),
    SRTF_COL(R, xNode,                   Int,     -1,   5,   29496,  -1),
    SRTF_COL(R, yNode,                   Int,     -1,   6,   29497,  -1),
    SRTF_COL(R, Flags,                   Int,     -1,   7,   29498,  -1),
    SRTF_COL(R, xNodeBackup,             Int,     -1,   8,   29546,  -1),
    SRTF_COL(R, yNodeBackup,             Int,     -1,   9,   29547,  -1),
    SRTF_COL(R, cxNodeBackup,            Int,     -1,  10,   29548,  -1),
    SRTF_COL(R, cyNodeBackup,            Int,     -1,  11,   29619,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDSubmodelSchemaObjLinkSection, CDDSubmodelSchemaObjLink,
                      "SubmodelSchemaObjLink_Base", "SubmodelSchemaObjLink_Latest")

#define R CDDMetaEdgeDisplay
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member               type    key data  property refers
    SRTF_COL(R, MetaEdgeDisplayId,      Int,      0,  -1,       0,  -1),
    SRTF_COL(R, SubModelId,             Int,      1,  -1,       0,  68),
    SRTF_COL(R, ParentSubjectAreaId,    Int,      2,  -1,       0, 207),
    SRTF_COL(R, ChildSubjectAreaId,     Int,      3,  -1,       0, 207),
    SRTF_COL(R, TableRowId,             Int,      4,  -1,       0,  31),
    SRTF_COL(R, MetaTableId,            Int,      5,  -1,       0,  -1),
    SRTF_COL(R, DesiredRoutingStyle,    Int,     -1,   0,   29986,  -1),
    SRTF_COL(R, ParentConnectorFlags,   Int,     -1,   1,   29987,  -1),
    SRTF_COL(R, ParentConnectorOffsetX, Int,     -1,   2,   29988,  -1),
    SRTF_COL(R, ParentConnectorOffsetY, Int,     -1,   3,   29989,  -1),
    SRTF_COL(R, ParentConnectorPerMils, Int,     -1,   4,   29990,  -1),
    SRTF_COL(R, ChildConnectorFlags,    Int,     -1,   5,   29991,  -1),
    SRTF_COL(R, ChildConnectorOffsetX,  Int,     -1,   6,   29992,  -1),
    SRTF_COL(R, ChildConnectorOffsetY,  Int,     -1,   7,   29993,  -1),
    SRTF_COL(R, ChildConnectorPerMils,  Int,     -1,   8,   29994,  -1),
    SRTF_COL(R, DockingType,            Int,     -1,   9,   29995,  -1),
    SRTF_COL(R, ElbowPosition,          Int,     -1,  10,   29996,  -1),
    SRTF_COL(R, ParentMetaTableId,      Int,      6,  -1,       0,  -1),
    SRTF_COL(R, ParentTableRowId,       Int,      7,  -1,       0,  31),
    SRTF_COL(R, ChildMetaTableId,       Int,      8,  -1,       0,  -1),
    SRTF_COL(R, ChildTableRowId,        Int,      9,  -1,       0,  31),
    SRTF_COL(R, Flags,                  Int,     -1,  11,   30087,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDMetaEdgeDisplaySection, CDDMetaEdgeDisplay,
                      "MetaEdgeDisplay_Base", "MetaEdgeDisplay_Latest")
