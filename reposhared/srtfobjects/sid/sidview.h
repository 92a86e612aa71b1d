// Check-in state of views, view fields, view tables, common table
// expressions and their columns: one-list SID sections whose records end
// with the seven CSIDDiagObject columns.
#ifndef SRTF_SID_SIDVIEW_H
#define SRTF_SID_SIDVIEW_H

#include "sectionbase.h"
#include "sid/siddiagobject.h"

class CSIDView : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDView)
    int DbViewId = 0;
    int ModelId = 0;
    std::string OwnerName;
};

class CSIDViewField : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDViewField)
    int ViewFieldId = 0;
    int DbViewId = 0;
};

class CSIDViewTable : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDViewTable)
    int ViewTableId = 0;
    int ParentEntityId = 0;
    int ParentDbViewId = 0;
    int ChildDbViewId = 0;
};

class CSIDViewCte : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDViewCte)
    int ViewCteId = 0;
    int ParentDbViewId = 0;
};

class CSIDViewCteColumn : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDViewCteColumn)
    int ViewCteColumnId = 0;
    int ParentViewCteId = 0;
};

class CSIDViewSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDViewSection)
};
class CSIDViewFieldSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDViewFieldSection)
};
class CSIDViewTableSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDViewTableSection)
};
class CSIDViewCteSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDViewCteSection)
};
class CSIDViewCteColumnSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDViewCteColumnSection)
};

#endif
