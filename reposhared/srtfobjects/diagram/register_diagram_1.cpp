// Registers this family's section classes with the section factory.
#include "diagram/dddiagramdisplay.h"
#include "diagram/ddobjectdisplay.h"
#include "diagram/ddrelationshipdisplay.h"
#include "diagram/ddlinedisplay.h"
#include "diagram/ddshape.h"
#include "diagram/ddshapeedge.h"
#include "diagram/ddschemaobjedge.h"
#include "diagram/ddgraphicobject.h"
#include "diagram/dddockingposition.h"
#include "diagram/dddisplaydefaults.h"
#include "sectiontable.h"

void RegisterDiagramSections1(SectionRegistry& r) {
    r.Add<CDDColorDefaultSection>(11);
    r.Add<CDDDiagramDisplaySection>(21);
    r.Add<CDDDockingPositionSection>(27);
    r.Add<CDDDockPosDispLevelSection>(28);
    r.Add<CDDEntityDisplaySection>(32);
    r.Add<CDDFontDefaultSection>(34);
    r.Add<CDDGraphicObjectSection>(36);
    r.Add<CDDGridDisplaySection>(37);
    r.Add<CDDPathNodeSection>(51);
    r.Add<CDDRelationshipDisplaySection>(58);
    r.Add<CDDSchemaObjEdgeSection>(62);
    r.Add<CDDShapeSection>(63);
    r.Add<CDDShapeDisplaySection>(64);
    r.Add<CDDShapeEdgeSection>(65);
    r.Add<CDDShapeEdgeDisplaySection>(66);
    r.Add<CDDSubmodelSchemaObjLinkSection>(71);
    r.Add<CDDSupertypeDisplaySection>(74);
    r.Add<CDDViewDisplaySection>(86);
    r.Add<CDDViewRelationshipDisplaySection>(88);
    r.Add<CDDMetaEdgeDisplaySection>(210);
}
