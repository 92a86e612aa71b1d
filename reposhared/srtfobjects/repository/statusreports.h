// Status reports of the repository server: object versions, projects, version
// entries, statistics entries, the users on each machine and the objects each
// user has checked out. One-list sections that travel only in files.
#ifndef SRTF_REPOSITORY_STATUSREPORTS_H
#define SRTF_REPOSITORY_STATUSREPORTS_H

#include "sectionbase.h"

class CVersionInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CVersionInfo)
    SrtfGuid ObjectGUID;
    std::string ObjectType;
    int VersionNumber = 0;
};

class CVersionInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CVersionInfoSection)
};

// Lines carry a fifth int value that the comment line above them does not
// name; it is read, walked and written like any other column.
class CProjectInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CProjectInfo)
    int NavID = 0;
    int ProjectID = 0;
    std::string Name;
    std::string Description;
    int UnnamedValue = 0;
};

class CProjectInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CProjectInfoSection)
};

// CheckInDate is a text, kept as read.
class CCtlSysVersionInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CCtlSysVersionInfo)
    std::string CheckInDate;
    SrtfGuid VersionGUID;
    std::string Comment;
};

class CCtlSysVersionInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CCtlSysVersionInfoSection)
};

// RepoStatsInfo_ID is a tech key and no data property. IntValue and
// StringValue are both carried whatever RSIType says.
class CRepoStatsInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CRepoStatsInfo)
    std::string ObjectType;
    int ObjectId = 0;
    SrtfGuid ObjectGUID;
    std::string ObjectName;
    int RSIType = 0;
    int IntValue = 0;
    std::string StringValue;
    int RepoStatsInfo_ID = 0;
};

class CRepoStatsInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CRepoStatsInfoSection)
};

// Status is a text here.
class CRepoUserOnMachineInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CRepoUserOnMachineInfo)
    std::string UserName;
    std::string MachineName;
    int UserId = 0;
    int MachineId = 0;
    int UOMId = 0;
    std::string Status;
};

class CRepoUserOnMachineInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CRepoUserOnMachineInfoSection)
};

// Property ids do not follow the column order; Status is a text and
// ExclusiveFlag a decimal int.
class CRepoUserCheckedOutInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CRepoUserCheckedOutInfo)
    std::string UserName;
    std::string MachineName;
    std::string ObjectName;
    SrtfGuid ObjectGUID;
    int CtlDiagramId = 0;
    int ObjectCategory = 0;
    std::string FileName;
    std::string Status;
    int UOMId = 0;
    int ExclusiveFlag = 0;
};

class CRepoUserCheckedOutInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CRepoUserCheckedOutInfoSection)
};

#endif
