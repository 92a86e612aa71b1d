// Column value text (numbers, GUIDs), FormatString and the small string
// routines of the SRTF core. Everything here works on bytes with ASCII
// classes; nothing depends on the locale.
#include "srtftext.h"

#include "platform/codepage.h"

#include <climits>
#include <cstdio>
#include <vector>

namespace {

const char kLowerHex[] = "0123456789abcdef";
const char kUpperHex[] = "0123456789ABCDEF";

// The value of every byte as a hex digit, 0 for a byte that is none: a table
// instead of comparisons, whose outcome random digits make unpredictable.
struct HexNibbleTable {
    uint8_t value[256];
    constexpr HexNibbleTable() : value() {
        for (int c = '0'; c <= '9'; ++c) value[c] = static_cast<uint8_t>(c - '0');
        for (int c = 'a'; c <= 'f'; ++c) value[c] = static_cast<uint8_t>(c - 'a' + 10);
        for (int c = 'A'; c <= 'F'; ++c) value[c] = static_cast<uint8_t>(c - 'A' + 10);
    }
};
constexpr HexNibbleTable kHexNibble;

// Skips the blanks that a scanf conversion skips before a number.
const char* SkipBlanks(const char* p) {
    while (AsciiIsBlank(static_cast<unsigned char>(*p))) ++p;
    return p;
}

bool IsIntConversion(char c) {
    return std::strchr("diouxXDIOU", c) != nullptr && c != '\0';
}
bool IsDoubleConversion(char c) { return std::strchr("efgEFG", c) != nullptr && c != '\0'; }

// The estimate accepts the upper-case forms D, I, O, U and S, which the C
// runtime here does not know (it would print them literally without taking an
// argument, so that later conversions would read the wrong arguments).
// Returns the format with those conversions in their lower-case form, or the
// format itself when it holds none.
std::string NormaliseConversions(const std::string& format) {
    std::string out = format;
    for (size_t i = 0; i + 1 < out.size(); ++i) {
        if (out[i] != '%') continue;
        size_t j = i + 1;
        if (out[j] == '.') {
            ++j;
            if (j < out.size() && out[j] == '*') ++j;
            while (j < out.size() && out[j] >= '0' && out[j] <= '9') ++j;
        }
        if (j < out.size() && std::strchr("DIOUS", out[j]) && out[j] != '\0')
            out[j] = AsciiToLower(out[j]);
        i = j - 1;
    }
    return out;
}

}  // namespace

// ---- GUID text ----

size_t FormatGuidHex(char (&out)[33], const SrtfGuid& guid) {
    if (guid.IsZero()) {
        out[0] = '\0';
        return 0;
    }
    for (int i = 0; i < 16; ++i) {
        out[2 * i] = kLowerHex[guid.bytes[i] >> 4];
        out[2 * i + 1] = kLowerHex[guid.bytes[i] & 0x0F];
    }
    out[32] = '\0';
    return 32;
}

void AppendGuidHex(std::string& out, const SrtfGuid& guid) {
    char text[33];
    out.append(text, FormatGuidHex(text, guid));
}

std::string GuidToHexString(const SrtfGuid& guid) {
    std::string out;
    AppendGuidHex(out, guid);
    return out;
}

void GuidFromHexString(SrtfGuid& guid, const char* text) {
    SrtfGuid parsed;
    int filled = 0;
    if (text) {
        const char* p = text;
        // A byte that is no hex digit counts as 0.
        while (filled < 16 && p[0] != '\0' && p[1] != '\0') {
            const uint8_t high = kHexNibble.value[static_cast<unsigned char>(p[0])];
            const uint8_t low = kHexNibble.value[static_cast<unsigned char>(p[1])];
            parsed.bytes[filled++] = static_cast<uint8_t>((high << 4) | low);
            p += 2;
        }
    }
    guid = (filled == 16) ? parsed : SrtfGuid();
}

void GuidFromHexString(SrtfGuid& guid, const char* text, size_t n) {
    SrtfGuid parsed;
    int filled = 0;
    if (text) {
        const char* p = text;
        const char* end = text + n;
        // A byte that is no hex digit counts as 0.
        while (filled < 16 && end - p >= 2 && p[0] != '\0' && p[1] != '\0') {
            const uint8_t high = kHexNibble.value[static_cast<unsigned char>(p[0])];
            const uint8_t low = kHexNibble.value[static_cast<unsigned char>(p[1])];
            parsed.bytes[filled++] = static_cast<uint8_t>((high << 4) | low);
            p += 2;
        }
    }
    guid = (filled == 16) ? parsed : SrtfGuid();
}

SrtfGuid HexStringToGuid(const char* text) {
    SrtfGuid guid;
    GuidFromHexString(guid, text);
    return guid;
}

// ---- numbers ----

bool ParseDecimalField(const char* text, int& value) {
    if (!text) return false;
    const char* p = SkipBlanks(text);
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    if (*p < '0' || *p > '9') return false;
    // Accumulate the magnitude, stopping the growth once it is past the range.
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (magnitude <= limit) magnitude = magnitude * 10 + (*p - '0');
    }
    if (magnitude > limit) magnitude = limit;
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

bool ParseHexField(const char* text, int& value) {
    if (!text) return false;
    const char* p = SkipBlanks(text);
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    bool found = false;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        found = true;  // the "0" counts as a number even when no digit follows
        p += 2;
    }
    unsigned long long magnitude = 0;
    for (int digit; (digit = AsciiHexValue(static_cast<unsigned char>(*p))) >= 0; ++p) {
        found = true;
        if (magnitude <= 0xFFFFFFFFull) magnitude = (magnitude << 4) | static_cast<unsigned>(digit);
    }
    if (!found) return false;
    uint32_t bits;
    if (magnitude > 0xFFFFFFFFull)
        bits = 0xFFFFFFFFu;
    else
        bits = static_cast<uint32_t>(magnitude);
    if (negative && magnitude <= 0xFFFFFFFFull) bits = 0u - bits;
    value = static_cast<int>(bits);
    return true;
}

// The bounded forms: the end of the range reads as the zero byte would.

bool ParseDecimalField(const char* text, size_t n, int& value) {
    if (!text) return false;
    const char* p = text;
    const char* end = text + n;
    while (p != end && AsciiIsBlank(static_cast<unsigned char>(*p))) ++p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) negative = (*p++ == '-');
    if (p == end || *p < '0' || *p > '9') return false;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; p != end && *p >= '0' && *p <= '9'; ++p) {
        if (magnitude <= limit) magnitude = magnitude * 10 + (*p - '0');
    }
    if (magnitude > limit) magnitude = limit;
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

bool ParseHexField(const char* text, size_t n, int& value) {
    if (!text) return false;
    const char* p = text;
    const char* end = text + n;
    while (p != end && AsciiIsBlank(static_cast<unsigned char>(*p))) ++p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) negative = (*p++ == '-');
    bool found = false;
    if (end - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        found = true;  // the "0" counts as a number even when no digit follows
        p += 2;
    }
    unsigned long long magnitude = 0;
    for (int digit; p != end && (digit = AsciiHexValue(static_cast<unsigned char>(*p))) >= 0; ++p) {
        found = true;
        if (magnitude <= 0xFFFFFFFFull) magnitude = (magnitude << 4) | static_cast<unsigned>(digit);
    }
    if (!found) return false;
    uint32_t bits;
    if (magnitude > 0xFFFFFFFFull)
        bits = 0xFFFFFFFFu;
    else
        bits = static_cast<uint32_t>(magnitude);
    if (negative && magnitude <= 0xFFFFFFFFull) bits = 0u - bits;
    value = static_cast<int>(bits);
    return true;
}

void AppendDecimal(std::string& out, int value) {
    char text[12];
    char* end = text + sizeof text;
    char* p = end;
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0) *--p = '-';
    out.append(p, static_cast<size_t>(end - p));
}

int FormatHex8(char* buf, unsigned value) {
    buf[0] = '0';
    buf[1] = 'x';
    for (int i = 9; i >= 2; --i) {
        buf[i] = kUpperHex[value & 0x0F];
        value >>= 4;
    }
    buf[10] = '\0';
    return 10;
}

// ---- formatting ----

int EstimateFormattedLength(const std::string& format, va_list args, int& count) {
    const char* f = format.c_str();
    const size_t length = std::strlen(f);
    count = static_cast<int>(length);
    char scratch[64];
    for (size_t i = 0; i < length; ++i) {
        if (f[i] != '%') continue;
        const char c = f[i + 1];
        if (c == '.') {
            count += 25;
            // The precision form is counted as 25 characters; its argument is
            // still taken so that later conversions see their own arguments.
            size_t j = i + 2;
            if (f[j] == '*') {
                (void)va_arg(args, int);
                ++j;
            }
            while (f[j] >= '0' && f[j] <= '9') ++j;
            const char conversion = f[j];
            if (IsIntConversion(conversion))
                (void)va_arg(args, int);
            else if (IsDoubleConversion(conversion))
                (void)va_arg(args, double);
            else if (conversion == 's' || conversion == 'S')
                (void)va_arg(args, const char*);
        } else if (IsIntConversion(c)) {
            const char spec[3] = {'%', AsciiToLower(c) == 'x' ? c : AsciiToLower(c), '\0'};
            const int n = std::snprintf(scratch, sizeof scratch, spec, va_arg(args, int));
            if (n > 0) count += n;
        } else if (IsDoubleConversion(c)) {
            const char spec[3] = {'%', c, '\0'};
            // snprintf reports the full length even when the scratch is short.
            const int n = std::snprintf(scratch, sizeof scratch, spec, va_arg(args, double));
            if (n > 0) count += n;
        } else if (c == 's' || c == 'S') {
            const char* text = va_arg(args, const char*);
            if (text) count += static_cast<int>(std::strlen(text));
        } else {
            count = 0;
            return 101;
        }
    }
    if (count < 1) return 102;
    count += 1;
    return 0;
}

int FormatStringV(std::string& out, const std::string& format, va_list args) {
    int count = 0;
    va_list estimateArgs;
    va_copy(estimateArgs, args);
    int status = EstimateFormattedLength(format, estimateArgs, count);
    va_end(estimateArgs);
    if (status != 0) {
        out.clear();
        return status;
    }
    // The buffer is sized from the real formatted length, so that no format
    // (not even a long precision form) can write past it.
    const std::string effective = NormaliseConversions(format);
    va_list sizeArgs;
    va_copy(sizeArgs, args);
    const int needed = std::vsnprintf(nullptr, 0, effective.c_str(), sizeArgs);
    va_end(sizeArgs);
    if (needed < 0) {
        out.clear();
        return 100;
    }
    std::vector<char> buffer(static_cast<size_t>(needed) + 1, '\0');
    va_list writeArgs;
    va_copy(writeArgs, args);
    const int written = std::vsnprintf(buffer.data(), buffer.size(), effective.c_str(), writeArgs);
    va_end(writeArgs);
    if (written < 0) {
        out.clear();
        return 100;
    }
    out.assign(buffer.data());  // up to the first zero byte
    return 0;
}

int FormatString(std::string& out, const char* format, ...) {
    if (!format) {
        out.clear();
        return 102;
    }
    va_list args;
    va_start(args, format);
    const int status = FormatStringV(out, std::string(format), args);
    va_end(args);
    return status;
}

// ---- small string routines ----

void ChangeCase(std::string& text, int mode) {
    const size_t zero = text.find('\0');
    if (zero != std::string::npos) text.resize(zero);
    if (mode == 2) {
        for (char& c : text) c = AsciiToUpper(c);
    } else {
        for (char& c : text) c = AsciiToLower(c);
    }
}

void MakeUpper(std::string& text) { ChangeCase(text, 2); }

int RemoveAll(std::string& text, const std::string& pattern) {
    if (pattern.empty()) return 0;
    size_t found = text.find(pattern);
    if (found == std::string::npos) return 0;
    std::string result;
    result.reserve(text.size());
    size_t from = 0;
    int count = 0;
    for (; found != std::string::npos; found = text.find(pattern, from)) {
        result.append(text, from, found - from);
        from = found + pattern.size();
        ++count;
    }
    result.append(text, from, std::string::npos);
    text.swap(result);
    return count;
}

int RemoveChar(std::string& text, char c) {
    size_t write = 0;
    int count = 0;
    for (size_t read = 0; read < text.size(); ++read) {
        if (text[read] == c)
            ++count;
        else
            text[write++] = text[read];
    }
    text.resize(write);
    return count;
}

void TrimBlanks(std::string& text, int side) {
    // A blank below 0x80 that does not begin a double-byte character of the
    // Japanese code page (which no such byte does, so that test never ends a
    // trim that the others allow).
    auto blank = [](char c) {
        const unsigned char b = static_cast<unsigned char>(c);
        return b < 0x80 && AsciiIsBlank(b) && !PlatformIsJapaneseLeadByte(b);
    };
    if (side == 1) {
        size_t start = 0;
        while (start < text.size() && blank(text[start])) ++start;
        text.erase(0, start);
    } else if (side == 2) {
        size_t end = text.size();
        while (end > 0 && blank(text[end - 1])) --end;
        text.resize(end);
    }
}

char* ToUpperCopy(const std::string& text, char* out) {
    for (size_t i = 0; i < text.size(); ++i) out[i] = AsciiToUpper(text[i]);
    return out;
}

int ReplaceAll(std::string& text, const char* from, const char* to) {
    if (!from || !*from) return 0;
    if (!to) to = "";
    const size_t fromLength = std::strlen(from);
    size_t found = text.find(from, 0, fromLength);
    if (found == std::string::npos) return 0;
    std::string result;
    result.reserve(text.size() + 16);
    size_t start = 0;
    int count = 0;
    for (; found != std::string::npos; found = text.find(from, start, fromLength)) {
        result.append(text, start, found - start);
        result.append(to);
        start = found + fromLength;
        ++count;
    }
    result.append(text, start, std::string::npos);
    text.swap(result);
    return count;
}
