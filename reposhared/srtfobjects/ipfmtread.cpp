// IpFmtRead: the SRTF reader. GetToken is a byte-wise state machine for
// headers, record types, "=", ";" and comments (a record type's bytes are
// taken from the buffer as one run); ReadRecord reads a record's value
// line-wise in chunks of at most 255 bytes, each appended straight to the
// value, until a ";" stands directly before a line end with every double
// quote closed. The quote state is kept across the chunks, so a long value
// is scanned once.
#include "ipfmtread.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "srtferrors.h"
#include "srtftext.h"

namespace {

enum State { kStart = 1, kBuildingHeader, kBuildingSymbol, kBuildingQuoted, kBuildingComment };

constexpr size_t kChunkSize = 256;  // fgets buffer: 255 bytes and the zero byte

// Byte classes of the state machine, one table lookup per byte.
enum ByteClass : unsigned char {
    kBlank = 1,        // space, tab, line feed, vertical tab, form feed, CR
    kHeaderByte = 2,   // letter, digit, punctuation or blank
    kSymbolByte = 4,   // letter, digit, "_", ".", ",", "-", "*"
};

struct ByteClasses {
    unsigned char of[256];
    constexpr ByteClasses() : of() {
        for (int c = 0; c < 256; ++c) {
            unsigned char bits = 0;
            if (AsciiIsBlank(c)) bits |= kBlank;
            if (AsciiIsAlnum(c) || AsciiIsPunct(c) || AsciiIsBlank(c)) bits |= kHeaderByte;
            if (AsciiIsAlnum(c) || c == '_' || c == '.' || c == ',' || c == '-' || c == '*')
                bits |= kSymbolByte;
            of[c] = bits;
        }
    }
};
constexpr ByteClasses kClasses;

inline bool Is(int c, ByteClass cls) { return (kClasses.of[c & 0xFF] & cls) != 0; }

// What one pass over n bytes tells: whether the number of double quotes
// among them is odd, and whether one of them is a zero byte. Sixteen bytes at
// a time with SSE2, otherwise eight.
struct ChunkScan {
    bool oddQuotes;
    bool hasZero;
};

ChunkScan ScanChunk(const char* p, size_t n) {
    size_t i = 0;
    unsigned odd = 0;
    bool zero = false;
#if defined(__SSE2__)
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i nul = _mm_setzero_si128();
    unsigned marks = 0, zeros = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        marks ^= static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, quote)));
        zeros |= static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, nul)));
    }
    odd = static_cast<unsigned>(__builtin_parity(marks));
    zero = zeros != 0;
#elif defined(__GNUC__)
    const uint64_t low7 = 0x7F7F7F7F7F7F7F7Full;
    const uint64_t quotes = 0x2222222222222222ull;
    uint64_t marks = 0, zeros = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t word;
        std::memcpy(&word, p + i, 8);
        const uint64_t x = word ^ quotes;                    // a zero byte where a quote was
        marks ^= ~(((x & low7) + low7) | x | low7);          // 0x80 in exactly those bytes
        zeros |= ~(((word & low7) + low7) | word | low7);    // 0x80 in the zero bytes
    }
    odd = static_cast<unsigned>(__builtin_parityll(marks));
    zero = zeros != 0;
#endif
    for (; i < n; ++i) {
        odd ^= (p[i] == '"');
        zero = zero || p[i] == '\0';
    }
    return ChunkScan{odd != 0, zero};
}

// Whether a double-quoted string is open at the end of the text fed so far,
// fed piece by piece. Walking the text, a quote opens a string, a quote in an
// open string closes it, and two quotes in an open string stand for one quote
// and leave it open. Each step that changes the state takes one quote and the
// doubled quote takes two, so a string is open exactly when the number of
// quotes so far is odd.
class QuoteState {
public:
    void Feed(const char* p, size_t n) { FeedParity(ScanChunk(p, n).oddQuotes); }
    // Feeds text whose number of quotes is odd or not.
    void FeedParity(bool oddQuotes) {
        if (oddQuotes) open_ = !open_;
    }
    bool Balanced() const { return !open_; }

private:
    bool open_ = false;
};

[[noreturn]] void RaiseReaderError(const IpIoBase& reader, int code, int line, const char* message) {
    FileError error(code);
    if (code == SrtfErr::kSyntaxErrorCode) error.SetCode(code);
    error.SetPath(reader.GetPath());
    error.SetMessage(message);
    error.SetMode(reader.GetMode());
    error.SetSourceFile(__FILE__);
    error.SetLine(line);
    throw error;
}

[[noreturn]] void RaiseUnexpectedEnd(const IpIoBase& reader) {
    RaiseReaderError(reader, errno, SrtfErr::kLineUnexpectedEof, SrtfErr::kMsgUnexpectedEof);
}

}  // namespace

IpFmtRead::IpFmtRead(const std::string& path) { open(path, "r"); }

int IpFmtRead::GetToken(std::string& text) {
    text.clear();
    int state = kStart;
    for (;;) {
        const int c = fgetc();
        if (c == EOF) return state == kBuildingSymbol ? TokSymbol : TokEndfile;
        switch (state) {
            case kStart:
                if (Is(c, kBlank)) break;
                if (Is(c, kSymbolByte) || c == '/') {
                    text += static_cast<char>(c);
                    state = kBuildingSymbol;
                    TakeSymbolRun(text);
                } else if (c == '"') {
                    text += '"';
                    state = kBuildingQuoted;
                } else if (c == '#') {
                    text += '#';
                    state = kBuildingComment;
                } else if (c == '[') {
                    text += '[';
                    state = kBuildingHeader;
                } else if (c == ';') {
                    text += ';';
                    return TokSemicolon;
                } else if (c == '=') {
                    text += '=';
                    return TokEqual;
                }
                break;  // any other byte is dropped
            case kBuildingHeader:
                if (c == ']') {
                    text += ']';
                    return TokHeader;
                }
                if (Is(c, kHeaderByte)) text += static_cast<char>(c);
                break;
            case kBuildingSymbol:
                if (Is(c, kBlank)) return TokSymbol;
                if (c == '=' || c == ';') {
                    ungetc(c);
                    return TokSymbol;
                }
                if (Is(c, kSymbolByte)) {
                    text += static_cast<char>(c);
                } else if (c == '"') {
                    text += '"';
                    state = kBuildingQuoted;
                }
                break;
            case kBuildingQuoted: {
                const int next = fgetc();
                if (c == '"' && next == '"') {
                    text += "\"\"";
                    break;
                }
                text += static_cast<char>(c);
                ungetc(next);
                if (c == '"') return TokSymbol;
                break;
            }
            case kBuildingComment:
                if (c == '\n' || c == '\r') return TokComment;
                text += static_cast<char>(c);
                break;
        }
    }
}

void IpFmtRead::TakeSymbolRun(std::string& text) {
    // The symbol bytes that follow, taken from the buffer at once; a symbol
    // byte is never a CR, so no line end is translated among them.
    size_t n;
    const char* run = BufferedRun(n);
    size_t k = 0;
    while (k < n && Is(run[k], kSymbolByte)) ++k;
    if (k == 0) return;
    text.append(run, k);
    SkipBuffered(k);
}

bool IpFmtRead::QuotesBalanced(const char* text) {
    QuoteState quotes;
    if (text) quotes.Feed(text, std::strlen(text));
    return quotes.Balanced();
}

bool IpFmtRead::ReadSectionHeader(std::string& text) {
    if (hasPushedHeader_) {
        hasPushedHeader_ = false;
        text = std::move(pushedHeader_);
        pushedHeader_.clear();
        return true;
    }
    for (;;) {
        const int kind = GetToken(text);
        if (kind == TokHeader) return true;
        if (kind == TokEndfile) return false;
    }
}

bool IpFmtRead::ReadRecord(std::string& recordType, std::string& value) {
    std::string& token = token_;
    int kind;
    do {
        kind = GetToken(token);
    } while (kind == TokComment);
    if (kind == TokEndfile) {
        recordType = token;
        value.clear();
        return false;
    }
    if (kind == TokHeader) {
        pushedHeader_ = token;
        hasPushedHeader_ = true;
        return false;
    }
    if (kind != TokSymbol)
        RaiseReaderError(*this, SrtfErr::kSyntaxErrorCode, SrtfErr::kLineExpectSymbol,
                         SrtfErr::kMsgExpectSymbol);
    recordType = token;
    if (GetToken(token) != TokEqual)
        RaiseReaderError(*this, SrtfErr::kSyntaxErrorCode, SrtfErr::kLineExpectEqual,
                         SrtfErr::kMsgExpectEqual);

    // The raw value: everything after "=" up to and including the ";" and
    // the line end that finish it.
    std::string& raw = value;
    raw.clear();
    QuoteState quotes;
    for (;;) {
        // One chunk, read straight into the value; like the C string of an
        // fgets, it ends at its first zero byte (the bytes behind that are
        // dropped).
        const size_t at = raw.size();
        if (AppendLine(raw, kChunkSize - 1) == 0) RaiseUnexpectedEnd(*this);
        ChunkScan scan = ScanChunk(raw.data() + at, raw.size() - at);
        if (scan.hasZero) {
            raw.resize(at + std::strlen(raw.data() + at));
            scan = ScanChunk(raw.data() + at, raw.size() - at);
        }
        const char* chunk = raw.data() + at;
        const size_t n = raw.size() - at;
        quotes.FeedParity(scan.oddQuotes);
        if (n == kChunkSize - 1 && chunk[n - 1] == ';') {
            // A full chunk that ends with ";": the value ends here only when
            // the line ends right behind it.
            const int c = fgetc();
            if (c == '\n') {
                raw += '\n';
                quotes.Feed("\n", 1);
                if (quotes.Balanced()) break;
            } else {
                ungetc(c);
            }
        } else if (n >= 2 && chunk[n - 2] == ';' && chunk[n - 1] == '\n') {
            if (quotes.Balanced()) break;
        } else {
            const int c = fgetc();
            if (c == EOF) RaiseUnexpectedEnd(*this);
            ungetc(c);
        }
    }
    // Drop the byte after "=" and the final ";" and line end.
    if (raw.size() == 2) {
        raw.assign(1, '\n');
    } else {
        raw.resize(raw.size() - 2);
        raw.erase(0, 1);
    }
    return true;
}

long IpFmtRead::FindSection(const std::string& name, bool fromStart) {
    if (fromStart) fseek(0, SEEK_SET);
    std::string header;
    while (ReadSectionHeader(header)) {
        if (header == name) return ftell();
    }
    return 0;
}

bool IpFmtRead::NextToken(std::string& text) { return GetToken(text) != TokEndfile; }
