#include "ddworkspace.h"

#define R CDDEAWorkspace
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, EAWorkspaceID,           Int,     0,  -1,       0,  -1),
    SRTF_COL(R, Name,                    String, -1,   0,   29883,  -1),
    SRTF_COL(R, SignatureGUID,           Guid,   -1,   1,   29903,  -1),
    SRTF_COL(R, Description,             String, -1,   2,   29884,  -1),
    SRTF_COL(R, FileContents,            String, -1,   3,   29885,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDEAWorkspaceSection, CDDEAWorkspace, "EAWorkspace_Base",
                      "EAWorkspace_Latest")

#define R CDDEAProject
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, EAProjectID,             Int,     0,  -1,       0,  -1),
    SRTF_COL(R, EAWorkspaceID,           Int,     1,  -1,       0,  -1),
    SRTF_COL(R, Name,                    String, -1,   0,   29888,  -1),
    SRTF_COL(R, Description,             String, -1,   1,   29889,  -1),
    SRTF_COL(R, FileContents,            String, -1,   2,   29890,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDEAProjectSection, CDDEAProject, "EAProject_Base", "EAProject_Latest")

// Id column 6: EAProjectLinkID.
#define R CDDEAProjectLink
SRTF_DD_RECORD_TABLE(R, 6,
    //       class member                type    key data  property refers
    SRTF_COL(R, EAWorkspaceID,           Int,     0,  -1,       0,  -1),
    SRTF_COL(R, EAUltimateProjectID,     Int,     1,  -1,       0,  -1),
    SRTF_COL(R, EAParentProjectID,       Int,     2,  -1,       0,  -1),
    SRTF_COL(R, EAChildProjectID,        Int,     3,  -1,       0,  -1),
    SRTF_COL(R, IsBottomLevel,           Int,    -1,   0,   29896,  -1),
    SRTF_COL(R, NodeLevel,               Int,    -1,   1,   29897,  -1),
    SRTF_COL(R, EAProjectLinkID,         Int,     4,  -1,       0,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDEAProjectLinkSection, CDDEAProjectLink, "EAProjectLink_Base",
                      "EAProjectLink_Latest")

// Id column 4: EADiagramID.
#define R CDDEADiagram
SRTF_DD_RECORD_TABLE(R, 4,
    //       class member                type    key data  property refers
    SRTF_COL(R, EAProjectID,             Int,     0,  -1,       0,  -1),
    SRTF_COL(R, Name,                    String, -1,   0,   29900,  -1),
    SRTF_COL(R, Description,             String, -1,   1,   29901,  -1),
    SRTF_COL(R, FileContents,            String, -1,   2,   29902,  -1),
    SRTF_COL(R, EADiagramID,             Int,     1,  -1,       0,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDEADiagramSection, CDDEADiagram, "EADiagram_Base", "EADiagram_Latest")

#define R CDDBusDataObject
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, BusDataObjectId,         Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelId,                 Int,     1,  -1,       0,  44),
    SRTF_COL(R, RootEntityGUID,          Guid,   -1,   0,   30049,  -1),
    SRTF_COL(R, LogicalName,             String, -1,   1,   30050,  -1),
    SRTF_COL(R, PhysicalName,            String, -1,   2,   30051,  -1),
    SRTF_COL(R, Definition,              String, -1,   3,   30052,  -1),
    SRTF_COL(R, Note,                    String, -1,   4,   30053,  -1),
    SRTF_COL(R, NSTFlag,                 Int,    -1,   5,   30054,  -1),
    SRTF_COL(R, CompareFlags,            Int,    -1,   6,   30055,  -1),
    SRTF_COL(R, Flags,                   Int,    -1,   7,   30056,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDBusDataObjectSection, CDDBusDataObject, "BusDataObject_Base",
                      "BusDataObject_Latest")
