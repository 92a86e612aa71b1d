// Administration of repository users: deleting a user, changing one user's
// access to one object, changing a user's profile, password and status, one
// profile with its privileges, and the lists of users' security rights on an
// object, of users with a given profile and of privileges.
#ifndef SRTF_REPOSITORY_USERADMIN_H
#define SRTF_REPOSITORY_USERADMIN_H

#include "sectionbase.h"

class CDeleteUserSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CDeleteUserSection)

    std::string UserName;
};

class CModifySecurityAccessSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CModifySecurityAccessSection)

    std::string UserName;
    std::string ObjectType;
    SrtfGuid ObjectGUID;
    int ACL = 0;
};

// PassWord is carried as plain text: no cipher is applied to it here.
class CModifyUserInfoSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CModifyUserInfoSection)

    std::string UserName;
    std::string ProfileName;
    std::string PassWord;
    std::string Status;
};

// Every "Privilege" line adds to PrivilegeList; Privilege holds the last.
class CProfileSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CProfileSection)

    std::string Name;
    std::string Description;
    std::string Privilege;
    std::vector<std::string> PrivilegeList;
};

// The record type is spelled "User_Secruity_Right" in files.
class CUserSecurityRight : public CPlainRecord {
    SRTF_RECORD_KIND(CUserSecurityRight)
    std::string Status;
    std::string UserName;
    int ACL = 0;
};

class CObjectSecurityRightAllUserSection : public COneListSection {
    SRTF_SECTION_KIND(CObjectSecurityRightAllUserSection)
};

class CUserWithSpecificProfile : public CPlainRecord {
    SRTF_RECORD_KIND(CUserWithSpecificProfile)
    std::string UserName;
    std::string Status;
};

class CUserWithSpecificProfileSection : public COneListSection {
    SRTF_SECTION_KIND(CUserWithSpecificProfileSection)
};

// PrivilegeID is a decimal data property, not a tech key.
class CPrivilege : public CPlainRecord {
    SRTF_RECORD_KIND(CPrivilege)
    std::string Name;
    std::string Description;
    int PrivilegeID = 0;
};

class CPrivilegeSection : public COneListSection {
    SRTF_SECTION_KIND(CPrivilegeSection)
};

#endif
