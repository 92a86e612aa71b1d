#include "ddsubjectdisplay.h"

#define R CDDSubjectAreaDisplay
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                  type    key data property refers
    SRTF_COL(R, SubjectAreaDisplayId,      Int,     0,  -1,      0,  -1),
    SRTF_COL(R, xNode,                     Int,    -1,   0,  29957,  -1),
    SRTF_COL(R, yNode,                     Int,    -1,   1,  29958,  -1),
    SRTF_COL(R, cxNode,                    Int,    -1,   2,  29959,  -1),
    SRTF_COL(R, cyNode,                    Int,    -1,   3,  29960,  -1),
    SRTF_COL(R, HorizTextJustification,    Int,    -1,   4,  29961,  -1),
    SRTF_COL(R, WrapText,                  Int,    -1,   5,  29962,  -1),
    SRTF_COL(R, FitShape,                  Int,    -1,   6,  29963,  -1),
    SRTF_COL(R, xNodeExp,                  Int,    -1,   7,  29964,  -1),
    SRTF_COL(R, yNodeExp,                  Int,    -1,   8,  29965,  -1),
    SRTF_COL(R, cxNodeExp,                 Int,    -1,   9,  29966,  -1),
    SRTF_COL(R, cyNodeExp,                 Int,    -1,  10,  29967,  -1),
    SRTF_COL(R, zOrderExp,                 Int,    -1,  11,  29968,  -1),
    SRTF_COL(R, HorizTextJustificationExp, Int,    -1,  12,  29969,  -1),
    SRTF_COL(R, VertTextJustificationExp,  Int,    -1,  13,  29970,  -1),
    SRTF_COL(R, WrapTextExp,               Int,    -1,  14,  29971,  -1),
    SRTF_COL(R, FitShapeExp,               Int,    -1,  15,  29972,  -1),
    SRTF_COL(R, SubjectAreaId,             Int,     1,  -1,      0, 207),
    SRTF_COL(R, SubModelId,                Int,     2,  -1,      0,  68),
    SRTF_COL(R, xNodeBackup,               Int,    -1,  16,  29973,  -1),
    SRTF_COL(R, yNodeBackup,               Int,    -1,  17,  29974,  -1),
    SRTF_COL(R, cxNodeBackup,              Int,    -1,  18,  29975,  -1),
    SRTF_COL(R, cyNodeBackup,              Int,    -1,  19,  29976,  -1),
    SRTF_COL(R, zOrder,                    Int,    -1,  20,  29977,  -1),
    SRTF_COL(R, VertTextJustification,     Int,    -1,  21,  29978,  -1),
    SRTF_COL(R, ExpandedState,             Int,    -1,  22,  29979,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDSubjectAreaDisplaySection, CDDSubjectAreaDisplay,
                      "SubjectAreaDisplay_Base", "SubjectAreaDisplay_Latest")

#define R CDDBusDataObjectDisplay
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                    type    key data property refers
    SRTF_COL(R, BusDataObjectDisplayId,      Int,     0,  -1,      0,  -1),
    SRTF_COL(R, SubmodelId,                  Int,     1,  -1,      0,  68),
    SRTF_COL(R, BusDataObjectId,             Int,     2,  -1,      0, 221),
    SRTF_COL(R, xNode,                       Int,    -1,   0,  30060,  -1),
    SRTF_COL(R, yNode,                       Int,    -1,   1,  30061,  -1),
    SRTF_COL(R, cxNode,                      Int,    -1,   2,  30062,  -1),
    SRTF_COL(R, cyNode,                      Int,    -1,   3,  30063,  -1),
    SRTF_COL(R, cxCollapsedNode,             Int,    -1,   4,  30064,  -1),
    SRTF_COL(R, cyCollapsedNode,             Int,    -1,   5,  30065,  -1),
    SRTF_COL(R, xNodeBackup,                 Int,    -1,   6,  30066,  -1),
    SRTF_COL(R, yNodeBackup,                 Int,    -1,   7,  30067,  -1),
    SRTF_COL(R, cxNodeBackup,                Int,    -1,   8,  30068,  -1),
    SRTF_COL(R, cyNodeBackup,                Int,    -1,   9,  30069,  -1),
    SRTF_COL(R, cxCollapsedNodeBackup,       Int,    -1,  10,  30070,  -1),
    SRTF_COL(R, cyCollapsedNodeBackup,       Int,    -1,  11,  30071,  -1),
    SRTF_COL(R, HorizontalTextJustification, Int,    -1,  12,  30072,  -1),
    SRTF_COL(R, VerticalTextJustification,   Int,    -1,  13,  30073,  -1),
    SRTF_COL(R, zOrder,                      Int,    -1,  14,  30074,  -1),
    SRTF_COL(R, Flags,                       Int,    -1,  15,  30075,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDBusDataObjectDisplaySection, CDDBusDataObjectDisplay,
                      "BusDataObjectDisplay_Base", "BusDataObjectDisplay_Latest")
