#include "repository/requestselection.h"

// ---- CRequestSelection ----

const RecordKind& CRequestSelection::BaseKind() {
    static const RecordKind kind(
        "CRequestSelection",
        {
            //       class              member      type    key data  property refers
            SRTF_COL(CRequestSelection, ObjectGUID, Guid,   -1,  0,   0,       -1),
            SRTF_COL(CRequestSelection, ObjectType, String, -1,  1,   0,       -1),
        },
        nullptr, -1, &SrtfCreateRecord<CRequestSelection>);
    return kind;
}


// ---- records and sections ----

SRTF_REQUEST_SELECTION_RECORD_TABLE(CCIRSelection, -1, )
SRTF_ONE_LIST_SECTION(CCIRSelectionSection, CCIRSelection, "CIRSelection", false)

#define R CCORSelection
SRTF_REQUEST_SELECTION_RECORD_TABLE(R, -1,
    //       class member          type    key data  property refers
    SRTF_COL(R, ObjectTechKey,     Int,    -1,   0,       0,  -1),
    SRTF_COL(R, DependencyType,    String, -1,   1,       0,  -1),
    SRTF_COL(R, Flag,              Hex,    -1,   2,       0,  -1),
    SRTF_COL(R, DependencyTechKey, Int,    -1,   3,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CCORSelectionSection, CCORSelection, "CORSelection", false)

#define R CSIRSelection
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member          type    key data  property refers
    SRTF_COL(R, ObjectGUID,        Guid,   -1,   0,       0,  -1),
    SRTF_COL(R, ObjectType,        String, -1,   1,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIRSelectionSection, CSIRSelection, "SIRSelection", false)

SRTF_REQUEST_SELECTION_RECORD_TABLE(CSharingSourceSelection, -1, )
SRTF_ONE_LIST_SECTION(CSharingSourceSelectionSection, CSharingSourceSelection,
                      "Sharing_Source_Selection", false)

#define R CDeleteObject
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member          type    key data  property refers
    SRTF_COL(R, ObjectGUID,        Guid,   -1,   0,       0,  -1),
    SRTF_COL(R, ObjectType,        String, -1,   1,       0,  -1),
    SRTF_COL(R, VersionGUID,       Guid,   -1,   2,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CDeleteObjectSelectionSection, CDeleteObject, "Delete_Object", false)
