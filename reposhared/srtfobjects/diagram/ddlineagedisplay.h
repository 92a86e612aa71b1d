// Placement of the data-lineage objects on a submodel's diagram: the node
// rectangles of transformations and lineage components, and the connectors,
// name and description of lineage streams.
#ifndef SRTF_DIAGRAM_DDLINEAGEDISPLAY_H
#define SRTF_DIAGRAM_DDLINEAGEDISPLAY_H

#include <string>

#include "sectionbase.h"

class CDDTransformationDisplay : public CDDRecord {
    SRTF_RECORD_KIND(CDDTransformationDisplay)
    int TransformationDisplayId = 0;
    int TransformationId = 0;
    int SubmodelId = 0;
    int xNode = 0;
    int yNode = 0;
    int cxNode = 0;
    int cyNode = 0;
    int xNodeBackup = 0;
    int yNodeBackup = 0;
    int cxNodeBackup = 0;
    int cyNodeBackup = 0;
};

class CDDTransformationDisplaySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDTransformationDisplaySection)
};

class CDDLineageComponentDisplay : public CDDRecord {
    SRTF_RECORD_KIND(CDDLineageComponentDisplay)
    int LineageComponentDisplayId = 0;
    int LineageComponentId = 0;
    int SubmodelId = 0;
    int xNode = 0;
    int yNode = 0;
    int cxNode = 0;
    int cyNode = 0;
    int xNodeBackup = 0;
    int yNodeBackup = 0;
    int cxNodeBackup = 0;
    int cyNodeBackup = 0;
};

class CDDLineageComponentDisplaySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDLineageComponentDisplaySection)
};

class CDDLineageStreamDisplay : public CDDRecord {
    SRTF_RECORD_KIND(CDDLineageStreamDisplay)
    int LineageStreamDisplayId = 0;
    int LineageStreamId = 0;
    int SubmodelId = 0;
    int DesiredRoutingStyle = 0;
    int ParentConnectorFlags = 0;
    int ParentConnectorOffsetX = 0;
    int ParentConnectorOffsetY = 0;
    int ParentConnectorPerMils = 0;
    int ChildConnectorFlags = 0;
    int ChildConnectorOffsetX = 0;
    int ChildConnectorOffsetY = 0;
    int ChildConnectorPerMils = 0;
    int DockingType = 0;
    int cxName = 0;
    int cyName = 0;
    int NameOffsetX = 0;
    int NameOffsetY = 0;
    int NameOrientation = 0;
    int cxDescription = 0;
    int cyDescription = 0;
    int DescriptionOffsetX = 0;
    int DescriptionOffsetY = 0;
    int DescriptionOrientation = 0;
};

class CDDLineageStreamDisplaySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDLineageStreamDisplaySection)
};

#endif
