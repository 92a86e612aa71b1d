// Comment and object-tracking sections: comments on rows of the model and who
// created and last updated a row. Neither record has a foreign key; the ids
// they carry besides their own are plain data.
#ifndef SRTF_MODEL_DDCOMMENT_H
#define SRTF_MODEL_DDCOMMENT_H

#include "sectionbase.h"

class CDDComment : public CDDRecord {
    SRTF_RECORD_KIND(CDDComment)
    int CommentId = 0;
    std::string Comment;
    int Timestamp = 0;
    int MetatableId = 0;
    SrtfGuid TableRowGUID;
    int ParentContainerId = 0;
    int ParentContainerType = 0;
    std::string UserName;
};

class CDDCommentSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDCommentSection)
};

class CDDObjectTracking : public CDDRecord {
    SRTF_RECORD_KIND(CDDObjectTracking)
    int ObjectTrackingId = 0;
    int MetaTableId = 0;
    int TableRowId = 0;
    std::string CreatedBy;
    std::string CreateTimestamp;
    std::string LastUpdatedBy;
    std::string LastUpdateTimestamp;
};

class CDDObjectTrackingSection : public CTwoListSection {
    SRTF_SECTION_KIND(CDDObjectTrackingSection)
};

#endif
