#include "ddview.h"

#define R CDDDbView
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, DbViewId,                Int,     0,  -1,       0,  -1),
    SRTF_COL(R, InterModelViewId,        Int,     1,  -1,       0,  40),
    SRTF_COL(R, ModelId,                 Int,     2,  -1,       0,  44),
    SRTF_COL(R, IsUserDefined,           Int,    -1,   0,   29042,  -1),
    SRTF_COL(R, Name,                    String, -1,   1,   29043,  -1),
    SRTF_COL(R, Definition,              String, -1,   2,   29044,  -1),
    SRTF_COL(R, Notes,                   String, -1,   3,   29045,  -1),
    SRTF_COL(R, Owner,                   String, -1,   4,   29046,  -1),
    SRTF_COL(R, NSTFlag,                 Int,    -1,   5,   29763,  -1),
    SRTF_COL(R, CompareFlags,            Int,    -1,   6,   29877,  -1),
    SRTF_COL(R, DDL_PD,                  String, -1,   7,   30046,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDDbViewSection, CDDDbView, "DbView_Base", "DbView_Latest")

// DbViewId and ParentViewId both refer to views; SetForeignKey with 18 fills
// DbViewId, the first of them.
#define R CDDViewTable
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, ViewTableId,             Int,     0,  -1,       0,  -1),
    SRTF_COL(R, DbViewId,                Int,     1,  -1,       0,  18),
    SRTF_COL(R, EntityId,                Int,     2,  -1,       0,  31),
    SRTF_COL(R, InterModelViewTableId,   Int,     3,  -1,       0,  40),
    SRTF_COL(R, ParentViewId,            Int,     4,  -1,       0,  18),
    SRTF_COL(R, Alias,                   String, -1,   0,   29062,  -1),
    SRTF_COL(R, Type,                    String, -1,   1,   29063,  -1),
    SRTF_COL(R, SequenceNo,              Int,    -1,   2,   29064,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDViewTableSection, CDDViewTable, "View_Table_Base", "View_Table_Latest")

#define R CDDViewColumn
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, ViewColumnId,            Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ViewTableId,             Int,     1,  -1,       0,  89),
    SRTF_COL(R, AttributeId,             Int,     2,  -1,       0,   7),
    SRTF_COL(R, InterModelViewColumnId,  Int,     3,  -1,       0,  40),
    SRTF_COL(R, ParentViewFieldId,       Int,     4,  -1,       0,  87))
#undef R
SRTF_TWO_LIST_SECTION(CDDViewColumnSection, CDDViewColumn, "View_Column_Base", "View_Column_Latest")

#define R CDDViewField
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, ViewFieldId,             Int,     0,  -1,       0,  -1),
    SRTF_COL(R, DbViewId,                Int,     1,  -1,       0,  18),
    SRTF_COL(R, InterModelViewFieldId,   Int,     2,  -1,       0,  40),
    SRTF_COL(R, ColumnExpression,        String, -1,   0,   29222,  -1),
    SRTF_COL(R, FieldAlias,              String, -1,   1,   29223,  -1),
    SRTF_COL(R, SequenceNo,              Int,    -1,   2,   29224,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDViewFieldSection, CDDViewField, "View_Field_Base", "View_Field_Latest")

// The id column is FieldColumnId, column 1.
#define R CDDFieldColumn
SRTF_DD_RECORD_TABLE(R, 1,
    //       class member                type    key data  property refers
    SRTF_COL(R, ViewFieldId,             Int,     0,  -1,       0,  87),
    SRTF_COL(R, FieldColumnId,           Int,     1,  -1,       0,  -1),
    SRTF_COL(R, ViewColumnId,            Int,     2,  -1,       0,  84))
#undef R
SRTF_TWO_LIST_SECTION(CDDFieldColumnSection, CDDFieldColumn, "Field_Column_Base", "Field_Column_Latest")
