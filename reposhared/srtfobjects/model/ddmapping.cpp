#include "ddmapping.h"

#define R CDDUniversalMapping
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, UniversalMappingId,      Int,     0,  -1,       0,  -1),
    SRTF_COL(R, AMetaTableId,            Int,     1,  -1,       0,  -1),
    SRTF_COL(R, ATableRowGUID,           Guid,   -1,   0,   29942,  -1),
    SRTF_COL(R, BMetaTableId,            Int,     2,  -1,       0,  -1),
    SRTF_COL(R, BTableRowGUID,           Guid,   -1,   1,   29943,  -1),
    SRTF_COL(R, Description,             String, -1,   2,   29944,  -1),
    SRTF_COL(R, Flags,                   Int,    -1,   3,   29945,  -1),
    SRTF_COL(R, Note,                    String, -1,   4,   30090,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDUniversalMappingSection, CDDUniversalMapping, "UniversalMapping_Base",
                      "UniversalMapping_Latest")

#define R CDDExternalMappedObject
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, ExternalMappedObjectId,  Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ParentEMObjGUID,         Guid,   -1,   0,   29946,  -1),
    SRTF_COL(R, EMObj_Type,              Int,    -1,   1,   29947,  -1),
    SRTF_COL(R, User_Friendly_Display_Info, String, -1, 2,  29948,  -1),
    SRTF_COL(R, ContainerGUID,           Guid,   -1,   3,   29949,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDExternalMappedObjectSection, CDDExternalMappedObject,
                      "ExternalMappedObject_Base", "ExternalMappedObject_Latest")

// The subject-area keys point into the model (44), the subject areas (207)
// and the submodels (68), and are reported as foreign keys like every other
// ModelId column.
#define R CDDSubjectArea
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, SubjectAreaId,           Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelId,                 Int,     1,  -1,       0,  44),
    SRTF_COL(R, Name,                    String, -1,   0,   29950,  -1),
    SRTF_COL(R, Description,             String, -1,   1,   29951,  -1),
    SRTF_COL(R, Flags,                   Int,    -1,   2,   29952,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDSubjectAreaSection, CDDSubjectArea, "SubjectArea_Base",
                      "SubjectArea_Latest")

#define R CDDSubjectAreaMapping
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, SubjectAreaMappingId,    Int,     0,  -1,       0,  -1),
    SRTF_COL(R, SubjectAreaId,           Int,     1,  -1,       0, 207),
    SRTF_COL(R, SubModelId,              Int,     2,  -1,       0,  68),
    SRTF_COL(R, Name,                    String, -1,   0,   29954,  -1),
    SRTF_COL(R, Description,             String, -1,   1,   29955,  -1),
    SRTF_COL(R, Flags,                   Int,    -1,   2,   29956,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDSubjectAreaMappingSection, CDDSubjectAreaMapping,
                      "SubjectAreaMapping_Base", "SubjectAreaMapping_Latest")
