// Local object, user information, user selection and lookup information
// sections: one-list sections whose record lists the Java side walks (and,
// except for the lookup entries, fills with records it creates itself).
#ifndef SRTF_REPOSITORY_LOCALOBJECT_H
#define SRTF_REPOSITORY_LOCALOBJECT_H

#include "sectionbase.h"

class CLocalObject : public CPlainRecord {
    SRTF_RECORD_KIND(CLocalObject)
    SrtfGuid InSyncVerGUID;
    std::string ObjectType;
    int ObjectStatus = 0;
    SrtfGuid ObjectGUID;
    int GroupId = 0;
};

class CLocalObjectSection : public COneListSection {
    SRTF_SECTION_KIND(CLocalObjectSection)
};

// Password is carried as plain text: no cipher is applied to it here.
class CUserInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CUserInfo)
    std::string UserName;
    std::string Status;
    std::string Password;
    std::string Description;
    int RepoUserID = 0;
    int ItemsCheckedOut = 0;
    std::string NewUserName;
    int IsLoggedIn = 0;
};

class CUserInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CUserInfoSection)
};

// ObjectTechKey is the record's id (GetId/SetId) and its first data property.
class CUserSelection : public CPlainRecord {
    SRTF_RECORD_KIND(CUserSelection)
    int ObjectTechKey = 0;
    SrtfGuid ObjectGUID;
    std::string ObjectType;
    int Flag = 0;
    SrtfGuid VersionGUID;
    int NavigationID = 0;
};

class CUserSelectionSection : public COneListSection {
    SRTF_SECTION_KIND(CUserSelectionSection)
};

// Flags is a plain decimal column here, not a flag word.
class CLookupInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CLookupInfo)
    SrtfGuid ContainerGUID;
    SrtfGuid ParentGUID;
    SrtfGuid ObjectGUID;
    std::string ObjectType;
    int Flags = 0;
    std::string Text;
};

class CLookupInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CLookupInfoSection)
};

#endif
