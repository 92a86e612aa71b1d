#include "dddiagram.h"

#define R CDDDiagram
SRTF_DD_RECORD_TABLE(R, 0,
    //          member                    type    key data  property refers
    SRTF_COL(R, DiagramId,                Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ActiveModelGUID,          Guid,   -1,   0,   28693,  -1),
    SRTF_COL(R, DiagramVersionNumber,     String, -1,   1,   28694,  -1),
    SRTF_COL(R, ModificationDate,         String, -1,   2,   28695,  -1),
    SRTF_COL(R, CreationDate,             String, -1,   3,   28696,  -1),
    SRTF_COL(R, VerticalSplitterPosition, Int,    -1,   4,   28697,  -1),
    SRTF_COL(R, XPosition,                Int,    -1,   5,   28698,  -1),
    SRTF_COL(R, YPosition,                Int,    -1,   6,   28699,  -1),
    SRTF_COL(R, Width,                    Int,    -1,   7,   28700,  -1),
    SRTF_COL(R, Height,                   Int,    -1,   8,   28701,  -1),
    SRTF_COL(R, Name,                     String, -1,   9,   28702,  -1),
    SRTF_COL(R, AuthorName,               String, -1,  10,   28703,  -1),
    SRTF_COL(R, CompanyName,              String, -1,  11,   28704,  -1),
    SRTF_COL(R, Copyright,                String, -1,  12,   28705,  -1),
    SRTF_COL(R, Definition,               String, -1,  13,   28706,  -1),
    SRTF_COL(R, UnificationOption,        String, -1,  14,   28707,  -1),
    SRTF_COL(R, Filename,                 String, -1,  15,   28708,  -1),
    SRTF_COL(R, CopyrightYear,            String, -1,  16,   28709,  -1),
    SRTF_COL(R, CodePage,                 String, -1,  17,   28710,  -1),
    SRTF_COL(R, SignatureGUID,            Guid,   -1,  18,   28711,  -1),
    SRTF_COL(R, QuorvaneDiagramVersion,   Int,    -1,  19,   28712,  -1),
    SRTF_COL(R, ActiveSubmodelGUID,       Guid,   -1,  20,   29249,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDDiagramSection, CDDDiagram, "Diag_Base", "Diag_Latest")

#define R CDDModel
SRTF_DD_RECORD_TABLE(R, 0,
    //          member                      type    key data  property refers
    SRTF_COL(R, ModelId,                    Int,     0,  -1,       0,  -1),
    SRTF_COL(R, DiagramId,                  Int,     1,  -1,       0,  20),
    SRTF_COL(R, Name,                       String, -1,   0,   28715,  -1),
    SRTF_COL(R, PlatformId,                 Int,    -1,   1,   28716,  -1),
    SRTF_COL(R, Notation,                   String, -1,   2,   28717,  -1),
    SRTF_COL(R, ModelType,                  Int,    -1,   3,   28718,  -1),
    SRTF_COL(R, NamePrefix,                 String, -1,   4,   28719,  -1),
    SRTF_COL(R, SpaceHandlingOption,        String, -1,   5,   28720,  -1),
    SRTF_COL(R, CaseHandlingOption,         String, -1,   6,   28721,  -1),
    SRTF_COL(R, GenPriKeyOption,            Int,    -1,   7,   28722,  -1),
    SRTF_COL(R, GenAltKeyOption,            Int,    -1,   8,   28723,  -1),
    SRTF_COL(R, GenInvEntryOption,          Int,    -1,   9,   28724,  -1),
    SRTF_COL(R, DefaultDisplayLevel,        Int,    -1,  10,   28725,  -1),
    SRTF_COL(R, GenForeignKeyOption,        Int,    -1,  11,   28726,  -1),
    SRTF_COL(R, RolenamePrefix,             String, -1,  12,   28727,  -1),
    SRTF_COL(R, NameSynchronizationOption,  String, -1,  13,   28728,  -1),
    SRTF_COL(R, MaxNameLength,              Int,    -1,  14,   28729,  -1),
    SRTF_COL(R, DefaultDataTypeId,          Int,    -1,  15,   28730,  -1),
    SRTF_COL(R, DefaultDataTypeWidth,       Int,    -1,  16,   28731,  -1),
    SRTF_COL(R, DefaultDataTypeLength,      Int,    -1,  17,   28732,  -1),
    SRTF_COL(R, DefaultDataTypeScale,       Int,    -1,  18,   28733,  -1),
    SRTF_COL(R, DefaultDataTypeNullability, Int,    -1,  19,   28734,  -1),
    SRTF_COL(R, DefaultZoomFactor,          Int,    -1,  20,   28735,  -1),
    SRTF_COL(R, DefaultBackgroundColor,     Int,    -1,  21,   28736,  -1),
    SRTF_COL(R, RowOverhead,                Int,    -1,  22,   29667,  -1),
    SRTF_COL(R, TableOverhead,              Int,    -1,  23,   29668,  -1),
    SRTF_COL(R, IndexOverhead,              Int,    -1,  24,   29669,  -1),
    SRTF_COL(R, BlobOverhead,               Int,    -1,  25,   29670,  -1),
    SRTF_COL(R, BlobBlockSize,              Int,    -1,  26,   29671,  -1),
    SRTF_COL(R, TableOverheadStr,           String, -1,  27,   29781,  -1),
    SRTF_COL(R, BlobOverheadStr,            String, -1,  28,   29782,  -1),
    SRTF_COL(R, Platform_PD,                String, -1,  29,   30088,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDModelSection, CDDModel, "Model_Base", "Model_Latest")

#define R CDDModelOption
SRTF_DD_RECORD_TABLE(R, 0,
    //          member         type    key data  property refers
    SRTF_COL(R, ModelOptionId, Int,     0,  -1,       0,  -1),
    SRTF_COL(R, ModelId,       Int,     1,  -1,       0,  44),
    SRTF_COL(R, OptionType,    String, -1,   0,   29227,  -1),
    SRTF_COL(R, OptionValue,   String, -1,   1,   29228,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDModelOptionSection, CDDModelOption,
                      "Model_Option_Base", "Model_Option_Latest")
