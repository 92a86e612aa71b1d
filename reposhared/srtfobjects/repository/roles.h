// Roles of the repository: a role's name and description, a role with one
// object privilege (and with the user names it is given to), and the lists
// of repository users, repository roles, role diagrams, diagram information
// and object privilege sets.
#ifndef SRTF_REPOSITORY_ROLES_H
#define SRTF_REPOSITORY_ROLES_H

#include "sectionbase.h"

class CRoleInfoSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CRoleInfoSection)

    std::string Name;
    std::string Description;
};

class CRoleObjectPrivilegeSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CRoleObjectPrivilegeSection)

    std::string RoleName;
    std::string RoleDescription;
    std::string ObjectPrivilegeName;
    std::string ObjectPrivilegeDescription;
};

// Every "UserName" line adds to UserNameList; UserName holds the last.
class CRoleUserPrivilegeSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CRoleUserPrivilegeSection)

    std::string RoleName;
    std::string RoleDescription;
    std::string ObjectPrivilegeName;
    std::string ObjectPrivilegeDescription;
    std::string UserName;
    std::vector<std::string> UserNameList;
};

// Record of the repository users section (record type "RepoRoleUser").
class CRepoUser : public CPlainRecord {
    SRTF_RECORD_KIND(CRepoUser)
    int UserNavId = 0;
    std::string UserName;
    std::string Status;
};

class CRepoUsersSection : public COneListSection {
    SRTF_SECTION_KIND(CRepoUsersSection)
};

class CRepoRole : public CPlainRecord {
    SRTF_RECORD_KIND(CRepoRole)
    int RoleNavId = 0;
    std::string RoleName;
    std::string RoleDescription;
    std::string Status;
    int RepoRoleID = 0;
};

class CRepoRoleSection : public COneListSection {
    SRTF_SECTION_KIND(CRepoRoleSection)
};

class CRoleDiagram : public CPlainRecord {
    SRTF_RECORD_KIND(CRoleDiagram)
    int RoleNavId = 0;
    std::string RoleName;
    std::string RoleDescription;
    std::string Status;
};

class CRoleDiagramSection : public COneListSection {
    SRTF_SECTION_KIND(CRoleDiagramSection)
};

// DiagramId is a data property, not a tech key.
class CDiagramInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CDiagramInfo)
    int RoleNavId = 0;
    int DiagramId = 0;
    SrtfGuid ObjectGUID;
    std::string ObjectType;
    std::string Name;
    std::string Status;
};

class CDiagramInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CDiagramInfoSection)
};

class CObjPrivilegeSet : public CPlainRecord {
    SRTF_RECORD_KIND(CObjPrivilegeSet)
    int ObjPrivNavId = 0;
    std::string ObjPrivilegeName;
    std::string ObjPrivilegeDescription;
    std::string Status;
};

class CObjPrivilegeSetSection : public COneListSection {
    SRTF_SECTION_KIND(CObjPrivilegeSetSection)
};

#endif
