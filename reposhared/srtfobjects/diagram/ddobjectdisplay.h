// Entity and view display sections: the place, size and background colour
// of an entity or a database view on a submodel's diagram.
#ifndef SRTF_DIAGRAM_DDOBJECTDISPLAY_H
#define SRTF_DIAGRAM_DDOBJECTDISPLAY_H

#include "sectionbase.h"

// An entity's box and background colour on one submodel's diagram.
class CDDEntityDisplay : public CDDRecord {
    SRTF_RECORD_KIND(CDDEntityDisplay)
    int EntityDisplayId = 0;
    int SubmodelId = 0;
    int EntityId = 0;
    int HorizontalPosition = 0;
    int VerticalPosition = 0;
    int Width = 0;
    int Height = 0;
    int DisplayBackgroundColorOption = 0;
    int BackgroundColor = 0;
};

class CDDEntityDisplaySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDEntityDisplaySection)
};

// A database view's place and extent on one submodel's diagram. The line begins
// with the view's id; the record's own id (ViewDisplayId) is the second column
// and the second tech key.
class CDDViewDisplay : public CDDRecord {
    SRTF_RECORD_KIND(CDDViewDisplay)
    int DbViewId = 0;
    int ViewDisplayId = 0;
    int SubmodelId = 0;
    int ViewBackgroundColor = 0;
    int DefaultHorzPosition = 0;
    int DefaultVertPosition = 0;
    int DisplayBkgColor = 0;
    int CxView = 0;
    int CyView = 0;
};

class CDDViewDisplaySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDViewDisplaySection)
};

#endif
