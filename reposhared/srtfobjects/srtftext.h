// Column values and text routines shared by the whole SRTF core.
//
// - SrtfGuid: 16 bytes in memory order; its text form is 32 lower-case hex
//   digits, the all-zero GUID is the empty text.
// - Number parsing with the semantics of "%d" / "%x" conversions (leading
//   blanks, optional sign, optional 0x for hex, trailing text ignored, a text
//   without a number leaves the target unchanged) but without a format
//   interpreter; values outside 32 bits saturate (see ParseDecimalField).
//   Numbers and GUIDs also parse from a range of bytes (a field in a line),
//   with the result the zero-terminated form gives for a copy of the range.
// - FormatString: printf-style formatting with a size estimate and the status
//   codes 0 (ok), 100 (formatting failed), 101 (conversion the estimate cannot
//   bound), 102 (empty format). Never writes past its buffer.
// - ASCII-only character classes and case changes, independent of the locale.
#ifndef SRTF_SRTFTEXT_H
#define SRTF_SRTFTEXT_H

#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <string>

struct SrtfGuid {
    uint8_t bytes[16] = {};
    bool IsZero() const {
        for (uint8_t b : bytes)
            if (b) return false;
        return true;
    }
    bool operator==(const SrtfGuid& o) const { return std::memcmp(bytes, o.bytes, 16) == 0; }
    bool operator!=(const SrtfGuid& o) const { return !(*this == o); }
};

// ---- ASCII character classes (bytes 0x80..0xFF belong to no class) ----
constexpr bool AsciiIsBlank(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
constexpr bool AsciiIsAlnum(int c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
constexpr bool AsciiIsPunct(int c) { return c >= 0x21 && c <= 0x7E && !AsciiIsAlnum(c); }
constexpr char AsciiToUpper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
constexpr char AsciiToLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
// Value of a hex digit, or -1.
constexpr int AsciiHexValue(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
// The same as a table, 0xFF for a byte that is no hex digit: one lookup
// instead of comparisons, whose outcome random digits make unpredictable.
struct HexDigitTable {
    uint8_t value[256];
    constexpr HexDigitTable() : value() {
        for (int c = 0; c < 256; ++c) {
            const int v = AsciiHexValue(c);
            value[c] = static_cast<uint8_t>(v < 0 ? 0xFF : v);
        }
    }
    uint8_t operator[](char c) const { return value[static_cast<unsigned char>(c)]; }
};
inline constexpr HexDigitTable kHexDigit{};

// ---- GUID text ----
std::string GuidToHexString(const SrtfGuid& guid);
// Appends the text form to out (no allocation when out has room).
void AppendGuidHex(std::string& out, const SrtfGuid& guid);
// Writes the text form and a zero byte into out; returns its length (0 or 32).
size_t FormatGuidHex(char (&out)[33], const SrtfGuid& guid);
SrtfGuid HexStringToGuid(const char* text);
void GuidFromHexString(SrtfGuid& guid, const char* text);
// The same over the n bytes at text, which need no zero byte behind them:
// the result is that of the form above on a copy of the bytes with a zero
// byte added (so a zero byte among them ends the text there too).
void GuidFromHexString(SrtfGuid& guid, const char* text, size_t n);

// ---- numbers ("%d" and "%x" semantics) ----
// Returns false (target unchanged) when the text holds no number. A value
// beyond 32 bits saturates: decimal to INT_MIN/INT_MAX, hex to 0xFFFFFFFF
// (negated hex values wrap as the conversion does for in-range values).
bool ParseDecimalField(const char* text, int& value);
bool ParseHexField(const char* text, int& value);
// The same over n bytes, with the same rule as the bounded GUID form.
bool ParseDecimalField(const char* text, size_t n, int& value);
bool ParseHexField(const char* text, size_t n, int& value);
// Appends value in signed decimal.
void AppendDecimal(std::string& out, int value);
// Writes "0x" + 8 upper-case digits into buf (11 bytes incl. zero byte); returns 10.
int FormatHex8(char* buf, unsigned value);

// ---- formatting ----
int FormatString(std::string& out, const char* format, ...);
int FormatStringV(std::string& out, const std::string& format, va_list args);
int EstimateFormattedLength(const std::string& format, va_list args, int& count);

// ---- small string routines ----
void ChangeCase(std::string& text, int mode);  // mode 2 upper, otherwise lower
void MakeUpper(std::string& text);
int RemoveAll(std::string& text, const std::string& pattern);
int RemoveChar(std::string& text, char c);
void TrimBlanks(std::string& text, int side);  // 1 leading, 2 trailing
char* ToUpperCopy(const std::string& text, char* out);
int ReplaceAll(std::string& text, const char* from, const char* to);

#endif
