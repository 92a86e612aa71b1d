// EA workspace and bus-data-object sections: EA workspaces, their projects,
// the links that arrange the projects, EA diagrams, and the bus data objects
// of a model. The EA records refer to one another through tech keys only.
#ifndef SRTF_MODEL_DDWORKSPACE_H
#define SRTF_MODEL_DDWORKSPACE_H

#include "sectionbase.h"

class CDDEAWorkspace : public CDDRecord {
    SRTF_RECORD_KIND(CDDEAWorkspace)
    int EAWorkspaceID = 0;
    std::string Name;
    SrtfGuid SignatureGUID;
    std::string Description;
    std::string FileContents;
};

class CDDEAWorkspaceSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDEAWorkspaceSection)
};

class CDDEAProject : public CDDRecord {
    SRTF_RECORD_KIND(CDDEAProject)
    int EAProjectID = 0;
    int EAWorkspaceID = 0;
    std::string Name;
    std::string Description;
    std::string FileContents;
};

class CDDEAProjectSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDEAProjectSection)
};

// The link's own id is its last column (and last tech key).
class CDDEAProjectLink : public CDDRecord {
    SRTF_RECORD_KIND(CDDEAProjectLink)
    int EAWorkspaceID = 0;
    int EAUltimateProjectID = 0;
    int EAParentProjectID = 0;
    int EAChildProjectID = 0;
    int IsBottomLevel = 0;
    int NodeLevel = 0;
    int EAProjectLinkID = 0;
};

class CDDEAProjectLinkSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDEAProjectLinkSection)
};

// The diagram's own id is its last column (and second tech key).
class CDDEADiagram : public CDDRecord {
    SRTF_RECORD_KIND(CDDEADiagram)
    int EAProjectID = 0;
    std::string Name;
    std::string Description;
    std::string FileContents;
    int EADiagramID = 0;
};

class CDDEADiagramSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDEADiagramSection)
};

class CDDBusDataObject : public CDDRecord {
    SRTF_RECORD_KIND(CDDBusDataObject)
    int BusDataObjectId = 0;
    int ModelId = 0;
    SrtfGuid RootEntityGUID;
    std::string LogicalName;
    std::string PhysicalName;
    std::string Definition;
    std::string Note;
    int NSTFlag = 0;
    int CompareFlags = 0;
    int Flags = 0;
};

class CDDBusDataObjectSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDBusDataObjectSection)
};

#endif
