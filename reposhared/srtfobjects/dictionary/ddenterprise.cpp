#include "dictionary/ddenterprise.h"

#define R CDDEnterpriseDataDictionary
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, EnterpriseDDID,          Int,     0,  -1,       0,  -1),
    SRTF_COL(R, Name,                    String, -1,   0,   29251,  -1),
    SRTF_COL(R, Description,             String, -1,   1,   29252,  -1),
    SRTF_COL(R, SignatureGUID,           Guid,   -1,   2,   29253,  -1),
    SRTF_COL(R, Flags,                   Int,    -1,   3,   29259,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDEnterpriseDataDictionarySection, CDDEnterpriseDataDictionary,
                      "Enterprise_Data_Dictionary_Base", "Enterprise_Data_Dictionary_Latest")

#define R CDDNamingStandardsTemplate
SRTF_DD_RECORD_TABLE(R, 0,
    //       class member                type    key data  property refers
    SRTF_COL(R, NamingStandardsTemplateId, Int,   0,  -1,       0,  -1),
    SRTF_COL(R, DictionaryObjectId,      Int,     1,  -1,       0,  23),
    SRTF_COL(R, Name,                    String, -1,   0,   29745,  -1),
    SRTF_COL(R, Description,             String, -1,   1,   29746,  -1),
    SRTF_COL(R, Data,                    String, -1,   2,   29747,  -1))
#undef R
SRTF_TWO_LIST_SECTION(CDDNamingStandardsTemplateSection, CDDNamingStandardsTemplate,
                      "NamingStandardsTemplate_Base", "NamingStandardsTemplate_Latest")
