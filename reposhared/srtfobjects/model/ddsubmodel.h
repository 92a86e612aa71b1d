// Submodel sections: the submodels of a model and the links that arrange
// them as a tree.
#ifndef SRTF_MODEL_DDSUBMODEL_H
#define SRTF_MODEL_DDSUBMODEL_H

#include <string>

#include "sectionbase.h"

// A named part of a model.
class CDDSubmodel : public CDDRecord {
    SRTF_RECORD_KIND(CDDSubmodel)
    int SubmodelId = 0;
    int ModelId = 0;
    std::string SubmodelName;
    int DescendantUpdateFlags = 0;
    SrtfGuid Subject_Area_Display_GUID;
    std::string Definition;
    std::string Note;
};

class CDDSubmodelSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDSubmodelSection)
};

// One node of a model's submodel tree. The own id (SubmodelLinkId) is the
// fourth column and the third tech key; three columns refer to the submodel
// section, so SetForeignKey with that id fills ChildSubmodelId only.
class CDDSubmodelLink : public CDDRecord {
    SRTF_RECORD_KIND(CDDSubmodelLink)
    int ModelId = 0;
    int ChildSubmodelId = 0;
    int NodeLevel = 0;
    int SubmodelLinkId = 0;
    int ParentSubmodelId = 0;
    int UltimateParentSubmodId = 0;
    int IsBottomLevel = 0;
};

class CDDSubmodelLinkSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDSubmodelLinkSection)
};

#endif
