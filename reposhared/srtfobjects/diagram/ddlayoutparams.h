// Parameter sets of the automatic layout kinds, one record per submodel and
// kind: graph geometry, circular, components, disconnected-nodes, symmetric,
// hierarchical, orthogonal and tree layouts. Settings that several kinds
// share report the same property id in each of them; the tables give the ids
// as each kind reports them.
#ifndef SRTF_DIAGRAM_DDLAYOUTPARAMS_H
#define SRTF_DIAGRAM_DDLAYOUTPARAMS_H

#include <string>

#include "sectionbase.h"

// SubmodelId stands in the middle of the line; the property ids follow an
// order of their own.
class CDDGraphGeometry : public CDDRecord {
    SRTF_RECORD_KIND(CDDGraphGeometry)
    int GraphGeometryId = 0;
    int Undirected = 0;
    int ProportionalRightSpacing = 0;
    int ProportionalBottomSpacing = 0;
    int ConstantRightSpacing = 0;
    int ConstantTopSpacing = 0;
    int ConstantBottomSpacing = 0;
    int LayoutStyle = 0;
    int HasCircularLayout = 0;
    int HasHierarchicalLayout = 0;
    int HasSymmetricLayout = 0;
    int HasTreeLayout = 0;
    int SubmodelId = 0;
    int ProportionalLeftSpacing = 0;
    int ProportionalTopSpacing = 0;
    int ConstantLeftSpacing = 0;
    int HasOrthogonalLayout = 0;
    int NestedVwBotCnstSpc = 0;
    int NestedVwBotPrpSpc = 0;
    int NestedVwLeftCnstSpc = 0;
    int NestedVwLeftPrpSpc = 0;
    int NestedVwRightCnstSpc = 0;
    int NestedVwRightPrpSpc = 0;
    int NestedVwTopCnstSpc = 0;
    int NestedVwTopPrpSpc = 0;
    int MultiEdgeSpacing = 0;
};

class CDDGraphGeometrySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDGraphGeometrySection)
};

class CDDCircularLayout : public CDDRecord {
    SRTF_RECORD_KIND(CDDCircularLayout)
    int CircularLayoutId = 0;
    int SubmodelId = 0;
    int Degree = 0;
    int ClusterByGroupID = 0;
    int ClusterByIPAddress = 0;
    int ClusterByBiConnectivity = 0;
    int AutomateGroupIDs = 0;
    int MinNumberOfNodesInCluster = 0;
    int MaxNumberOfNodesInCluster = 0;
    int DisableMinNumberOfNodes = 0;
    int DisableMaxNumNodes = 0;
    int ProportionalNodeSpacing = 0;
    int ConstantNodeSpacing = 0;
    int IncrementalInComponentLayout = 0;
    int IncremDisconnectedNodeLyt = 0;
    int IncremComponentLayout = 0;
    int AccumulatedInternalGroupID = 0;
    int ProportionalRadialSpacing = 0;
    int ProportionalTangentialSpacing = 0;
    int ConstantRadialSpacing = 0;
    int ConstantTangentialSpacing = 0;
    int RadialAlignment = 0;
    int NodeSpacing = 0;
    int ClusterSpacing = 0;
    int ClusterLayoutStyle = 0;
    int MinNumberOfClusters = 0;
    int MaxNumberOfClusters = 0;
    int ClusterSizeFactor = 0;
    int Quality = 0;
};

class CDDCircularLayoutSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDCircularLayoutSection)
};

// SubmodelId stands in the middle of the line.
class CDDComponentsLayout : public CDDRecord {
    SRTF_RECORD_KIND(CDDComponentsLayout)
    int ComponentsLayoutId = 0;
    int Detect = 0;
    int ProportionalColumnSpacing = 0;
    int ConstantColumnSpacing = 0;
    int PackingStyle = 0;
    int Stagger = 0;
    int SubmodelId = 0;
    int ProportionalRowSpacing = 0;
    int ConstantRowSpacing = 0;
    int LayoutStyle = 0;
    int TilingStyle = 0;
    int StaggerBy = 0;
};

class CDDComponentsLayoutSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDComponentsLayoutSection)
};

// The record types say Node where the class name says Nodes.
class CDDDisconnectedNodesLayout : public CDDRecord {
    SRTF_RECORD_KIND(CDDDisconnectedNodesLayout)
    int DisconnectedNodesLayoutId = 0;
    int SubmodelId = 0;
    int ProportionalRowSpacing = 0;
    int ConstantRowSpacing = 0;
    int LayoutStyle = 0;
    int TilingStyle = 0;
    int Stagger = 0;
    int Detect = 0;
    int ProportionalColumnSpacing = 0;
    int ConstantColumnSpacing = 0;
    int PackingStyle = 0;
    int TileByName = 0;
    int StaggerBy = 0;
};

class CDDDisconnectedNodesLayoutSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDisconnectedNodesLayoutSection)
};

// The line begins with SubmodelId; the record's id is the second field.
class CDDSymmetricLayout : public CDDRecord {
    SRTF_RECORD_KIND(CDDSymmetricLayout)
    int SubmodelId = 0;
    int SymmetricLayoutId = 0;
    int NodeSpacing = 0;
    int RandomSeed = 0;
    int RouteEdges = 0;
    int DegreeSpacing = 0;
    int PreventNodeOverlaping = 0;
    int IncrementalWithinComponentLayout = 0;
    int IncrementalDisconnectedNodesLayout = 0;
    int IncrementalComponentsLayout = 0;
    int Quality = 0;
};

class CDDSymmetricLayoutSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDSymmetricLayoutSection)
};

// The line begins with SubmodelId; the record's id is the 24th field.
class CDDHierarchicalLayout : public CDDRecord {
    SRTF_RECORD_KIND(CDDHierarchicalLayout)
    int SubmodelId = 0;
    int DiscardLevels = 0;
    int DisableMinSlopePerMil = 0;
    int MinSlopePerMil = 0;
    int KeepLevelPosition = 0;
    int RespectFlow = 0;
    int OrthogonalRouting = 0;
    int VariableLevelSpacing = 0;
    int HorizontalEdgeSpacing = 0;
    int VerticalEdgeSpacing = 0;
    int LevelOrientation = 0;
    int LevelAlignment = 0;
    int Quality = 0;
    int ConstantLevelSpacing = 0;
    int ProportionalLevelSpacing = 0;
    int ConstantNodeSpacing = 0;
    int ProportionalNodeSpacing = 0;
    int UsePorts = 0;
    int MergeEdgeChannels = 0;
    int CalculatedSize = 0;
    int PortSharingMaximization = 0;
    int ReduceCrossings = 0;
    int IncrementalWithinComponentLayout = 0;
    int HierarchicalLayoutId = 0;
    int IncrementalDisconnectedNodesLayout = 0;
    int IncrementalComponentsLayout = 0;
    int StaggerEndNodes = 0;
    int StaggerEndNodesBy = 0;
    int EdgeSpacing = 0;
};

class CDDHierarchicalLayoutSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDHierarchicalLayoutSection)
};

// SubmodelId is the fourth field.
class CDDOrthogonalLayout : public CDDRecord {
    SRTF_RECORD_KIND(CDDOrthogonalLayout)
    int OrthogonalLayoutId = 0;
    int HasOrthogonalLayout = 0;
    int UpwardDrawing = 0;
    int SubmodelId = 0;
    int NumberOfCompactions = 0;
    int HorizontalNodeSpacing = 0;
    int VerticalNodeSpacing = 0;
    int HorizontalEdgeSpacing = 0;
    int VerticalEdgeSpacing = 0;
    int UsePorts = 0;
    int SideOffsetPerMil = 0;
    int KeepNodeSizes = 0;
    int RespectNodePositions = 0;
    int IncrementalWithinComponentLayout = 0;
    int IncrementalDisconnectedNodesLayout = 0;
    int IncrementalComponentsLayout = 0;
};

class CDDOrthogonalLayoutSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDOrthogonalLayoutSection)
};

// SubmodelId is the third field.
class CDDTreeLayout : public CDDRecord {
    SRTF_RECORD_KIND(CDDTreeLayout)
    int TreeLayoutId = 0;
    int ProportionalBranchSpacing = 0;
    int SubmodelId = 0;
    int RouteNonTreeEdgesWithinLevels = 0;
    int RouteNonTreeEdgesBTWLevels = 0;
    int ConstantSiblingSpacing = 0;
    int ProportionalSiblingSpacing = 0;
    int ConstantBranchSpacing = 0;
    int ConstantLevelSpacing = 0;
    int ProportionalLevelSpacing = 0;
    int HorizontalEdgeSpacing = 0;
    int LevelAlignment = 0;
    int IncrementalWithinComponentLayout = 0;
    int IncrementalDisconnectedNodesLayout = 0;
    int IncrementalComponentsLayout = 0;
};

class CDDTreeLayoutSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDTreeLayoutSection)
};

#endif
