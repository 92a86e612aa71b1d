// Per-object display overrides: the colour and the font of one object (named by
// its meta table and table row) and the display flags of one attribute in one
// submodel.
#ifndef SRTF_DIAGRAM_DDOVERRIDE_H
#define SRTF_DIAGRAM_DDOVERRIDE_H

#include <string>

#include "sectionbase.h"

class CDDObjectColorOverride : public CDDRecord {
    SRTF_RECORD_KIND(CDDObjectColorOverride)
    int ObjectColorOverrideId = 0;
    int MetaTableId = 0;
    int Red = 0;
    int Green = 0;
    int ColorPropertyId = 0;
    int Blue = 0;
    int TableRowId = 0;
    int PropertyId = 0;
};

class CDDObjectColorOverrideSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDObjectColorOverrideSection)
};

// The line begins with a data column; the record's id is the second field.
class CDDObjectFontOverride : public CDDRecord {
    SRTF_RECORD_KIND(CDDObjectFontOverride)
    int ClipPrecision = 0;
    int ObjectFontOverrideId = 0;
    int MetaTableId = 0;
    int TableRowId = 0;
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
    int Quality = 0;
    int Pitch = 0;
    int Family = 0;
    int PropertyId = 0;
    int FontPropertyId = 0;
};

class CDDObjectFontOverrideSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDObjectFontOverrideSection)
};

class CDDAttributeDisplayOverride : public CDDRecord {
    SRTF_RECORD_KIND(CDDAttributeDisplayOverride)
    int AttributeDisplayOverrideId = 0;
    int AttributeId = 0;
    int SubmodelId = 0;
    int Flags = 0;
};

class CDDAttributeDisplayOverrideSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDAttributeDisplayOverrideSection)
};

#endif
