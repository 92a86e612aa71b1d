// View component, column-usage and common-table-expression sections: the SQL
// pieces of a view, the usages of its columns, and the common table
// expressions of a view with their columns.
#ifndef SRTF_MODEL_DDVIEWCOMPONENT_H
#define SRTF_MODEL_DDVIEWCOMPONENT_H

#include "sectionbase.h"

// The view's id comes first on the line; the record's own id is column 1.
class CDDViewComponent : public CDDRecord {
    SRTF_RECORD_KIND(CDDViewComponent)
    int DbViewId = 0;
    int ViewComponentId = 0;
    std::string SQL;
    int ComponentType = 0;
    int BIsCurrent = 0;
};

class CDDViewComponentSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDViewComponentSection)
};

class CDDColumnUsage : public CDDRecord {
    SRTF_RECORD_KIND(CDDColumnUsage)
    int ColumnUsageId = 0;
    int ViewColumnId = 0;
    int UsageType = 0;
    int SequenceNo = 0;
};

class CDDColumnUsageSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDColumnUsageSection)
};

// A common table expression of a view. Its own id is column 0, but both key
// walks give the view's id first and its own id second.
class CDDViewCTE : public CDDRecord {
    SRTF_RECORD_KIND(CDDViewCTE)
    int ViewCteId = 0;
    int DbViewId = 0;
    std::string Name;
    std::string Select;
    int SequenceNo = 0;
};

class CDDViewCteSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDViewCteSection)
};

// A column of a common table expression: the same key walks as CDDViewCTE
// (parent first, own id second). Members are declared parent first; the line
// order is own id, parent, Name, SequenceNo.
class CDDViewCteColumn : public CDDRecord {
    SRTF_RECORD_KIND(CDDViewCteColumn)
    int ViewCteId = 0;
    std::string Name;
    int SequenceNo = 0;
    int ViewCteColumnId = 0;
};

class CDDViewCteColumnSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDViewCteColumnSection)
};

#endif
