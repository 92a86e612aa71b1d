// Database security sections: the roles and users of a model's database,
// the membership of users in roles, and the permissions granted on objects.
#ifndef SRTF_MODEL_DDSECURITY_H
#define SRTF_MODEL_DDSECURITY_H

#include "sectionbase.h"

class CDDDatabaseRole : public CDDRecord {
    SRTF_RECORD_KIND(CDDDatabaseRole)
    int DatabaseRoleID = 0;
    int ModelID = 0;
    std::string Name;
    int IdentificationType = 0;
    std::string Password;  // stored and written as plain text, never enciphered
    int Flags = 0;
    std::string Description;
    int NSTFlag = 0;
    int CompareFlags = 0;
};

// Keeps its Latest list ahead of its Base list (table, writing, destruction).
class CDDDatabaseRoleSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDatabaseRoleSection)
};

class CDDDatabaseUser : public CDDRecord {
    SRTF_RECORD_KIND(CDDDatabaseUser)
    int DatabaseUserID = 0;
    int ModelID = 0;
    std::string ExternalName;
    std::string Password;  // stored and written as plain text, never enciphered
    std::string Name;
    std::string Description;
    int Flags = 0;
    int NSTFlag = 0;
    int CompareFlags = 0;
};

class CDDDatabaseUserSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDatabaseUserSection)
};

class CDDUserRoleMember : public CDDRecord {
    SRTF_RECORD_KIND(CDDUserRoleMember)
    int UserRoleMemberID = 0;
    int ModelID = 0;
    int DatabaseRoleID = 0;
    int DatabaseUserID = 0;
};

class CDDUserRoleMemberSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDUserRoleMemberSection)
};

class CDDObjectPermission : public CDDRecord {
    SRTF_RECORD_KIND(CDDObjectPermission)
    int ObjectPermissionID = 0;
    int ModelID = 0;
    int ObjMetaTableID = 0;
    int ObjTableRowID = 0;
    int AttributeID = 0;
    std::string ObjectName;
    std::string ObjectOwner;
    int GranteeMetaTableID = 0;
    int GranteeTableRowID = 0;
    std::string GranteeName;
    std::string ActionType;
    std::string PermissionType;
    int Flags = 0;
};

class CDDObjectPermissionSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDObjectPermissionSection)
};

#endif
