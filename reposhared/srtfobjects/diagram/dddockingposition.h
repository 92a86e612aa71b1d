// Docking position sections: where a drawn line docks at the displays at
// its two ends, and the sides and positions per display level.
#ifndef SRTF_DIAGRAM_DDDOCKINGPOSITION_H
#define SRTF_DIAGRAM_DDDOCKINGPOSITION_H

#include "sectionbase.h"

// Where a line docks at the displays at its two ends. Ten of the eleven
// columns are tech keys; the two supertype-display columns without the Id
// suffix are no foreign keys. Two pairs refer to one section each, so
// SetForeignKey fills the parent column of each pair.
class CDDDockingPosition : public CDDRecord {
    SRTF_RECORD_KIND(CDDDockingPosition)
    int DockingPositionId = 0;
    int ParentEntityDisplay = 0;
    int RelationshipDisplayId = 0;
    int ChildEntityDisplay = 0;
    int ParentSupertypeDisplay = 0;
    int ParentViewDisplayId = 0;
    int ChildViewDisplayId = 0;
    int ViewRelationshipDisplayId = 0;
    int ChildSupertypeDisplay = 0;
    int SupertypeDisplayId = 0;
    int DockingType = 0;
};

class CDDDockingPositionSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDockingPositionSection)
};

// The sides and relative positions of a docking position for one display
// level.
class CDDDockPosDispLevel : public CDDRecord {
    SRTF_RECORD_KIND(CDDDockPosDispLevel)
    int DockPosDispLevelId = 0;
    int DockingPositionId = 0;
    int ParentSide = 0;
    int ChildSide = 0;
    int ParentRelativePosition = 0;
    int ChildRelativePosition = 0;
    int DisplayLevel = 0;
};

class CDDDockPosDispLevelSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDockPosDispLevelSection)
};

#endif
