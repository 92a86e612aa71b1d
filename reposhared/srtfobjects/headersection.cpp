#include "headersection.h"

// Key table in file order.
SRTF_KEY_VALUE_SECTION(CHeaderSection,
    SRTF_KEY(CHeaderSection, UserName,          String),
    SRTF_KEY(CHeaderSection, ObjectGUID,        Guid),
    SRTF_KEY(CHeaderSection, ObjectType,        String),
    SRTF_KEY(CHeaderSection, Operation,         String),
    SRTF_KEY(CHeaderSection, MiscStatus,        Int),
    SRTF_KEY(CHeaderSection, Comment,           String),
    SRTF_KEY(CHeaderSection, MachineName,       String),
    SRTF_KEY(CHeaderSection, NamedRelease,      String),
    SRTF_KEY(CHeaderSection, TransactionGUID,   Guid),
    SRTF_KEY(CHeaderSection, UserPassword,      String),
    SRTF_KEY(CHeaderSection, FileDate,          String),
    SRTF_KEY(CHeaderSection, SignatureGUID,     Guid),
    SRTF_KEY(CHeaderSection, SRTFVersionNumber, Int),
    SRTF_KEY(CHeaderSection, DM1FileSpec,       String),
    SRTF_KEY(CHeaderSection, Object_Count,      Int),
    SRTF_KEY(CHeaderSection, SRTFFileSpec,      String))
