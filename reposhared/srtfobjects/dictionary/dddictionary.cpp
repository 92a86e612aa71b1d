#include "dictionary/dddictionary.h"

#define R CDDDictionaryLibrary
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, DictionaryLibraryId,     Int,     0,  -1,       0,  -1),
    SRTF_COL(R, DictionaryObjectId,      Int,     1,  -1,       0,  23),
    SRTF_COL(R, Name,                    String, -1,   0,   29190,  -1),
    SRTF_COL(R, Description,             String, -1,   1,   29191,  -1),
    SRTF_COL(R, Value,                   String, -1,   2,   29192,  -1),
    SRTF_COL(R, IsSystem,                Int,    -1,   3,   29193,  -1),
    SRTF_COL(R, EnterpriseDDID,          Int,     2,  -1,       0,  30))
#undef R
SRTF_TWO_LIST_SECTION(CDDDictionaryLibrarySection, CDDDictionaryLibrary,
                      "Dictionary_Library_Base", "Dictionary_Library_Latest")

#define R CDDDictionaryObject
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, DictionaryObjectId,      Int,     0,  -1,       0,  -1),
    SRTF_COL(R, DictionaryObjectType,    String, -1,   0,   29195,  -1),
    SRTF_COL(R, PropertyValueDataType,   Int,    -1,   1,   29196,  -1),
    SRTF_COL(R, EnterpriseDDID,          Int,     1,  -1,       0,  30))
#undef R
SRTF_TWO_LIST_SECTION(CDDDictionaryObjectSection, CDDDictionaryObject,
                      "Dictionary_Object_Base", "Dictionary_Object_Latest")

// Id column: DictionaryObjectLinkId (own column 1).
#define R CDDDictionaryObjectLink
SRTF_DD_RECORD_TABLE(R, 1,
    //       class member                type    key data  property refers
    SRTF_COL(R, NodeLevel,               Int,    -1,   0,   29345,  -1),
    SRTF_COL(R, DictionaryObjectLinkId,  Int,     0,  -1,       0,  -1),
    SRTF_COL(R, DictionaryObjectID,      Int,     1,  -1,       0,  23),
    SRTF_COL(R, Ultimate_Parent_ID,      Int,     2,  -1,       0,  23),
    SRTF_COL(R, ParentID,                Int,     3,  -1,       0,  23),
    SRTF_COL(R, ChildID,                 Int,     4,  -1,       0,  23),
    SRTF_COL(R, NodeName,                String, -1,   1,   29344,  -1),
    SRTF_COL(R, IsBottomLevel,           Int,    -1,   2,   29346,  -1))
#undef R
SRTF_LATEST_FIRST_SECTION(CDDDictionaryObjectLinkSection, CDDDictionaryObjectLink,
                          "Dictionary_Object_Link_Latest", "Dictionary_Object_Link_Base")
