// User group sections: groups, their members and the privileges that groups
// hold on repository objects. One-list sections that travel only in files.
#ifndef SRTF_REPOSITORY_GROUPS_H
#define SRTF_REPOSITORY_GROUPS_H

#include "sectionbase.h"

// Status is a text; IsLDAP a decimal int.
class CGroupInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CGroupInfo)
    int RepoGroupID = 0;
    std::string Name;
    std::string Status;
    std::string Description;
    int IsLDAP = 0;
    SrtfGuid GroupGUID;
};

class CGroupInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CGroupInfoSection)
};

class CGroupMemberInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CGroupMemberInfo)
    int RepoGroupId = 0;
    int RepoUserId = 0;
};

class CGroupMemberInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CGroupMemberInfoSection)
};

// Its own column order, unlike the user-side object privilege record.
class CRepoGroupObjectPrivilege : public CPlainRecord {
    SRTF_RECORD_KIND(CRepoGroupObjectPrivilege)
    int ModelID = 0;
    int SubModelID = 0;
    std::string Name;
    std::string ParentName;
    int RepoGroupId = 0;
    int RepoRoleId = 0;
    std::string RepoGroupName;
    std::string RepoRoleName;
    std::string Status;
    int ObjectCategoryID = 0;
    int ProjectID = 0;
    int DiagramID = 0;
    SrtfGuid ObjectGUID;
    int ReleasePrivilegeId = 0;
    int ProjectPrivilegeId = 0;
    int RepositoryPrivilegeId = 0;
    int ObjectPrivilegeId = 0;
    int CtlObjectId = 0;
    int ReleaseId = 0;
    std::string FileName;
    SrtfGuid GroupGUID;
};

class CRepoGroupObjectPrivilegeSection : public COneListSection {
    SRTF_SECTION_KIND(CRepoGroupObjectPrivilegeSection)
};

#endif
