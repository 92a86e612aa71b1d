#include "ddoverride.h"

#define R CDDObjectColorOverride
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member              type    key data property refers
    SRTF_COL(R, ObjectColorOverrideId, Int,     0,  -1,      0,  -1),
    SRTF_COL(R, MetaTableId,           Int,     1,  -1,      0,  -1),
    SRTF_COL(R, Red,                   Int,    -1,   0,  29304,  -1),
    SRTF_COL(R, Green,                 Int,    -1,   1,  29306,  -1),
    SRTF_COL(R, ColorPropertyId,       Int,    -1,   2,  29308,  -1),
    SRTF_COL(R, Blue,                  Int,    -1,   3,  29305,  -1),
    SRTF_COL(R, TableRowId,            Int,     2,  -1,      0,  31),
    SRTF_COL(R, PropertyId,            Int,    -1,   4,  29307,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDObjectColorOverrideSection, CDDObjectColorOverride,
                      "Object_Color_Override_Base", "Object_Color_Override_Latest")

#define R CDDObjectFontOverride
SRTF_DD_RECORD_TABLE(R, 1,
    //       class member             type    key data property refers
    SRTF_COL(R, ClipPrecision,        Int,    -1,   0,  29328,  -1),
    SRTF_COL(R, ObjectFontOverrideId, Int,     0,  -1,      0,  -1),
    SRTF_COL(R, MetaTableId,          Int,     1,  -1,      0,  -1),
    SRTF_COL(R, TableRowId,           Int,     2,  -1,      0,  31),
    SRTF_COL(R, Face,                 String, -1,   1,  29313,  -1),
    SRTF_COL(R, Size,                 String, -1,   2,  29314,  -1),
    SRTF_COL(R, Bold,                 Int,    -1,   3,  29315,  -1),
    SRTF_COL(R, Italic,               Int,    -1,   4,  29316,  -1),
    SRTF_COL(R, Underline,            Int,    -1,   5,  29317,  -1),
    SRTF_COL(R, Strikeout,            Int,    -1,   6,  29318,  -1),
    SRTF_COL(R, Escapement,           Int,    -1,   7,  29319,  -1),
    SRTF_COL(R, Orientation,          Int,    -1,   8,  29320,  -1),
    SRTF_COL(R, CharacterSet,         Int,    -1,   9,  29321,  -1),
    SRTF_COL(R, OutputPrecision,      Int,    -1,  10,  29322,  -1),
    SRTF_COL(R, Quality,              Int,    -1,  11,  29323,  -1),
    SRTF_COL(R, Pitch,                Int,    -1,  12,  29324,  -1),
    SRTF_COL(R, Family,               Int,    -1,  13,  29325,  -1),
    SRTF_COL(R, PropertyId,           Int,    -1,  14,  29326,  -1),
    SRTF_COL(R, FontPropertyId,       Int,    -1,  15,  29327,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDObjectFontOverrideSection, CDDObjectFontOverride,
                      "Object_Font_Override_Base", "Object_Font_Override_Latest")

#define R CDDAttributeDisplayOverride
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                   type    key data property refers
    SRTF_COL(R, AttributeDisplayOverrideId, Int,     0,  -1,      0,  -1),
    SRTF_COL(R, AttributeId,                Int,     1,  -1,      0,   7),
    SRTF_COL(R, SubmodelId,                 Int,     2,  -1,      0,  68),
    SRTF_COL(R, Flags,                      Int,    -1,   0,  29786,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDAttributeDisplayOverrideSection, CDDAttributeDisplayOverride,
                      "AttributeDisplayOverride_Base", "AttributeDisplayOverride_Latest")
