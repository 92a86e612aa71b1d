// Branch and merge information: a key-value section describing one branch or
// merge, the tree of branched diagrams and the pairings of merged objects.
// Date texts are stored and written back unparsed.
#ifndef SRTF_REPOSITORY_BRANCHMERGE_H
#define SRTF_REPOSITORY_BRANCHMERGE_H

#include "sectionbase.h"

class CBranchMergeInfoSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CBranchMergeInfoSection)

    std::string CreatedDate;
    SrtfGuid SourceDiagramGUID;
    SrtfGuid TargetDiagramGUID;
    std::string TargetDiagramName;
    std::string TargetFileName;
    std::string Description;
    std::string CreatedUser;
};

// IsDeleted is a decimal int, not a flag word.
class CBranchTreeInfo : public CPlainRecord {
    SRTF_RECORD_KIND(CBranchTreeInfo)
    int DiagramID = 0;
    std::string DiagramName;
    std::string FileName;
    SrtfGuid DiagramObjectGUID;
    int ParentDiagramID = 0;
    int ChildDiagramID = 0;
    int UltimateParentDiagramID = 0;
    std::string Description;
    int IsDeleted = 0;
    std::string CreatedUser;
    std::string CreatedDate;
};

class CBranchTreeInfoSection : public COneListSection {
    SRTF_SECTION_KIND(CBranchTreeInfoSection)
};

class CMergePairings : public CPlainRecord {
    SRTF_RECORD_KIND(CMergePairings)
    SrtfGuid SourceObjectGUID;
    SrtfGuid SourceVersionGUID;
    int SourceIsDeleted = 0;
    SrtfGuid TargetObjectGUID;
    SrtfGuid TargetVersionGUID;
    int TargetIsDeleted = 0;
};

class CMergePairingsSection : public COneListSection {
    SRTF_SECTION_KIND(CMergePairingsSection)
};

#endif
