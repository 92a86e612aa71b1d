#include "dictionary/dddomain.h"

// The reference-value and naming-standards bindings are tech keys without a
// foreign-key target.
#define R CDDDomain
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                      type    key data  property refers
    SRTF_COL(R, DomainId,                      Int,     0,  -1,       0,  -1),
    SRTF_COL(R, BoundUserDatatypeId,           Int,     1,  -1,       0,  80),
    SRTF_COL(R, BoundDefaultId,                Int,     2,  -1,       0,  19),
    SRTF_COL(R, BoundRuleId,                   Int,     3,  -1,       0,  61),
    SRTF_COL(R, Name,                          String, -1,   0,   28920,  -1),
    SRTF_COL(R, ColumnName,                    String, -1,   1,   28921,  -1),
    SRTF_COL(R, Description,                   String, -1,   2,   28922,  -1),
    SRTF_COL(R, DataTypeId,                    String, -1,   3,   28923,  -1),
    SRTF_COL(R, Length,                        Int,    -1,   4,   28924,  -1),
    SRTF_COL(R, Scale,                         Int,    -1,   5,   28925,  -1),
    SRTF_COL(R, Nullable,                      Int,    -1,   6,   28926,  -1),
    SRTF_COL(R, IdentityColumn,                String, -1,   7,   28927,  -1),
    SRTF_COL(R, IdentitySeed,                  Int,    -1,   8,   28928,  -1),
    SRTF_COL(R, IdentityIncrement,             Int,    -1,   9,   28929,  -1),
    SRTF_COL(R, DeclaredDefault,               String, -1,  10,   28930,  -1),
    SRTF_COL(R, CheckConstraint,               String, -1,  11,   28931,  -1),
    SRTF_COL(R, BoundReferenceValueId,         Int,     4,  -1,       0,  -1),
    SRTF_COL(R, DictionaryObjectId,            Int,     5,  -1,       0,  23),
    SRTF_COL(R, NotesID,                       String, -1,  12,   29336,  -1),
    SRTF_COL(R, AttributeName,                 String, -1,  13,   29337,  -1),
    SRTF_COL(R, IsCategory,                    Int,    -1,  14,   29338,  -1),
    SRTF_COL(R, BoundNamingStardardsTemplateId, Int,    6,  -1,       0,  -1),
    SRTF_COL(R, NSTFlag,                       Int,    -1,  15,   29765,  -1),
    SRTF_COL(R, IdentitySeedStr,               String, -1,  16,   29777,  -1),
    SRTF_COL(R, IdentityIncrementStr,          String, -1,  17,   29778,  -1),
    SRTF_COL(R, Datatype_PD,                   String, -1,  18,   30037,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDDomainSection, CDDDomain, "Domain_Base", "Domain_Latest")
