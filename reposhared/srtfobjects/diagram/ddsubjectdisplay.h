// Placement of subject areas and bus data objects on a submodel's diagram:
// node rectangles, their expanded and backup copies, text settings and
// stacking order.
#ifndef SRTF_DIAGRAM_DDSUBJECTDISPLAY_H
#define SRTF_DIAGRAM_DDSUBJECTDISPLAY_H

#include <string>

#include "sectionbase.h"

// The two references stand in the middle of the line (after the expanded
// set); the data walk passes over them.
class CDDSubjectAreaDisplay : public CDDRecord {
    SRTF_RECORD_KIND(CDDSubjectAreaDisplay)
    int SubjectAreaDisplayId = 0;
    int xNode = 0;
    int yNode = 0;
    int cxNode = 0;
    int cyNode = 0;
    int HorizTextJustification = 0;
    int WrapText = 0;
    int FitShape = 0;
    int xNodeExp = 0;
    int yNodeExp = 0;
    int cxNodeExp = 0;
    int cyNodeExp = 0;
    int zOrderExp = 0;
    int HorizTextJustificationExp = 0;
    int VertTextJustificationExp = 0;
    int WrapTextExp = 0;
    int FitShapeExp = 0;
    int SubjectAreaId = 0;
    int SubModelId = 0;
    int xNodeBackup = 0;
    int yNodeBackup = 0;
    int cxNodeBackup = 0;
    int cyNodeBackup = 0;
    int zOrder = 0;
    int VertTextJustification = 0;
    int ExpandedState = 0;
};

class CDDSubjectAreaDisplaySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDSubjectAreaDisplaySection)
};

class CDDBusDataObjectDisplay : public CDDRecord {
    SRTF_RECORD_KIND(CDDBusDataObjectDisplay)
    int BusDataObjectDisplayId = 0;
    int SubmodelId = 0;
    int BusDataObjectId = 0;
    int xNode = 0;
    int yNode = 0;
    int cxNode = 0;
    int cyNode = 0;
    int cxCollapsedNode = 0;
    int cyCollapsedNode = 0;
    int xNodeBackup = 0;
    int yNodeBackup = 0;
    int cxNodeBackup = 0;
    int cyNodeBackup = 0;
    int cxCollapsedNodeBackup = 0;
    int cyCollapsedNodeBackup = 0;
    int HorizontalTextJustification = 0;
    int VerticalTextJustification = 0;
    int zOrder = 0;
    int Flags = 0;
};

class CDDBusDataObjectDisplaySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDBusDataObjectDisplaySection)
};

#endif
