#include "ddshape.h"

#define R CDDShape
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member     type    key data  property refers
    SRTF_COL(R, ShapeId,      Int,      0,  -1,       0,  -1),
    SRTF_COL(R, ModelId,      Int,      1,  -1,       0,  44),
    SRTF_COL(R, Name,         String,  -1,   0,   29560,  -1),
    SRTF_COL(R, Value,        String,  -1,   1,   29561,  -1),
    SRTF_COL(R, Type,         Int,     -1,   2,   29562,  -1),
    SRTF_COL(R, NSTFlag,      Int,     -1,   3,   29771,  -1),
    SRTF_COL(R, CompareFlags, Int,     -1,   4,   29870,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDShapeSection, CDDShape, "Shape_Base", "Shape_Latest")

#define R CDDShapeDisplay
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                    type    key data  property refers
    SRTF_COL(R, ShapeDisplayId,              Int,      0,  -1,       0,  -1),
    SRTF_COL(R, SubmodelId,                  Int,      1,  -1,       0,  68),
    SRTF_COL(R, ShapeId,                     Int,      2,  -1,       0,  63),
    SRTF_COL(R, xNode,                       Int,     -1,   0,   29566,  -1),
    SRTF_COL(R, yNode,                       Int,     -1,   1,   29567,  -1),
    SRTF_COL(R, cxNode,                      Int,     -1,   2,   29568,  -1),
    SRTF_COL(R, cyNode,                      Int,     -1,   3,   29569,  -1),
    SRTF_COL(R, xNodeBackup,                 Int,     -1,   4,   29570,  -1),
    SRTF_COL(R, yNodeBackup,                 Int,     -1,   5,   29571,  -1),
    SRTF_COL(R, cxNodeBackup,                Int,     -1,   6,   29572,  -1),
    SRTF_COL(R, cyNodeBackup,                Int,     -1,   7,   29573,  -1),
    SRTF_COL(R, ZOrder,                      Int,     -1,   8,   29574,  -1),
    SRTF_COL(R, IsContainer,                 Int,     -1,   9,   29575,  -1),
    SRTF_COL(R, HorizontalTextJustification, Int,     -1,  10,   29576,  -1),
    SRTF_COL(R, VerticalTextJustification,   Int,     -1,  11,   29577,  -1),
    SRTF_COL(R, WrapText,                    Int,     -1,  12,   29578,  -1),
    SRTF_COL(R, FitShape,                    Int,     -1,  13,   29579,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDShapeDisplaySection, CDDShapeDisplay,
                      "ShapeDisplay_Base", "ShapeDisplay_Latest")
