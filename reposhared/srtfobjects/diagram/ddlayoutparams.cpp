#include "ddlayoutparams.h"

#define R CDDGraphGeometry
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                  type    key data property refers
    SRTF_COL(R, GraphGeometryId,           Int,     0,  -1,      0,  -1),
    SRTF_COL(R, Undirected,                Int,    -1,   0,  29412,  -1),
    SRTF_COL(R, ProportionalRightSpacing,  Int,    -1,   1,  29414,  -1),
    SRTF_COL(R, ProportionalBottomSpacing, Int,    -1,   2,  29416,  -1),
    SRTF_COL(R, ConstantRightSpacing,      Int,    -1,   3,  29418,  -1),
    SRTF_COL(R, ConstantTopSpacing,        Int,    -1,   4,  29419,  -1),
    SRTF_COL(R, ConstantBottomSpacing,     Int,    -1,   5,  29420,  -1),
    SRTF_COL(R, LayoutStyle,               Int,    -1,   6,  29421,  -1),
    SRTF_COL(R, HasCircularLayout,         Int,    -1,   7,  29422,  -1),
    SRTF_COL(R, HasHierarchicalLayout,     Int,    -1,   8,  29423,  -1),
    SRTF_COL(R, HasSymmetricLayout,        Int,    -1,   9,  29425,  -1),
    SRTF_COL(R, HasTreeLayout,             Int,    -1,  10,  29426,  -1),
    SRTF_COL(R, SubmodelId,                Int,     1,  -1,      0,  68),
    SRTF_COL(R, ProportionalLeftSpacing,   Int,    -1,  11,  29413,  -1),
    SRTF_COL(R, ProportionalTopSpacing,    Int,    -1,  12,  29415,  -1),
    SRTF_COL(R, ConstantLeftSpacing,       Int,    -1,  13,  29417,  -1),
    SRTF_COL(R, HasOrthogonalLayout,       Int,    -1,  14,  29424,  -1),
    SRTF_COL(R, NestedVwBotCnstSpc,        Int,    -1,  15,  29997,  -1),
    SRTF_COL(R, NestedVwBotPrpSpc,         Int,    -1,  16,  29998,  -1),
    SRTF_COL(R, NestedVwLeftCnstSpc,       Int,    -1,  17,  29999,  -1),
    SRTF_COL(R, NestedVwLeftPrpSpc,        Int,    -1,  18,  30000,  -1),
    SRTF_COL(R, NestedVwRightCnstSpc,      Int,    -1,  19,  30001,  -1),
    SRTF_COL(R, NestedVwRightPrpSpc,       Int,    -1,  20,  30002,  -1),
    SRTF_COL(R, NestedVwTopCnstSpc,        Int,    -1,  21,  30003,  -1),
    SRTF_COL(R, NestedVwTopPrpSpc,         Int,    -1,  22,  30004,  -1),
    SRTF_COL(R, MultiEdgeSpacing,          Int,    -1,  23,  30005,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDGraphGeometrySection, CDDGraphGeometry,
                      "GraphGeometry_Base", "GraphGeometry_Latest")

#define R CDDCircularLayout
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                      type    key data property refers
    SRTF_COL(R, CircularLayoutId,              Int,     0,  -1,      0,  -1),
    SRTF_COL(R, SubmodelId,                    Int,     1,  -1,      0,  68),
    SRTF_COL(R, Degree,                        Int,    -1,   0,  29379,  -1),
    SRTF_COL(R, ClusterByGroupID,              Int,    -1,   1,  29380,  -1),
    SRTF_COL(R, ClusterByIPAddress,            Int,    -1,   2,  29381,  -1),
    SRTF_COL(R, ClusterByBiConnectivity,       Int,    -1,   3,  29382,  -1),
    SRTF_COL(R, AutomateGroupIDs,              Int,    -1,   4,  29383,  -1),
    SRTF_COL(R, MinNumberOfNodesInCluster,     Int,    -1,   5,  29384,  -1),
    SRTF_COL(R, MaxNumberOfNodesInCluster,     Int,    -1,   6,  29385,  -1),
    SRTF_COL(R, DisableMinNumberOfNodes,       Int,    -1,   7,  29386,  -1),
    SRTF_COL(R, DisableMaxNumNodes,            Int,    -1,   8,  29387,  -1),
    SRTF_COL(R, ProportionalNodeSpacing,       Int,    -1,   9,  29388,  -1),
    SRTF_COL(R, ConstantNodeSpacing,           Int,    -1,  10,  29389,  -1),
    SRTF_COL(R, IncrementalInComponentLayout,  Int,    -1,  11,  29390,  -1),
    SRTF_COL(R, IncremDisconnectedNodeLyt,     Int,    -1,  12,  29391,  -1),
    SRTF_COL(R, IncremComponentLayout,         Int,    -1,  13,  29392,  -1),
    SRTF_COL(R, AccumulatedInternalGroupID,    Int,    -1,  14,  29393,  -1),
    SRTF_COL(R, ProportionalRadialSpacing,     Int,    -1,  15,  29394,  -1),
    SRTF_COL(R, ProportionalTangentialSpacing, Int,    -1,  16,  29395,  -1),
    SRTF_COL(R, ConstantRadialSpacing,         Int,    -1,  17,  29396,  -1),
    SRTF_COL(R, ConstantTangentialSpacing,     Int,    -1,  18,  29397,  -1),
    SRTF_COL(R, RadialAlignment,               Int,    -1,  19,  29398,  -1),
    SRTF_COL(R, NodeSpacing,                   Int,    -1,  20,  30006,  -1),
    SRTF_COL(R, ClusterSpacing,                Int,    -1,  21,  30007,  -1),
    SRTF_COL(R, ClusterLayoutStyle,            Int,    -1,  22,  30008,  -1),
    SRTF_COL(R, MinNumberOfClusters,           Int,    -1,  23,  30009,  -1),
    SRTF_COL(R, MaxNumberOfClusters,           Int,    -1,  24,  30010,  -1),
    SRTF_COL(R, ClusterSizeFactor,             Int,    -1,  25,  30011,  -1),
    SRTF_COL(R, Quality,                       Int,    -1,  26,  30012,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDCircularLayoutSection, CDDCircularLayout,
                      "CircularLayout_Base", "CircularLayout_Latest")

#define R CDDComponentsLayout
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                  type    key data property refers
    SRTF_COL(R, ComponentsLayoutId,        Int,     0,  -1,      0,  -1),
    SRTF_COL(R, Detect,                    Int,    -1,   0,  29400,  -1),
    SRTF_COL(R, ProportionalColumnSpacing, Int,    -1,   1,  29402,  -1),
    SRTF_COL(R, ConstantColumnSpacing,     Int,    -1,   2,  29404,  -1),
    SRTF_COL(R, PackingStyle,              Int,    -1,   3,  29406,  -1),
    SRTF_COL(R, Stagger,                   Int,    -1,   4,  29409,  -1),
    SRTF_COL(R, SubmodelId,                Int,     1,  -1,      0,  68),
    SRTF_COL(R, ProportionalRowSpacing,    Int,    -1,   5,  29401,  -1),
    SRTF_COL(R, ConstantRowSpacing,        Int,    -1,   6,  29403,  -1),
    SRTF_COL(R, LayoutStyle,               Int,    -1,   7,  29405,  -1),
    SRTF_COL(R, TilingStyle,               Int,    -1,   8,  29407,  -1),
    SRTF_COL(R, StaggerBy,                 Int,    -1,   9,  29410,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDComponentsLayoutSection, CDDComponentsLayout,
                      "ComponentsLayout_Base", "ComponentsLayout_Latest")

#define R CDDDisconnectedNodesLayout
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                  type    key data property refers
    SRTF_COL(R, DisconnectedNodesLayoutId, Int,     0,  -1,      0,  -1),
    SRTF_COL(R, SubmodelId,                Int,     1,  -1,      0,  68),
    SRTF_COL(R, ProportionalRowSpacing,    Int,    -1,   0,  29401,  -1),
    SRTF_COL(R, ConstantRowSpacing,        Int,    -1,   1,  29403,  -1),
    SRTF_COL(R, LayoutStyle,               Int,    -1,   2,  29405,  -1),
    SRTF_COL(R, TilingStyle,               Int,    -1,   3,  29407,  -1),
    SRTF_COL(R, Stagger,                   Int,    -1,   4,  29409,  -1),
    SRTF_COL(R, Detect,                    Int,    -1,   5,  29400,  -1),
    SRTF_COL(R, ProportionalColumnSpacing, Int,    -1,   6,  29402,  -1),
    SRTF_COL(R, ConstantColumnSpacing,     Int,    -1,   7,  29404,  -1),
    SRTF_COL(R, PackingStyle,              Int,    -1,   8,  29406,  -1),
    SRTF_COL(R, TileByName,                Int,    -1,   9,  29408,  -1),
    SRTF_COL(R, StaggerBy,                 Int,    -1,  10,  29410,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDDisconnectedNodesLayoutSection, CDDDisconnectedNodesLayout,
                      "DisconnectedNodeLayout_Base", "DisconnectedNodeLayout_Latest")

#define R CDDSymmetricLayout
SRTF_DD_RECORD_TABLE(R, 1,
    //       class member                           type    key data property refers
    SRTF_COL(R, SubmodelId,                         Int,     0,  -1,      0,  68),
    SRTF_COL(R, SymmetricLayoutId,                  Int,     1,  -1,      0,  -1),
    SRTF_COL(R, NodeSpacing,                        Int,    -1,   0,  29454,  -1),
    SRTF_COL(R, RandomSeed,                         Int,    -1,   1,  29455,  -1),
    SRTF_COL(R, RouteEdges,                         Int,    -1,   2,  29456,  -1),
    SRTF_COL(R, DegreeSpacing,                      Int,    -1,   3,  29457,  -1),
    SRTF_COL(R, PreventNodeOverlaping,              Int,    -1,   4,  29458,  -1),
    SRTF_COL(R, IncrementalWithinComponentLayout,   Int,    -1,   5,  29390,  -1),
    SRTF_COL(R, IncrementalDisconnectedNodesLayout, Int,    -1,   6,  29391,  -1),
    SRTF_COL(R, IncrementalComponentsLayout,        Int,    -1,   7,  29392,  -1),
    SRTF_COL(R, Quality,                            Int,    -1,   8,  30026,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDSymmetricLayoutSection, CDDSymmetricLayout,
                      "SymmetricLayout_Base", "SymmetricLayout_Latest")

#define R CDDHierarchicalLayout
SRTF_DD_RECORD_TABLE(R, 23,
    //       class member                           type    key data property refers
    SRTF_COL(R, SubmodelId,                         Int,     0,  -1,      0,  68),
    SRTF_COL(R, DiscardLevels,                      Int,    -1,   0,  29428,  -1),
    SRTF_COL(R, DisableMinSlopePerMil,              Int,    -1,   1,  29429,  -1),
    SRTF_COL(R, MinSlopePerMil,                     Int,    -1,   2,  29430,  -1),
    SRTF_COL(R, KeepLevelPosition,                  Int,    -1,   3,  29431,  -1),
    SRTF_COL(R, RespectFlow,                        Int,    -1,   4,  29432,  -1),
    SRTF_COL(R, OrthogonalRouting,                  Int,    -1,   5,  29433,  -1),
    SRTF_COL(R, VariableLevelSpacing,               Int,    -1,   6,  29434,  -1),
    SRTF_COL(R, HorizontalEdgeSpacing,              Int,    -1,   7,  29435,  -1),
    SRTF_COL(R, VerticalEdgeSpacing,                Int,    -1,   8,  29436,  -1),
    SRTF_COL(R, LevelOrientation,                   Int,    -1,   9,  29437,  -1),
    SRTF_COL(R, LevelAlignment,                     Int,    -1,  10,  29438,  -1),
    SRTF_COL(R, Quality,                            Int,    -1,  11,  29439,  -1),
    SRTF_COL(R, ConstantLevelSpacing,               Int,    -1,  12,  29440,  -1),
    SRTF_COL(R, ProportionalLevelSpacing,           Int,    -1,  13,  29441,  -1),
    SRTF_COL(R, ConstantNodeSpacing,                Int,    -1,  14,  29389,  -1),
    SRTF_COL(R, ProportionalNodeSpacing,            Int,    -1,  15,  29388,  -1),
    SRTF_COL(R, UsePorts,                           Int,    -1,  16,  29442,  -1),
    SRTF_COL(R, MergeEdgeChannels,                  Int,    -1,  17,  29443,  -1),
    SRTF_COL(R, CalculatedSize,                     Int,    -1,  18,  29444,  -1),
    SRTF_COL(R, PortSharingMaximization,            Int,    -1,  19,  29445,  -1),
    SRTF_COL(R, ReduceCrossings,                    Int,    -1,  20,  29446,  -1),
    SRTF_COL(R, IncrementalWithinComponentLayout,   Int,    -1,  21,  29390,  -1),
    SRTF_COL(R, HierarchicalLayoutId,               Int,     1,  -1,      0,  -1),
    SRTF_COL(R, IncrementalDisconnectedNodesLayout, Int,    -1,  22,  29391,  -1),
    SRTF_COL(R, IncrementalComponentsLayout,        Int,    -1,  23,  29392,  -1),
    SRTF_COL(R, StaggerEndNodes,                    Int,    -1,  24,  30023,  -1),
    SRTF_COL(R, StaggerEndNodesBy,                  Int,    -1,  25,  30024,  -1),
    SRTF_COL(R, EdgeSpacing,                        Int,    -1,  26,  30025,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDHierarchicalLayoutSection, CDDHierarchicalLayout,
                      "HierarchicalLayout_Base", "HierarchicalLayout_Latest")

#define R CDDOrthogonalLayout
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                           type    key data property refers
    SRTF_COL(R, OrthogonalLayoutId,                 Int,     0,  -1,      0,  -1),
    SRTF_COL(R, HasOrthogonalLayout,                Int,    -1,   0,  29424,  -1),
    SRTF_COL(R, UpwardDrawing,                      Int,    -1,   1,  29447,  -1),
    SRTF_COL(R, SubmodelId,                         Int,     1,  -1,      0,  68),
    SRTF_COL(R, NumberOfCompactions,                Int,    -1,   2,  29448,  -1),
    SRTF_COL(R, HorizontalNodeSpacing,              Int,    -1,   3,  29449,  -1),
    SRTF_COL(R, VerticalNodeSpacing,                Int,    -1,   4,  29450,  -1),
    SRTF_COL(R, HorizontalEdgeSpacing,              Int,    -1,   5,  29435,  -1),
    SRTF_COL(R, VerticalEdgeSpacing,                Int,    -1,   6,  29436,  -1),
    SRTF_COL(R, UsePorts,                           Int,    -1,   7,  29442,  -1),
    SRTF_COL(R, SideOffsetPerMil,                   Int,    -1,   8,  29451,  -1),
    SRTF_COL(R, KeepNodeSizes,                      Int,    -1,   9,  29452,  -1),
    SRTF_COL(R, RespectNodePositions,               Int,    -1,  10,  29453,  -1),
    SRTF_COL(R, IncrementalWithinComponentLayout,   Int,    -1,  11,  29390,  -1),
    SRTF_COL(R, IncrementalDisconnectedNodesLayout, Int,    -1,  12,  29391,  -1),
    SRTF_COL(R, IncrementalComponentsLayout,        Int,    -1,  13,  29392,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDOrthogonalLayoutSection, CDDOrthogonalLayout,
                      "OrthogonalLayout_Base", "OrthogonalLayout_Latest")

#define R CDDTreeLayout
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                           type    key data property refers
    SRTF_COL(R, TreeLayoutId,                       Int,     0,  -1,      0,  -1),
    SRTF_COL(R, ProportionalBranchSpacing,          Int,    -1,   0,  29464,  -1),
    SRTF_COL(R, SubmodelId,                         Int,     1,  -1,      0,  68),
    SRTF_COL(R, RouteNonTreeEdgesWithinLevels,      Int,    -1,   1,  29459,  -1),
    SRTF_COL(R, RouteNonTreeEdgesBTWLevels,         Int,    -1,   2,  29460,  -1),
    SRTF_COL(R, ConstantSiblingSpacing,             Int,    -1,   3,  29461,  -1),
    SRTF_COL(R, ProportionalSiblingSpacing,         Int,    -1,   4,  29462,  -1),
    SRTF_COL(R, ConstantBranchSpacing,              Int,    -1,   5,  29463,  -1),
    SRTF_COL(R, ConstantLevelSpacing,               Int,    -1,   6,  29440,  -1),
    SRTF_COL(R, ProportionalLevelSpacing,           Int,    -1,   7,  29441,  -1),
    SRTF_COL(R, HorizontalEdgeSpacing,              Int,    -1,   8,  29435,  -1),
    SRTF_COL(R, LevelAlignment,                     Int,    -1,   9,  29438,  -1),
    SRTF_COL(R, IncrementalWithinComponentLayout,   Int,    -1,  10,  29390,  -1),
    SRTF_COL(R, IncrementalDisconnectedNodesLayout, Int,    -1,  11,  29391,  -1),
    SRTF_COL(R, IncrementalComponentsLayout,        Int,    -1,  12,  29392,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDTreeLayoutSection, CDDTreeLayout,
                      "TreeLayout_Base", "TreeLayout_Latest")
