#include "repository/detailreports.h"

#define R CMeasurement
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member         type    key data  property refers
    SRTF_COL(R, MeasurementName,  String, -1,   0,       0,  -1),
    SRTF_COL(R, Value,            String, -1,   1,       0,  -1),
    SRTF_COL(R, Units,            String, -1,   2,       0,  -1),
    SRTF_COL(R, Level,            Int,    -1,   3,       0,  -1),
    SRTF_COL(R, Parent,           String, -1,   4,       0,  -1),
    SRTF_COL(R, Category,         String, -1,   5,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CPerformanceSection, CMeasurement, "Measurement", false)

#define R CErrorDetail
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member         type    key data  property refers
    SRTF_COL(R, Subsystem,        String, -1,   0,       0,  -1),
    SRTF_COL(R, Obj_Type,         String, -1,   1,       0,  -1),
    SRTF_COL(R, Obj_GUID,         Guid,   -1,   2,       0,  -1),
    SRTF_COL(R, Ver_GUID,         Guid,   -1,   3,       0,  -1),
    SRTF_COL(R, Error_Desc,       String, -1,   4,       0,  -1),
    SRTF_COL(R, Error_Code,       Hex,    -1,   5,       0,  -1),
    SRTF_COL(R, Severity,         Int,    -1,   6,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CErrorDetailSection, CErrorDetail, "ErrorDetail", false)

#define R CWarningDetail
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member         type    key data  property refers
    SRTF_COL(R, Subsystem,        String, -1,   0,       0,  -1),
    SRTF_COL(R, Obj_Type,         String, -1,   1,       0,  -1),
    SRTF_COL(R, Obj_GUID,         Guid,   -1,   2,       0,  -1),
    SRTF_COL(R, Ver_GUID,         Guid,   -1,   3,       0,  -1),
    SRTF_COL(R, Error_Desc,       String, -1,   4,       0,  -1),
    SRTF_COL(R, Error_Code,       Hex,    -1,   5,       0,  -1),
    SRTF_COL(R, Severity,         Int,    -1,   6,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CWarningDetailSection, CWarningDetail, "WarningDetail", false)
