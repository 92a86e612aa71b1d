// CSIDDiagObject: base of the records of the check-in state (SID) sections.
// Its seven columns end every line of such a record:
//   ObjectGUID, Name, LatestVersion, CheckInTime, ACL, ObjectStatus, ChildrenCount
// (ACL and ObjectStatus are flag words, written 0x%.8X).
//
// A SID record is a TTableRecord<CSIDDiagObject> (CSIDRecord) whose table
// lists only its own columns; the record's walks cover those own columns,
// never the seven base columns, which are read and written only as columns
// of the line. SID records have no id (GetId 0) and no foreign keys.
//
//   class CSIDModel : public CSIDRecord { SRTF_RECORD_KIND(CSIDModel) int ModelId = 0; ... };
//   SRTF_SID_RECORD_TABLE(CSIDModel, SRTF_COL(...), ...)
#ifndef SRTF_SID_SIDDIAGOBJECT_H
#define SRTF_SID_SIDDIAGOBJECT_H

#include <string>

#include "objectbase.h"

class CSIDDiagObject : public TBaseColumns<CSIDDiagObject> {
public:
    SrtfGuid ObjectGUID;
    std::string Name;
    int LatestVersion = 0;
    int CheckInTime = 0;
    int ACL = 0;
    int ObjectStatus = 0;
    int ChildrenCount = 0;

    // Its own columns; walked and filled with their own cursors.
    static const RecordKind& BaseKind();
};

// A SID record described by its table of own columns.
using CSIDRecord = TTableRecord<CSIDDiagObject>;

// Defines the kind of a SID record: its own columns, then the base's seven.
// No SID record has an id column.
#define SRTF_SID_RECORD_TABLE(cls, ...)                                                   \
    const RecordKind& cls::StaticKind() {                                                 \
        static const RecordKind kind(SRTF_STR(cls), {__VA_ARGS__},                        \
                                     &CSIDDiagObject::BaseKind(), -1,                     \
                                     &SrtfCreateRecord<cls>);                             \
        return kind;                                                                      \
    }

#endif
