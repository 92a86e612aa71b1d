#include "ddkey.h"

#define R CDDKey
SRTF_DD_RECORD_TABLE(R, 0,
    //          member                    type    key data  property refers
    SRTF_COL(R, KeyId,                    Int,     0,  -1,       0,  -1),
    SRTF_COL(R, EntityId,                 Int,     1,  -1,       0,  31),
    SRTF_COL(R, IntermodelRelationshipId, Int,     2,  -1,       0,  40),
    SRTF_COL(R, Name,                     String, -1,   0,   28873,  -1),
    SRTF_COL(R, IsUniqueOption,           String, -1,   1,   28874,  -1),
    SRTF_COL(R, IndexType,                String, -1,   2,   28875,  -1),
    SRTF_COL(R, KeyType,                  String, -1,   3,   28876,  -1),
    SRTF_COL(R, HashSize,                 Int,    -1,   4,   28877,  -1),
    SRTF_COL(R, HashSizeType,             String, -1,   5,   28878,  -1),
    SRTF_COL(R, IgnoreDuplicateKeyOption, String, -1,   6,   28879,  -1),
    SRTF_COL(R, DuplicateRowOption,       String, -1,   7,   28880,  -1),
    SRTF_COL(R, NoSortingOption,          String, -1,   8,   28881,  -1),
    SRTF_COL(R, SortOrdering,             String, -1,   9,   28882,  -1),
    SRTF_COL(R, Flags,                    Int,    -1,  10,   29545,  -1),
    SRTF_COL(R, NSTFlag,                  Int,    -1,  11,   29769,  -1),
    SRTF_COL(R, CompareFlags,             Int,    -1,  12,   29866,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDKeySection, CDDKey, "Key_Base", "Key_Latest")

#define R CDDKeyAttribute
SRTF_DD_RECORD_TABLE(R, 0,
    //          member          type    key data  property refers
    SRTF_COL(R, KeyAttributeId, Int,     0,  -1,       0,  -1),
    SRTF_COL(R, KeyId,          Int,     1,  -1,       0,  41),
    SRTF_COL(R, AttributeId,    Int,     2,  -1,       0,   7),
    SRTF_COL(R, SequenceNumber, Int,    -1,   0,   28886,  -1),
    SRTF_COL(R, SortOrdering,   String, -1,   1,   28887,  -1),
    SRTF_COL(R, ColumnName_PD,  String, -1,   2,   30038,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDKeyAttributeSection, CDDKeyAttribute,
                      "Key_Attribute_Base", "Key_Attribute_Latest")

#define R CDDCheckConstraint
SRTF_DD_RECORD_TABLE(R, 2,
    //          member                    type    key data  property refers
    SRTF_COL(R, EntityId,                 Int,     0,  -1,       0,  31),
    SRTF_COL(R, AttributeId,              Int,     1,  -1,       0,   7),
    SRTF_COL(R, CheckConstraintsId,       Int,     2,  -1,       0,  -1),
    SRTF_COL(R, InterModelRelationshipId, Int,     3,  -1,       0,  40),
    SRTF_COL(R, ConstraintName,           String, -1,   0,   29186,  -1),
    SRTF_COL(R, CheckText,                String, -1,   1,   29187,  -1),
    SRTF_COL(R, NSTFlag,                  Int,    -1,   2,   29758,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDCheckConstraintSection, CDDCheckConstraint,
                      "Check_Constraint_Base", "Check_Constraint_Latest")
