// Registers this family's section classes with the section factory.
#include "model/ddlineage.h"
#include "model/ddrelationship.h"
#include "model/ddsecurity.h"
#include "model/ddsubtype.h"
#include "model/ddtransform.h"
#include "sectiontable.h"

void RegisterModelSections2(SectionRegistry& r) {
    r.Add<CDDDatabaseRoleSection>(14);
    r.Add<CDDDatabaseUserSection>(15);
    r.Add<CDDInterModelRelationshipSection>(40);
    r.Add<CDDObjectPermissionSection>(48);
    r.Add<CDDObjectTransformSection>(49);
    r.Add<CDDRelationshipSection>(57);
    r.Add<CDDRelationshipMemberSection>(59);
    r.Add<CDDSubtypeSection>(72);
    r.Add<CDDSupertypeSection>(73);
    r.Add<CDDTransformMemberSection>(78);
    r.Add<CDDUserRoleMemberSection>(82);
    r.Add<CDDTransformationSection>(191);
    r.Add<CDDLineageComponentSection>(192);
    r.Add<CDDLineageStreamSection>(193);
    r.Add<CDDLineageStreamMemberSection>(194);
    r.Add<CDDContainmentLinkSection>(223);
}
