// Shape edge and shape-edge display sections: the lines of a model that join
// two objects, and how each is drawn on a submodel's diagram.
#ifndef SRTF_DIAGRAM_DDSHAPEEDGE_H
#define SRTF_DIAGRAM_DDSHAPEEDGE_H

#include <string>

#include "sectionbase.h"

// A line of a model between two objects, each end named by a meta-table id
// and a row id. The meta-table ids are tech keys without a target; both row
// ids refer to the entity section, so SetForeignKey with that id fills
// ParentTableRowId only.
class CDDShapeEdge : public CDDRecord {
    SRTF_RECORD_KIND(CDDShapeEdge)
    int ShapeEdgeId = 0;
    int ModelId = 0;
    int ParentMetaTableId = 0;
    int ChildMetaTableId = 0;
    int ParentTableRowId = 0;
    int ChildTableRowId = 0;
    std::string Name;
    std::string VerbPhrase;
    std::string InverseVerbPhrase;
    int NSTFlag = 0;
};

class CDDShapeEdgeSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDShapeEdgeSection)
};

// How a shape edge is drawn on a submodel's diagram. The line begins with
// ParentConnectorFlags, a data property; the own id (ShapeEdgeDisplayId) is
// the second column. ChildConnectorPerMils stands before ChildConnectorFlags;
// each keeps the property id of its name.
class CDDShapeEdgeDisplay : public CDDRecord {
    SRTF_RECORD_KIND(CDDShapeEdgeDisplay)
    int ParentConnectorFlags = 0;
    int ShapeEdgeDisplayId = 0;
    int ShapeEdgeId = 0;
    int SubmodelId = 0;
    int LineWidth = 0;
    int PenStyle = 0;
    int CurvatureStyle = 0;
    int SourceArrowHeadStyle = 0;
    int TargetArrowHeadStyle = 0;
    int DesiredRoutingStyle = 0;
    int ParentConnectorOffsetX = 0;
    int ParentConnectorOffsetY = 0;
    int ParentConnectorPerMils = 0;
    int ChildConnectorPerMils = 0;
    int ChildConnectorFlags = 0;
    int ChildConnectorOffsetX = 0;
    int ChildConnectorOffsetY = 0;
    int DockingType = 0;
    int VerbOffsetX = 0;
    int VerbOffsetY = 0;
    int InverseVerbOffsetX = 0;
    int InverseVerbOffsetY = 0;
    int cxName = 0;
    int cyName = 0;
    int cxVerbPhrase = 0;
    int cyVerbPhrase = 0;
    int cxInverseVerbPhrase = 0;
    int cyInverseVerbPhrase = 0;
    int NameOrientation = 0;
    int VerbPhraseOrientation = 0;
    int InverseVerbPhraseOrientation = 0;
    int NameOffsetX = 0;
    int NameOffsetY = 0;
};

class CDDShapeEdgeDisplaySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDShapeEdgeDisplaySection)
};

#endif
