#include "sid/siddiagobject.h"

const RecordKind& CSIDDiagObject::BaseKind() {
    static const RecordKind kind(
        "CSIDDiagObject",
        {
            //       class           member         type    key data property refers
            SRTF_COL(CSIDDiagObject, ObjectGUID,    Guid,   -1,  0,   0,      -1),
            SRTF_COL(CSIDDiagObject, Name,          String, -1,  1,   0,      -1),
            SRTF_COL(CSIDDiagObject, LatestVersion, Int,    -1,  2,   0,      -1),
            SRTF_COL(CSIDDiagObject, CheckInTime,   Int,    -1,  3,   0,      -1),
            SRTF_COL(CSIDDiagObject, ACL,           Hex,    -1,  4,   0,      -1),
            SRTF_COL(CSIDDiagObject, ObjectStatus,  Hex,    -1,  5,   0,      -1),
            SRTF_COL(CSIDDiagObject, ChildrenCount, Int,    -1,  6,   0,      -1),
        },
        nullptr, -1, &SrtfCreateRecord<CSIDDiagObject>);
    return kind;
}

