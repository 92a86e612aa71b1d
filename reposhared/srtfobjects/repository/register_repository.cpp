// Registers this family's section classes with the section factory.
#include "repository/localobject.h"
#include "repository/roleprivilege.h"
#include "repository/servererrors.h"
#include "sectiontable.h"

void RegisterRepositorySections(SectionRegistry& r) {
    r.Add<CLocalObjectSection>(3);
    r.Add<CUserInfoSection>(130);
    r.Add<CSRTFErrorSection>(133);
    r.Add<CRepoDbDatabaseErrorSection>(134);
    r.Add<CRepoDbSQLErrorInfoSection>(135);
    r.Add<CUserSelectionSection>(138);
    r.Add<CGeneralFileErrorSection>(141);
    r.Add<CGeneralErrorSection>(142);
    r.Add<CRolePrivilegeSection>(171);
    r.Add<CRepoObjectPrivilegeSection>(172);
    r.Add<CRepoRoleInfoSection>(173);
    r.Add<CLookupInfoSection>(213);
}
