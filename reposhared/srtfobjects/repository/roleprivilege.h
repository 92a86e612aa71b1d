// Role privilege, repository object privilege and repository role
// information sections: one-list sections that the Java side both fills with
// records it creates and walks. Their Status columns are texts.
#ifndef SRTF_REPOSITORY_ROLEPRIVILEGE_H
#define SRTF_REPOSITORY_ROLEPRIVILEGE_H

#include "sectionbase.h"

class CRolePrivilege : public CPlainRecord {
    SRTF_RECORD_KIND(CRolePrivilege)
    int RepoRoleId = 0;
    int PrivilegeId = 0;
    std::string RoleName;
    std::string RoleDescription;
    std::string PrivilegeName;
    std::string ObjectCategoryName;
    int RolePrivilegeId = 0;
    int ObjectCategoryId = 0;
    std::string Status;
};

class CRolePrivilegeSection : public COneListSection {
    SRTF_SECTION_KIND(CRolePrivilegeSection)
};

class CRepoObjectPrivilege : public CPlainRecord {
    SRTF_RECORD_KIND(CRepoObjectPrivilege)
    int ObjectCategoryID = 0;
    int DiagramID = 0;
    int SubModelID = 0;
    SrtfGuid ObjectGUID;
    int ReleasePrivilegeId = 0;
    int ProjectPrivilegeId = 0;
    int RepositoryPrivilegeId = 0;
    int ObjectPrivilegeId = 0;
    int CtlObjectId = 0;
    int ReleaseId = 0;
    std::string ParentName;
    int RepoUserId = 0;
    int RepoRoleId = 0;
    std::string RepoUserName;
    std::string RepoRoleName;
    std::string Status;
    int ProjectID = 0;
    int ModelID = 0;
    std::string Name;
    std::string FileName;
};

class CRepoObjectPrivilegeSection : public COneListSection {
    SRTF_SECTION_KIND(CRepoObjectPrivilegeSection)
};

class CRepoRoleInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CRepoRoleInfo)
    std::string RoleName;
    int RoleId = 0;
    std::string RoleDescription;
    std::string Status;
};

class CRepoRoleInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CRepoRoleInfoSection)
};

#endif
