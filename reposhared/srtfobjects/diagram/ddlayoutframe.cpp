#include "ddlayoutframe.h"

#define R CDDSubmodelAlgorithm
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member            type    key data property refers
    SRTF_COL(R, SubmodelAlgorithmId, Int,     0,  -1,      0,  -1),
    SRTF_COL(R, SubmodelId,          Int,     1,  -1,      0,  68),
    SRTF_COL(R, LayoutAlgorithmId,   Int,     2,  -1,      0,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDSubmodelAlgorithmSection, CDDSubmodelAlgorithm,
                      "Submodel_Algorithm_Base", "Submodel_Algorithm_Latest")

#define R CDDAlgorithmProperty
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member             type    key data property refers
    SRTF_COL(R, AlgorithmPropertyId,  Int,     0,  -1,      0,  -1),
    SRTF_COL(R, SubmodelAlgorithmId,  Int,     1,  -1,      0,  69),
    SRTF_COL(R, DataTypeId,           Int,     2,  -1,      0,  -1),
    SRTF_COL(R, LayoutPropertyNameId, Int,     3,  -1,      0,  -1),
    SRTF_COL(R, AlgPropValue,         String, -1,   0,  29094,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDAlgorithmPropertySection, CDDAlgorithmProperty,
                      "Algorithm_Property_Base", "Algorithm_Property_Latest")

#define R CDDGraphMgrProps
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member             type    key data property refers
    SRTF_COL(R, GraphMgrPropsID,      Int,     0,  -1,      0,  -1),
    SRTF_COL(R, DiagramID,            Int,     1,  -1,      0,  20),
    SRTF_COL(R, FixedSize,            Int,    -1,   0,  30013,  -1),
    SRTF_COL(R, FixedPosition,        Int,    -1,   1,  30014,  -1),
    SRTF_COL(R, HorzSpacingBetEdges,  Int,    -1,   2,  30015,  -1),
    SRTF_COL(R, HorzSpacingBetNodes,  Int,    -1,   3,  30016,  -1),
    SRTF_COL(R, VertSpacingBetEdges,  Int,    -1,   4,  30017,  -1),
    SRTF_COL(R, VertSpacingBetNodes,  Int,    -1,   5,  30018,  -1),
    SRTF_COL(R, ApplyStyleDeeply,     Int,    -1,   6,  30019,  -1),
    SRTF_COL(R, DrawingFitting,       Int,    -1,   7,  30020,  -1),
    SRTF_COL(R, HorzSpacingBetIEdges, Int,    -1,   8,  30021,  -1),
    SRTF_COL(R, VertSpacingBetIEdges, Int,    -1,   9,  30022,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDGraphMgrPropsSection, CDDGraphMgrProps,
                      "GraphMgrProps_Base", "GraphMgrProps_Latest")
