// View-relationship and supertype display sections: the lines between two
// database views and the supertype symbols with their lines on a diagram.
#ifndef SRTF_DIAGRAM_DDLINEDISPLAY_H
#define SRTF_DIAGRAM_DDLINEDISPLAY_H

#include "sectionbase.h"

// The line between a parent and a child database view. Both view ids refer
// to the database-view section, so SetForeignKey with that id fills
// ParentDbViewId only.
class CDDViewRelationshipDisplay : public CDDRecord {
    SRTF_RECORD_KIND(CDDViewRelationshipDisplay)
    int ViewRelationshipDisplayId = 0;
    int SubmodelId = 0;
    int ParentDbViewId = 0;
    int ChildDbViewId = 0;
    int EntityId = 0;
    int ViewTableId = 0;
    int ElbowPosition = 0;
    int RoutingStyle = 0;
    int ParentConnectorFlags = 0;
    int ParentConnectorOffsetX = 0;
    int ParentConnectorOffsetY = 0;
    int ParentConnectorPerMils = 0;
    int ChildConnectorFlags = 0;
    int ChildConnectorOffsetX = 0;
    int ChildConnectorOffsetY = 0;
    int ChildConnectorPerMils = 0;
    int cxName = 0;
    int cyName = 0;
    int NameOrientation = 0;
    int NameOffsetX = 0;
    int NameOffsetY = 0;
};

class CDDViewRelationshipDisplaySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDViewRelationshipDisplaySection)
};

// A supertype symbol and its line. The own id (SupertypeDisplayId) is the
// fourth column and the last tech key. The parent-connector columns come as
// OffsetY, Flags, OffsetX, PerMils, each with the property id of its name (the
// same ids as in the relationship and view-relationship displays).
class CDDSupertypeDisplay : public CDDRecord {
    SRTF_RECORD_KIND(CDDSupertypeDisplay)
    int EntityId = 0;
    int SubmodelId = 0;
    int SupertypeId = 0;
    int SupertypeDisplayId = 0;
    int HorizontalPosition = 0;
    int VerticalPosition = 0;
    int ElbowPosition = 0;
    int RoutingStyle = 0;
    int ParentConnectorOffsetY = 0;
    int ParentConnectorFlags = 0;
    int ParentConnectorOffsetX = 0;
    int ParentConnectorPerMils = 0;
    int ChildConnectorFlags = 0;
    int ChildConnectorOffsetX = 0;
    int ChildConnectorOffsetY = 0;
    int ChildConnectorPerMils = 0;
};

class CDDSupertypeDisplaySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDSupertypeDisplaySection)
};

#endif
