#include "dddisplaydefaults.h"

#define R CDDGridDisplay
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member               type    key data  property refers
    SRTF_COL(R, GridDisplayId,          Int,      0,  -1,       0,  -1),
    SRTF_COL(R, SubmodelId,             Int,      1,  -1,       0,  68),
    SRTF_COL(R, Show,                   Int,     -1,   0,   28838,  -1),
    SRTF_COL(R, Snap,                   Int,     -1,   1,   28839,  -1),
    SRTF_COL(R, HorizontalSpacing,      Int,     -1,   2,   28840,  -1),
    SRTF_COL(R, VerticalSpacing,        Int,     -1,   3,   28841,  -1),
    SRTF_COL(R, HorizontalGridsPerLine, Int,     -1,   4,   28842,  -1),
    SRTF_COL(R, VerticalGridsPerLine,   Int,     -1,   5,   28843,  -1),
    SRTF_COL(R, Units,                  Int,     -1,   6,   28844,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDGridDisplaySection, CDDGridDisplay,
                      "Grid_Display_Base", "Grid_Display_Latest")

#define R CDDColorDefault
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member         type    key data  property refers
    SRTF_COL(R, ColorDefaultId,   Int,      0,  -1,       0,  -1),
    SRTF_COL(R, SubmodelId,       Int,      1,  -1,       0,  68),
    SRTF_COL(R, Red,              Int,     -1,   0,   28831,  -1),
    SRTF_COL(R, Green,            Int,     -1,   1,   28832,  -1),
    SRTF_COL(R, Blue,             Int,     -1,   2,   28833,  -1),
    SRTF_COL(R, PropertyId,       Int,     -1,   3,   28834,  -1),
    SRTF_COL(R, ColorPropertyId,  Int,     -1,   4,   28835,  -1),
    SRTF_COL(R, InheritColorFlag, Int,     -1,   5,   30089,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDColorDefaultSection, CDDColorDefault,
                      "Color_Default_Base", "Color_Default_Latest")

#define R CDDFontDefault
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member        type    key data  property refers
    SRTF_COL(R, FontDefaultId,   Int,      0,  -1,       0,  -1),
    SRTF_COL(R, SubmodelId,      Int,      1,  -1,       0,  68),
    SRTF_COL(R, Face,            String,  -1,   0,   28813,  -1),
    SRTF_COL(R, Size,            String,  -1,   1,   28814,  -1),
    SRTF_COL(R, Bold,            Int,     -1,   2,   28815,  -1),
    SRTF_COL(R, Italic,          Int,     -1,   3,   28816,  -1),
    SRTF_COL(R, Underline,       Int,     -1,   4,   28817,  -1),
    SRTF_COL(R, Strikeout,       Int,     -1,   5,   28818,  -1),
    SRTF_COL(R, Escapement,      Int,     -1,   6,   28819,  -1),
    SRTF_COL(R, Orientation,     Int,     -1,   7,   28820,  -1),
    SRTF_COL(R, CharacterSet,    Int,     -1,   8,   28821,  -1),
    SRTF_COL(R, OutputPrecision, Int,     -1,   9,   28822,  -1),
    SRTF_COL(R, ClipPrecision,   Int,     -1,  10,   28823,  -1),
    SRTF_COL(R, Quality,         Int,     -1,  11,   28824,  -1),
    SRTF_COL(R, Pitch,           Int,     -1,  12,   28825,  -1),
    SRTF_COL(R, Family,          Int,     -1,  13,   28826,  -1),
    SRTF_COL(R, PropertyId,      Int,     -1,  14,   28827,  -1),
    SRTF_COL(R, FontPropertyId,  Int,     -1,  15,   28828,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDFontDefaultSection, CDDFontDefault,
                      "Font_Default_Base", "Font_Default_Latest")
