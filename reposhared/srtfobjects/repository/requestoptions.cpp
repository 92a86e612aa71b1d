#include "repository/requestoptions.h"

SRTF_PLAIN_RECORD_TABLE(CSIDataOption, -1,
    SRTF_COL(CSIDataOption, OptionBitVector, Int, -1, 0, 0, -1))
SRTF_ONE_LIST_SECTION(CSIDataOptionsSection, CSIDataOption, "SIDataOption", false)

SRTF_PLAIN_RECORD_TABLE(CGetLatestOption, -1,
    SRTF_COL(CGetLatestOption, OptionBitVector, Int, -1, 0, 0, -1))
SRTF_ONE_LIST_SECTION(CGetLatestOptionsSection, CGetLatestOption, "GetLatestOption", false)
