#include "dictionary/ddattachment.h"

#define R CDDAttachment
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, AttachmentId,            Int,     0,  -1,       0,  -1),
    SRTF_COL(R, AttachmentTypeId,        Int,     1,  -1,       0,   6),
    SRTF_COL(R, Name,                    String, -1,   0,   29280,  -1),
    SRTF_COL(R, Description,             String, -1,   1,   29281,  -1),
    SRTF_COL(R, ValueDefault,            String, -1,   2,   29282,  -1),
    SRTF_COL(R, AttachmentDataType,      Int,    -1,   3,   29283,  -1),
    SRTF_COL(R, DictionaryObjectId,      Int,     2,  -1,       0,  23))
#undef R
SRTF_TWO_LIST_SECTION(CDDAttachmentSection, CDDAttachment, "Attachment_Base",
                      "Attachment_Latest")

#define R CDDAttachmentType
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, AttachmentTypeId,        Int,     0,  -1,       0,  -1),
    SRTF_COL(R, Name,                    String, -1,   0,   29286,  -1),
    SRTF_COL(R, Description,             String, -1,   1,   29287,  -1),
    SRTF_COL(R, IsUserDefined,           Int,    -1,   2,   29288,  -1),
    SRTF_COL(R, DictionaryObjectId,      Int,     1,  -1,       0,  23))
#undef R
SRTF_TWO_LIST_SECTION(CDDAttachmentTypeSection, CDDAttachmentType, "Attachment_Type_Base",
                      "Attachment_Type_Latest")

#define R CDDValidAttachmentType
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, ValidAttachmentTypeId,   Int,     0,  -1,       0,  -1),
    SRTF_COL(R, AttachmentTypeId,        Int,     1,  -1,       0,   6),
    SRTF_COL(R, MetaTableId,             Int,    -1,   0,   29292,  -1),
    SRTF_COL(R, MinRows,                 Int,    -1,   1,   29293,  -1),
    SRTF_COL(R, MaxRows,                 Int,    -1,   2,   29294,  -1),
    SRTF_COL(R, DictionaryObjectId,      Int,     2,  -1,       0,  23))
#undef R
SRTF_TWO_LIST_SECTION(CDDValidAttachmentTypeSection, CDDValidAttachmentType,
                      "Valid_Attachment_Type_Base", "Valid_Attachment_Type_Latest")
