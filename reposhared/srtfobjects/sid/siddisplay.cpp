#include "sid/siddisplay.h"

#define R CSIDEntityDisplay
SRTF_SID_RECORD_TABLE(R,
    //       class member              type key data property refers
    SRTF_COL(R, EntityDisplayId,       Int, -1,  0,       0,  -1),
    SRTF_COL(R, SubmodelId,            Int, -1,  1,       0,  -1),
    SRTF_COL(R, EntityId,              Int, -1,  2,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDEntityDisplaySection, CSIDEntityDisplay, "Entity_Display", true)

#define R CSIDRelationshipDisplay
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, RelationshipDisplayId, Int, -1,  0,       0,  -1),
    SRTF_COL(R, SubmodelId,            Int, -1,  1,       0,  -1),
    SRTF_COL(R, RelationshipId,        Int, -1,  2,       0,  -1),
    SRTF_COL(R, ParentEntityDisplayId, Int, -1,  3,       0,  -1),
    SRTF_COL(R, ChildEntityDisplayId,  Int, -1,  4,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDRelationshipDisplaySection, CSIDRelationshipDisplay,
                      "Relationship_Display", true)

#define R CSIDSupertypeDisplay
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, EntityId,              Int, -1,  0,       0,  -1),
    SRTF_COL(R, SubmodelId,            Int, -1,  1,       0,  -1),
    SRTF_COL(R, SupertypeId,           Int, -1,  2,       0,  -1),
    SRTF_COL(R, SupertypeDisplayId,    Int, -1,  3,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDSupertypeDisplaySection, CSIDSupertypeDisplay, "Supertype_Display",
                      true)

#define R CSIDViewDisplay
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, DbViewId,              Int, -1,  0,       0,  -1),
    SRTF_COL(R, ViewDisplayId,         Int, -1,  1,       0,  -1),
    SRTF_COL(R, SubmodelId,            Int, -1,  2,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDViewDisplaySection, CSIDViewDisplay, "View_Display", true)

#define R CSIDViewRelationshipDisplay
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, ViewRelationshipDisplayId, Int, -1,  0,   0,  -1),
    SRTF_COL(R, SubmodelId,            Int, -1,  1,       0,  -1),
    SRTF_COL(R, ParentDbViewId,        Int, -1,  2,       0,  -1),
    SRTF_COL(R, ChildDbViewId,         Int, -1,  3,       0,  -1),
    SRTF_COL(R, EntityId,              Int, -1,  4,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDViewRelationshipDisplaySection, CSIDViewRelationshipDisplay,
                      "View_Relationship_Display", true)

#define R CSIDShape
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, ShapeId,               Int, -1,  0,       0,  -1),
    SRTF_COL(R, ModelId,               Int, -1,  1,       0,  -1),
    SRTF_COL(R, DiagramId,             Int, -1,  2,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDShapeSection, CSIDShape, "Shape", true)

#define R CSIDShapeEdge
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, ShapeEdgeId,           Int, -1,  0,       0,  -1),
    SRTF_COL(R, ParentMetaTableId,     Int, -1,  1,       0,  -1),
    SRTF_COL(R, ParentTableRowId,      Int, -1,  2,       0,  -1),
    SRTF_COL(R, ChildMetaTableId,      Int, -1,  3,       0,  -1),
    SRTF_COL(R, ChildTableRowId,       Int, -1,  4,       0,  -1),
    SRTF_COL(R, ModelId,               Int, -1,  5,       0,  -1),
    SRTF_COL(R, DiagramId,             Int, -1,  6,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDShapeEdgeSection, CSIDShapeEdge, "ShapeEdge", true)

#define R CSIDShapeDisplay
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, ShapeDisplayId,        Int, -1,  0,       0,  -1),
    SRTF_COL(R, SubmodelId,            Int, -1,  1,       0,  -1),
    SRTF_COL(R, ShapeId,               Int, -1,  2,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDShapeDisplaySection, CSIDShapeDisplay, "ShapeDisplay", true)

#define R CSIDShapeEdgeDisplay
SRTF_SID_RECORD_TABLE(R,
    SRTF_COL(R, ShapeEdgeDisplayId,    Int, -1,  0,       0,  -1),
    SRTF_COL(R, SubmodelId,            Int, -1,  1,       0,  -1),
    SRTF_COL(R, ShapeEdgeId,           Int, -1,  2,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CSIDShapeEdgeDisplaySection, CSIDShapeEdgeDisplay, "ShapeEdgeDisplay", true)
