// Registers this family's section classes with the section factory.
#include "repository/dependencyselection.h"
#include "repository/detailreports.h"
#include "repository/errorreports.h"
#include "repository/requestoptions.h"
#include "repository/requestselection.h"
#include "repository/roles.h"
#include "repository/useradmin.h"
#include "sectiontable.h"

void RegisterRepositorySections2(SectionRegistry& r) {
    r.Add<CCIRSelectionSection>(1);
    r.Add<CCORSelectionSection>(2);
    r.Add<CSIRSelectionSection>(117);
    r.Add<CDeleteObjectSelectionSection>(118);
    r.Add<CDeleteUserSection>(119);
    r.Add<CModifySecurityAccessSection>(122);
    r.Add<CModifyUserInfoSection>(123);
    r.Add<CObjectSecurityRightAllUserSection>(124);
    r.Add<CProfileSection>(125);
    r.Add<CRIDepInfoAttributeSection>(126);
    r.Add<CRIDepInfoEntitySection>(127);
    r.Add<CSharingSourceSelectionSection>(129);
    r.Add<CUserWithSpecificProfileSection>(131);
    r.Add<CSRTFErrorHeaderSection>(132);
    r.Add<CRepoDbParameterErrorHeaderSection>(136);
    r.Add<CRepoDbParameterErrorSection>(137);
    r.Add<CStructuralDependencySelectionSection>(139);
    r.Add<CRIDependencySelectionSection>(140);
    r.Add<CPrcFileRenameErrorSection>(143);
    r.Add<CPerformanceSection>(144);
    r.Add<CErrorDetailSection>(145);
    r.Add<CWarningDetailSection>(146);
    r.Add<CSIDataOptionsSection>(148);
    r.Add<CGetLatestOptionsSection>(149);
    r.Add<CPrivilegeSection>(150);
    r.Add<CCommunicationErrorSection>(151);
    r.Add<CRoleInfoSection>(158);
    r.Add<CRoleObjectPrivilegeSection>(159);
    r.Add<CRepoUsersSection>(160);
    r.Add<CRepoRoleSection>(161);
    r.Add<CRoleDiagramSection>(162);
    r.Add<CDiagramInfoSection>(163);
    r.Add<CRoleUserPrivilegeSection>(164);
    r.Add<CObjPrivilegeSetSection>(168);
}
