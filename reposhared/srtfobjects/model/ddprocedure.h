// Procedure, package and trigger sections: the procedures and database
// packages of a model, and the templated procedures and database triggers of
// an entity.
#ifndef SRTF_MODEL_DDPROCEDURE_H
#define SRTF_MODEL_DDPROCEDURE_H

#include "sectionbase.h"

class CDDProc : public CDDRecord {
    SRTF_RECORD_KIND(CDDProc)
    int ProcId = 0;
    int ModelId = 0;
    int Type = 0;
    int Flags = 0;
    std::string Name;
    std::string Description;
    std::string Value;
    std::string Owner;
    int NSTFlag = 0;
    int CompareFlags = 0;
};

class CDDProcSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDProcSection)
};

// The entity's id comes first on the line; the record's own id is column 1.
class CDDTemplatedProc : public CDDRecord {
    SRTF_RECORD_KIND(CDDTemplatedProc)
    int EntityId = 0;
    int TemplatedProcId = 0;
    std::string Name;
    std::string Description;
    int Flags = 0;
    std::string Value;
    int NSTFlag = 0;
};

class CDDTemplatedProcSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDTemplatedProcSection)
};

// Unlike the other three kinds, a package keeps its Flags in decimal.
class CDDDbPackage : public CDDRecord {
    SRTF_RECORD_KIND(CDDDbPackage)
    int DbPackageId = 0;
    int ModelId = 0;
    std::string Owner;
    std::string Name;
    std::string Description;
    int Flags = 0;
    std::string HeaderValue;
    std::string BodyValue;
    int NSTFlag = 0;
    int CompareFlags = 0;
};

class CDDDbPackageSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDbPackageSection)
};

class CDDDbTrigger : public CDDRecord {
    SRTF_RECORD_KIND(CDDDbTrigger)
    int DbTriggerId = 0;
    int EntityId = 0;
    std::string Owner;
    int TriggerAction = 0;
    std::string Name;
    std::string Description;
    int Flags = 0;
    int Type = 0;
    std::string Value;
    int NSTFlag = 0;
};

class CDDDbTriggerSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDbTriggerSection)
};

#endif
