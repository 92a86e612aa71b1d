#include "repository/errorreports.h"

// Key tables in file order.
#define S CSRTFErrorHeaderSection
SRTF_KEY_VALUE_SECTION(CSRTFErrorHeaderSection,
    SRTF_KEY(S, SRTFRequestFileVersion, Int),
    SRTF_KEY(S, SRTFRequestFileDate,    String),
    SRTF_KEY(S, SRTFRequestFileName,    String))
#undef S

#define S CRepoDbParameterErrorHeaderSection
SRTF_KEY_VALUE_SECTION(CRepoDbParameterErrorHeaderSection,
    SRTF_KEY(S, ErrorCode,        Hex),
    SRTF_KEY(S, ErrorDescription, String),
    SRTF_KEY(S, ErrorFile,        String),
    SRTF_KEY(S, ErrorLineNumber,  Int),
    SRTF_KEY(S, MethodName,       String))
#undef S

#define S CRepoDbParameterErrorSection
SRTF_KEY_VALUE_SECTION(CRepoDbParameterErrorSection,
    SRTF_KEY(S, ParameterName, String),
    SRTF_KEY(S, BadValue,      String),
    SRTF_KEY(S, ExpectedValue, String))
#undef S

#define S CPrcFileRenameErrorSection
SRTF_KEY_VALUE_SECTION(CPrcFileRenameErrorSection,
    SRTF_KEY(S, ErrorCode,        Hex),
    SRTF_KEY(S, ErrorDescription, String),
    SRTF_KEY(S, InFileName,       String),
    SRTF_KEY(S, PrcFileName,      String),
    SRTF_KEY(S, SourceFile,       String),
    SRTF_KEY(S, SourceLine,       Int))
#undef S

#define S CCommunicationErrorSection
SRTF_KEY_VALUE_SECTION(CCommunicationErrorSection,
    SRTF_KEY(S, ErrorCode,        Hex),
    SRTF_KEY(S, ErrorDescription, String),
    SRTF_KEY(S, Information,      String))
#undef S
