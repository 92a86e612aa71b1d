#include "ddprocedure.h"

#define R CDDProc
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, ProcId,                  Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelId,                 Int,     1,  -1,       0,  44),
    SRTF_COL(R, Type,                    Int,    -1,   0,   28999,  -1),
    SRTF_COL(R, Flags,                   Hex,    -1,   1,   29000,  -1),
    SRTF_COL(R, Name,                    String, -1,   2,   29001,  -1),
    SRTF_COL(R, Description,             String, -1,   3,   29002,  -1),
    SRTF_COL(R, Value,                   String, -1,   4,   29003,  -1),
    SRTF_COL(R, Owner,                   String, -1,   5,   29004,  -1),
    SRTF_COL(R, NSTFlag,                 Int,    -1,   6,   29767,  -1),
    SRTF_COL(R, CompareFlags,            Int,    -1,   7,   29871,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDProcSection, CDDProc, "Proc_Base", "Proc_Latest")

// The id column is TemplatedProcId, column 1.
#define R CDDTemplatedProc
SRTF_DD_RECORD_TABLE(R, 1,
    //       class member                type    key data  property refers
    SRTF_COL(R, EntityId,                Int,     0,  -1,       0,  31),
    SRTF_COL(R, TemplatedProcId,         Int,     1,  -1,       0,  -1),
    SRTF_COL(R, Name,                    String, -1,   0,   29013,  -1),
    SRTF_COL(R, Description,             String, -1,   1,   29014,  -1),
    SRTF_COL(R, Flags,                   Hex,    -1,   2,   29015,  -1),
    SRTF_COL(R, Value,                   String, -1,   3,   29016,  -1),
    SRTF_COL(R, NSTFlag,                 Int,    -1,   4,   29774,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDTemplatedProcSection, CDDTemplatedProc, "Templated_Proc_Base",
                      "Templated_Proc_Latest")

#define R CDDDbPackage
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, DbPackageId,             Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelId,                 Int,     1,  -1,       0,  44),
    SRTF_COL(R, Owner,                   String, -1,   0,   29471,  -1),
    SRTF_COL(R, Name,                    String, -1,   1,   29472,  -1),
    SRTF_COL(R, Description,             String, -1,   2,   29473,  -1),
    SRTF_COL(R, Flags,                   Int,    -1,   3,   29474,  -1),
    SRTF_COL(R, HeaderValue,             String, -1,   4,   29475,  -1),
    SRTF_COL(R, BodyValue,               String, -1,   5,   29476,  -1),
    SRTF_COL(R, NSTFlag,                 Int,    -1,   6,   29761,  -1),
    SRTF_COL(R, CompareFlags,            Int,    -1,   7,   29872,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDDbPackageSection, CDDDbPackage, "DbPackage_Base", "DbPackage_Latest")

#define R CDDDbTrigger
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, DbTriggerId,             Int,     0,  -1,       0,  -1),
    SRTF_COL(R, EntityId,                Int,     1,  -1,       0,  31),
    SRTF_COL(R, Owner,                   String, -1,   0,   28981,  -1),
    SRTF_COL(R, TriggerAction,           Int,    -1,   1,   28982,  -1),
    SRTF_COL(R, Name,                    String, -1,   2,   28983,  -1),
    SRTF_COL(R, Description,             String, -1,   3,   28984,  -1),
    SRTF_COL(R, Flags,                   Hex,    -1,   4,   28985,  -1),
    SRTF_COL(R, Type,                    Int,    -1,   5,   28986,  -1),
    SRTF_COL(R, Value,                   String, -1,   6,   28987,  -1),
    SRTF_COL(R, NSTFlag,                 Int,    -1,   7,   29762,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDDbTriggerSection, CDDDbTrigger, "DbTrigger_Base", "DbTrigger_Latest")
