#include "dictionary/ddbound.h"

// Id column: BoundDictionaryObjectId (own column 1).
#define R CDDBoundDictionaryObject
SRTF_DD_RECORD_TABLE(R, 1,
    //       class member                type    key data  property refers
    SRTF_COL(R, MetaTableId,             Int,     0,  -1,       0,  -1),
    SRTF_COL(R, BoundDictionaryObjectId, Int,     1,  -1,       0,  -1),
    SRTF_COL(R, DictionaryObjectId,      Int,     2,  -1,       0,  23),
    SRTF_COL(R, TableRowId,              Int,     3,  -1,       0,  31),
    SRTF_COL(R, AttachmentDataType,      Int,    -1,   0,   29298,  -1),
    SRTF_COL(R, ValueOverride,           String, -1,   1,   29296,  -1),
    SRTF_COL(R, SequenceNumber,          Int,    -1,   2,   29297,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDBoundDictionaryObjectSection, CDDBoundDictionaryObject,
                      "Bound_Dictionary_Object_Base", "Bound_Dictionary_Object_Latest")
