// IpFmtWrite writes the lines of an SRTF file (each "\n" reaches the file as
// CR LF through IpIoBase); COutputLineBuffer assembles one record line in a
// buffer that grows in steps of 4096 bytes and is reused for every line of a
// section, so writing a record costs no allocation.
#include "ipfmtwrite.h"

#include <cerrno>
#include <climits>
#include <new>

#include "srtferrors.h"

namespace {

constexpr int kLineBufferStep = 4096;

// Appends the text in double quotes, every double quote of it doubled.
void AppendQuoted(COutputLineBuffer& line, const char* p, size_t n) {
    line.Append("\"", 1);
    const char* end = p + n;
    while (p < end) {
        const char* quote = static_cast<const char*>(std::memchr(p, '"', static_cast<size_t>(end - p)));
        const char* runEnd = quote ? quote + 1 : end;
        line.Append(p, static_cast<int>(runEnd - p));
        if (!quote) break;
        line.Append("\"", 1);  // the quote once more
        p = runEnd;
    }
    line.Append("\"", 1);
}

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

char* COutputLineBuffer::Append(const char* bytes, int n) {
    if (n < 0) n = 0;
    if (n > INT_MAX - kLineBufferStep - length) throw std::bad_alloc();
    const int newLength = length + n;
    if (capacity < newLength + 1) {
        const int newCapacity = (newLength + kLineBufferStep) / kLineBufferStep * kLineBufferStep;
        char* grown = new char[newCapacity];
        if (length) std::memcpy(grown, data, static_cast<size_t>(length));
        delete[] data;
        data = grown;
        capacity = newCapacity;
    }
    if (n) std::memcpy(data + length, bytes, static_cast<size_t>(n));
    length = newLength;
    data[length] = '\0';
    return data;
}

void COutputLineBuffer::CommaRule() {
    if (needComma)
        Append(",", 1);
    else
        needComma = 1;
}

void COutputLineBuffer::BeginRecord(const char* recordType) {
    Append(recordType, static_cast<int>(std::strlen(recordType)));
    Append(" = ", 3);
}

void COutputLineBuffer::AddInt(int value) {
    CommaRule();
    char text[12];
    char* end = text + sizeof text;
    char* p = end;
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0) *--p = '-';
    Append(p, static_cast<int>(end - p));
}

void COutputLineBuffer::AddQuotedString(const char* text) {
    CommaRule();
    AppendQuoted(*this, text, text ? std::strlen(text) : 0);
}

void COutputLineBuffer::AddQuotedString(const std::string& text) {
    CommaRule();
    AppendQuoted(*this, text.data(), text.size());
}

void COutputLineBuffer::AddRaw(const char* text) {
    CommaRule();
    Append(text, static_cast<int>(std::strlen(text)));
}

void COutputLineBuffer::AddHex(int value) {
    char text[11];
    FormatHex8(text, static_cast<unsigned>(value));
    AddRaw(text);
}

void COutputLineBuffer::AddGuid(const SrtfGuid& guid) {
    CommaRule();
    char text[34];
    text[0] = '"';
    int n = 1;
    if (!guid.IsZero()) {
        static const char kDigits[] = "0123456789abcdef";
        for (int i = 0; i < 16; ++i) {
            text[n++] = kDigits[guid.bytes[i] >> 4];
            text[n++] = kDigits[guid.bytes[i] & 0x0F];
        }
    }
    text[n++] = '"';
    Append(text, n);
}

void COutputLineBuffer::EndRecord() { Append(";\n", 2); }
