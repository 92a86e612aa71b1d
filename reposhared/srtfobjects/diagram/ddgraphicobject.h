// Graphic object and path node sections: free drawing objects on a diagram
// and the points of drawn lines.
#ifndef SRTF_DIAGRAM_DDGRAPHICOBJECT_H
#define SRTF_DIAGRAM_DDGRAPHICOBJECT_H

#include <string>

#include "sectionbase.h"

// A free drawing object on a submodel's diagram; its raw data is a text
// between the position and the backup columns.
class CDDGraphicObject : public CDDRecord {
    SRTF_RECORD_KIND(CDDGraphicObject)
    int GraphicObjectId = 0;
    int SubmodelId = 0;
    int GraphicObjectType = 0;
    int LeftPosition = 0;
    int TopPosition = 0;
    int RightPosition = 0;
    int BottomPosition = 0;
    std::string RawData;
    int xNodeBackup = 0;
    int yNodeBackup = 0;
    int cxNodeBackup = 0;
    int cyNodeBackup = 0;
};

class CDDGraphicObjectSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDGraphicObjectSection)
};

// One point of a drawn line. Key and value columns interleave: the six
// display ids are tech keys and foreign keys, while SchemaObjEdgeId is a plain
// data value.
class CDDPathNode : public CDDRecord {
    SRTF_RECORD_KIND(CDDPathNode)
    int PathNodeId = 0;
    int ViewRelationshipDispId = 0;
    int SuperTypeDisplayId = 0;
    int X = 0;
    int Y = 0;
    int SequenceNumber = 0;
    int RelationshipDispId = 0;
    int SchemaObjEdgeId = 0;
    int ShapeEdgeDisplayId = 0;
    int LineageStreamDisplayId = 0;
    int MetaEdgeDisplayId = 0;
};

class CDDPathNodeSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDPathNodeSection)
};

#endif
