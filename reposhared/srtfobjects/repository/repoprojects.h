// Repository objects and projects: objects with their file name and status,
// object domains of navigation entries, the members of a partial diagram,
// projects with the objects they hold, and the links between projects.
// One-list sections that travel only in files.
#ifndef SRTF_REPOSITORY_REPOPROJECTS_H
#define SRTF_REPOSITORY_REPOPROJECTS_H

#include "sectionbase.h"

class CRepoObject : public CPlainRecord {
    SRTF_RECORD_KIND(CRepoObject)
    std::string ObjectName;
    SrtfGuid ObjectGUID;
    std::string ObjectType;
    std::string FileName;
    std::string Status;
};

class CRepoObjectSection : public COneListSection {
    SRTF_SECTION_KIND(CRepoObjectSection)
};

class CObjectDomain : public CPlainRecord {
    SRTF_RECORD_KIND(CObjectDomain)
    int NavigationID = 0;
    std::string ObjectDomain;
    std::string ObjectDomainName;
    SrtfGuid ObjectDomainGUID;
};

class CObjectDomainSection : public COneListSection {
    SRTF_SECTION_KIND(CObjectDomainSection)
};

// Flag is a flag word, written in hexadecimal.
class CPartialDiagramMember : public CPlainRecord {
    SRTF_RECORD_KIND(CPartialDiagramMember)
    SrtfGuid ObjectGUID;
    SrtfGuid VersionGUID;
    std::string ObjectType;
    int Flag = 0;
};

class CPartialDiagramMemberSection : public COneListSection {
    SRTF_SECTION_KIND(CPartialDiagramMemberSection)
};

// The statuses are texts. ASSOCITION_ID is the last column on the line
// although its member is declared second.
class CRepoProjectInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CRepoProjectInfo)
    int ProjectId = 0;
    int ASSOCITION_ID = 0;
    std::string Name;
    std::string Description;
    std::string ObjectName;
    SrtfGuid ObjectGUID;
    std::string ProjectStatus;
    std::string ObjectStatus;
    int DiagramId = 0;
    std::string FileName;
    SrtfGuid ProjectGUID;
};

class CRepoProjectInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CRepoProjectInfoSection)
};

// Names come parent, child, ultimate parent; GUIDs child, parent, ultimate
// parent.
class CProjectLink : public CPlainRecord {
    SRTF_RECORD_KIND(CProjectLink)
    int ProjectLinkID = 0;
    int ParentProjectID = 0;
    int ChildProjectID = 0;
    int UltimateParentProjectID = 0;
    std::string ParentProjectName;
    std::string ChildProjectName;
    std::string UltimateParentProjectName;
    SrtfGuid ChildProjectGUID;
    SrtfGuid ParentProjectGUID;
    SrtfGuid UltimateParentProjectGUID;
};

class CProjectLinkSection : public COneListSection {
    SRTF_SECTION_KIND(CProjectLinkSection)
};

#endif
