// Registers this family's section classes with the section factory.
#include "repository/branchmerge.h"
#include "repository/groups.h"
#include "repository/history.h"
#include "repository/repocontrol.h"
#include "repository/repoprojects.h"
#include "repository/statusreports.h"
#include "repository/tasks.h"
#include "sectiontable.h"

void RegisterRepositorySections3(SectionRegistry& r) {
    r.Add<CHistorySection>(120);
    r.Add<CMacroStatusSection>(121);
    r.Add<CSharingPathSection>(128);
    r.Add<CShutDownSection>(147);
    r.Add<CRepoControlSection>(152);
    r.Add<CRepoServerInfoSection>(153);
    r.Add<CRepoEventSection>(154);
    r.Add<CNamedReleaseSection>(157);
    r.Add<CVersionInfoSection>(165);
    r.Add<CProjectInfoSection>(166);
    r.Add<CCtlSysVersionInfoSection>(167);
    r.Add<CObjectDomainSection>(170);
    r.Add<CRepoObjectSection>(174);
    r.Add<CRepoProjectInfoSection>(175);
    r.Add<CPartialDiagramMemberSection>(176);
    r.Add<CRepoUserOnMachineInfoSection>(177);
    r.Add<CRepoUserCheckedOutInfoSection>(178);
    r.Add<CBranchMergeInfoSection>(183);
    r.Add<CBranchTreeInfoSection>(184);
    r.Add<CMergePairingsSection>(185);
    r.Add<CProjectLinkSection>(186);
    r.Add<CRepoStatsInfoSection>(189);
    r.Add<CGroupInfoSection>(214);
    r.Add<CGroupMemberInfoSection>(215);
    r.Add<CRepoGroupObjectPrivilegeSection>(216);
    r.Add<CTaskInfoSection>(217);
    r.Add<CChangeRecordInfoSection>(218);
    r.Add<CChangeRecordTaskInfoSection>(219);
}
