// Tasks, change records and the links between them. One-list sections that
// travel only in files; the ids of a link are kept as read, never resolved.
// Every status column is a decimal int.
#ifndef SRTF_REPOSITORY_TASKS_H
#define SRTF_REPOSITORY_TASKS_H

#include "sectionbase.h"

class CTaskInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CTaskInfo)
    int TaskId = 0;
    std::string Name;
    std::string Description;
    int TaskStatus = 0;
    std::string Hyperlink;
    int Status = 0;
    int ProjId = 0;
    int Association_Id = 0;
};

class CTaskInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CTaskInfoSection)
};

class CChangeRecordInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CChangeRecordInfo)
    int ChangeRecordId = 0;
    int DiagramId = 0;
    int EnterpriseDDID = 0;
    int UserOnMachineId = 0;
    std::string Comment;
    std::string Name;
    int Status = 0;
    int ChangeRecordStatus = 0;
};

class CChangeRecordInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CChangeRecordInfoSection)
};

class CChangeRecordTaskInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CChangeRecordTaskInfo)
    int ChangeRecordTaskId = 0;
    int TaskId = 0;
    int ChangeRecordId = 0;
    int Status = 0;
};

class CChangeRecordTaskInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CChangeRecordTaskInfoSection)
};

#endif
