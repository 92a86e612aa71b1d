// Registers this family's section classes with the section factory.
#include "model/ddentity.h"
#include "model/dddiagram.h"
#include "model/ddkey.h"
#include "model/ddmetadata.h"
#include "model/ddsubmodel.h"
#include "sectiontable.h"

void RegisterModelSections1(SectionRegistry& r) {
    r.Add<CDDAttributeSection>(7);
    r.Add<CDDCheckConstraintSection>(9);
    r.Add<CDDDiagramSection>(20);
    r.Add<CDDEntitySection>(31);
    r.Add<CDDKeySection>(41);
    r.Add<CDDKeyAttributeSection>(42);
    r.Add<CDDMetaClassMemberSection>(43);
    r.Add<CDDModelSection>(44);
    r.Add<CDDModelOptionSection>(45);
    r.Add<CDDPropertyUsageSection>(53);
    r.Add<CDDPropertyValueUsageSection>(54);
    r.Add<CDDSubmodelSection>(68);
    r.Add<CDDSubmodelLinkSection>(70);
    r.Add<CDDUserObjectMatchSection>(81);
}
