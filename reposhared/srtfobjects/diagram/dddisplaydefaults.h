// Grid display, colour default and font default sections: per-submodel
// display settings.
#ifndef SRTF_DIAGRAM_DDDISPLAYDEFAULTS_H
#define SRTF_DIAGRAM_DDDISPLAYDEFAULTS_H

#include <string>

#include "sectionbase.h"

// The grid of a submodel's diagram.
class CDDGridDisplay : public CDDRecord {
    SRTF_RECORD_KIND(CDDGridDisplay)
    int GridDisplayId = 0;
    int SubmodelId = 0;
    int Show = 0;
    int Snap = 0;
    int HorizontalSpacing = 0;
    int VerticalSpacing = 0;
    int HorizontalGridsPerLine = 0;
    int VerticalGridsPerLine = 0;
    int Units = 0;
};

class CDDGridDisplaySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDGridDisplaySection)
};

// A default colour of a submodel. PropertyId and ColorPropertyId are plain
// data values, not keys.
class CDDColorDefault : public CDDRecord {
    SRTF_RECORD_KIND(CDDColorDefault)
    int ColorDefaultId = 0;
    int SubmodelId = 0;
    int Red = 0;
    int Green = 0;
    int Blue = 0;
    int PropertyId = 0;
    int ColorPropertyId = 0;
    int InheritColorFlag = 0;
};

class CDDColorDefaultSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDColorDefaultSection)
};

// A default font of a submodel. Size is a text column, like Face: it keeps
// the line's text and is written quoted. PropertyId and FontPropertyId are
// plain data values, not keys.
class CDDFontDefault : public CDDRecord {
    SRTF_RECORD_KIND(CDDFontDefault)
    int FontDefaultId = 0;
    int SubmodelId = 0;
    std::string Face;
    std::string Size;
    int Bold = 0;
    int Italic = 0;
    int Underline = 0;
    int Strikeout = 0;
    int Escapement = 0;
    int Orientation = 0;
    int CharacterSet = 0;
    int OutputPrecision = 0;
    int ClipPrecision = 0;
    int Quality = 0;
    int Pitch = 0;
    int Family = 0;
    int PropertyId = 0;
    int FontPropertyId = 0;
};

class CDDFontDefaultSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDFontDefaultSection)
};

#endif
