// CHeaderSection: the envelope of every SRTF document (SectionId 0), a
// key-value section with sixteen keys. The container stamps the path, the
// format version and the record count into it before writing.
#ifndef SRTF_HEADERSECTION_H
#define SRTF_HEADERSECTION_H

#include "sectionbase.h"

class CHeaderSection : public CKeyValueSection {
    SRTF_SECTION_KIND(CHeaderSection)

    std::string UserName;
    SrtfGuid ObjectGUID;
    std::string ObjectType;
    std::string Operation;
    int MiscStatus = 0;
    std::string Comment;
    std::string MachineName;
    std::string NamedRelease;
    SrtfGuid TransactionGUID;
    std::string UserPassword;
    std::string FileDate;
    SrtfGuid SignatureGUID;
    int SRTFVersionNumber = 0;
    std::string DM1FileSpec;
    int Object_Count = 0;
    std::string SRTFFileSpec;
};

#endif
