#include "repository/repocontrol.h"

// Key tables in file order.
#define S CRepoControlSection
SRTF_KEY_VALUE_SECTION(CRepoControlSection,
    SRTF_KEY(S, Command,   String),
    SRTF_KEY(S, StrParam1, String),
    SRTF_KEY(S, StrParam2, String),
    SRTF_KEY(S, StrParam3, String),
    SRTF_KEY(S, StrParam4, String),
    SRTF_KEY(S, StrParam5, String),
    SRTF_KEY(S, IntParam1, Int),
    SRTF_KEY(S, IntParam2, Int),
    SRTF_KEY(S, IntParam3, Int),
    SRTF_KEY(S, IntParam4, Int),
    SRTF_KEY(S, IntParam5, Int))
#undef S

#define S CRepoServerInfoSection
SRTF_KEY_VALUE_SECTION(CRepoServerInfoSection,
    SRTF_KEY(S, Machine_Name,      String),
    SRTF_KEY(S, CPU,               String),
    SRTF_KEY(S, CPU_Speed,         Int),
    SRTF_KEY(S, CPU_Count,         Int),
    SRTF_KEY(S, Disk_Type,         String),
    SRTF_KEY(S, Disk_Count,        Int),
    SRTF_KEY(S, Disk_Controller,   String),
    SRTF_KEY(S, RAM,               Int),
    SRTF_KEY(S, Repo_Server_Count, Int),
    SRTF_KEY(S, Notes,             String))
#undef S

#define S CRepoEventSection
SRTF_KEY_VALUE_SECTION(CRepoEventSection,
    SRTF_KEY(S, Sequence_Numb, Int),
    SRTF_KEY(S, Julian_Date,   Int),
    SRTF_KEY(S, Diagram_GUID,  Guid),
    SRTF_KEY(S, Object_Type,   String),
    SRTF_KEY(S, Object_GUID,   Guid),
    SRTF_KEY(S, Event_Type,    String),
    SRTF_KEY(S, User,          String),
    SRTF_KEY(S, Mach,          String))
#undef S

SRTF_KEY_VALUE_SECTION(CShutDownSection, SRTF_KEY(CShutDownSection, TimeOut, Int))

SRTF_KEY_VALUE_SECTION(CSharingPathSection, SRTF_KEY(CSharingPathSection, SharingPath, String))

#define S CNamedReleaseSection
SRTF_KEY_VALUE_SECTION(CNamedReleaseSection,
    SRTF_KEY(S, Name,        String),
    SRTF_KEY(S, Description, String),
    SRTF_KEY(S, Date,        String))
#undef S
