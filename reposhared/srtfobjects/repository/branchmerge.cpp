#include "repository/branchmerge.h"

#define S CBranchMergeInfoSection
SRTF_KEY_VALUE_SECTION(CBranchMergeInfoSection,
    SRTF_KEY(S, CreatedDate,       String),
    SRTF_KEY(S, SourceDiagramGUID, Guid),
    SRTF_KEY(S, TargetDiagramGUID, Guid),
    SRTF_KEY(S, TargetDiagramName, String),
    SRTF_KEY(S, TargetFileName,    String),
    SRTF_KEY(S, Description,       String),
    SRTF_KEY(S, CreatedUser,       String))
#undef S

#define R CBranchTreeInfo
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member                type    key data  property refers
    SRTF_COL(R, DiagramID,               Int,    -1,   0,       0,  -1),
    SRTF_COL(R, DiagramName,             String, -1,   1,       0,  -1),
    SRTF_COL(R, FileName,                String, -1,   2,       0,  -1),
    SRTF_COL(R, DiagramObjectGUID,       Guid,   -1,   3,       0,  -1),
    SRTF_COL(R, ParentDiagramID,         Int,    -1,   4,       0,  -1),
    SRTF_COL(R, ChildDiagramID,          Int,    -1,   5,       0,  -1),
    SRTF_COL(R, UltimateParentDiagramID, Int,    -1,   6,       0,  -1),
    SRTF_COL(R, Description,             String, -1,   7,       0,  -1),
    SRTF_COL(R, IsDeleted,               Int,    -1,   8,       0,  -1),
    SRTF_COL(R, CreatedUser,             String, -1,   9,       0,  -1),
    SRTF_COL(R, CreatedDate,             String, -1,  10,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CBranchTreeInfoSection, CBranchTreeInfo, "BranchTreeInfo", false)

#define R CMergePairings
SRTF_PLAIN_RECORD_TABLE(R, -1,
    //       class member                type    key data  property refers
    SRTF_COL(R, SourceObjectGUID,        Guid,   -1,   0,       0,  -1),
    SRTF_COL(R, SourceVersionGUID,       Guid,   -1,   1,       0,  -1),
    SRTF_COL(R, SourceIsDeleted,         Int,    -1,   2,       0,  -1),
    SRTF_COL(R, TargetObjectGUID,        Guid,   -1,   3,       0,  -1),
    SRTF_COL(R, TargetVersionGUID,       Guid,   -1,   4,       0,  -1),
    SRTF_COL(R, TargetIsDeleted,         Int,    -1,   5,       0,  -1))
#undef R
SRTF_ONE_LIST_SECTION(CMergePairingsSection, CMergePairings, "MergePairings", false)
