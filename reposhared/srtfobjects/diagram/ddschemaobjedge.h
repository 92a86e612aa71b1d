// Schema-object edge, meta-edge display and submodel schema-object link
// sections: schema objects and the edges between diagram objects.
#ifndef SRTF_DIAGRAM_DDSCHEMAOBJEDGE_H
#define SRTF_DIAGRAM_DDSCHEMAOBJEDGE_H

#include "sectionbase.h"

// An edge between diagram objects. Only the own id is a tech key: the other
// id columns are plain data, and there is no foreign key.
class CDDSchemaObjEdge : public CDDRecord {
    SRTF_RECORD_KIND(CDDSchemaObjEdge)
    int SchemaObjEdgeId = 0;
    int ParentEntityDispId = 0;
    int ParentViewDispId = 0;
    int ParentSchemaObjLinkId = 0;
    int ChildSchemaObjLinkId = 0;
    int SubmodelId = 0;
    int DesiredRoutingStyle = 0;
    int ParentConnectorFlags = 0;
    int ParentConnectorOffsetX = 0;
    int ParentConnectorOffsetY = 0;
    int ParentConnectorPerMils = 0;
    int ChildConnectorFlags = 0;
    int ChildConnectorOffsetX = 0;
    int ChildConnectorOffsetY = 0;
    int ChildConnectorPerMils = 0;
    int DockingType = 0;
};

class CDDSchemaObjEdgeSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDSchemaObjEdgeSection)
};

// A schema object placed on a submodel's diagram. Only the own id is a tech
// key; there is no foreign key. The extent (cx, cy) stands before the
// position (x, y), while the backups run x, y, cx, cy.
class CDDSubmodelSchemaObjLink : public CDDRecord {
    SRTF_RECORD_KIND(CDDSubmodelSchemaObjLink)
    int SubmodelSchemaObjLinkId = 0;
    int SubmodelId = 0;
    int MetaTableId = 0;
    int TableRowId = 0;
    int cxNode = 0;
    int cyNode = 0;
    int xNode = 0;
    int yNode = 0;
    int Flags = 0;
    int xNodeBackup = 0;
    int yNodeBackup = 0;
    int cxNodeBackup = 0;
    int cyNodeBackup = 0;
};

class CDDSubmodelSchemaObjLinkSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDSubmodelSchemaObjLinkSection)
};

// An edge drawn between diagram objects of a submodel. The tech keys come in
// two runs (columns 0 to 5 and 17 to 20) with the data columns between and
// after them. Two columns refer to the subject-area section and three to the
// entity section; SetForeignKey fills the first of each. The submodel column
// is spelled SubModelId here.
class CDDMetaEdgeDisplay : public CDDRecord {
    SRTF_RECORD_KIND(CDDMetaEdgeDisplay)
    int MetaEdgeDisplayId = 0;
    int SubModelId = 0;
    int ParentSubjectAreaId = 0;
    int ChildSubjectAreaId = 0;
    int TableRowId = 0;
    int MetaTableId = 0;
    int DesiredRoutingStyle = 0;
    int ParentConnectorFlags = 0;
    int ParentConnectorOffsetX = 0;
    int ParentConnectorOffsetY = 0;
    int ParentConnectorPerMils = 0;
    int ChildConnectorFlags = 0;
    int ChildConnectorOffsetX = 0;
    int ChildConnectorOffsetY = 0;
    int ChildConnectorPerMils = 0;
    int DockingType = 0;
    int ElbowPosition = 0;
    int ParentMetaTableId = 0;
    int ParentTableRowId = 0;
    int ChildMetaTableId = 0;
    int ChildTableRowId = 0;
    int Flags = 0;
};

class CDDMetaEdgeDisplaySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDMetaEdgeDisplaySection)
};

#endif
