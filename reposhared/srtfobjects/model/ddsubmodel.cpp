#include "ddsubmodel.h"

#define R CDDSubmodel
SRTF_DD_RECORD_TABLE(R, 0,
    //          member                     type    key data  property refers
    SRTF_COL(R, SubmodelId,                Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelId,                   Int,     1,  -1,       0,  44),
    SRTF_COL(R, SubmodelName,              String, -1,   0,   28869,  -1),
    SRTF_COL(R, DescendantUpdateFlags,     Int,    -1,   1,   29737,  -1),
    SRTF_COL(R, Subject_Area_Display_GUID, Guid,   -1,   2,   29953,  -1),
    SRTF_COL(R, Definition,                String, -1,   3,   29860,  -1),
    SRTF_COL(R, Note,                      String, -1,   4,   29861,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDSubmodelSection, CDDSubmodel, "Submodel_Base", "Submodel_Latest")

#define R CDDSubmodelLink
SRTF_DD_RECORD_TABLE(R, 3,
    //          member                  type    key data  property refers
    SRTF_COL(R, ModelId,                Int,     0,  -1,       0,  44),
    SRTF_COL(R, ChildSubmodelId,        Int,     1,  -1,       0,  68),
    SRTF_COL(R, NodeLevel,              Int,    -1,   0,   29334,  -1),
    SRTF_COL(R, SubmodelLinkId,         Int,     2,  -1,       0,  -1),
    SRTF_COL(R, ParentSubmodelId,       Int,     3,  -1,       0,  68),
    SRTF_COL(R, UltimateParentSubmodId, Int,     4,  -1,       0,  68),
    SRTF_COL(R, IsBottomLevel,          Int,    -1,   1,   29335,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDSubmodelLinkSection, CDDSubmodelLink,
                      "Submodel_Link_Base", "Submodel_Link_Latest")
