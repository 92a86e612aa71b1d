// Options of a request as bit vectors: SI data options and get-latest
// options. OptionBitVector is a signed decimal column, not a flag word.
#ifndef SRTF_REPOSITORY_REQUESTOPTIONS_H
#define SRTF_REPOSITORY_REQUESTOPTIONS_H

#include "sectionbase.h"

class CSIDataOption : public CPlainRecord {
    SRTF_RECORD_KIND(CSIDataOption)
    int OptionBitVector = 0;
};

// An ordinary one-list section: it offers no record list of its own.
class CSIDataOptionsSection : public COneListSection {
    SRTF_SECTION_KIND(CSIDataOptionsSection)
};

class CGetLatestOption : public CPlainRecord {
    SRTF_RECORD_KIND(CGetLatestOption)
    int OptionBitVector = 0;
};

class CGetLatestOptionsSection : public COneListSection {
    SRTF_SECTION_KIND(CGetLatestOptionsSection)
};

#endif
