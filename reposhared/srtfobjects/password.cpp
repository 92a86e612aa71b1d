// CPassword and the password section operations: see password.h.
//
// Every buffer is passed with its size and checked before anything is
// written; intermediate bytes (padded plain text, keys of modes 3 and 4) are
// wiped once used.
#include "password.h"

#include "platform/clock.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

const unsigned char CPassword::K1[8] = {0x5C, 0x19, 0xE7, 0xA0, 0x3B, 0x6D, 0x42, 0xF8};
const unsigned char CPassword::K2[8] = {0xA2, 0x7F, 0x0D, 0x91, 0x64, 0xCE, 0x38, 0xB5};

namespace {

const char kHexDigits[] = "0123456789abcdef";

// Value of one ASCII hexadecimal digit of either case, -1 for anything else.
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void Wipe(void* p, size_t n) {
    volatile unsigned char* v = static_cast<volatile unsigned char*>(p);
    for (size_t i = 0; i < n; ++i) v[i] = 0;
}

// The failure answer of Encrypt and Decrypt: -1 in the result and in length,
// and the empty text in out when there is room for it.
int Fail(char* out, int outSize, int& length) {
    if (out != nullptr && outSize > 0) out[0] = '\0';
    length = -1;
    return -1;
}

bool IsCipherMode(int mode) { return mode >= 1 && mode <= 4; }

// Two's-complement view of the low 32 bits, without relying on an
// implementation-defined narrowing conversion.
int LowWordAsInt(int64_t value) {
    const uint32_t low = static_cast<uint32_t>(static_cast<uint64_t>(value) & 0xFFFFFFFFu);
    if (low <= static_cast<uint32_t>(INT_MAX)) return static_cast<int>(low);
    return -static_cast<int>(~low) - 1;
}

}  // namespace

CPassword::CPassword() : cipher(new CDES), mode(0), seed(0), nibble{} {}

CPassword::~CPassword() = default;

void CPassword::SetMode(int newMode, unsigned newSeed) {
    mode = newMode;
    SetSeed(newSeed);
}

void CPassword::SetSeed(unsigned newSeed) {
    seed = newSeed;
    for (int i = 0; i < 8; ++i) nibble[i] = static_cast<unsigned char>((seed >> (4 * i)) & 0xF);
}

int CPassword::SetupKeys(int direction) {
    switch (mode) {
    case 0:
        cipher->Clear();
        return 0;
    case 1:
        return cipher->SetKey(direction, K1);
    case 2:
        return cipher->SetKeys(direction, K1, K2);
    case 3: {
        unsigned char key[8];
        for (int i = 0; i < 8; ++i) key[i] = static_cast<unsigned char>(K1[i] ^ nibble[i]);
        const int result = cipher->SetKey(direction, key);
        Wipe(key, sizeof key);
        return result;
    }
    case 4: {
        unsigned char key1[8];
        unsigned char key2[8];
        for (int i = 0; i < 8; ++i) {
            key1[i] = static_cast<unsigned char>(K1[i] ^ nibble[i]);
            key2[i] = static_cast<unsigned char>(K2[i] ^ nibble[7 - i]);
        }
        const int result = cipher->SetKeys(direction, key1, key2);
        Wipe(key1, sizeof key1);
        Wipe(key2, sizeof key2);
        return result;
    }
    default:
        return 0;
    }
}

int CPassword::Encrypt(char* out, int outSize, const char* plain, int& length) {
    if (out == nullptr || outSize < 1) return Fail(out, outSize, length);
    if (length == 0) {
        out[0] = '\0';
        return 0;
    }
    if (length < 0 || plain == nullptr) return Fail(out, outSize, length);

    if (mode == 0) {
        // The text and its zero byte, copied.
        if (length >= outSize) return Fail(out, outSize, length);
        std::memcpy(out, plain, static_cast<size_t>(length));
        out[length] = '\0';
        length += 1;
        return length;
    }
    if (!IsCipherMode(mode)) return Fail(out, outSize, length);

    // The text and its zero byte, padded with zero bytes to whole blocks.
    if (length >= kBlockBufferSize) return Fail(out, outSize, length);
    const int withZero = length + 1;
    const int padded = withZero % 8 == 0 ? withZero : withZero / 8 * 8 + 8;
    if (2 * padded >= outSize) return Fail(out, outSize, length);

    unsigned char block[kBlockBufferSize] = {};
    std::memcpy(block, plain, static_cast<size_t>(length));

    if (SetupKeys(CDES::kEncrypt) != 1 || cipher->ProcessECB(block, block, padded) != 1) {
        Wipe(block, sizeof block);
        return Fail(out, outSize, length);
    }
    for (int i = 0; i < padded; ++i) {
        out[2 * i] = kHexDigits[block[i] >> 4];
        out[2 * i + 1] = kHexDigits[block[i] & 0xF];
    }
    out[2 * padded] = '\0';
    Wipe(block, sizeof block);
    length = padded;
    return length;
}

int CPassword::Decrypt(char* out, int outSize, const char* hexText, int& length) {
    if (out == nullptr || outSize < 1) return Fail(out, outSize, length);
    if (length == 0) {
        out[0] = '\0';
        return 0;
    }
    if (length < 0 || hexText == nullptr) return Fail(out, outSize, length);

    if (mode == 0) {
        // The text and its zero byte, copied; the result is the input length.
        if (length >= outSize) return Fail(out, outSize, length);
        std::memcpy(out, hexText, static_cast<size_t>(length));
        out[length] = '\0';
        return length;
    }
    if (!IsCipherMode(mode)) return Fail(out, outSize, length);

    if (length % 16 != 0 || length > 2 * kMaxDecryptBytes) return Fail(out, outSize, length);
    const int count = length / 2;
    if (count >= outSize) return Fail(out, outSize, length);

    unsigned char bytes[kMaxDecryptBytes];
    for (int i = 0; i < count; ++i) {
        const int high = HexValue(hexText[2 * i]);
        const int low = HexValue(hexText[2 * i + 1]);
        if (high < 0 || low < 0) return Fail(out, outSize, length);
        bytes[i] = static_cast<unsigned char>(high << 4 | low);
    }

    unsigned char* result = reinterpret_cast<unsigned char*>(out);
    if (SetupKeys(CDES::kDecrypt) != 1 || cipher->ProcessECB(result, bytes, count) != 1)
        return Fail(out, outSize, length);
    out[count] = '\0';

    int textLength = 0;
    while (textLength < count && out[textLength] != '\0') ++textLength;
    length = textLength;
    return length;
}

bool SrtfPasswordStampAt(std::time_t now, int& stamp) {
    std::tm start{};
    start.tm_year = 70;  // 1970
    start.tm_mon = 0;
    start.tm_mday = 1;
    start.tm_hour = 0;
    start.tm_min = 0;
    start.tm_sec = 0;
    start.tm_isdst = -1;  // daylight saving as the runtime decides
    int64_t startSeconds = 0;
    if (!PlatformLocalToEpochSeconds(start, startSeconds)) return false;
    stamp = LowWordAsInt(static_cast<int64_t>(now) - startSeconds);
    return true;
}

bool SrtfPasswordStamp(int& stamp) {
    return SrtfPasswordStampAt(static_cast<std::time_t>(PlatformNowSeconds()), stamp);
}

int SrtfEncryptPasswordWithStamp(int passwordMode, const std::string& plain, std::string& out, int& stamp,
                                 const std::function<bool(int&)>& stampSource) {
    try {
        if (plain.empty()) {
            out = plain;
            return 0;
        }
        int made = 0;
        if (!stampSource || !stampSource(made)) return 113;
        stamp = made;

        char buffer[CPassword::kBlockBufferSize] = {};
        if (plain.size() >= sizeof buffer) return 113;
        CPassword password;
        password.SetMode(passwordMode, static_cast<unsigned>(made));
        int length = static_cast<int>(plain.size());
        if (password.Encrypt(buffer, static_cast<int>(sizeof buffer), plain.c_str(), length) == -1) return 113;
        out = buffer;
        return 0;
    } catch (...) {
        return 113;
    }
}

int SrtfEncryptPassword(int passwordMode, const std::string& plain, std::string& out, int& stamp) {
    return SrtfEncryptPasswordWithStamp(passwordMode, plain, out, stamp, SrtfPasswordStamp);
}

int SrtfDecryptPassword(int passwordMode, const std::string& cipher, std::string& out, int stamp) {
    try {
        out.clear();
        if (cipher.empty()) return 0;
        if (cipher.size() >= static_cast<size_t>(INT_MAX)) return 112;

        CPassword password;
        password.SetMode(passwordMode, static_cast<unsigned>(stamp));
        std::vector<char> buffer(cipher.size() + 1, '\0');
        int length = static_cast<int>(cipher.size());
        if (password.Decrypt(buffer.data(), static_cast<int>(buffer.size()), cipher.data(), length) == -1) {
            Wipe(buffer.data(), buffer.size());
            return 112;
        }
        out = buffer.data();
        Wipe(buffer.data(), buffer.size());
        return 0;
    } catch (...) {
        out.clear();
        return 112;
    }
}
