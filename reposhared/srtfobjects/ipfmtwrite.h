// IpFmtWrite: the SRTF file writer, and COutputLineBuffer, the growing buffer
// in which one record line is assembled before it is written with one call.
//
// Every "\n" reaches the file as CR LF (IpIoBase). A section resets one
// COutputLineBuffer per line (length and needComma to 0); the buffer grows in
// steps of 4096 bytes and never shrinks.
#ifndef SRTF_IPFMTWRITE_H
#define SRTF_IPFMTWRITE_H

#include <string>

#include "ipiobase.h"
#include "srtftext.h"

class IpFmtWrite : public IpIoBase {
public:
    IpFmtWrite() = default;
    explicit IpFmtWrite(const std::string& path);
    IpFmtWrite(const std::string& path, const std::string& mode);

    void WriteSectionHeader(const std::string& name);       // "\n[" name "]\n"
    void WriteKeyValue(const std::string& key, const char* value);  // key " = " value ";\n"
    void WriteLine(const std::string& text);                // text ";\n"
    void WriteRaw(const char* line);                        // unchanged
    void WriteRaw(const char* line, size_t n);              // same, length known
};

class COutputLineBuffer {
public:
    COutputLineBuffer();
    virtual ~COutputLineBuffer();
    COutputLineBuffer(const COutputLineBuffer&) = delete;
    COutputLineBuffer& operator=(const COutputLineBuffer&) = delete;

    char* Append(const char* bytes, int n);
    void BeginRecord(const char* recordType);
    void AddInt(int value);
    void AddQuotedString(const char* text);
    void AddQuotedString(const std::string& text);  // same, length known
    void AddRaw(const char* text);
    void AddHex(int value);    // "0x%.8X" through AddRaw
    void AddGuid(const SrtfGuid& guid);  // GuidToHexString through AddQuotedString
    void EndRecord();
    void Reset() { length = 0; needComma = 0; }

    const char* Data() const { return data; }
    int Length() const { return length; }
    int Capacity() const { return capacity; }

    int capacity;
    char* data;
    int length;
    int needComma;

private:
    void CommaRule();
    // Lengthens the line by n bytes (growing as Append does, zero byte
    // behind) and returns where those n bytes go.
    char* Extend(int n) {
        if (n >= 0 && n < capacity - length) {
            char* at = data + length;
            length += n;
            data[length] = '\0';
            return at;
        }
        return ExtendGrowing(n);
    }
    char* ExtendGrowing(int n);
    void AddQuoted(const char* text, size_t n);
};

#endif
