// Repository control traffic: a control command with its parameters, the
// server machine's description, one repository event, a shut-down time-out,
// a sharing path and a named release. Key-value sections; the values are
// stored and written back without interpretation (dates stay texts or ints).
#ifndef SRTF_REPOSITORY_REPOCONTROL_H
#define SRTF_REPOSITORY_REPOCONTROL_H

#include "sectionbase.h"

class CRepoControlSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CRepoControlSection)

    std::string Command;
    std::string StrParam1;
    std::string StrParam2;
    std::string StrParam3;
    std::string StrParam4;
    std::string StrParam5;
    int IntParam1 = 0;
    int IntParam2 = 0;
    int IntParam3 = 0;
    int IntParam4 = 0;
    int IntParam5 = 0;
};

class CRepoServerInfoSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CRepoServerInfoSection)

    std::string Machine_Name;
    std::string CPU;
    int CPU_Speed = 0;
    int CPU_Count = 0;
    std::string Disk_Type;
    int Disk_Count = 0;
    std::string Disk_Controller;
    int RAM = 0;
    int Repo_Server_Count = 0;
    std::string Notes;
};

class CRepoEventSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CRepoEventSection)

    int Sequence_Numb = 0;
    int Julian_Date = 0;
    SrtfGuid Diagram_GUID;
    std::string Object_Type;
    SrtfGuid Object_GUID;
    std::string Event_Type;
    std::string User;
    std::string Mach;
};

class CShutDownSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CShutDownSection)

    int TimeOut = 0;
};

class CSharingPathSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CSharingPathSection)

    std::string SharingPath;
};

class CNamedReleaseSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CNamedReleaseSection)

    std::string Name;
    std::string Description;
    std::string Date;
};

#endif
