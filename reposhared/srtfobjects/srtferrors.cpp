// Message texts of the error catalogue, the library's build date and the
// builder of the one-entry CSrtfException that the container raises.
#include "srtferrors.h"

namespace SrtfErr {
const char* const kMsgVersionMismatch =
    "SRTF Version Mismatch:  The SRTF Version read from the file does not match the current SRTF "
    "Version.";
const char* const kMsgInvalidSection = "Invalid Section: Section does not exist in SRTF Container.";
const char* const kMsgInvalidCreateSection =
    "Invalid Create Section:  The section is outdated or does not exist.";
const char* const kMsgExpectSymbol = "Parser - Expected a SYMBOL token type not returned";
const char* const kMsgExpectEqual = "Parser - Expected a EQUAL token type not returned";
const char* const kMsgUnexpectedEof =
    "IpIoBase::fgets() failed: An invalid EOF character was encountered in the file.";
const char* const kMsgSharingViolation =
    "The Dode Didud Eduzov can't access the internal SRTF file because the Zara Ro Rivure is using "
    "it.";
}  // namespace SrtfErr

const std::string& SrtfBuildDate() {
    static const std::string date(__DATE__);
    return date;
}

CSrtfException MakeSrtfException(int code, int line, const char* message,
                                 const std::string& detail, int version,
                                 const char* sourceFile) {
    CSrtfException exception;
    ErrorEntry entry;
    entry.SetCode(code);
    entry.SetLine(line);
    entry.SetMessage(message ? message : "");
    entry.SetSourceFile(sourceFile ? sourceFile : "");
    entry.SetDetail(detail);
    exception.AddErrorEntry(entry);
    exception.SetSrtfVersion(version);
    exception.SetBuildDate(SrtfBuildDate());
    return exception;
}
