// Shape and shape display sections: the drawing objects of a model and their
// place on a submodel's diagram.
#ifndef SRTF_DIAGRAM_DDSHAPE_H
#define SRTF_DIAGRAM_DDSHAPE_H

#include <string>

#include "sectionbase.h"

// A drawing object of a model: name, text value and type.
class CDDShape : public CDDRecord {
    SRTF_RECORD_KIND(CDDShape)
    int ShapeId = 0;
    int ModelId = 0;
    std::string Name;
    std::string Value;
    int Type = 0;
    int NSTFlag = 0;
    int CompareFlags = 0;
};

class CDDShapeSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDShapeSection)
};

// A shape's place, extent and text layout on one submodel's diagram, with a
// second (backup) set of place and extent.
class CDDShapeDisplay : public CDDRecord {
    SRTF_RECORD_KIND(CDDShapeDisplay)
    int ShapeDisplayId = 0;
    int SubmodelId = 0;
    int ShapeId = 0;
    int xNode = 0;
    int yNode = 0;
    int cxNode = 0;
    int cyNode = 0;
    int xNodeBackup = 0;
    int yNodeBackup = 0;
    int cxNodeBackup = 0;
    int cyNodeBackup = 0;
    int ZOrder = 0;
    int IsContainer = 0;
    int HorizontalTextJustification = 0;
    int VerticalTextJustification = 0;
    int WrapText = 0;
    int FitShape = 0;
};

class CDDShapeDisplaySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDShapeDisplaySection)
};

#endif
