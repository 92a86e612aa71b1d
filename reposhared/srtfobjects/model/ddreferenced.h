// Referenced-object and where-used sections: links between objects of the
// data model. A referenced object ties procedures, triggers, packages and
// storage objects to table rows; a where-used record pairs two objects named
// by meta-table id and row GUID.
#ifndef SRTF_MODEL_DDREFERENCED_H
#define SRTF_MODEL_DDREFERENCED_H

#include "sectionbase.h"

// Every own column is a tech key; the record has no data property of its own.
class CDDReferencedObject : public CDDRecord {
    SRTF_RECORD_KIND(CDDReferencedObject)
    int ReferencedObjectId = 0;
    int ProcId = 0;
    int DbTriggerId = 0;
    int TableRowId = 0;
    int MetaTableId = 0;
    int DbPackageId = 0;
    int StorageObjectId = 0;
};

class CDDReferencedObjectSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDReferencedObjectSection)
};

// WhereUsedId is a tech key only: GetId answers 0 and SetId stores nothing.
class CDDWhereUsedPD : public CDDRecord {
    SRTF_RECORD_KIND(CDDWhereUsedPD)
    int WhereUsedId = 0;
    int AMetaTableId = 0;
    SrtfGuid ATableRowGUID;
    int BMetaTableId = 0;
    SrtfGuid BTableRowGUID;
    int Flags = 0;
};

class CDDWhereUsedPDSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDWhereUsedPDSection)
};

#endif
