// Further error reports of a repository server reply: the header naming a
// request file, database parameter errors with their header, a failed file
// rename and a communication error. Key-value sections that are read and
// written back only; the Java side's error walk does not gather them.
#ifndef SRTF_REPOSITORY_ERRORREPORTS_H
#define SRTF_REPOSITORY_ERRORREPORTS_H

#include "sectionbase.h"

// SRTFRequestFileDate is kept as text; the version is not compared with the
// document's own format version.
class CSRTFErrorHeaderSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CSRTFErrorHeaderSection)

    int SRTFRequestFileVersion = 0;
    std::string SRTFRequestFileDate;
    std::string SRTFRequestFileName;
};

class CRepoDbParameterErrorHeaderSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CRepoDbParameterErrorHeaderSection)

    int ErrorCode = 0;
    std::string ErrorDescription;
    std::string ErrorFile;
    int ErrorLineNumber = 0;
    std::string MethodName;
};

class CRepoDbParameterErrorSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CRepoDbParameterErrorSection)

    std::string ParameterName;
    std::string BadValue;
    std::string ExpectedValue;
};

class CPrcFileRenameErrorSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CPrcFileRenameErrorSection)

    int ErrorCode = 0;
    std::string ErrorDescription;
    std::string InFileName;
    std::string PrcFileName;
    std::string SourceFile;
    int SourceLine = 0;
};

class CCommunicationErrorSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CCommunicationErrorSection)

    int ErrorCode = 0;
    std::string ErrorDescription;
    std::string Information;
};

#endif
