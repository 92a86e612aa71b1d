// View sections: the database views of a model, their tables, columns and
// fields, and the links between view fields and view columns.
#ifndef SRTF_MODEL_DDVIEW_H
#define SRTF_MODEL_DDVIEW_H

#include "sectionbase.h"

class CDDDbView : public CDDRecord {
    SRTF_RECORD_KIND(CDDDbView)
    int DbViewId = 0;
    int InterModelViewId = 0;
    int ModelId = 0;
    int IsUserDefined = 0;
    std::string Name;
    std::string Definition;
    std::string Notes;
    std::string Owner;
    int NSTFlag = 0;
    int CompareFlags = 0;
    std::string DDL_PD;
};

class CDDDbViewSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDbViewSection)
};

class CDDViewTable : public CDDRecord {
    SRTF_RECORD_KIND(CDDViewTable)
    int ViewTableId = 0;
    int DbViewId = 0;
    int EntityId = 0;
    int InterModelViewTableId = 0;
    int ParentViewId = 0;
    std::string Alias;
    std::string Type;
    int SequenceNo = 0;
};

class CDDViewTableSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDViewTableSection)
};

// Every own column is a tech key; the record has no data property.
class CDDViewColumn : public CDDRecord {
    SRTF_RECORD_KIND(CDDViewColumn)
    int ViewColumnId = 0;
    int ViewTableId = 0;
    int AttributeId = 0;
    int InterModelViewColumnId = 0;
    int ParentViewFieldId = 0;
};

class CDDViewColumnSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDViewColumnSection)
};

class CDDViewField : public CDDRecord {
    SRTF_RECORD_KIND(CDDViewField)
    int ViewFieldId = 0;
    int DbViewId = 0;
    int InterModelViewFieldId = 0;
    std::string ColumnExpression;
    std::string FieldAlias;
    int SequenceNo = 0;
};

class CDDViewFieldSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDViewFieldSection)
};

// Links one view field to one view column; its own id stands between the two
// ids it links. No data property.
class CDDFieldColumn : public CDDRecord {
    SRTF_RECORD_KIND(CDDFieldColumn)
    int ViewFieldId = 0;
    int FieldColumnId = 0;
    int ViewColumnId = 0;
};

class CDDFieldColumnSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDFieldColumnSection)
};

#endif
