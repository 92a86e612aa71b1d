// Error sections of a repository server reply: general file errors, general
// errors, database SQL errors, database errors and faults found in an SRTF
// request file. Each is a key-value section; the Java side's error walk reads
// the code and description members directly.
#ifndef SRTF_REPOSITORY_SERVERERRORS_H
#define SRTF_REPOSITORY_SERVERERRORS_H

#include "sectionbase.h"

class CSRTFErrorSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CSRTFErrorSection)

    std::string ErrorDescription;
    std::string SRTFErrorSection;  // the section of the faulty request line
    int SRTFObjectLineNumber = 0;
    int ErrorCode = 0;
    int ErrorLineNumber = 0;
    std::string SRTFErrorObject;
    int ExpectedColumnCount = 0;
    int ActualColumnCount = 0;
};

class CRepoDbDatabaseErrorSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CRepoDbDatabaseErrorSection)

    int ErrorCode = 0;
    std::string ErrorDescription;
    std::string ErrorFile;
    int ErrorLineNumber = 0;
    std::string MethodName;
    std::string DBMSType;
    std::string DatabaseName;
    std::string ODBCDataSourceName;
    std::string LoggedInUser;
};

// The SQL error code is a signed decimal, unlike the hex codes of the others.
class CRepoDbSQLErrorInfoSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CRepoDbSQLErrorInfoSection)

    int SQLErrorCode = 0;
    std::string SQLErrorString;
};

// Gathered by the error walk, which offers code 0 and an empty description
// for it whatever its members hold.
class CGeneralFileErrorSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CGeneralFileErrorSection)

    std::string FileSpec;
    int ErrorCode = 0;
    std::string ErrorName;
    std::string FileOperation;
    std::string FileMode;
    std::string SourceFile;
    int SourceLine = 0;
};

class CGeneralErrorSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CGeneralErrorSection)

    int ErrorCode = 0;
    std::string ErrorDescription;
    std::string Information;
    std::string ClassName;
    std::string MethodName;
    std::string SourceFile;
    int SourceLine = 0;
};

#endif
