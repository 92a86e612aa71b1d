// Check-in state of the objects that place a model on its diagrams: entity,
// relationship, supertype, view and view-relationship displays, shapes,
// shape edges and their displays. One-list SID sections whose records hold
// int ids only (a display's own id is not always the first column) and end
// with the seven CSIDDiagObject columns.
#ifndef SRTF_SID_SIDDISPLAY_H
#define SRTF_SID_SIDDISPLAY_H

#include "sectionbase.h"
#include "sid/siddiagobject.h"

class CSIDEntityDisplay : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDEntityDisplay)
    int EntityDisplayId = 0;
    int SubmodelId = 0;
    int EntityId = 0;
};

class CSIDRelationshipDisplay : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDRelationshipDisplay)
    int RelationshipDisplayId = 0;
    int SubmodelId = 0;
    int RelationshipId = 0;
    int ParentEntityDisplayId = 0;
    int ChildEntityDisplayId = 0;
};

// The display's own id stands fourth.
class CSIDSupertypeDisplay : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDSupertypeDisplay)
    int EntityId = 0;
    int SubmodelId = 0;
    int SupertypeId = 0;
    int SupertypeDisplayId = 0;
};

// The view's id first, the display's own id second.
class CSIDViewDisplay : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDViewDisplay)
    int DbViewId = 0;
    int ViewDisplayId = 0;
    int SubmodelId = 0;
};

class CSIDViewRelationshipDisplay : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDViewRelationshipDisplay)
    int ViewRelationshipDisplayId = 0;
    int SubmodelId = 0;
    int ParentDbViewId = 0;
    int ChildDbViewId = 0;
    int EntityId = 0;
};

class CSIDShape : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDShape)
    int ShapeId = 0;
    int ModelId = 0;
    int DiagramId = 0;
};

// Each end of the edge is a meta-table id with a table-row id.
class CSIDShapeEdge : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDShapeEdge)
    int ShapeEdgeId = 0;
    int ParentMetaTableId = 0;
    int ParentTableRowId = 0;
    int ChildMetaTableId = 0;
    int ChildTableRowId = 0;
    int ModelId = 0;
    int DiagramId = 0;
};

class CSIDShapeDisplay : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDShapeDisplay)
    int ShapeDisplayId = 0;
    int SubmodelId = 0;
    int ShapeId = 0;
};

class CSIDShapeEdgeDisplay : public CSIDRecord {
    SRTF_RECORD_KIND(CSIDShapeEdgeDisplay)
    int ShapeEdgeDisplayId = 0;
    int SubmodelId = 0;
    int ShapeEdgeId = 0;
};

class CSIDEntityDisplaySection : public COneListSection {
    SRTF_SECTION_KIND(CSIDEntityDisplaySection)
};
class CSIDRelationshipDisplaySection : public COneListSection {
    SRTF_SECTION_KIND(CSIDRelationshipDisplaySection)
};
class CSIDSupertypeDisplaySection : public COneListSection {
    SRTF_SECTION_KIND(CSIDSupertypeDisplaySection)
};
class CSIDViewDisplaySection : public COneListSection {
    SRTF_SECTION_KIND(CSIDViewDisplaySection)
};
class CSIDViewRelationshipDisplaySection : public COneListSection {
    SRTF_SECTION_KIND(CSIDViewRelationshipDisplaySection)
};
class CSIDShapeSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDShapeSection)
};
class CSIDShapeEdgeSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDShapeEdgeSection)
};
class CSIDShapeDisplaySection : public COneListSection {
    SRTF_SECTION_KIND(CSIDShapeDisplaySection)
};
class CSIDShapeEdgeDisplaySection : public COneListSection {
    SRTF_SECTION_KIND(CSIDShapeEdgeDisplaySection)
};

#endif
