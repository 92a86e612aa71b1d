// Diagram, model and model option sections: the diagram document itself,
// the models it holds and the named options of each model.
#ifndef SRTF_MODEL_DDDIAGRAM_H
#define SRTF_MODEL_DDDIAGRAM_H

#include <string>

#include "sectionbase.h"

// The diagram document. Its active model and submodel are named by GUID
// only; those columns are data values, not keys.
class CDDDiagram : public CDDRecord {
    SRTF_RECORD_KIND(CDDDiagram)
    int DiagramId = 0;
    SrtfGuid ActiveModelGUID;
    std::string DiagramVersionNumber;
    std::string ModificationDate;
    std::string CreationDate;
    int VerticalSplitterPosition = 0;
    int XPosition = 0;
    int YPosition = 0;
    int Width = 0;
    int Height = 0;
    std::string Name;
    std::string AuthorName;
    std::string CompanyName;
    std::string Copyright;
    std::string Definition;
    std::string UnificationOption;
    std::string Filename;
    std::string CopyrightYear;
    std::string CodePage;
    SrtfGuid SignatureGUID;
    int QuorvaneDiagramVersion = 0;
    SrtfGuid ActiveSubmodelGUID;
};

class CDDDiagramSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDDiagramSection)
};

// One model of a diagram; refers to its diagram.
class CDDModel : public CDDRecord {
    SRTF_RECORD_KIND(CDDModel)
    int ModelId = 0;
    int DiagramId = 0;
    std::string Name;
    int PlatformId = 0;
    std::string Notation;
    int ModelType = 0;
    std::string NamePrefix;
    std::string SpaceHandlingOption;
    std::string CaseHandlingOption;
    int GenPriKeyOption = 0;
    int GenAltKeyOption = 0;
    int GenInvEntryOption = 0;
    int DefaultDisplayLevel = 0;
    int GenForeignKeyOption = 0;
    std::string RolenamePrefix;
    std::string NameSynchronizationOption;
    int MaxNameLength = 0;
    int DefaultDataTypeId = 0;
    int DefaultDataTypeWidth = 0;
    int DefaultDataTypeLength = 0;
    int DefaultDataTypeScale = 0;
    int DefaultDataTypeNullability = 0;
    int DefaultZoomFactor = 0;
    int DefaultBackgroundColor = 0;
    int RowOverhead = 0;
    int TableOverhead = 0;
    int IndexOverhead = 0;
    int BlobOverhead = 0;
    int BlobBlockSize = 0;
    std::string TableOverheadStr;
    std::string BlobOverheadStr;
    std::string Platform_PD;
};

class CDDModelSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDModelSection)
};

// One named option of a model.
class CDDModelOption : public CDDRecord {
    SRTF_RECORD_KIND(CDDModelOption)
    int ModelOptionId = 0;
    int ModelId = 0;
    std::string OptionType;
    std::string OptionValue;
};

class CDDModelOptionSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDModelOptionSection)
};

#endif
