// Selections of repository objects that travel with a request or a reply
// (CIR, COR, SIR, sharing-source and delete-object selections), and
// CRequestSelection, the base whose two columns ObjectGUID and ObjectType end
// the lines of three of their record kinds.
#ifndef SRTF_REPOSITORY_REQUESTSELECTION_H
#define SRTF_REPOSITORY_REQUESTSELECTION_H

#include "sectionbase.h"

// Base of the CIR, COR and sharing-source selection records. Its columns
// follow the record's own columns on every line; a record on this base
// offers only its own columns to the data walk.
class CRequestSelection : public TBaseColumns<CRequestSelection> {
public:
    SrtfGuid ObjectGUID;
    std::string ObjectType;

    // Its own columns; walked and filled with their own cursors.
    static const RecordKind& BaseKind();
};

// Record on CRequestSelection: its own columns, then ObjectGUID, ObjectType.
using CRequestSelectionRecord = TTableRecord<CRequestSelection>;

// Defines the kind of a record on CRequestSelection:
//   SRTF_REQUEST_SELECTION_RECORD_TABLE(cls, idColumn, rows...)
// (rows may be left empty for a record without columns of its own).
#define SRTF_REQUEST_SELECTION_RECORD_TABLE(cls, idColumn, ...)                             \
    const RecordKind& cls::StaticKind() {                                                   \
        static const RecordKind kind(SRTF_STR(cls), {__VA_ARGS__},                          \
                                     &CRequestSelection::BaseKind(), idColumn,              \
                                     &SrtfCreateRecord<cls>);                               \
        return kind;                                                                        \
    }

class CCIRSelection : public CRequestSelectionRecord {
    SRTF_RECORD_KIND(CCIRSelection)
};

class CCIRSelectionSection : public COneListSection {
    SRTF_SECTION_KIND(CCIRSelectionSection)
};

// ObjectTechKey and DependencyTechKey are data properties, not tech keys,
// and neither is the record's id.
class CCORSelection : public CRequestSelectionRecord {
    SRTF_RECORD_KIND(CCORSelection)
    int ObjectTechKey = 0;
    std::string DependencyType;
    int Flag = 0;
    int DependencyTechKey = 0;
};

class CCORSelectionSection : public COneListSection {
    SRTF_SECTION_KIND(CCORSelectionSection)
};

// Carries ObjectGUID and ObjectType itself and offers both to the data walk.
class CSIRSelection : public CPlainRecord {
    SRTF_RECORD_KIND(CSIRSelection)
    SrtfGuid ObjectGUID;
    std::string ObjectType;
};

class CSIRSelectionSection : public COneListSection {
    SRTF_SECTION_KIND(CSIRSelectionSection)
};

class CSharingSourceSelection : public CRequestSelectionRecord {
    SRTF_RECORD_KIND(CSharingSourceSelection)
};

class CSharingSourceSelectionSection : public COneListSection {
    SRTF_SECTION_KIND(CSharingSourceSelectionSection)
};

class CDeleteObject : public CPlainRecord {
    SRTF_RECORD_KIND(CDeleteObject)
    SrtfGuid ObjectGUID;
    std::string ObjectType;
    SrtfGuid VersionGUID;
};

class CDeleteObjectSelectionSection : public COneListSection {
    SRTF_SECTION_KIND(CDeleteObjectSelectionSection)
};

#endif
