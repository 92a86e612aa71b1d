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

bool CRequestSelection::IterateDataProperty(int reset, PropertyValue& out, int& propertyId) {
    return KindIterateData(BaseKind(), baseDataCursor, reset, out, propertyId);
}
void CRequestSelection::AddDataProperty(int reset, const PropertyValue& value) {
    KindAddData(BaseKind(), baseDataCursor, reset, value);
}
bool CRequestSelection::IterateTechKeyProperty(int reset, int&) {
    if (reset) baseKeyCursor = 0;
    return false;
}
void CRequestSelection::AddTechKeyProperty(int reset, int) {
    if (reset) baseKeyCursor = 0;
}
bool CRequestSelection::IterateForeignKey(int reset, ForeignKeyRef&) {
    if (reset) baseKeyCursor = 0;
    return false;
}
void CRequestSelection::SetForeignKey(int, int) {}
int CRequestSelection::WriteColumns(COutputLineBuffer& buffer) {
    return KindWriteColumns(BaseKind(), buffer);
}
const ColumnDesc* const* CRequestSelection::GetColumnReaders() {
    return BaseKind().columns.data();
}
int CRequestSelection::GetColumnCount() { return static_cast<int>(BaseKind().columns.size()); }

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
