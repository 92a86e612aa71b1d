// Choice and tuning of the automatic layout: the algorithm a submodel uses,
// one property value per record for that choice, and the graph-manager
// settings of a diagram.
#ifndef SRTF_DIAGRAM_DDLAYOUTFRAME_H
#define SRTF_DIAGRAM_DDLAYOUTFRAME_H

#include <string>

#include "sectionbase.h"

// All three columns are tech keys: the data walk is empty.
class CDDSubmodelAlgorithm : public CDDRecord {
    SRTF_RECORD_KIND(CDDSubmodelAlgorithm)
    int SubmodelAlgorithmId = 0;
    int SubmodelId = 0;
    int LayoutAlgorithmId = 0;
};

class CDDSubmodelAlgorithmSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDSubmodelAlgorithmSection)
};

class CDDAlgorithmProperty : public CDDRecord {
    SRTF_RECORD_KIND(CDDAlgorithmProperty)
    int AlgorithmPropertyId = 0;
    int SubmodelAlgorithmId = 0;
    int DataTypeId = 0;
    int LayoutPropertyNameId = 0;
    std::string AlgPropValue;
};

class CDDAlgorithmPropertySection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDAlgorithmPropertySection)
};

class CDDGraphMgrProps : public CDDRecord {
    SRTF_RECORD_KIND(CDDGraphMgrProps)
    int GraphMgrPropsID = 0;
    int DiagramID = 0;
    int FixedSize = 0;
    int FixedPosition = 0;
    int HorzSpacingBetEdges = 0;
    int HorzSpacingBetNodes = 0;
    int VertSpacingBetEdges = 0;
    int VertSpacingBetNodes = 0;
    int ApplyStyleDeeply = 0;
    int DrawingFitting = 0;
    int HorzSpacingBetIEdges = 0;
    int VertSpacingBetIEdges = 0;
};

class CDDGraphMgrPropsSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDGraphMgrPropsSection)
};

#endif
