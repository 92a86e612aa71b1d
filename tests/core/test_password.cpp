// Tests of the password cipher: CDES against published DES known-answer
// values, the weak-key refusal, two-key triple DES; CPassword's modes, digit
// counts, limits and failures; the section operations and the time stamp.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "des.h"
#include "password.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes FromHex(const std::string& hex) {
    Bytes out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(static_cast<unsigned char>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    return out;
}

std::string ToHex(const unsigned char* p, size_t n) {
    static const char digits[] = "0123456789abcdef";
    std::string s;
    for (size_t i = 0; i < n; ++i) {
        s += digits[p[i] >> 4];
        s += digits[p[i] & 0xF];
    }
    return s;
}

std::string ToHex(const Bytes& b) { return ToHex(b.data(), b.size()); }

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

bool IsLowerHex(const std::string& s) {
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

// One block through a CDES with a single key.
std::string Single(int direction, const std::string& keyHex, const std::string& blockHex) {
    CDES des;
    const Bytes key = FromHex(keyHex);
    EXPECT_EQ(des.SetKey(direction, key.data()), 1) << keyHex;
    Bytes block = FromHex(blockHex);
    des.ProcessBlock(block.data(), block.data());
    return ToHex(block);
}

// A text of n printable bytes that differs from position to position.
std::string Text(size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i) s += static_cast<char>('!' + (i * 7) % 90);
    return s;
}

// ---------------------------------------------------------------- CDES

struct KnownAnswer {
    const char* key;
    const char* plain;
    const char* cipher;
};

// Published single-DES values: the classic worked example, the FIPS 81 ECB
// example and the NBS S-box test set (every S-box entry is exercised).
const KnownAnswer kKnownAnswers[] = {
    {"133457799bbcdff1", "0123456789abcdef", "85e813540f0ab405"},
    {"0e329232ea6d0d73", "8787878787878787", "0000000000000000"},
    {"0123456789abcdef", "4e6f772069732074", "3fa40e8a984d4815"},
    {"7ca110454a1a6e57", "01a1d6d039776742", "690f5b0d9a26939b"},
    {"0131d9619dc1376e", "5cd54ca83def57da", "7a389d10354bd271"},
    {"07a1133e4a0b2686", "0248d43806f67172", "868ebb51cab4599a"},
    {"3849674c2602319e", "51454b582ddf440a", "7178876e01f19b2a"},
    {"04b915ba43feb5b6", "42fd443059577fa2", "af37fb421f8c4095"},
    {"0113b970fd34f2ce", "059b5e0851cf143a", "86a560f10ec6d85b"},
    {"0170f175468fb5e6", "0756d8e0774761d2", "0cd3da020021dc09"},
    {"43297fad38e373fe", "762514b829bf486a", "ea676b2cb7db2b7a"},
    {"07a7137045da2a16", "3bdd119049372802", "dfd64a815caf1a0f"},
    {"04689104c2fd3b2f", "26955f6835af609a", "5c513c9c4886c088"},
    {"37d06bb516cb7546", "164d5e404f275232", "0a2aeeae3ff4ab77"},
    {"1f08260d1ac2465e", "6b056e18759f5cca", "ef1bf03e5dfa575a"},
    {"584023641aba6176", "004bd6ef09176062", "88bf0db6d70dee56"},
    {"025816164629b007", "480d39006ee762f2", "a1f9915541020b56"},
    {"49793ebc79b3258f", "437540c8698f3cfa", "6fbf1cafcffd0556"},
    {"4fb05e1515ab73a7", "072d43a077075292", "2f22e49bab7ca1ac"},
    {"49e95d6d4ca229bf", "02fe55778117f12a", "5a6b612cc26cce4a"},
    {"018310dc409b26d6", "1d9d5c5018f728c2", "5f4c038ed12b2e41"},
    {"1c587f1c13924fef", "305532286d6f295a", "63fac0d034d9f793"},
};

TEST(DesTest, ReproducesPublishedKnownAnswersBothWays) {
    for (const KnownAnswer& v : kKnownAnswers) {
        EXPECT_EQ(Single(CDES::kEncrypt, v.key, v.plain), v.cipher) << "key " << v.key;
        EXPECT_EQ(Single(CDES::kDecrypt, v.key, v.cipher), v.plain) << "key " << v.key;
    }
}

TEST(DesTest, ParityBitsOfTheKeyAreIgnored) {
    // 133457799bbcdff1 with bit 0 of every byte flipped.
    EXPECT_EQ(Single(CDES::kEncrypt, "123556789abddef0", "0123456789abcdef"), "85e813540f0ab405");
}

TEST(DesTest, ProcessEcbRunsEveryBlockInPlace) {
    CDES des;
    const Bytes key = FromHex("0123456789abcdef");
    ASSERT_EQ(des.SetKey(CDES::kEncrypt, key.data()), 1);
    std::string text = "Now is the time for all ";
    Bytes buf(text.begin(), text.end());
    ASSERT_EQ(des.ProcessECB(buf.data(), buf.data(), static_cast<int>(buf.size())), 1);
    EXPECT_EQ(ToHex(buf), "3fa40e8a984d48156a271787ab8883f9893d51ec4b563b53");
}

TEST(DesTest, ProcessEcbRefusesBadLengthsAndMissingKey) {
    CDES des;
    const Bytes key = FromHex("133457799bbcdff1");
    Bytes in(16, 0x11);
    Bytes out(16, 0xAA);

    EXPECT_EQ(des.ProcessECB(out.data(), in.data(), 8), 0) << "no key set yet";
    ASSERT_EQ(des.SetKey(CDES::kEncrypt, key.data()), 1);
    for (int length : {12, 7, 1, -8}) {
        EXPECT_EQ(des.ProcessECB(out.data(), in.data(), length), 0) << length;
        EXPECT_EQ(out, Bytes(16, 0xAA)) << "nothing may be written for length " << length;
    }
    EXPECT_EQ(des.ProcessECB(out.data(), in.data(), 0), 1);

    des.Clear();
    EXPECT_EQ(des.GetFlags() & CDES::kKeySet, 0);
    EXPECT_EQ(des.ProcessECB(out.data(), in.data(), 8), 0) << "Clear drops the key";
    EXPECT_EQ(out, Bytes(16, 0xAA));
}

TEST(DesTest, TwoKeyWithEqualKeysIsSingleDes) {
    for (const KnownAnswer& v : kKnownAnswers) {
        CDES des;
        const Bytes key = FromHex(v.key);
        ASSERT_EQ(des.SetKeys(CDES::kEncrypt, key.data(), key.data()), 1);
        EXPECT_EQ(des.GetFlags(), CDES::kKeySet | CDES::kTwoKey);
        Bytes block = FromHex(v.plain);
        des.ProcessBlock(block.data(), block.data());
        EXPECT_EQ(ToHex(block), v.cipher) << "key " << v.key;
    }
}

TEST(DesTest, TwoKeyIsEncryptDecryptEncrypt) {
    const std::string k1 = "0123456789abcdef";
    const std::string k2 = "fedcba9876543210";
    const std::string plain = "4e6f772069732074";
    const std::string expected =
        Single(CDES::kEncrypt, k1, Single(CDES::kDecrypt, k2, Single(CDES::kEncrypt, k1, plain)));

    const Bytes key1 = FromHex(k1);
    const Bytes key2 = FromHex(k2);
    CDES enc;
    ASSERT_EQ(enc.SetKeys(CDES::kEncrypt, key1.data(), key2.data()), 1);
    Bytes block = FromHex(plain);
    enc.ProcessBlock(block.data(), block.data());
    EXPECT_EQ(ToHex(block), expected);
    EXPECT_NE(ToHex(block), Single(CDES::kEncrypt, k1, plain));

    CDES dec;
    ASSERT_EQ(dec.SetKeys(CDES::kDecrypt, key1.data(), key2.data()), 1);
    dec.ProcessBlock(block.data(), block.data());
    EXPECT_EQ(ToHex(block), plain);
}

// Builds a key whose halves after permuted choice 1 are c and d (parity bits
// left zero), by placing each bit where the standard table takes it from.
Bytes KeyFromHalves(uint32_t c, uint32_t d) {
    static const int pc1[56] = {57, 49, 41, 33, 25, 17, 9,  1,  58, 50, 42, 34, 26, 18,
                                10, 2,  59, 51, 43, 35, 27, 19, 11, 3,  60, 52, 44, 36,
                                63, 55, 47, 39, 31, 23, 15, 7,  62, 54, 46, 38, 30, 22,
                                14, 6,  61, 53, 45, 37, 29, 21, 13, 5,  28, 20, 12, 4};
    const uint64_t cd = (static_cast<uint64_t>(c) << 28) | d;
    uint64_t key = 0;
    for (int k = 0; k < 56; ++k)
        if ((cd >> (55 - k)) & 1u) key |= uint64_t{1} << (64 - pc1[k]);
    Bytes out(8);
    for (int i = 0; i < 8; ++i) out[i] = static_cast<unsigned char>(key >> (56 - 8 * i));
    return out;
}

uint32_t Repeat7(uint32_t pattern) {
    uint32_t v = 0;
    for (int i = 0; i < 7; ++i) v = (v << 4) | pattern;
    return v;
}

TEST(DesTest, RefusesAllSixtyFourWeakKeys) {
    const Bytes good = FromHex("133457799bbcdff1");
    const uint32_t patterns[8] = {0x0, 0x3, 0x5, 0x6, 0x9, 0xA, 0xC, 0xF};
    int refused = 0;
    for (uint32_t pc : patterns) {
        for (uint32_t pd : patterns) {
            const Bytes weak = KeyFromHalves(Repeat7(pc), Repeat7(pd));
            CDES des;
            ASSERT_EQ(des.SetKey(CDES::kEncrypt, good.data()), 1);
            EXPECT_EQ(des.SetKey(CDES::kEncrypt, weak.data()), 0) << ToHex(weak);
            EXPECT_EQ(des.GetFlags(), 0) << "a refused key leaves no key set";
            EXPECT_EQ(des.SetKeys(CDES::kEncrypt, weak.data(), good.data()), 0);
            EXPECT_EQ(des.SetKeys(CDES::kDecrypt, good.data(), weak.data()), 0);
            EXPECT_EQ(des.GetFlags(), 0);
            refused += CDES::IsWeakKey(weak.data()) ? 1 : 0;
        }
    }
    EXPECT_EQ(refused, 64);
}

TEST(DesTest, RefusesPublishedWeakAndSemiWeakKeysButNotNeighbours) {
    const char* published[] = {
        "0101010101010101", "fefefefefefefefe", "e0e0e0e0f1f1f1f1", "1f1f1f1f0e0e0e0e",
        "0000000000000000", "01fe01fe01fe01fe", "fe01fe01fe01fe01", "1fe01fe00ef10ef1",
        "e01fe01ff10ef10e", "01e001e001f101f1", "e001e001f101f101", "1ffe1ffe0efe0efe",
        "fe1ffe1ffe0efe0e", "011f011f010e010e", "1f011f010e010e01", "e0fee0fef1fef1fe",
        "fee0fee0fef1fef1",
    };
    for (const char* hex : published) {
        const Bytes key = FromHex(hex);
        CDES des;
        EXPECT_EQ(des.SetKey(CDES::kEncrypt, key.data()), 0) << hex;
    }
    // One bit away from a weak half: a proper key.
    for (uint32_t c : {Repeat7(0x5) ^ 1u, Repeat7(0x0) ^ 0x100u, Repeat7(0xF) ^ 0x8000000u}) {
        const Bytes key = KeyFromHalves(c, Repeat7(0xA));
        CDES des;
        EXPECT_EQ(des.SetKey(CDES::kEncrypt, key.data()), 1) << ToHex(key);
        EXPECT_EQ(des.GetFlags(), CDES::kKeySet);
    }
    CDES des;
    EXPECT_EQ(des.SetKey(CDES::kEncrypt, nullptr), 0);
    EXPECT_EQ(des.SetKeys(CDES::kEncrypt, CPassword::K1, nullptr), 0);
    EXPECT_EQ(des.GetFlags(), 0);
}

TEST(DesTest, KeyConstantsAreProperKeys) {
    EXPECT_EQ(ToHex(CPassword::K1, 8), "5c19e7a03b6d42f8");
    EXPECT_EQ(ToHex(CPassword::K2, 8), "a27f0d9164ce38b5");
    EXPECT_FALSE(CDES::IsWeakKey(CPassword::K1));
    EXPECT_FALSE(CDES::IsWeakKey(CPassword::K2));
}

// ---------------------------------------------------------------- CPassword

// Encrypt through a generous buffer; returns the digits ("" after failure).
std::string Encrypt(int mode, unsigned seed, const std::string& plain, int* result = nullptr) {
    CPassword pw;
    pw.SetMode(mode, seed);
    std::vector<char> out(4096, 'X');
    int length = static_cast<int>(plain.size());
    const int r = pw.Encrypt(out.data(), static_cast<int>(out.size()), plain.c_str(), length);
    if (result) *result = r;
    EXPECT_EQ(length, r);
    return r < 0 ? std::string() : std::string(out.data());
}

std::string Decrypt(int mode, unsigned seed, const std::string& hex, int* result = nullptr) {
    CPassword pw;
    pw.SetMode(mode, seed);
    std::vector<char> out(4096, 'X');
    int length = static_cast<int>(hex.size());
    const int r = pw.Decrypt(out.data(), static_cast<int>(out.size()), hex.data(), length);
    if (result) *result = r;
    EXPECT_EQ(length, r);
    return std::string(out.data());
}

TEST(PasswordTest, SetModeSplitsTheSeedIntoNibbles) {
    CPassword pw;
    EXPECT_EQ(pw.GetMode(), 0);
    pw.SetMode(4, 0x87654321u);
    EXPECT_EQ(pw.GetMode(), 4);
    // nibble = 1,2,...,8: key1 = K1 ^ nibble[i], key2 = K2 ^ nibble[7 - i].
    const Bytes key1 = FromHex("5d1be4a43e6b45f0");
    const Bytes key2 = FromHex("aa780b9460cd3ab4");
    CDES reference;
    ASSERT_EQ(reference.SetKeys(CDES::kEncrypt, key1.data(), key2.data()), 1);
    unsigned char block[8] = {'s', 'e', 'c', 'r', 'e', 't', 0, 0};
    reference.ProcessBlock(block, block);
    EXPECT_EQ(Encrypt(4, 0x87654321u, "secret"), ToHex(block, 8));

    unsigned char single[8] = {'s', 'e', 'c', 'r', 'e', 't', 0, 0};
    ASSERT_EQ(reference.SetKey(CDES::kEncrypt, key1.data()), 1);
    reference.ProcessBlock(single, single);
    EXPECT_EQ(Encrypt(3, 0x87654321u, "secret"), ToHex(single, 8));
}

TEST(PasswordTest, ModesOneAndTwoUseTheConstants) {
    CDES reference;
    unsigned char block[8] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 0};
    ASSERT_EQ(reference.SetKey(CDES::kEncrypt, CPassword::K1), 1);
    reference.ProcessBlock(block, block);
    EXPECT_EQ(Encrypt(1, 0, "abcdefg"), ToHex(block, 8));

    unsigned char triple[8] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 0};
    ASSERT_EQ(reference.SetKeys(CDES::kEncrypt, CPassword::K1, CPassword::K2), 1);
    reference.ProcessBlock(triple, triple);
    EXPECT_EQ(Encrypt(2, 0, "abcdefg"), ToHex(triple, 8));
}

TEST(PasswordTest, SeedZeroMakesModeThreeModeOneAndModeFourModeTwo) {
    for (const std::string& text : {std::string("a"), std::string("password"), Text(40)}) {
        EXPECT_EQ(Encrypt(3, 0, text), Encrypt(1, 0, text)) << text;
        EXPECT_EQ(Encrypt(4, 0, text), Encrypt(2, 0, text)) << text;
        EXPECT_NE(Encrypt(1, 0, text), Encrypt(2, 0, text)) << text;
        // A seed touching more than the parity bits changes the keys.
        EXPECT_NE(Encrypt(3, 0x22u, text), Encrypt(1, 0, text)) << text;
        EXPECT_NE(Encrypt(4, 0x22u, text), Encrypt(2, 0, text)) << text;
    }
}

TEST(PasswordTest, RoundTripsInEveryMode) {
    const unsigned seeds[] = {0u, 0x5A3C96E1u, 0xFFFFFFFFu};
    const size_t lengths[] = {1, 6, 7, 8, 9, 15, 16, 247, 511};
    for (int mode = 0; mode <= 4; ++mode) {
        for (unsigned seed : seeds) {
            for (size_t n : lengths) {
                const std::string text = Text(n);
                int encrypted = 0;
                const std::string digits = Encrypt(mode, seed, text, &encrypted);
                int decrypted = 0;
                const std::string back = Decrypt(mode, seed, digits, &decrypted);
                SCOPED_TRACE("mode " + std::to_string(mode) + " seed " + std::to_string(seed) + " length " +
                             std::to_string(n));
                EXPECT_EQ(back, text);
                if (mode == 0) {
                    EXPECT_EQ(encrypted, static_cast<int>(n) + 1);
                    EXPECT_EQ(digits, text);
                    EXPECT_EQ(decrypted, static_cast<int>(n));
                } else {
                    EXPECT_EQ(encrypted, static_cast<int>((n + 1 + 7) / 8 * 8));
                    EXPECT_EQ(digits.size(), 2 * static_cast<size_t>(encrypted));
                    EXPECT_TRUE(IsLowerHex(digits)) << digits;
                    EXPECT_EQ(decrypted, static_cast<int>(n));
                }
            }
        }
    }
}

TEST(PasswordTest, EmptyInputsGiveEmptyTexts) {
    for (int mode : {0, 4, 5}) {
        int result = -2;
        EXPECT_EQ(Encrypt(mode, 9, "", &result), "");
        EXPECT_EQ(result, 0);
        EXPECT_EQ(Decrypt(mode, 9, "", &result), "");
        EXPECT_EQ(result, 0);
    }
}

TEST(PasswordTest, ModeOutsideZeroToFourFails) {
    for (int mode : {5, -1, 100}) {
        int result = 0;
        EXPECT_EQ(Encrypt(mode, 0, "password", &result), "");
        EXPECT_EQ(result, -1);
        EXPECT_EQ(Decrypt(mode, 0, Encrypt(2, 0, "password"), &result), "");
        EXPECT_EQ(result, -1);
    }
}

TEST(PasswordTest, DecryptAcceptsUpperCaseAndRefusesMalformedDigits) {
    const std::string digits = Encrypt(4, 1234, "Upper Case");
    EXPECT_EQ(Decrypt(4, 1234, Upper(digits)), "Upper Case");

    std::string bad = digits;
    bad[5] = 'g';
    std::string withBlank = digits;
    withBlank[0] = ' ';
    for (const std::string& text : {digits.substr(0, 15), digits.substr(0, 17), digits + "0", bad, withBlank}) {
        int result = 0;
        EXPECT_EQ(Decrypt(4, 1234, text, &result), "") << text;
        EXPECT_EQ(result, -1) << text;
    }
}

TEST(PasswordTest, SetupKeysReportsWhetherAKeyIsSet) {
    CPassword pw;
    pw.SetMode(0, 0);
    EXPECT_EQ(pw.SetupKeys(CDES::kEncrypt), 0);
    pw.SetMode(7, 0);
    EXPECT_EQ(pw.SetupKeys(CDES::kEncrypt), 0);
    for (int mode = 1; mode <= 4; ++mode) {
        pw.SetMode(mode, 0xDEADBEEFu);
        EXPECT_EQ(pw.SetupKeys(CDES::kDecrypt), 1) << mode;
    }
}

TEST(PasswordTest, BuffersAreNeverOverrun) {
    CPassword pw;
    pw.SetMode(4, 77);

    // 511 bytes fit the block buffer, 512 do not.
    {
        std::vector<char> out(2000);
        int length = 511;
        const std::string text = Text(511);
        EXPECT_EQ(pw.Encrypt(out.data(), static_cast<int>(out.size()), text.c_str(), length), 512);
        const std::string longer = Text(512);
        length = 512;
        EXPECT_EQ(pw.Encrypt(out.data(), static_cast<int>(out.size()), longer.c_str(), length), -1);
        EXPECT_EQ(length, -1);
    }
    // An out buffer one byte short of the digits and their zero byte: refused,
    // and nothing written past its size.
    for (int mode : {0, 4}) {
        pw.SetMode(mode, 77);
        const std::string text = "seven77";  // 8 bytes with the zero: 16 digits
        const int needed = mode == 0 ? 8 : 17;
        std::vector<char> out(needed + 8, '#');
        int length = 7;
        EXPECT_EQ(pw.Encrypt(out.data(), needed - 1, text.c_str(), length), -1) << mode;
        EXPECT_EQ(std::string(out.begin() + needed - 1, out.end()), std::string(9, '#')) << mode;
        length = 7;
        EXPECT_GT(pw.Encrypt(out.data(), needed, text.c_str(), length), 0) << mode;
        EXPECT_EQ(std::string(out.begin() + needed, out.end()), std::string(8, '#')) << mode;
    }
    // Decrypt: 1024 digits are the most; its out buffer needs one byte per
    // digit pair and the zero byte.
    {
        pw.SetMode(4, 77);
        const std::string digits = Encrypt(4, 77, Text(511));
        ASSERT_EQ(digits.size(), 1024u);
        std::vector<char> out(600, '#');
        int length = 1024;
        EXPECT_EQ(pw.Decrypt(out.data(), 512, digits.c_str(), length), -1);
        EXPECT_EQ(std::string(out.begin() + 512, out.end()), std::string(88, '#'));
        length = 1024;
        EXPECT_EQ(pw.Decrypt(out.data(), 513, digits.c_str(), length), 511);
        EXPECT_EQ(std::string(out.data()), Text(511));

        const std::string tooMany = digits + digits.substr(0, 16);
        length = static_cast<int>(tooMany.size());
        EXPECT_EQ(pw.Decrypt(out.data(), static_cast<int>(out.size()), tooMany.c_str(), length), -1);
    }
}

// ---------------------------------------------------------------- section operations

bool FixedStamp(int& stamp) {
    stamp = 0x6502A1F3;
    return true;
}

int EncryptWithStamp(int mode, const std::string& plain, std::string& out, int& stamp, int fixed) {
    return SrtfEncryptPasswordWithStamp(mode, plain, out, stamp, [fixed](int& s) {
        s = fixed;
        return true;
    });
}

TEST(PasswordSectionTest, RoundTripWithTheClockStamp) {
    for (const std::string& plain : {std::string("p"), std::string("S3cr3t pass word"), Text(247)}) {
        std::string digits;
        int stamp = 0;
        ASSERT_EQ(SrtfEncryptPassword(4, plain, digits, stamp), 0);
        EXPECT_TRUE(IsLowerHex(digits));
        std::string back = "stale";
        EXPECT_EQ(SrtfDecryptPassword(4, digits, back, stamp), 0);
        EXPECT_EQ(back, plain);
    }
}

TEST(PasswordSectionTest, DigitCounts) {
    const struct {
        size_t bytes;
        size_t digits;
    } cases[] = {{1, 16}, {7, 16}, {8, 32}, {15, 32}, {16, 48}, {247, 496}};
    for (const auto& c : cases) {
        std::string digits;
        int stamp = 0;
        ASSERT_EQ(SrtfEncryptPasswordWithStamp(4, Text(c.bytes), digits, stamp, FixedStamp), 0) << c.bytes;
        EXPECT_EQ(digits.size(), c.digits) << c.bytes;
        EXPECT_EQ(stamp, 0x6502A1F3);
    }
}

TEST(PasswordSectionTest, EmptyTextsNeedNoStamp) {
    std::string out = "previous";
    int stamp = 4242;
    bool asked = false;
    EXPECT_EQ(SrtfEncryptPasswordWithStamp(4, "", out, stamp,
                                           [&asked](int&) {
                                               asked = true;
                                               return true;
                                           }),
              0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(stamp, 4242);
    EXPECT_FALSE(asked);

    out = "previous";
    EXPECT_EQ(SrtfDecryptPassword(4, "", out, stamp), 0);
    EXPECT_EQ(out, "");
}

TEST(PasswordSectionTest, FailuresReturnTheirCodes) {
    // No stamp: 113, out and stamp untouched.
    std::string out = "previous";
    int stamp = 99;
    EXPECT_EQ(SrtfEncryptPasswordWithStamp(4, "pw", out, stamp, [](int&) { return false; }), 113);
    EXPECT_EQ(out, "previous");
    EXPECT_EQ(stamp, 99);

    // Mode 5 on both sides.
    EXPECT_EQ(EncryptWithStamp(5, "pw", out, stamp, 1), 113);
    EXPECT_EQ(out, "previous");
    EXPECT_EQ(SrtfDecryptPassword(5, "0123456789abcdef", out, 1), 112);
    EXPECT_EQ(out, "");

    // A cipher text of 15 digits.
    std::string digits;
    ASSERT_EQ(EncryptWithStamp(4, "pw", digits, stamp, 1), 0);
    out = "previous";
    EXPECT_EQ(SrtfDecryptPassword(4, digits.substr(0, 15), out, 1), 112);
    EXPECT_EQ(out, "");
}

TEST(PasswordSectionTest, LengthLimits) {
    std::string out = "previous";
    int stamp = 0;
    EXPECT_EQ(EncryptWithStamp(4, Text(247), out, stamp, 5), 0);
    EXPECT_EQ(out.size(), 496u);
    out = "previous";
    for (size_t n : {248u, 255u, 511u, 512u, 100000u}) {
        EXPECT_EQ(EncryptWithStamp(4, Text(n), out, stamp, 5), 113) << n;
        EXPECT_EQ(out, "previous") << n;
    }

    // 1024 digits (511 text bytes enciphered directly) are deciphered; 1040 are refused.
    const std::string digits = Encrypt(4, 5, Text(511));
    ASSERT_EQ(digits.size(), 1024u);
    EXPECT_EQ(SrtfDecryptPassword(4, digits, out, 5), 0);
    EXPECT_EQ(out, Text(511));
    EXPECT_EQ(SrtfDecryptPassword(4, digits + digits.substr(0, 16), out, 5), 112);
    EXPECT_EQ(out, "");
    EXPECT_EQ(SrtfDecryptPassword(4, std::string(100000, 'a'), out, 5), 112);
}

TEST(PasswordSectionTest, WrongStampIsNotDetected) {
    std::string digits;
    int stamp = 0;
    const std::string plain = "correct horse";
    ASSERT_EQ(EncryptWithStamp(4, plain, digits, stamp, 0x13572468), 0);
    ASSERT_EQ(stamp, 0x13572468);

    std::string out;
    // Bit 0 of each nibble lands on a key parity bit, which DES ignores.
    EXPECT_EQ(SrtfDecryptPassword(4, digits, out, 0x13572468 ^ 0x11111111), 0);
    EXPECT_EQ(out, plain);

    // Any other change of the stamp deciphers, without an error, to other bytes.
    for (int wrong : {0x13572468 ^ 0x2, 0x13572468 ^ 0x40000000, 0}) {
        EXPECT_EQ(SrtfDecryptPassword(4, digits, out, wrong), 0) << wrong;
        EXPECT_NE(out, plain) << wrong;
        EXPECT_LE(out.size(), 16u) << wrong;
    }
}

TEST(PasswordSectionTest, ModeZeroPassesTextThrough) {
    std::string out;
    int stamp = 0;
    EXPECT_EQ(EncryptWithStamp(0, "plain text", out, stamp, 3), 0);
    EXPECT_EQ(out, "plain text");
    EXPECT_EQ(SrtfDecryptPassword(0, "plain text", out, 3), 0);
    EXPECT_EQ(out, "plain text");
}

// ---------------------------------------------------------------- time stamp

// Whether the C runtime converts a local time that lies before the epoch,
// such as 1970-01-01 00:00 east of UTC. The Windows runtime does not: there
// no stamp is made east of UTC, and encryption fails with 113.
#if defined(_WIN32)
constexpr bool kConvertsBeforeEpoch = false;
#else
constexpr bool kConvertsBeforeEpoch = true;
#endif

// Sets TZ for the life of the object and restores the previous value.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) {
        const char* old = std::getenv("TZ");
        hadOld = old != nullptr;
        if (hadOld) oldValue = old;
        Set(zone);
    }
    ~ScopedTimeZone() { Set(hadOld ? oldValue.c_str() : nullptr); }

private:
    static void Set(const char* zone) {
#if defined(_WIN32)
        _putenv_s("TZ", zone ? zone : "");  // an empty value removes it
        _tzset();
#else
        if (zone)
            setenv("TZ", zone, 1);
        else
            unsetenv("TZ");
        tzset();
#endif
    }

    bool hadOld = false;
    std::string oldValue;
};

TEST(PasswordStampTest, CountsFromLocalMidnightOfNewYear1970) {
    const struct {
        const char* zone;
        long long offset;  // the zone's distance from UTC on that date (east positive)
    } cases[] = {
        {"UTC0", 0},
        {"EST5", -5 * 3600},                        // west of UTC
        {"HST10", -10 * 3600},                      // further west
        {"JST-9", 9 * 3600},                        // east of UTC
#if !defined(_WIN32)  // a zone with rules for its summer time (not in Windows' TZ form)
        {"AEST-10AEDT,M10.1.0,M4.1.0/3", 11 * 3600}  // January is summer time there
#endif
    };
    for (const auto& c : cases) {
        ScopedTimeZone zone(c.zone);
        for (long long now : {0LL, 1000LL, 1700000000LL}) {
            int stamp = 0;
            if (c.offset > 0 && !kConvertsBeforeEpoch) {
                EXPECT_FALSE(SrtfPasswordStampAt(static_cast<std::time_t>(now), stamp)) << c.zone;
                continue;
            }
            ASSERT_TRUE(SrtfPasswordStampAt(static_cast<std::time_t>(now), stamp)) << c.zone;
            EXPECT_EQ(static_cast<long long>(stamp), now + c.offset) << c.zone << " " << now;
        }
    }
}

TEST(PasswordStampTest, TruncatesToThirtyTwoBits) {
    if (sizeof(std::time_t) < 8) GTEST_SKIP() << "time_t has 32 bits";
    ScopedTimeZone zone("UTC0");
    int stamp = 0;
    ASSERT_TRUE(SrtfPasswordStampAt(static_cast<std::time_t>((1LL << 32) + 5), stamp));
    EXPECT_EQ(stamp, 5);
    ASSERT_TRUE(SrtfPasswordStampAt(static_cast<std::time_t>(0x80000000LL), stamp));
    EXPECT_EQ(stamp, INT32_MIN);
}

TEST(PasswordStampTest, ClockStampWorksInZonesEitherSideOfUtc) {
    for (const char* name : {"UTC0", "EST5", "JST-9"}) {
        ScopedTimeZone zone(name);
        int stamp = 0;
        std::string digits;
        int used = 0;
        if (name[0] == 'J' && !kConvertsBeforeEpoch) {
            EXPECT_FALSE(SrtfPasswordStamp(stamp)) << name;
            EXPECT_EQ(SrtfEncryptPassword(4, "zone", digits, used), 113) << name;
            EXPECT_EQ(digits, "") << name;
            continue;
        }
        EXPECT_TRUE(SrtfPasswordStamp(stamp)) << name;
        ASSERT_EQ(SrtfEncryptPassword(4, "zone", digits, used), 0) << name;
        std::string out;
        EXPECT_EQ(SrtfDecryptPassword(4, digits, out, used), 0) << name;
        EXPECT_EQ(out, "zone") << name;
    }
}

}  // namespace
