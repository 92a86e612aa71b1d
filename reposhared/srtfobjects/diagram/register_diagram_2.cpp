// Registers this family's section classes with the section factory.
#include "diagram/ddlayoutframe.h"
#include "diagram/ddlayoutparams.h"
#include "diagram/ddlineagedisplay.h"
#include "diagram/ddoverride.h"
#include "diagram/ddsubjectdisplay.h"
#include "sectiontable.h"

void RegisterDiagramSections2(SectionRegistry& r) {
    r.Add<CDDAlgorithmPropertySection>(4);
    r.Add<CDDCircularLayoutSection>(10);
    r.Add<CDDComponentsLayoutSection>(13);
    r.Add<CDDDisconnectedNodesLayoutSection>(26);
    r.Add<CDDGraphGeometrySection>(35);
    r.Add<CDDHierarchicalLayoutSection>(38);
    r.Add<CDDObjectColorOverrideSection>(46);
    r.Add<CDDObjectFontOverrideSection>(47);
    r.Add<CDDOrthogonalLayoutSection>(50);
    r.Add<CDDSubmodelAlgorithmSection>(69);
    r.Add<CDDSymmetricLayoutSection>(75);
    r.Add<CDDTreeLayoutSection>(79);
    r.Add<CDDAttributeDisplayOverrideSection>(190);
    r.Add<CDDTransformationDisplaySection>(195);
    r.Add<CDDLineageComponentDisplaySection>(196);
    r.Add<CDDLineageStreamDisplaySection>(197);
    r.Add<CDDGraphMgrPropsSection>(206);
    r.Add<CDDSubjectAreaDisplaySection>(208);
    r.Add<CDDBusDataObjectDisplaySection>(222);
}
