// Diagram display section: the display settings of a submodel's diagram
// (zoom, view size and scroll position, page set-up, what the diagram shows).
#ifndef SRTF_DIAGRAM_DDDIAGRAMDISPLAY_H
#define SRTF_DIAGRAM_DDDIAGRAMDISPLAY_H

#include "sectionbase.h"

// The display settings of one submodel's diagram; every column is an integer
// that the section keeps as read.
class CDDDiagramDisplay : public CDDRecord {
    SRTF_RECORD_KIND(CDDDiagramDisplay)
    int DiagramDisplayId = 0;
    int SubmodelId = 0;
    int PlatformId = 0;
    int Animate = 0;
    int ZoomFactor = 0;
    int HviewSize = 0;
    int VviewSize = 0;
    int HorizontalScrollPosition = 0;
    int VerticalScrollPosition = 0;
    int PageOrientation = 0;
    int PageSize = 0;
    int DisplayFormat = 0;
    int Shadow = 0;
    int CompleteRoleName = 0;
    int ShowVerbs = 0;
    int ShowCardinality = 0;
    int MethodologyId = 0;
    int StraightRelLine = 0;
    int PageBoundary = 0;
    int ShowViewRelationship = 0;
    int ShowView = 0;
    int HideTrigger = 0;
    int EntityDisplayInfo = 0;
    int ViewDisplayFormat = 0;
    int ViewDisplayInfo = 0;
    int ShowSchemaObj = 0;
    int ShowSchemaObjEdge = 0;
    int SchemaObjDisplayFormat = 0;
    int ShowRelName = 0;
    int ShowRelLogName = 0;
    int ShowRelTrigger = 0;
    int ShowShape = 0;
    int ShowShapeEdge = 0;
    int ShowShapeName = 0;
    int ShowShapeEdgeName = 0;
    int ShowShapeEdgeVerbs = 0;
    int TransformationDisplayFormat = 0;
};

class CDDDiagramDisplaySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDiagramDisplaySection)
};

#endif
