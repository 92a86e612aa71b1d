// The server error sections as the Java side's error walk sees them: which
// section ids it gathers, in which order, and the code and description that
// each gathered section answers with.
#ifndef TOLVANE_ERRORSECTIONS_H
#define TOLVANE_ERRORSECTIONS_H

#include <string>

class CSectionBase;

// General file errors, general errors, database SQL errors, database errors,
// SRTF errors: the order in which the walk gathers them.
constexpr int kErrorWalkSectionIds[] = {141, 142, 135, 134, 133};

// The code and the description of an error section; 0 and an empty text for
// a general file error and for a section of any other id.
int ErrorCodeOf(CSectionBase& section);
std::string ErrorDescriptionOf(CSectionBase& section);

#endif
