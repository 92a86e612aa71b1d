#include "repository/servererrors.h"

// Key tables in file order.
#define S CSRTFErrorSection
SRTF_KEY_VALUE_SECTION(CSRTFErrorSection,
    SRTF_KEY(S, ErrorDescription,     String),
    SRTF_KEY(S, SRTFErrorSection,     String),
    SRTF_KEY(S, SRTFObjectLineNumber, Int),
    SRTF_KEY(S, ErrorCode,            Hex),
    SRTF_KEY(S, ErrorLineNumber,      Int),
    SRTF_KEY(S, SRTFErrorObject,      String),
    SRTF_KEY(S, ExpectedColumnCount,  Int),
    SRTF_KEY(S, ActualColumnCount,    Int))
#undef S

#define S CRepoDbDatabaseErrorSection
SRTF_KEY_VALUE_SECTION(CRepoDbDatabaseErrorSection,
    SRTF_KEY(S, ErrorCode,          Hex),
    SRTF_KEY(S, ErrorDescription,   String),
    SRTF_KEY(S, ErrorFile,          String),
    SRTF_KEY(S, ErrorLineNumber,    Int),
    SRTF_KEY(S, MethodName,         String),
    SRTF_KEY(S, DBMSType,           String),
    SRTF_KEY(S, DatabaseName,       String),
    SRTF_KEY(S, ODBCDataSourceName, String),
    SRTF_KEY(S, LoggedInUser,       String))
#undef S

#define S CRepoDbSQLErrorInfoSection
SRTF_KEY_VALUE_SECTION(CRepoDbSQLErrorInfoSection,
    SRTF_KEY(S, SQLErrorCode,   Int),
    SRTF_KEY(S, SQLErrorString, String))
#undef S

#define S CGeneralFileErrorSection
SRTF_KEY_VALUE_SECTION(CGeneralFileErrorSection,
    SRTF_KEY(S, FileSpec,      String),
    SRTF_KEY(S, ErrorCode,     Hex),
    SRTF_KEY(S, ErrorName,     String),
    SRTF_KEY(S, FileOperation, String),
    SRTF_KEY(S, FileMode,      String),
    SRTF_KEY(S, SourceFile,    String),
    SRTF_KEY(S, SourceLine,    Int))
#undef S

#define S CGeneralErrorSection
SRTF_KEY_VALUE_SECTION(CGeneralErrorSection,
    SRTF_KEY(S, ErrorCode,        Hex),
    SRTF_KEY(S, ErrorDescription, String),
    SRTF_KEY(S, Information,      String),
    SRTF_KEY(S, ClassName,        String),
    SRTF_KEY(S, MethodName,       String),
    SRTF_KEY(S, SourceFile,       String),
    SRTF_KEY(S, SourceLine,       Int))
#undef S
