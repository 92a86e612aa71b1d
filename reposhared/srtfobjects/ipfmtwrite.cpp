// IpFmtWrite writes the lines of an SRTF file (each "\n" reaches the file as
// CR LF through IpIoBase); COutputLineBuffer assembles one record line in a
// buffer that grows in steps of 4096 bytes and is reused for every line of a
// section, so writing a record costs no allocation.
#include "ipfmtwrite.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <new>

#include "srtferrors.h"

namespace {

constexpr int kLineBufferStep = 4096;

}  // namespace

IpFmtWrite::IpFmtWrite(const std::string& path) { open(path, "w"); }

IpFmtWrite::IpFmtWrite(const std::string& path, const std::string& mode) { open(path, mode); }

void IpFmtWrite::WriteSectionHeader(const std::string& name) {
    std::string line;
    line.reserve(name.size() + 4);
    line += "\n[";
    line += name;
    line += "]\n";
    fputs(line);
}

void IpFmtWrite::WriteKeyValue(const std::string& key, const char* value) {
    std::string line;
    line.reserve(key.size() + 64);
    line += key;
    line += " = ";
    line += value ? value : "";
    line += ";\n";
    fputs(line);
}

void IpFmtWrite::WriteLine(const std::string& text) {
    std::string line;
    line.reserve(text.size() + 2);
    line += text;
    line += ";\n";
    fputs(line);
}

void IpFmtWrite::WriteRaw(const char* line) { WriteRaw(line, std::strlen(line)); }

void IpFmtWrite::WriteRaw(const char* line, size_t n) {
    if (!IsOpen()) errno = EBADF;
    if (!IsOpen() || WriteTranslated(line, n) < 0) {
        const std::string text = SystemErrorText();
        std::string message;
        FormatString(message, "IpFmtWrite - General Write Error. Here is the error message: %s",
                     text.c_str());
        FileError error(SrtfErr::kSyntaxErrorCode);
        error.SetCode(SrtfErr::kSyntaxErrorCode);
        error.SetPath(GetPath());
        error.SetMessage(message);
        error.SetMode(GetMode());
        error.SetSourceFile(__FILE__);
        error.SetLine(SrtfErr::kLineWriteRaw);
        throw error;
    }
}

// ---- COutputLineBuffer ----

COutputLineBuffer::COutputLineBuffer()
    : capacity(kLineBufferStep), data(new char[kLineBufferStep]), length(0), needComma(0) {
    data[0] = '\0';
}

COutputLineBuffer::~COutputLineBuffer() { delete[] data; }

char* COutputLineBuffer::ExtendGrowing(int n) {
    if (n < 0) n = 0;
    if (n > INT_MAX - kLineBufferStep - length) throw std::bad_alloc();
    const int newLength = length + n;
    if (capacity < newLength + 1) {
        // the smallest multiple of 4096 above newLength
        const int newCapacity = (newLength + kLineBufferStep) / kLineBufferStep * kLineBufferStep;
        char* grown = new char[newCapacity];
        if (length) std::memcpy(grown, data, static_cast<size_t>(length));
        delete[] data;
        data = grown;
        capacity = newCapacity;
    }
    char* at = data + length;
    length = newLength;
    data[length] = '\0';
    return at;
}

char* COutputLineBuffer::Append(const char* bytes, int n) {
    char* at = Extend(n);
    if (n > 0) std::memcpy(at, bytes, static_cast<size_t>(n));
    return data;
}

void COutputLineBuffer::CommaRule() {
    if (needComma)
        Append(",", 1);
    else
        needComma = 1;
}

void COutputLineBuffer::BeginRecord(const char* recordType) {
    const size_t n = std::strlen(recordType);
    char* at = Extend(static_cast<int>(n) + 3);
    std::memcpy(at, recordType, n);
    std::memcpy(at + n, " = ", 3);
}

// Each column below is one Extend: the comma (by the comma rule) and the
// column's text are written in place.

void COutputLineBuffer::AddInt(int value) {
    char text[13];
    char* end = text + sizeof text;
    char* p = end;
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0) *--p = '-';
    if (needComma)
        *--p = ',';
    else
        needComma = 1;
    Append(p, static_cast<int>(end - p));
}

namespace {

// Writes the text with every double quote doubled; returns the end.
char* CopyDoublingQuotes(char* out, const char* p, size_t n) {
    const char* end = p + n;
    while (const void* found = std::memchr(p, '"', static_cast<size_t>(end - p))) {
        const char* quote = static_cast<const char*>(found);
        const size_t run = static_cast<size_t>(quote - p) + 1;
        std::memcpy(out, p, run);
        out += run;
        *out++ = '"';
        p = quote + 1;
    }
    std::memcpy(out, p, static_cast<size_t>(end - p));
    return out + (end - p);
}

size_t CountQuotes(const char* p, size_t n) {
    size_t quotes = 0;
    for (size_t i = 0; i < n; ++i) quotes += (p[i] == '"');
    return quotes;
}

}  // namespace

void COutputLineBuffer::AddQuotedString(const char* text) {
    AddQuoted(text ? text : "", text ? std::strlen(text) : 0);
}

void COutputLineBuffer::AddQuotedString(const std::string& text) { AddQuoted(text.data(), text.size()); }

void COutputLineBuffer::AddQuoted(const char* text, size_t n) {
    const int comma = needComma ? 1 : 0;
    needComma = 1;
    if (n <= static_cast<size_t>(capacity - length) / 2 &&
        2 * n + 3 < static_cast<size_t>(capacity - length)) {
        // Even with every byte a quote the column fits: copy in one pass.
        // The capacity stays as it is, as it would with the exact length.
        char* start = data + length;
        char* out = start;
        if (comma) *out++ = ',';
        *out++ = '"';
        out = CopyDoublingQuotes(out, text, n);
        *out++ = '"';
        length += static_cast<int>(out - start);
        data[length] = '\0';
        return;
    }
    const size_t size = n + CountQuotes(text, n) + 2;
    if (size > static_cast<size_t>(INT_MAX) - 1) throw std::bad_alloc();
    char* out = Extend(static_cast<int>(size) + comma);
    if (comma) *out++ = ',';
    *out++ = '"';
    out = CopyDoublingQuotes(out, text, n);
    *out = '"';
}

void COutputLineBuffer::AddRaw(const char* text) {
    CommaRule();
    Append(text, static_cast<int>(std::strlen(text)));
}

void COutputLineBuffer::AddHex(int value) {
    char text[12];
    text[0] = ',';
    FormatHex8(text + 1, static_cast<unsigned>(value));
    const int comma = needComma ? 1 : 0;
    needComma = 1;
    Append(text + 1 - comma, 10 + comma);
}

void COutputLineBuffer::AddGuid(const SrtfGuid& guid) {
    char text[35];
    int n = 0;
    if (needComma) text[n++] = ',';
    needComma = 1;
    text[n++] = '"';
    if (!guid.IsZero()) {
        static const char kDigits[] = "0123456789abcdef";
        for (uint8_t byte : guid.bytes) {
            text[n++] = kDigits[byte >> 4];
            text[n++] = kDigits[byte & 0x0F];
        }
    }
    text[n++] = '"';
    Append(text, n);
}

void COutputLineBuffer::EndRecord() { Append(";\n", 2); }
